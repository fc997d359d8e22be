#include "base/errorreport.h"
#include "base/prompt.h"
#include "db/serverschema.h"
#include "testenv.h"
#include "testserver.h"
#include "windowfixture.h"

#include <QScrollBar>
#include <QtTest>

// Report windows of two appraisers on one server database: each sees what
// the other saves, appends or deletes, without losing its own place or its
// own edits.
class TestServerWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompt::reset(); }

    void othersChangesRefreshTheList_data();
    void othersChangesRefreshTheList();
    void shownReportReloadsWhenUnmodified();
    void shownReportWithEditsSaysSoAndKeepsThem();
};

namespace {

constexpr int ReportCount = 80;

// A server database of ReportCount reports numbered R001..R080, and windows
// A and B on it, both showing the first report.
struct TwoServerWindows
{
    TwoServerWindows()
    {
        ServerSchema::create(db.url());
        db.admin(
            QStringLiteral("insert into projecttab (fileno, address) select 'R' || lpad(g::text, 3, '0'), "
                           "'地址' || g from generate_series(1, %1) g")
                .arg(ReportCount));
        a = openReportWindow(db.url());
        b = openReportWindow(db.url());
        showActive(b.get());
    }

    TestAppDir dir;
    TestServerDatabase db;
    std::unique_ptr<TfrmChildWin> a;
    std::unique_ptr<TfrmChildWin> b;
};

} // namespace

void TestServerWindows::othersChangesRefreshTheList_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expectedTail");
    QTest::newRow("save") << "save" << QStringList { "R079", "地址79", "R080", "改了" };
    QTest::newRow("append") << "append" << QStringList { "R080", "地址80", "R081", "新的" };
    QTest::newRow("delete") << "delete" << QStringList { "R078", "地址78", "R079", "地址79" };
}

// B has scrolled to report R040 and selected it; A changes the last report.
// Within a second B lists the change and still shows R040, scrolled as it was.
void TestServerWindows::othersChangesRefreshTheList()
{
    REQUIRE_TEST_SERVER();
    QFETCH(QString, change);
    QFETCH(QStringList, expectedTail);
    TwoServerWindows w;
    w.b->GoToReport(39);
    w.b->showCurrentEntry();
    QScrollBar *scroll = w.b->reportList()->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    scroll->setValue(scroll->maximum() / 3);
    const int scrolled = scroll->value();

    const auto tail = [&] {
        const QStringList numbers = listed(w.b.get());
        const QStringList addresses = listed(w.b.get(), ReportListModel::Address);
        return QStringList { numbers.value(numbers.size() - 2), addresses.value(addresses.size() - 2),
            numbers.last(), addresses.last() };
    };
    // B has read the end of the list before A's change.
    QCOMPARE(tail(), (QStringList { "R079", "地址79", "R080", "地址80" }));

    w.a->GoToReport(ReportCount - 1);
    if (change == "save") {
        w.a->setControlText(QStringLiteral("Address"), QStringLiteral("改了"));
        w.a->saveReport();
    } else if (change == "append") {
        w.a->ReportQuery().append();
        w.a->ClearReport();
        w.a->setControlText(QStringLiteral("FileNo"), QStringLiteral("R081"));
        w.a->setControlText(QStringLiteral("Address"), QStringLiteral("新的"));
        w.a->saveReport();
    } else {
        QVERIFY(w.a->deleteShownReport());
    }

    QTRY_COMPARE_WITH_TIMEOUT(tail(), expectedTail, 1000);
    QCOMPARE(w.b->ReportQuery().asString(QStringLiteral("FileNo")), QStringLiteral("R040"));
    QCOMPARE(w.b->reportList()->selectedEntry(), 39);
    QCOMPARE(scroll->value(), scrolled);
    QVERIFY(!w.b->Modified());
    QVERIFY(Prompt::shown().isEmpty());
}

// The report B shows, unmodified, follows A's save.
void TestServerWindows::shownReportReloadsWhenUnmodified()
{
    REQUIRE_TEST_SERVER();
    TwoServerWindows w;
    w.a->setControlText(QStringLiteral("Address"), QStringLiteral("人民路 1 号"));
    w.a->saveReport();
    QTRY_COMPARE_WITH_TIMEOUT(
        w.b->controlTexts().text(QStringLiteral("Address")), QStringLiteral("人民路 1 号"), 1000);
    QVERIFY(!w.b->Modified());
    QVERIFY(w.b->statusText().isEmpty());
    // B's next save starts from A's version: no conflict.
    w.b->setControlText(QStringLiteral("LinkMan"), QStringLiteral("王五"));
    w.b->saveReport();
    QVERIFY(Prompt::shown().isEmpty());
}

// B has edits of its own on the report A saves: they stay, the status line
// says the report changed, and B's save puts the choice to the user.
void TestServerWindows::shownReportWithEditsSaysSoAndKeepsThem()
{
    REQUIRE_TEST_SERVER();
    TwoServerWindows w;
    QSignalSpy said(w.b.get(), &TfrmChildWin::statusTextChanged);
    w.b->setControlText(QStringLiteral("LinkMan"), QStringLiteral("王五"));
    w.a->setControlText(QStringLiteral("Address"), QStringLiteral("人民路 1 号"));
    w.a->saveReport();
    QTRY_COMPARE_WITH_TIMEOUT(w.b->statusText(), TfrmChildWin::ChangedElsewhereText, 1000);
    QCOMPARE(said.size(), 1);
    QVERIFY(w.b->Modified());
    QCOMPARE(w.b->controlTexts().text(QStringLiteral("LinkMan")), QStringLiteral("王五"));
    QCOMPARE(w.b->controlTexts().text(QStringLiteral("Address")), QStringLiteral("地址1"));

    Prompt::setNextAnswer(PromptButton::Cancel);
    QVERIFY_THROWS_EXCEPTION(CommandCancelled, w.b->saveReport());
    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY(Prompt::shown().first().text.startsWith(QStringLiteral("这份鉴定报告在您载入之后已被他人保存")));
    QVERIFY(w.b->Modified());
    QCOMPARE(w.b->statusText(), TfrmChildWin::ChangedElsewhereText);
}

QTEST_MAIN(TestServerWindows)
#include "tst_serverwindows.moc"
