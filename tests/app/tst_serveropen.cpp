#include "app/serverdialog.h"
#include "base/cp936.h"
#include "base/errorreport.h"
#include "base/inifile.h"
#include "base/prompt.h"
#include "db/serverpasswords.h"
#include "db/serverschema.h"
#include "editor/childwin.h"
#include "modaldialog.h"
#include "testenv.h"
#include "testframe.h"
#include "testserver.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

// Opening a server database from the frame: the dialog's fields make the
// URL, a password is asked only when the server wants one and is never
// written down, an unreachable server says why, and the server opened last
// is opened again at the next start.
class TestServerOpen : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompt::reset(); }

    void fieldsMakeTheUrl_data();
    void fieldsMakeTheUrl();
    void dialogOpensTheDatabase();
    void passwordAskedOnlyWhenWanted();
    void wrongPasswordAskedAgainUntilCancelled();
    void unreachableServerSaysWhy();
    void rememberedServerReopensAtStart();
};

namespace {

constexpr auto PasswordRole = "appraiser_pw";
constexpr auto Password = "appraiser-secret";

// A server database with the schema, which the password role may use.
struct ServerDatabase
{
    ServerDatabase()
    {
        ServerSchema::create(db.url());
        db.admin(QStringLiteral("grant select, insert, update, delete on all tables in schema public to %1; "
                                "grant usage on all sequences in schema public to %1")
                     .arg(PasswordRole));
    }
    TestServerDatabase db;
};

QString configText(const TestAppDir &dir)
{
    return QString::fromUtf8(dir.readFile("config.ini"));
}

} // namespace

void TestServerOpen::fieldsMakeTheUrl_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("url");
    QTest::newRow("host") << "db.office" << 5432 << "appraisal"
                          << "zhang"
                          << "postgresql://zhang@db.office:5432/appraisal";
    QTest::newRow("no user") << "10.0.0.2" << 6543 << "archive"
                             << ""
                             << "postgresql://10.0.0.2:6543/archive";
    QTest::newRow("socket folder") << "/run/postgresql" << 5432 << "appraisal"
                                   << "li"
                                   << "postgresql://li@localhost:5432/appraisal?host=/run/postgresql";
    QTest::newRow("blanks trimmed, odd user") << " db.office " << 5432 << " 档案 "
                                              << "a@b"
                                              << "postgresql://a%40b@db.office:5432/%E6%A1%A3%E6%A1%88";
}

void TestServerOpen::fieldsMakeTheUrl()
{
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, database);
    QFETCH(QString, user);
    QFETCH(QString, url);
    TFRM_ServerDatabase dialog { QString() };
    QCOMPARE(dialog.objectName(), "FRM_ServerDatabase");
    QCOMPARE(dialog.windowTitle(), "打开服务器数据库");
    dialog.findChild<QLineEdit *>("edtHost")->setText(host);
    dialog.findChild<QSpinBox *>("edtPort")->setValue(port);
    dialog.findChild<QLineEdit *>("edtDatabase")->setText(database);
    dialog.findChild<QLineEdit *>("edtUser")->setText(user);
    QCOMPARE(dialog.location(), url);

    // The dialog opened on that URL shows the same fields again.
    TFRM_ServerDatabase again(url);
    QCOMPARE(again.findChild<QLineEdit *>("edtHost")->text(), host.trimmed());
    QCOMPARE(again.findChild<QSpinBox *>("edtPort")->value(), port);
    QCOMPARE(again.findChild<QLineEdit *>("edtDatabase")->text(), database.trimmed());
    QCOMPARE(again.findChild<QLineEdit *>("edtUser")->text(), user);

    // No host or no database: nothing to open.
    dialog.findChild<QLineEdit *>("edtDatabase")->setText(" ");
    QVERIFY(!dialog.findChild<QPushButton *>("btnOK")->isEnabled());
}

// 文件 › 打开服务器数据库...: the fields filled in, the database opens in a
// window titled with its URL.
void TestServerOpen::dialogOpensTheDatabase()
{
    REQUIRE_TEST_SERVER();
    ServerDatabase server;
    const QUrl url(server.db.url());
    TestAppDir dir;
    TestFrame frame = showFrameOver(dir.path());
    inModalDialog<TFRM_ServerDatabase>([&] { frame->action("Actn_FileOpenServer")->trigger(); },
        [&](TFRM_ServerDatabase *dialog) {
            dialog->findChild<QLineEdit *>("edtHost")->setText(QUrlQuery(url).queryItemValue("host"));
            dialog->findChild<QSpinBox *>("edtPort")->setValue(url.port());
            dialog->findChild<QLineEdit *>("edtDatabase")->setText(url.path().mid(1));
            dialog->findChild<QLineEdit *>("edtUser")->setText(url.userName());
            QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
        });
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(frame->reportWindows().size(), 1);
    TfrmChildWin *window = frame->reportWindows().first();
    QVERIFY(window->connection().isServer());
    QVERIFY(window->windowTitle().startsWith("postgresql://" + url.userName() + "@localhost:"));
    QVERIFY(window->windowTitle().endsWith("?host=" + QUrlQuery(url).queryItemValue("host")));
}

// The superuser gets in without a password: none is asked. The password
// role is asked once; its password opens the database, and neither the
// title nor config.ini ever holds it.
void TestServerOpen::passwordAskedOnlyWhenWanted()
{
    REQUIRE_TEST_SERVER();
    ServerDatabase server;
    TestAppDir dir;
    TestFrame frame = showFrameOver(dir.path());
    frame->OpenReportWindow(server.db.url());
    QVERIFY(Prompt::shown().isEmpty());

    const QString url = server.db.url(PasswordRole);
    Prompt::setNextPassword(Password);
    TfrmChildWin *window = frame->OpenReportWindow(url);
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &asked = Prompt::shown().first();
    QCOMPARE(asked.kind, PromptKind::Password);
    QCOMPARE(asked.caption, "服务器数据库密码");
    QVERIFY(asked.text.startsWith("不能连接服务器数据库 " + url + '\n'));
    QVERIFY(asked.text.endsWith("\n\n请输入密码:"));
    QVERIFY(!window->windowTitle().contains(Password));

    // A second window in this run needs no second asking.
    frame->OpenReportWindow(url);
    QCOMPARE(Prompt::shown().size(), 1);

    for (TfrmChildWin *open : frame->reportWindows())
        open->close();
    QVERIFY(configText(dir).contains("OpenFileName=" + url));
    QVERIFY(!configText(dir).contains(Password));
    ServerPasswords::forget(url);
}

// A wrong password is refused by the server, whose reason the next asking
// shows; cancelling opens nothing.
void TestServerOpen::wrongPasswordAskedAgainUntilCancelled()
{
    REQUIRE_TEST_SERVER();
    ServerDatabase server;
    TestAppDir dir;
    TestFrame frame = showFrameOver(dir.path());
    Prompt::setNextPassword("wrong");
    Prompt::setNextPassword(QString());
    QVERIFY_THROWS_EXCEPTION(CommandCancelled, frame->OpenReportWindow(server.db.url(PasswordRole)));
    QCOMPARE(Prompt::shown().size(), 2);
    QVERIFY(Prompt::shown().at(1).text.contains("password authentication failed for user \"appraiser_pw\""));
    QVERIFY(frame->reportWindows().isEmpty());
    QVERIFY(frame->mdiArea()->subWindowList().isEmpty());
}

// A server nobody listens on: the message says so at once, with libpq's
// reason; nothing waits for the connect timeout.
void TestServerOpen::unreachableServerSaysWhy()
{
    TestAppDir dir;
    TestFrame frame = showFrameOver(dir.path());
    QElapsedTimer timer;
    timer.start();
    frame->openDatabases({ "postgresql://nobody@127.0.0.1:1/appraisal" });
    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QVERIFY(Prompt::shown().first().text.startsWith(
        "不能连接服务器数据库 postgresql://nobody@127.0.0.1:1/appraisal\n"));
    QVERIFY(Prompt::shown().first().text.contains("Connection refused"));
    QVERIFY(frame->reportWindows().isEmpty());
}

// The server database closed last opens at the next start, when automatic
// opening is on.
void TestServerOpen::rememberedServerReopensAtStart()
{
    REQUIRE_TEST_SERVER();
    ServerDatabase server;
    TestAppDir dir;
    dir.writeFile("config.ini",
        Cp936::encode(QString("[Commond]\r\nAutoOpenItem=1\r\nOpenFileName=%1\r\n").arg(server.db.url())));
    TestFrame frame = showFrameOver(dir.path());
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(frame->reportWindows().size(), 1);
    QCOMPARE(frame->reportWindows().first()->FileName(), server.db.url());
    QVERIFY(frame->reportWindows().first()->connection().isServer());
}

QTEST_MAIN(TestServerOpen)
#include "tst_serveropen.moc"
