#include "app/mainform.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "editor/componenttable.h"
#include "runprogram.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QAction>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// The program killed at each disk write of a record command: a copy of
// this test runs the command on a real report window in the real frame,
// and strace kills it at its n-th pwrite64, for n = 1, 2, ... until the
// command runs to its end. After every kill each report in the file is
// whole: its old or its new version, together with its component rows.
class TestCrashPoints : public QObject
{
    Q_OBJECT

private slots:
    void everyCrashLeavesWholeReports_data();
    void everyCrashLeavesWholeReports();
};

namespace {

// Set in the copy that runs the command: the file to run it on.
const char *const CommandFile = "APPRAISAL_CRASH_POINT_FILE";

const QStringList OldRows = { "承重结构|墙段||||" };
const QStringList NewRows = { "围护结构|墙段||||" };
const QStringList BlankRows(10, QStringLiteral("|||||"));

// The command of the data row on the edited first report, run as a user
// runs it: the number (when the row changes it), the contact person and a
// component row edited, then the command's action triggered.
void runCommand(const QString &path, const QString &command, const QString &number)
{
    TestAppDir dir;
    TestFrame form = showFrameOver(dir.path());
    TfrmChildWin *window = form->OpenReportWindow(path);
    QVERIFY(window);
    window->setControlText("FileNo", number);
    window->setControlText("LinkMan", "新联系人");
    QVERIFY(window->Modified());
    window->componentPage()->showRows({ componentRow(1, "围护结构", "墙段") });
    form->action(command)->trigger();
    QVERIFY(Prompt::shown().isEmpty());
}

// The reports of a file as "FileNo/LinkMan" and the component rows of
// each number, read after the engine has undone an unfinished change.
struct Content
{
    explicit Content(const QString &path)
    {
        Connection connection;
        HadFile::open(connection, path);
        QSqlQuery check = connection.run("PRAGMA integrity_check");
        integrity = check.next() ? check.value(0).toString() : QString();
        check.finish();
        QSqlQuery query = connection.run("select FileNo, LinkMan from ProjectTab order by ID");
        while (query.next())
            reports << query.value(0).toString() + u'/' + query.value(1).toString();
        query.finish();
        for (const QString &fileNo : { "1", "2", "5", "" })
            rows.insert(fileNo, componentLines(connection, fileNo));
    }

    QString integrity;
    QStringList reports;
    QHash<QString, QStringList> rows;
};

QString strace()
{
    return QStandardPaths::findExecutable(QStringLiteral("strace"));
}

} // namespace

void TestCrashPoints::everyCrashLeavesWholeReports_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("number"); // of the edited report
    QTest::addColumn<QStringList>("rows"); // its component rows once the command has run
    QTest::addColumn<bool>("appends");
    QTest::newRow("save") << "Actn_FileSave"
                          << "1" << NewRows << false;
    QTest::newRow("append") << "Actn_RecordAppend"
                            << "1" << NewRows << true;
    // Next stores the fields only; the rows go along with the new number.
    QTest::newRow("next after a number change") << "Actn_RecordNext"
                                                << "5" << OldRows << false;
}

void TestCrashPoints::everyCrashLeavesWholeReports()
{
    QFETCH(QString, command);
    QFETCH(QString, number);
    QFETCH(QStringList, rows);
    QFETCH(bool, appends);
    if (qEnvironmentVariableIsSet(CommandFile)) {
        runCommand(qEnvironmentVariable(CommandFile), command, number);
        return;
    }
    if (strace().isEmpty())
        QSKIP("strace is missing (scripts/install-deps.sh installs it)");
    const ProcessResult probe = runProgram(strace(), { "-o", "/dev/null", "true" });
    if (probe.exitCode != 0)
        QSKIP(qPrintable("strace cannot trace a program here: " + probe.err));

    ReportsFile file(
        { { { "FileNo", "1" }, { "LinkMan", "旧联系人" } }, { { "FileNo", "2" }, { "LinkMan", "乙" } } });
    file.addRows("1", { componentRow(1, "承重结构", "墙段") });
    file.addRows("2", { componentRow(1, "地基基础", "地基") });
    file.reports.close();
    file.connection.close();
    openReportWindow(file.path); // the window's first open may change the file; the crashes test the command
    const QByteArray pristine = file.dir.readFile("Data/报告.had");
    const QString path = file.dir.filePath("Data/崩溃.had");

    int crashes = 0;
    for (int write = 1;; ++write) {
        QVERIFY2(write < 500, "the command never ran to its end");
        Connection::removeJournals(path);
        file.dir.writeFile("Data/崩溃.had", pristine);
        QProcess child;
        child.setProgram(strace());
        child.setArguments({ "-f", "-qq", "-o", "/dev/null", "-e", "trace=pwrite64", "-e",
            QStringLiteral("inject=pwrite64:signal=SIGKILL:when=%1").arg(write), "--",
            QCoreApplication::applicationFilePath(),
            QStringLiteral("everyCrashLeavesWholeReports:%1").arg(QTest::currentDataTag()) });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(CommandFile, path);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start();
        QVERIFY(child.waitForFinished(120000));
        const bool finished = child.exitStatus() == QProcess::NormalExit;
        QVERIFY2(!finished || child.exitCode() == 0, child.readAll().constData());

        const Content content(path);
        const QString at = QStringLiteral("killed at write %1").arg(write);
        QVERIFY2(content.integrity == "ok", qPrintable(at + ": " + content.integrity));
        QVERIFY2(content.reports.size() >= 2, qPrintable(at));
        const bool edited = content.reports.first() == number + "/新联系人";
        QVERIFY2(edited || content.reports.first() == "1/旧联系人", qPrintable(at));
        const QStringList noRows;
        QVERIFY2(content.rows.value(edited ? number : "1") == (edited ? rows : OldRows)
                && (number == "1" || content.rows.value(edited ? "1" : number) == noRows),
            qPrintable(at + ": a torn report"));
        QVERIFY2(content.reports.at(1) == "2/乙", qPrintable(at));
        QVERIFY2(content.rows.value("2") == QStringList { "地基基础|地基||||" }, qPrintable(at));
        const bool added = content.reports.size() == 3;
        QVERIFY2(added || content.rows.value("").isEmpty(), qPrintable(at + ": rows without their report"));
        if (added) {
            QVERIFY2(appends && edited, qPrintable(at));
            QVERIFY2(content.reports.last() == "/", qPrintable(at));
            QVERIFY2(content.rows.value("") == BlankRows, qPrintable(at + ": a new report without its rows"));
        }
        if (finished) {
            QVERIFY(edited);
            QCOMPARE(added, appends);
            break;
        }
        ++crashes;
    }
    qInfo("killed at each of %d writes", crashes);
    QVERIFY2(crashes >= 5, qPrintable(QStringLiteral("only %1 writes").arg(crashes)));
}

QTEST_MAIN(TestCrashPoints)
#include "tst_crashpoints.moc"
