// appraisal-kill-bench: the program killed with SIGKILL at random moments
// while it writes, KILLS times for each write path and each hadtool
// command (default 1000).
//
//   appraisal-kill-bench [KILLS]
//
// The write paths of the program (tests/support/writepaths.h: saves,
// append, next, delete, Save As, template save, config.ini) run in the
// program appraisal-write-path, each killed at a random moment between the
// start of its write and the time a run without a kill took. After each
// run the written file must hold one of the states the path may leave (a
// database checked by the engine, its reports old or new with their rows).
// Printed per path: runs, killed before the end, ended anyway, files left
// old, at a completed step between, new, lost or mixed reports (must be 0),
// files damaged or missing (must be 0).
//
// Each command is timed once without a kill; then each run is killed after
// a random delay between none and that time. After every run the output
// under its final name must be the old file or a complete new one: the
// template and the PNG exactly as the clean run wrote them, the PDF whole up
// to its closing marker, the new database one that opens and holds no
// report. Printed per command: runs, killed before the end, ended anyway,
// outputs left old, outputs new, outputs cut short (must be 0).
// The sample database must have been built (share/ beside bin/).

#include "base/apperror.h"
#include "base/programfolders.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "writepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

struct Command
{
    const char *name;
    QStringList arguments; // FILE the sample, OUT the output
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool emptyDatabase(const QString &path)
{
    try {
        Connection connection;
        HadFile::open(connection, path, Connection::Access::ReadOnly);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        return reports.isEmpty();
    } catch (const AppError &) {
        return false;
    }
}

bool complete(const char *name, const QString &path, const QByteArray &bytes, const QByteArray &clean)
{
    if (qstrcmp(name, "new") == 0)
        return emptyDatabase(path);
    if (qstrcmp(name, "pdf") == 0)
        return bytes.startsWith("%PDF-") && bytes.endsWith("%%EOF\n");
    return bytes == clean;
}

// Each write path killed at random moments; returns the files lost,
// mixed or damaged.
int killWritePaths(int kills)
{
    std::printf("%-28s %6s %7s %6s %6s %6s %6s %14s %8s\n", "write path", "runs", "killed", "ended", "old",
        "step", "new", "lost or mixed", "damaged");
    int failures = 0;
    for (const WritePath &path : writePaths()) {
        const WritePathRuns runs(path);
        int killed = 0, ended = 0, leftOld = 0, step = 0, renewed = 0, mixed = 0, damaged = 0;
        for (int run = 0; run < kills; ++run) {
            (runs.runKilledAtRandom().killed ? killed : ended)++;
            const QString state = runs.current();
            if (state == runs.oldState)
                ++leftOld;
            else if (state == runs.newState)
                ++renewed;
            else if (runs.allows(state))
                ++step;
            else if (isDamaged(state))
                ++damaged;
            else
                ++mixed;
        }
        failures += mixed + damaged;
        std::printf("%-28s %6d %7d %6d %6d %6d %6d %14d %8d\n", qPrintable(path.name), kills, killed, ended,
            leftOld, step, renewed, mixed, damaged);
        std::fflush(stdout);
    }
    return failures;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    int lostTotal = killWritePaths(kills);
    std::printf("\n");
    const QString hadtool = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hadtool"));
    const QString sample
        = QDir(ProgramFolders::sharedDataDir()).filePath(QStringLiteral("2004年房屋安全鉴定报告.had"));
    const QList<Command> commands = {
        { "template", { "template", "FILE", "--index", "0", "-o", "OUT" } },
        { "png", { "png", "FILE", "--index", "0", "--page", "2", "-o", "OUT" } },
        { "pdf", { "pdf", "FILE", "--index", "1", "-o", "OUT" } },
        { "new", { "new", "OUT", "--force" } },
    };
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QByteArray old = readAll(sample);
    std::printf(
        "%-9s %6s %7s %6s %6s %6s %10s\n", "command", "runs", "killed", "ended", "old", "new", "cut short");
    for (const Command &command : commands) {
        const auto filled = [&](const QString &output) {
            QStringList arguments = command.arguments;
            arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FILE$")), sample);
            arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), output);
            return arguments;
        };
        const QString cleanPath = dir.filePath(QStringLiteral("clean"));
        QFile::remove(cleanPath);
        QElapsedTimer timer;
        timer.start();
        if (QProcess::execute(hadtool, filled(cleanPath)) != 0) {
            std::fprintf(stderr, "hadtool %s failed without a kill\n", command.name);
            return 1;
        }
        const qint64 cleanMs = timer.elapsed();
        const QByteArray clean = readAll(cleanPath);
        int killed = 0, ended = 0, leftOld = 0, renewed = 0, lost = 0;
        for (int run = 0; run < kills; ++run) {
            QFile::remove(out);
            QFile written(out);
            written.open(QIODevice::WriteOnly);
            written.write(old);
            written.close();
            QProcess child;
            child.start(hadtool, filled(out));
            child.waitForStarted();
            QThread::usleep(QRandomGenerator::global()->bounded(quint32(cleanMs * 1000 + 1)));
            if (child.state() == QProcess::Running)
                ::kill(pid_t(child.processId()), SIGKILL);
            child.waitForFinished(-1);
            if (child.exitStatus() == QProcess::CrashExit)
                ++killed;
            else
                ++ended;
            const QByteArray now = readAll(out);
            if (now == old)
                ++leftOld;
            else if (complete(command.name, out, now, clean))
                ++renewed;
            else
                ++lost;
        }
        lostTotal += lost;
        std::printf("%-9s %6d %7d %6d %6d %6d %10d   (clean run %lld ms)\n", command.name, kills, killed,
            ended, leftOld, renewed, lost, static_cast<long long>(cleanMs));
        std::fflush(stdout);
    }
    return lostTotal == 0 ? 0 : 1;
}
