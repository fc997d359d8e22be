#include "runprogram.h"
#include "writepaths.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The program killed while it writes. Each write path runs in a child
// process (appraisal-write-path) on a fresh copy of its prepared files, and
// is killed by strace at each call of each kind that writes, for n = 1, 2,
// ... until it runs to its end, and at random moments. After every kill the
// written file is whole: a database passes the engine's check and holds
// each report in its old or its new version together with its component
// rows (or the state after a completed step between), never a mix; any
// other file is the old one or the complete new one.
class TestCrashPoints : public QObject
{
    Q_OBJECT

private slots:
    void everyCrashPointLeavesAWholeFile_data();
    void everyCrashPointLeavesAWholeFile();
    void randomKillsLeaveAWholeFile_data();
    void randomKillsLeaveAWholeFile();
};

namespace {

QString strace()
{
    return QStandardPaths::findExecutable(QStringLiteral("strace"));
}

// How often each of the calls is made before the child is ready to write,
// from one traced run: the crash points start after them.
QHash<QString, int> callsBeforeReady(const WritePathRuns &runs, const QStringList &calls, const QString &log)
{
    runs.restore();
    QProcess child;
    // The child's "ready" is written with write().
    runs.start(child, strace(), { "-f", "-qq", "-o", log, "-e", "trace=write," + calls.join(u',') });
    child.waitForFinished(120000);
    QFile file(log);
    file.open(QIODevice::ReadOnly);
    QHash<QString, int> counts;
    const QRegularExpression call(QStringLiteral("^\\d+\\s+(\\w+)\\("));
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.contains("\"ready\\n\""))
            break;
        const QRegularExpressionMatch match = call.match(QString::fromUtf8(line));
        if (match.hasMatch() && calls.contains(match.captured(1)))
            ++counts[match.captured(1)];
    }
    return counts;
}

} // namespace

void TestCrashPoints::everyCrashPointLeavesAWholeFile_data()
{
    QTest::addColumn<QString>("path");
    for (const WritePath &path : writePaths())
        QTest::newRow(qPrintable(path.name)) << path.name;
}

void TestCrashPoints::everyCrashPointLeavesAWholeFile()
{
    QFETCH(QString, path);
    if (strace().isEmpty())
        QSKIP("strace is missing (scripts/install-deps.sh installs it)");
    const ProcessResult probe = runProgram(strace(), { "-o", "/dev/null", "true" });
    if (probe.exitCode != 0)
        QSKIP(qPrintable("strace cannot trace a program here: " + probe.err));

    const WritePath &writePath = ::writePath(path);
    const WritePathRuns runs(writePath);
    QVERIFY2(!isDamaged(runs.oldState), qPrintable(runs.oldState));
    QVERIFY2(!isDamaged(runs.newState), qPrintable(runs.newState));
    QVERIFY2(runs.newState != runs.oldState, "the path changed nothing");

    QTemporaryDir logs;
    const QHash<QString, int> before = callsBeforeReady(runs, writePath.syscalls, logs.filePath("calls"));
    // Calls made by other threads may come a few more or fewer before the
    // write starts; an early kill only leaves the old file.
    const int margin = 20;
    int crashes = 0;
    for (const QString &call : writePath.syscalls) {
        for (int n = std::max(1, before.value(call) - margin);; ++n) {
            QVERIFY2(n < before.value(call) + 3000, "the path never ran to its end");
            runs.restore();
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            runs.start(child, strace(),
                { "-f", "-qq", "-o", "/dev/null", "-e", "trace=" + call, "-e",
                    QStringLiteral("inject=%1:signal=SIGKILL:when=%2").arg(call).arg(n), "--" });
            QVERIFY(child.waitForFinished(120000));
            const bool finished = child.exitStatus() == QProcess::NormalExit;
            QVERIFY2(!finished || child.exitCode() == 0, child.readAll().constData());
            const QString state = runs.current();
            QVERIFY2(runs.allows(state),
                qPrintable(QStringLiteral("killed at %1 %2:\n%3").arg(call).arg(n).arg(state)));
            if (finished) {
                QCOMPARE(state, runs.newState);
                break;
            }
            ++crashes;
        }
    }
    qInfo("killed at each of %d calls", crashes);
    QVERIFY2(crashes >= 3, qPrintable(QStringLiteral("only %1 calls").arg(crashes)));
}

void TestCrashPoints::randomKillsLeaveAWholeFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kills");
    // Ctrl+S of a report with a long component table most; the others a few
    // times each, beside their crash points.
    for (const WritePath &path : writePaths())
        QTest::newRow(qPrintable(path.name)) << path.name << (path.name == u"save 200 rows" ? 100 : 20);
}

void TestCrashPoints::randomKillsLeaveAWholeFile()
{
    QFETCH(QString, path);
    QFETCH(int, kills);
    const WritePathRuns runs(writePath(path));
    QVERIFY2(runs.newState != runs.oldState, "the path changed nothing");
    for (int kill = 0; kill < kills; ++kill) {
        const WritePathRuns::Kill at = runs.runKilledAtRandom();
        const QString state = runs.current();
        QVERIFY2(runs.allows(state),
            qPrintable(QStringLiteral("killed after %1 µs:\n%2").arg(at.delayUs).arg(state)));
    }
}

QTEST_MAIN(TestCrashPoints)
#include "tst_crashpoints.moc"
