#include "base/prompt.h"
#include "db/componentrows.h"
#include "db/serverschema.h"
#include "editor/childwin.h"
#include "editor/componenttable.h"
#include "editor/reportlist.h"
#include "editor/searchsheet.h"
#include "owncluster.h"
#include "testenv.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QUrl>
#include <QUuid>
#include <QtTest>

// A server that stops while a report window has unsaved edits: the window
// says so once, keeps the edits, its report and its list, and connects
// again at the next action once the server is back.
class TestLostConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void lostConnectionToldOnceEditsKept_data();
    void lostConnectionToldOnceEditsKept();
    void saveAfterReturnChecksTheVersion();
    void brokenStatementToldAsLost();
    void moveOfUnmodifiedWindowToldOnce();
};

namespace {

// One cluster for all: each test has a database of its own on it.
std::unique_ptr<OwnTestCluster> theCluster;

} // namespace

void TestLostConnection::initTestCase()
{
    theCluster = std::make_unique<OwnTestCluster>();
}

void TestLostConnection::cleanupTestCase()
{
    theCluster.reset();
}

// A test that failed half-way may have left the server stopped.
void TestLostConnection::cleanup()
{
    if (theCluster && theCluster->unavailableReason().isEmpty())
        theCluster->start();
}

void TestLostConnection::init()
{
    Prompt::reset();
    if (!theCluster->unavailableReason().isEmpty())
        QSKIP(qPrintable(theCluster->unavailableReason()));
}

namespace {

constexpr int ReportCount = 200;

const QString LostTail = QStringLiteral("。未保存的修改仍保留在窗口中, 下一次操作时将重新连接。");

// A database of ReportCount reports R001..R200 on the test's own cluster,
// and the frame with a window on it that shows R001, with unsaved edits
// unless told otherwise: 联系人 and a component row.
struct EditedServerWindow
{
    explicit EditedServerWindow(bool edited = true)
        : cluster(*theCluster)
        , url(databaseUrl(cluster.url()))
    {
        cluster.admin(QStringLiteral("create database ") + QUrl(url).path().mid(1));
        ServerSchema::create(url);
        Connection admin;
        admin.open(url);
        admin.run(
            QStringLiteral("insert into projecttab (fileno, address) select 'R' || lpad(g::text, 3, '0'), "
                           "'地址' || g from generate_series(1, %1) g")
                .arg(ReportCount));
        form = showFrameOver(dir.path());
        window = form->OpenReportWindow(url);
        if (!edited)
            return;
        window->setControlText(QStringLiteral("LinkMan"), QStringLiteral("王五"));
        QList<ComponentRow> rows = window->componentPage()->rows();
        rows[0][ComponentColumn::Part] = QStringLiteral("屋面");
        window->componentPage()->showRows(rows);
        window->setModified(true);
    }

    // A database of its own on the cluster.
    static QString databaseUrl(const QString &clusterUrl)
    {
        QUrl url(clusterUrl);
        url.setPath(QStringLiteral("/test_") + QUuid::createUuid().toString(QUuid::Id128));
        return url.toString();
    }

    // The edits are still in the window, unsaved, on report R001.
    void verifyEditsKept() const
    {
        QVERIFY(window->Modified());
        QCOMPARE(window->controlTexts().text(QStringLiteral("LinkMan")), QStringLiteral("王五"));
        QCOMPARE(window->componentPage()->rows().at(0)[ComponentColumn::Part], QStringLiteral("屋面"));
        QCOMPARE(window->ReportQuery().bookmark(), 1);
    }

    void run(const char *command) const { form->action(QString::fromLatin1(command))->trigger(); }

    void act(const QString &action) const
    {
        if (action == "save") {
            run("Actn_FileSave");
        } else if (action == "next") {
            run("Actn_RecordNext");
        } else if (action == "search") {
            window->findChild<QComboBox *>(QStringLiteral("ComboBoxEx1"))->setEditText(QStringLiteral("R1"));
            emit window->searchSheet()->searchRequested();
        } else {
            emit window->reportList()->entryClicked(ReportCount - 1);
        }
    }

    QString lostText(const QString &reason) const
    {
        return QStringLiteral("与服务器数据库 ") + window->connection().displayText()
            + QStringLiteral(" 的连接已断开: ") + reason + LostTail;
    }

    OwnTestCluster &cluster;
    QString url;
    TestAppDir dir;
    TestFrame form;
    TfrmChildWin *window = nullptr;
};

// What a second connection reads of R001: 联系人 and the parts of its rows.
QStringList storedEdits(const QString &url)
{
    Connection other;
    other.open(url);
    QSqlQuery query = other.run(QStringLiteral("select LinkMan from ProjectTab where FileNo = 'R001'"));
    QStringList found { query.next() ? query.value(0).toString() : QStringLiteral("<no R001>") };
    for (const ComponentRow &row : ComponentRows::load(other, QStringLiteral("R001")))
        found << row[ComponentColumn::Part];
    return found;
}

} // namespace

void TestLostConnection::lostConnectionToldOnceEditsKept_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("save") << "save";
    QTest::newRow("next") << "next";
    QTest::newRow("search") << "search";
    QTest::newRow("list click") << "list click";
}

// The server stops while the window waits: nothing is said until the user
// acts. The action tells of the lost connection, once; the next action,
// with the server still down, says that it cannot connect. Once the server
// is back, Save connects again and stores the edits, and the window hears
// of others' changes again.
void TestLostConnection::lostConnectionToldOnceEditsKept()
{
    QFETCH(QString, action);
    EditedServerWindow w;
    const QStringList firstEntries = listed(w.window).mid(0, 3);
    QCOMPARE(firstEntries, (QStringList { "R001", "R002", "R003" }));

    w.cluster.stop();
    QTRY_VERIFY(w.window->connection().isLost());
    QTest::qWait(200);
    QVERIFY(Prompt::shown().isEmpty());

    w.act(action);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().at(0).icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().at(0).text, w.lostText(QStringLiteral("服务器关闭了连接")));
    w.verifyEditsKept();
    QCOMPARE(listed(w.window).size(), ReportCount);
    QCOMPARE(listed(w.window).mid(0, 3), firstEntries);

    // Still down: the action's own message, no second word of the loss.
    Prompt::reset();
    w.act(action);
    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY2(Prompt::shown().at(0).text.startsWith(
                 QStringLiteral("不能连接服务器数据库 ") + w.window->connection().displayText() + u'\n'),
        qPrintable(Prompt::shown().at(0).text));
    w.verifyEditsKept();
    QCOMPARE(listed(w.window).mid(0, 3), firstEntries);

    // Someone changes R003 before this window is back: the news is missed.
    w.cluster.start();
    Connection other;
    other.open(w.url);
    other.run(QStringLiteral("update ProjectTab set Address = '早改了' where FileNo = 'R003'"));
    other.announceReportChange(3);

    Prompt::reset();
    w.run("Actn_FileSave");
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(!w.window->Modified());
    QCOMPARE(storedEdits(w.url), (QStringList { "王五", "屋面" }));
    // Connected again, the window reads the list again, and listens again.
    const auto address = [&](int entry) {
        return w.window->reportList()->reportModel()->cellText(entry, ReportListModel::Address);
    };
    QTRY_COMPARE_WITH_TIMEOUT(address(2), QStringLiteral("早改了"), 1000);
    other.run(QStringLiteral("update ProjectTab set Address = '改了' where FileNo = 'R002'"));
    other.announceReportChange(2);
    QTRY_COMPARE_WITH_TIMEOUT(address(1), QStringLiteral("改了"), 1000);
    QVERIFY(Prompt::shown().isEmpty());
}

// Someone saves the report while the server is away from this window: the
// save after the return is checked like any other and overwrites nothing.
void TestLostConnection::saveAfterReturnChecksTheVersion()
{
    EditedServerWindow w;
    w.cluster.stop();
    w.run("Actn_FileSave");
    QCOMPARE(Prompt::shown().size(), 1);
    w.cluster.start();

    Connection other;
    other.open(w.url);
    other.run(QStringLiteral("update ProjectTab set LinkMan = '赵六', version = coalesce(version, 0) + 1 "
                             "where FileNo = 'R001'"));
    Prompt::reset();
    Prompt::setNextAnswer(PromptButton::Cancel);
    w.run("Actn_FileSave");
    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY(Prompt::shown().at(0).text.startsWith(QStringLiteral("这份鉴定报告在您载入之后已被他人保存")));
    w.verifyEditsKept();
    QCOMPARE(storedEdits(w.url).first(), QStringLiteral("赵六"));
}

// A statement that runs before the window has noticed the stop gets the
// server's own reason, told once as well.
void TestLostConnection::brokenStatementToldAsLost()
{
    EditedServerWindow w;
    w.cluster.stop();
    w.run("Actn_FileSave");
    QCOMPARE(Prompt::shown().size(), 1);
    const QString said = Prompt::shown().at(0).text;
    QVERIFY2(said.startsWith(w.lostText({}).chopped(LostTail.size())), qPrintable(said));
    QVERIFY2(said.endsWith(LostTail), qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("terminating connection due to administrator command")),
        qPrintable(said));
    w.verifyEditsKept();

    QTest::qWait(200); // the driver reads the end of the connection: nothing more is said
    w.run("Actn_FileSave");
    QCOMPARE(Prompt::shown().size(), 2);
    QVERIFY(Prompt::shown().at(1).text.startsWith(QStringLiteral("不能连接服务器数据库 ")));
    w.verifyEditsKept();
}

// A move on a window without edits tells of the loss once as well, not as
// a failed move besides, and the window keeps showing its report.
void TestLostConnection::moveOfUnmodifiedWindowToldOnce()
{
    EditedServerWindow w(false);
    w.cluster.stop();
    QTRY_VERIFY(w.window->connection().isLost());
    w.run("Actn_RecordNext");
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().at(0).text, w.lostText(QStringLiteral("服务器关闭了连接")));
    QCOMPARE(textOf(w.window, "labedtFileNo"), QStringLiteral("R001"));
    // The report shown is the current row still: a save stores it there.
    QCOMPARE(w.window->ReportQuery().bookmark(), 1);
    QCOMPARE(w.window->reportList()->selectedEntry(), 0);

    w.run("Actn_RecordNext");
    QCOMPARE(Prompt::shown().size(), 2);
    QVERIFY(Prompt::shown().at(1).text.startsWith(QStringLiteral("不能连接服务器数据库 ")));
    QCOMPARE(textOf(w.window, "labedtFileNo"), QStringLiteral("R001"));

    w.cluster.start();
    w.run("Actn_RecordNext");
    QCOMPARE(Prompt::shown().size(), 2);
    QCOMPARE(textOf(w.window, "labedtFileNo"), QStringLiteral("R002"));
}

QTEST_MAIN(TestLostConnection)
#include "tst_lostconnection.moc"
