#include "app/commandline.h"
#include "app/mainform.h"
#include "app/singleinstance.h"
#include "base/prompt.h"
#include "base/recentdatabases.h"
#include "db/hadfile.h"
#include "editor/childwin.h"
#include "runprogram.h"
#include "testenv.h"
#include "testframe.h"

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

// Databases that reach the program from outside its own dialogs: the
// command line, a drop on the frame, the recent-files menu, and a second
// start of the program handing its files to the running one.
class TestOpenFromOutside : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void startupDatabasesOpenInPlaceOfTheRemembered();
    void droppedDatabaseFilesOpen_data();
    void droppedDatabaseFilesOpen();
    void recentMenuListsOpenedDatabasesAfterARestart();
    void missingRecentFileIsRemovedWithAMessage();
    void secondInstanceHandsItsFilesOver();
    void leftoverSocketIsReplaced();
    void helpAndVersionNeedNoDisplay();
};

namespace {

QString database(const TestAppDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!QFileInfo::exists(path))
        HadFile::createDatabaseFile(path);
    return path;
}

QStringList openedFiles(const TMainForm &form)
{
    QStringList files;
    for (const TfrmChildWin *window : form.reportWindows())
        files << window->FileName();
    return files;
}

QStringList recentEntries(TMainForm &form)
{
    QStringList entries;
    for (QAction *entry : form.menu("MI_FileRecent")->actions())
        entries << entry->text();
    return entries;
}

QString builtProgram()
{
    return QCoreApplication::applicationDirPath() + "/house-appraisal";
}

} // namespace

void TestOpenFromOutside::commandLine_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<int>("request");
    QTest::addColumn<QStringList>("databases");
    QTest::addColumn<QString>("error");
    using R = CommandLine::Request;
    QTest::newRow("nothing") << QStringList() << int(R::Run) << QStringList() << QString();
    QTest::newRow("files") << QStringList { "甲.had", "/office/乙.had", "../丙.had" } << int(R::Run)
                           << QStringList { "/work/here/甲.had", "/office/乙.had", "/work/丙.had" }
                           << QString();
    QTest::newRow("server address") << QStringList { "postgresql://u@db/r" } << int(R::Run)
                                    << QStringList { "postgresql://u@db/r" } << QString();
    QTest::newRow("help") << QStringList { "a.had", "--help" } << int(R::Help) << QStringList() << QString();
    QTest::newRow("short help") << QStringList { "-h" } << int(R::Help) << QStringList() << QString();
    QTest::newRow("version") << QStringList { "--version" } << int(R::Version) << QStringList() << QString();
    QTest::newRow("unknown option") << QStringList { "--fast", "a.had" } << int(R::Invalid) << QStringList()
                                    << "未知的选项 '--fast'";
    QTest::newRow("options end at --")
        << QStringList { "--", "--help", "-x.had" } << int(R::Run)
        << QStringList { "/work/here/--help", "/work/here/-x.had" } << QString();
    QTest::newRow("empty name") << QStringList { "" } << int(R::Invalid) << QStringList() << "文件名为空";
}

void TestOpenFromOutside::commandLine()
{
    QFETCH(QStringList, words);
    QFETCH(int, request);
    QFETCH(QStringList, databases);
    QFETCH(QString, error);
    const CommandLine line = CommandLine::parse(words, "/work/here");
    QCOMPARE(int(line.request), request);
    QCOMPARE(line.databases, databases);
    QCOMPARE(line.error, error);
}

// Files named on the command line open, each in its window, in place of
// the database closed last; one that cannot be opened is told and the
// others still open.
void TestOpenFromOutside::startupDatabasesOpenInPlaceOfTheRemembered()
{
    TestAppDir dir;
    const QString remembered = database(dir, "remembered.had");
    dir.writeFile("config.ini", ("[Commond]\r\nOpenFileName=" + remembered + "\r\n").toUtf8());
    const QString first = database(dir, "甲.had");
    const QString second = database(dir, "乙.had");
    TestFrame form = frameOver(dir.path());
    form->setStartupDatabases({ first, dir.filePath("gone.had"), second });
    form->show();
    QCOMPARE(openedFiles(*form), QStringList({ first, second }));
    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY2(lastPromptText().contains(dir.filePath("gone.had")), qPrintable(lastPromptText()));
}

void TestOpenFromOutside::droppedDatabaseFilesOpen_data()
{
    QTest::addColumn<QStringList>("dropped"); // names under AppDir; "http:" for a web address
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one file") << QStringList { "甲.had" } << QStringList { "甲.had" } << true;
    QTest::newRow("two files and a text")
        << QStringList { "甲.had", "notes.txt", "乙.HAD" } << QStringList { "甲.had", "乙.HAD" } << true;
    QTest::newRow("text only") << QStringList { "notes.txt" } << QStringList() << false;
    QTest::newRow("web address") << QStringList { "http:" } << QStringList() << false;
}

void TestOpenFromOutside::droppedDatabaseFilesOpen()
{
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, opened);
    QFETCH(bool, accepted);
    TestAppDir dir;
    TestFrame form = showFrameOver(dir.path());
    QList<QUrl> urls;
    for (const QString &name : dropped) {
        if (name == "http:") {
            urls << QUrl("http://example.org/a.had");
        } else if (name.endsWith(".txt")) {
            dir.writeFile(name, "text");
            urls << QUrl::fromLocalFile(dir.filePath(name));
        } else {
            urls << QUrl::fromLocalFile(database(dir, name));
        }
    }
    QMimeData data;
    data.setUrls(urls);
    const QPoint centre = form->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &drop);
    QStringList expected;
    for (const QString &name : opened)
        expected << dir.filePath(name);
    QCOMPARE(openedFiles(*form), expected);
    QVERIFY(Prompt::shown().isEmpty());
}

// Every opened database goes to the top of 文件 › 最近打开的文件, which a
// new start of the program (a new frame) shows again.
void TestOpenFromOutside::recentMenuListsOpenedDatabasesAfterARestart()
{
    TestAppDir dir;
    const QString first = database(dir, "甲.had");
    const QString second = database(dir, "R&D.had");
    {
        TestFrame form = showFrameOver(dir.path());
        QVERIFY(!form->menu("MI_FileRecent")->menuAction()->isEnabled());
        form->OpenReportWindow(first);
        form->OpenReportWindow(second);
        form->OpenReportWindow(first);
        QCOMPARE(
            recentEntries(*form), QStringList({ "&1 " + first, "&2 " + QString(second).replace("&", "&&") }));
    }
    TestFrame form = showFrameOver(dir.path());
    QCOMPARE(
        recentEntries(*form), QStringList({ "&1 " + first, "&2 " + QString(second).replace("&", "&&") }));
    QVERIFY(form->menu("MI_FileRecent")->menuAction()->isEnabled());
    const int before = int(form->reportWindows().size());
    form->menu("MI_FileRecent")->actions().at(1)->trigger();
    QCOMPARE(form->reportWindows().size(), before + 1);
    QCOMPARE(form->reportWindows().last()->FileName(), second);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(
        recentEntries(*form), QStringList({ "&1 " + QString(second).replace("&", "&&"), "&2 " + first }));
}

void TestOpenFromOutside::missingRecentFileIsRemovedWithAMessage()
{
    TestAppDir dir;
    const QString kept = database(dir, "kept.had");
    const QString gone = dir.filePath("gone.had");
    RecentDatabases::add(kept);
    RecentDatabases::add(gone);
    TestFrame form = showFrameOver(dir.path());
    form->menu("MI_FileRecent")->actions().first()->trigger();
    QVERIFY(form->reportWindows().isEmpty());
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(lastPromptText(), "数据库 " + gone + " 不存在, 已从最近打开的文件中删除!");
    QCOMPARE(RecentDatabases::read(), QStringList { kept });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(recentEntries(*form), QStringList { "&1 " + kept });
}

// A later start hands its locations over whole (any text a path may hold)
// and learns that they were taken.
void TestOpenFromOutside::secondInstanceHandsItsFilesOver()
{
    TestAppDir dir;
    const QString name = SingleInstance::nameFor(dir.path());
    QVERIFY(name != SingleInstance::nameFor(dir.filePath("other")));
    SingleInstance running(name);
    QVERIFY(!running.handOver({})); // nobody runs yet
    QVERIFY(running.listen());
    QSignalSpy handedOver(&running, &SingleInstance::handedOver);
    const QStringList locations { "/home/王/报告\n2004.had", "postgresql://u@db/r", QString(5000, u'长') };
    bool taken = false;
    std::thread later([&] { taken = SingleInstance(name).handOver(locations); });
    QTRY_COMPARE(handedOver.size(), 1);
    later.join();
    QVERIFY(taken);
    QCOMPARE(handedOver.first().first().toStringList(), locations);
}

void TestOpenFromOutside::leftoverSocketIsReplaced()
{
    TestAppDir dir;
    const QString name = SingleInstance::nameFor(dir.path());
    {
        QFile leftover(name);
        QVERIFY(leftover.open(QIODevice::WriteOnly));
    }
    SingleInstance running(name);
    QVERIFY(!running.handOver({ "/a.had" }));
    QVERIFY(running.listen());
}

// --help and --version answer on standard output and exit, with no display
// and no window.
void TestOpenFromOutside::helpAndVersionNeedNoDisplay()
{
    const QStringList noDisplay { "QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=" };
    const ProcessResult help = runProgram(builtProgram(), { "--help" }, { .environment = noDisplay });
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith("用法: house-appraisal [选项] [文件.had ...]\n"), qPrintable(help.out));
    const ProcessResult version = runProgram(builtProgram(), { "--version" }, { .environment = noDisplay });
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("house-appraisal "));
    const ProcessResult wrong = runProgram(builtProgram(), { "--fast" }, { .environment = noDisplay });
    QCOMPARE(wrong.exitCode, 2);
    QCOMPARE(wrong.out, QString());
    QVERIFY(wrong.err.startsWith("house-appraisal: 未知的选项 '--fast'\n"));
}

QTEST_MAIN(TestOpenFromOutside)
#include "tst_openfromoutside.moc"
