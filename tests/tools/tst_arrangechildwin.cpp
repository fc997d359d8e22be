#include "base/prompt.h"
#include "tools/arrangechildwin.h"
#include "toolsframe.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>

// The arrangement dialog opened from the main window over three report
// windows: what each item does, what 应用, 确定 and 取消 do, and the tiling
// mode the main window keeps between openings.
class TestArrangeChildWin : public QObject
{
    Q_OBJECT

private slots:
    void dialogShowsItsItemsAndButtons();
    void arrangements_data();
    void arrangements();
};

namespace {

enum class Arrangement {
    Maximized, // as opened: nothing arranged
    OneAboveAnother,
    SideBySide,
    Cascaded,
};

QString describe(const QList<TfrmChildWin *> &windows, const QRect &area)
{
    QStringList parts;
    for (TfrmChildWin *window : windows) {
        const QRect g = window->geometry();
        parts << QStringLiteral("%1,%2 %3x%4%5")
                     .arg(g.x())
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height())
                     .arg(window->isMaximized() ? " max" : "");
    }
    return QStringLiteral("area %1x%2: ").arg(area.width()).arg(area.height()) + parts.join(" | ");
}

// How the windows lie in the area, whatever their order.
std::optional<Arrangement> arrangementOf(const QList<TfrmChildWin *> &windows, const QRect &area)
{
    // A maximized window covers the others (the active one shows maximized
    // as long as nothing arranged them).
    if (std::any_of(windows.begin(), windows.end(), [](TfrmChildWin *w) { return w->isMaximized(); }))
        return Arrangement::Maximized;
    QList<QRect> rects;
    for (TfrmChildWin *window : windows)
        rects << window->geometry();
    std::sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) {
        return std::pair(a.top(), a.left()) < std::pair(b.top(), b.left());
    });
    // Tiled: the windows fill the area without gaps or overlaps, in one
    // column or one row.
    const auto tiled = [&](bool sideBySide) {
        QList<QRect> sorted = rects;
        if (sideBySide)
            std::sort(sorted.begin(), sorted.end(),
                [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
        int next = sideBySide ? area.left() : area.top(); // where the next window must start
        for (const QRect &g : sorted) {
            if ((sideBySide ? g.left() : g.top()) != next
                || (sideBySide ? g.top() != area.top() || g.height() != area.height()
                               : g.left() != area.left() || g.width() != area.width()))
                return false;
            next = (sideBySide ? g.right() : g.bottom()) + 1;
        }
        return next == (sideBySide ? area.right() : area.bottom()) + 1;
    };
    if (tiled(false))
        return Arrangement::OneAboveAnother;
    if (tiled(true))
        return Arrangement::SideBySide;
    // Cascaded: each window further down and right than the one before it,
    // overlapping it.
    for (int i = 1; i < rects.size(); ++i)
        if (!rects[i - 1].intersects(rects[i]) || rects[i].top() <= rects[i - 1].top()
            || rects[i].left() <= rects[i - 1].left())
            return std::nullopt;
    return Arrangement::Cascaded;
}

// One use of the dialog: what is clicked or pressed in it, in turn. An item
// of the radio group by its text, a button by its caption, or a key ("Esc",
// "Enter").
void use(TfrmArrangeChildWin *dialog, const QStringList &steps)
{
    for (const QString &step : steps) {
        if (step == "Esc" || step == "Enter") {
            QTest::keyClick(dialog, step == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            continue;
        }
        QAbstractButton *target = nullptr;
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
            if (b->text() == step)
                target = b;
        QVERIFY2(target, qPrintable(step));
        QTest::mouseClick(target, Qt::LeftButton);
        if (qobject_cast<QRadioButton *>(target))
            QVERIFY2(target->isChecked(), qPrintable(step));
    }
}

} // namespace

void TestArrangeChildWin::dialogShowsItsItemsAndButtons()
{
    ToolsFrame frame;
    frame.open();
    for (const QStringList &steps :
        { QStringList { "层叠" }, QStringList {} }) { // 平铺 again at the next opening
        const DialogRun run = whileOpen<TfrmArrangeChildWin>(
            frame.action("actnArrangeChildWin"), [&](TfrmArrangeChildWin *dialog) {
                QCOMPARE(dialog->windowTitle(), "重排窗口");
                QCOMPARE(dialog->font().family(), "宋体");
                QCOMPARE(dialog->font().pointSize(), 9);
                QCOMPARE(dialog->size(), QSize(235, 153));
                QCOMPARE(dialog->parentWidget(), frame.form.get());
                auto *group = dialog->findChild<QGroupBox *>("RadioGroup1");
                QVERIFY(group);
                QCOMPARE(group->title(), "排列方式");
                QStringList items;
                QString checked;
                for (QRadioButton *item : group->findChildren<QRadioButton *>()) {
                    items << item->text();
                    if (item->isChecked())
                        checked = item->text();
                }
                QCOMPARE(items, (QStringList { "平铺", "水平并排", "垂直并排", "层叠" }));
                QCOMPARE(checked, "平铺");
                const char *const buttons[][2]
                    = { { "BitBtn1", "确定" }, { "BitBtn2", "取消" }, { "BitBtn3", "应用" } };
                for (const auto &[name, caption] : buttons) {
                    auto *button = dialog->findChild<QPushButton *>(name);
                    QVERIFY2(button, name);
                    QCOMPARE(button->text(), QString::fromUtf8(caption));
                    QVERIFY(!button->isDefault() && !button->autoDefault());
                }
                use(dialog, steps);
                QVERIFY(dialog->isVisible());
            });
        QVERIFY(run.opened);
        QVERIFY(run.leftOpen);
    }
    QVERIFY(frame.form->findChildren<TfrmArrangeChildWin *>().isEmpty()); // destroyed on close
}

void TestArrangeChildWin::arrangements_data()
{
    QTest::addColumn<QList<QStringList>>("uses"); // one list of steps per opening of the dialog
    QTest::addColumn<int>("expected"); // Arrangement
    QTest::addColumn<bool>("leftOpen"); // the last use left the dialog open
    const auto row = [](const char *name, const QList<QStringList> &uses, Arrangement expected,
                         bool leftOpen = false) { QTest::newRow(name) << uses << int(expected) << leftOpen; };
    row("fresh start: 平铺 one above another", { { "确定" } }, Arrangement::OneAboveAnother);
    row("水平并排", { { "水平并排", "确定" } }, Arrangement::OneAboveAnother);
    row("垂直并排", { { "垂直并排", "确定" } }, Arrangement::SideBySide);
    row("层叠", { { "层叠", "确定" } }, Arrangement::Cascaded);
    row("垂直并排, then 平铺 side by side", { { "垂直并排", "确定" }, { "层叠", "确定" }, { "确定" } },
        Arrangement::SideBySide);
    row("垂直并排 then 水平并排, then 平铺 one above another",
        { { "垂直并排", "应用", "水平并排", "应用", "层叠", "确定" }, { "确定" } },
        Arrangement::OneAboveAnother);
    row("应用 层叠, then 取消: stays cascaded", { { "层叠", "应用", "取消" } }, Arrangement::Cascaded);
    row("应用 leaves the dialog open", { { "垂直并排", "应用" } }, Arrangement::SideBySide, true);
    row("取消 alone arranges nothing", { { "垂直并排", "取消" } }, Arrangement::Maximized);
    row("Esc and Enter answer nothing", { { "垂直并排", "Esc", "Enter" } }, Arrangement::Maximized, true);
}

void TestArrangeChildWin::arrangements()
{
    QFETCH(QList<QStringList>, uses);
    QFETCH(int, expected);
    QFETCH(bool, leftOpen);
    ToolsFrame frame;
    TfrmChildWin *first = frame.open();
    TfrmChildWin *second = frame.open();
    TfrmChildWin *third = frame.open();
    const QList<TfrmChildWin *> topmostFirst { third, second, first };
    const QRect area = frame.form->mdiArea()->viewport()->rect();
    QCOMPARE(arrangementOf(topmostFirst, area), Arrangement::Maximized);

    for (int i = 0; i < uses.size(); ++i) {
        const DialogRun run = whileOpen<TfrmArrangeChildWin>(
            frame.action("actnArrangeChildWin"), [&](TfrmArrangeChildWin *dialog) { use(dialog, uses[i]); });
        QVERIFY(run.opened);
        QCOMPARE(run.leftOpen, i == uses.size() - 1 && leftOpen);
    }
    QVERIFY2(
        arrangementOf(topmostFirst, area) == Arrangement(expected), qPrintable(describe(topmostFirst, area)));
    QCOMPARE(Prompt::shown().size(), 0);
}

QTEST_MAIN(TestArrangeChildWin)
#include "tst_arrangechildwin.moc"
