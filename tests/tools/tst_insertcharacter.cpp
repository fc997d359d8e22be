#include "base/processstate.h"
#include "base/prompt.h"
#include "tools/insertcharacter.h"
#include "toolsframe.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

// The character palette opened from the main window over a report window:
// where each character goes, what it refuses, and how it closes.
class TestInsertCharacter : public QObject
{
    Q_OBJECT

private slots:
    void paletteShowsItsNineteenCharacters();
    void insertsAtTheCaret_data();
    void insertsAtTheCaret();
    void refusesAnythingButAMultiLineTextBox_data();
    void refusesAnythingButAMultiLineTextBox();
    void closesOnAnyCharacterKey_data();
    void closesOnAnyCharacterKey();
};

namespace {

// A report window on the report page, with its findings memo holding a
// text with a selection from anchor to position, and focused.
QPlainTextEdit *focusedFindings(ToolsFrame &frame, const QString &text, int anchor, int position)
{
    TfrmChildWin *window = frame.open();
    frame.action("actnView2")->trigger(); // the page of the report texts
    auto *memo = window->findChild<QPlainTextEdit *>("memApprCircs");
    memo->setPlainText(text);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    memo->setFocus();
    return memo;
}

void click(TfrmInsertCharacter *palette, const QString &button)
{
    auto *b = palette->findChild<QToolButton *>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

void TestInsertCharacter::paletteShowsItsNineteenCharacters()
{
    // The characters by code point: ～ ＋ － × ÷ √ ‰ ％ ① to ⑩ ㎡.
    const char32_t expected[] = { 0xFF5E, 0xFF0B, 0xFF0D, 0x00D7, 0x00F7, 0x221A, 0x2030, 0xFF05, 0x2460,
        0x2461, 0x2462, 0x2463, 0x2464, 0x2465, 0x2466, 0x2467, 0x2468, 0x2469, 0x33A1 };
    ToolsFrame frame;
    QPlainTextEdit *memo = focusedFindings(frame, "", 0, 0);
    QString all;
    QList<QPoint> places;
    const DialogRun run = whileOpen<TfrmInsertCharacter>(
        frame.action("actnEditInsertCharacter"), [&](TfrmInsertCharacter *palette) {
            QCOMPARE(palette->windowTitle(), "插入字符");
            QCOMPARE(palette->font().family(), "宋体");
            QCOMPARE(palette->font().pointSize(), 9);
            QCOMPARE(palette->size(), QSize(333, 140));
            QCOMPARE(palette->parentWidget(), frame.form.get());
            const QPoint offCentre = palette->frameGeometry().center() - frame.form->frameGeometry().center();
            QVERIFY2(
                offCentre.manhattanLength() <= 1, qPrintable(QString::number(offCentre.manhattanLength())));
            QCOMPARE(palette->findChildren<QToolButton *>().size(), 19);
            for (int i = 0; i < 19; ++i) {
                const QString name = QStringLiteral("SpeedButton%1").arg(i + 1);
                auto *button = palette->findChild<QToolButton *>(name);
                QVERIFY2(button, qPrintable(name));
                QCOMPARE(button->text(), QString::fromUcs4(&expected[i], 1));
                QCOMPARE(button->size(), QSize(25, 25));
                places << button->pos();
                all += QString::fromUcs4(&expected[i], 1);
                click(palette, name);
            }
        });
    QVERIFY(run.opened);
    QVERIFY(run.leftOpen); // open after every button
    QCOMPARE(memo->toPlainText(), all);
    QCOMPARE(Prompt::shown().size(), 0);
    // Three rows of 7, 7 and 5 buttons, 43 pixels apart.
    for (int i = 1; i < places.size(); ++i) {
        if (i % 7 == 0) {
            QCOMPARE(places[i].y() - places[i - 7].y(), 43);
            QCOMPARE(places[i].x(), places[0].x());
        } else {
            QCOMPARE(places[i] - places[i - 1], QPoint(43, 0));
        }
    }
    QVERIFY(frame.form->findChildren<TfrmInsertCharacter *>().isEmpty()); // destroyed on close
}

void TestInsertCharacter::insertsAtTheCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position"); // the caret
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    const QStringList one { "SpeedButton9" }; // ①
    QTest::newRow("end of the text") << "墙体开裂" << 4 << 4 << one << "墙体开裂①" << 5;
    QTest::newRow("twice in a row") << "墙体开裂" << 4 << 4 << QStringList { "SpeedButton9", "SpeedButton10" }
                                    << "墙体开裂①②" << 6;
    QTest::newRow("middle of the text") << "墙体开裂" << 2 << 2 << one << "墙体①开裂" << 3;
    QTest::newRow("start of the text") << "墙体开裂" << 0 << 0 << one << "①墙体开裂" << 1;
    QTest::newRow("empty memo") << "" << 0 << 0 << QStringList { "SpeedButton19" } << "㎡" << 1;
    QTest::newRow("second line") << "长\n宽" << 3 << 3 << QStringList { "SpeedButton4" } << "长\n宽×" << 4;
    QTest::newRow("selection, caret at its end") << "墙体开裂" << 1 << 3 << one << "墙体开①裂" << 4;
    QTest::newRow("selection, caret at its start") << "墙体开裂" << 3 << 1 << one << "墙①体开裂" << 2;
    QTest::newRow("whole text selected") << "墙体开裂" << 0 << 4 << one << "墙体开裂①" << 5;
}

void TestInsertCharacter::insertsAtTheCaret()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QStringList, buttons);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    ToolsFrame frame;
    QPlainTextEdit *memo = focusedFindings(frame, text, anchor, position);
    QVERIFY(memo->hasFocus());
    const DialogRun run = whileOpen<TfrmInsertCharacter>(
        frame.action("actnEditInsertCharacter"), [&](TfrmInsertCharacter *palette) {
            for (const QString &button : buttons)
                click(palette, button);
        });
    QVERIFY(run.opened);
    QVERIFY(run.leftOpen);
    QCOMPARE(memo->toPlainText(), expected);
    QCOMPARE(memo->textCursor().position(), caret);
    QVERIFY(!memo->textCursor().hasSelection());
    QCOMPARE(Prompt::shown().size(), 0);
}

void TestInsertCharacter::refusesAnythingButAMultiLineTextBox_data()
{
    QTest::addColumn<QString>("control"); // empty: no report window at all
    QTest::newRow("one-line field") << "labedtFileNo";
    QTest::newRow("no report window") << "";
}

void TestInsertCharacter::refusesAnythingButAMultiLineTextBox()
{
    QFETCH(QString, control);
    ToolsFrame frame;
    QPlainTextEdit *memo = focusedFindings(frame, "墙体开裂", 2, 2);
    auto *field = frame.form->activeReportWindow()->findChild<QLineEdit *>("labedtFileNo");
    field->setProperty("text", "2004-001");
    field->setFocus();
    TfrmInsertCharacter::FocusedControl focused = [&frame] {
        TfrmChildWin *window = frame.form->activeReportWindow();
        return window ? window->focusWidget() : nullptr;
    };
    if (control.isEmpty())
        focused = [] { return nullptr; };

    TfrmInsertCharacter palette(focused, frame.form.get());
    palette.show();
    QVERIFY(!palette.InsertPaletteCharacter("①"));
    click(&palette, "SpeedButton1");
    QVERIFY(palette.isVisible());
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &shown = Prompt::shown().first();
    QCOMPARE(shown.kind, PromptKind::Message);
    QCOMPARE(shown.text, "插入字符错误!");
    QCOMPARE(shown.icon, PromptIcon::Error);
    QCOMPARE(shown.caption, AppTitle);
    QCOMPARE(shown.buttons, PromptButtons(PromptButton::Ok));
    QCOMPARE(field->property("text").toString(), "2004-001");
    QCOMPARE(memo->toPlainText(), "墙体开裂");
}

void TestInsertCharacter::closesOnAnyCharacterKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("digit") << int(Qt::Key_1) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("arrow key: no character") << int(Qt::Key_Left) << false;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << false;
}

void TestInsertCharacter::closesOnAnyCharacterKey()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    ToolsFrame frame;
    QPlainTextEdit *memo = focusedFindings(frame, "墙体开裂", 4, 4);
    const DialogRun run = whileOpen<TfrmInsertCharacter>(frame.action("actnEditInsertCharacter"),
        [&](TfrmInsertCharacter *palette) { QTest::keyClick(palette, Qt::Key(key)); });
    QVERIFY(run.opened);
    QCOMPARE(run.leftOpen, !closes);
    QCOMPARE(memo->toPlainText(), "墙体开裂"); // nothing typed into the report
    QCOMPARE(Prompt::shown().size(), 0);
}

QTEST_MAIN(TestInsertCharacter)
#include "tst_insertcharacter.moc"
