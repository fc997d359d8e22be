#include "base/programfolders.h"
#include "runprogram.h"
#include "testenv.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// hadtool killed at each system call that writes or renames while it
// replaces an output file: strace kills it at the n-th call of each kind,
// for n = 1, 2, ... until the command runs to its end. After every kill the
// output under its final name is the old file or the complete new one, never
// a file cut short.
class TestOutputCrashPoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCrashLeavesTheOldOrTheNewFile_data();
    void everyCrashLeavesTheOldOrTheNewFile();

private:
    QString m_sample;
};

namespace {

QString strace()
{
    return QStandardPaths::findExecutable(QStringLiteral("strace"));
}

// Whether the bytes are a whole file of the output's kind: an appraisal
// database that hadtool lists, or a file exactly as a run without a kill
// wrote it (a PDF, which records its time, only up to its closing marker).
bool isComplete(const QString &kind, const QString &path, const QByteArray &bytes, const QByteArray &clean)
{
    if (kind == u"new")
        return runHadtool({ "list", path }).exitCode == 0;
    if (kind == u"pdf")
        return bytes.startsWith("%PDF-") && bytes.endsWith("%%EOF\n");
    return bytes == clean;
}

} // namespace

void TestOutputCrashPoints::initTestCase()
{
    m_sample = QDir(ProgramFolders::sharedDataDir()).filePath("2004年房屋安全鉴定报告.had");
    QVERIFY(QFileInfo::exists(m_sample));
}

void TestOutputCrashPoints::everyCrashLeavesTheOldOrTheNewFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE the sample, OUT the output
    QTest::newRow("template") << QStringList { "template", "FILE", "--index", "0", "-o", "OUT" };
    QTest::newRow("png") << QStringList { "png", "FILE", "--index", "0", "--page", "2", "-o", "OUT" };
    QTest::newRow("pdf") << QStringList { "pdf", "FILE", "--index", "1", "-o", "OUT" };
    QTest::newRow("new") << QStringList { "new", "OUT", "--force" };
}

void TestOutputCrashPoints::everyCrashLeavesTheOldOrTheNewFile()
{
    QFETCH(QStringList, arguments);
    if (strace().isEmpty())
        QSKIP("strace is missing (scripts/install-deps.sh installs it)");
    const ProcessResult probe = runProgram(strace(), { "-o", "/dev/null", "true" });
    if (probe.exitCode != 0)
        QSKIP(qPrintable("strace cannot trace a program here: " + probe.err));

    const QString kind = arguments.first();
    TestAppDir dir;
    const QString out = dir.filePath("out");
    const auto withFiles = [&](const QString &output) {
        QStringList filled = arguments;
        filled.replaceInStrings(QRegularExpression("^FILE$"), m_sample);
        filled.replaceInStrings(QRegularExpression("^OUT$"), output);
        return filled;
    };
    QVERIFY(QFile::copy(m_sample, dir.filePath("old")));
    const QByteArray old = dir.readFile("old");
    QCOMPARE(runHadtool(withFiles(dir.filePath("clean"))).exitCode, 0);
    const QByteArray clean = dir.readFile("clean");

    int crashes = 0;
    for (int call = 1;; ++call) {
        QVERIFY2(call < 2000, "the command never ran to its end");
        QFile::remove(out);
        QVERIFY(QFile::copy(dir.filePath("old"), out));
        QProcess child;
        child.setProgram(strace());
        child.setArguments(QStringList { "-f", "-qq", "-o", "/dev/null", "-e",
                               "trace=write,pwrite64,rename,renameat,renameat2,linkat,fsync,fdatasync", "-e",
                               QStringLiteral("inject=write,pwrite64,rename,renameat,renameat2,linkat,fsync,"
                                              "fdatasync:signal=SIGKILL:when=%1")
                                   .arg(call),
                               "--", hadtoolPath() }
            + withFiles(out));
        // A traced program cannot look for leaks at its exit.
        const ProcessResult result = runProcess(child, { .environment = { "ASAN_OPTIONS=detect_leaks=0" } });
        const bool finished = child.exitStatus() == QProcess::NormalExit;
        QVERIFY2(!finished || result.exitCode == 0, qPrintable(result.err));

        const QByteArray now = dir.readFile("out");
        const QString at = QStringLiteral("killed at call %1").arg(call);
        const bool renewed = now != old;
        QVERIFY2(!renewed || isComplete(kind, out, now, clean), qPrintable(at + ": a file cut short"));
        if (finished) {
            QVERIFY2(renewed, qPrintable(at));
            break;
        }
        ++crashes;
    }
    qInfo("killed at each of %d calls", crashes);
    QVERIFY2(crashes >= 3, qPrintable(QStringLiteral("only %1 calls").arg(crashes)));
}

QTEST_MAIN(TestOutputCrashPoints)
#include "tst_outputcrashpoints.moc"
