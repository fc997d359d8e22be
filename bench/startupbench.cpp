// appraisal-startup-bench: how long the main window takes to start, measured
// on the real frame: construction (program folders, settings, commands),
// then the first showing, which reopens the database closed last (the
// sample database in a fresh program folder) and maximizes the frame.
//
//   appraisal-startup-bench [RUNS] [SAMPLE.had]      (default 10 runs)
//
// Runs under any Qt platform; QT_QPA_PLATFORM=offscreen needs no display.

#include "app/mainform.h"
#include "app/programstate.h"
#include "output/fontsubstitutes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct StartupTimes
{
    double constructMs;
    double firstShowMs;
};

StartupTimes startOnce(const QString &sample)
{
    QTemporaryDir folder;
    qputenv("APPRAISAL_HOME", folder.path().toLocal8Bit());
    if (!sample.isEmpty()) {
        QDir(folder.path()).mkpath(QStringLiteral("Data"));
        QFile::copy(sample, QDir(folder.path()).filePath(QStringLiteral("Data/2004年房屋安全鉴定报告.had")));
    }
    resetProgramState();

    QElapsedTimer timer;
    timer.start();
    auto form = std::make_unique<TMainForm>();
    const double constructMs = timer.nsecsElapsed() / 1e6;
    form->show();
    QApplication::processEvents();
    const double firstShowMs = timer.nsecsElapsed() / 1e6 - constructMs;
    if (!sample.isEmpty() && form->reportWindows().isEmpty())
        std::fprintf(stderr, "warning: the sample database was not reopened\n");
    return {constructMs, firstShowMs};
}

void printStats(const char *name, QList<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-28s min %7.1f   median %7.1f   max %7.1f  ms\n", name, values.first(),
                values.at(values.size() / 2), values.last());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FontSubstitutes::install();
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));
    const QStringList args = app.arguments();
    bool ok = true;
    const int runs = args.size() > 1 ? args.at(1).toInt(&ok) : 10;
    const QString sample = args.size() > 2 ? args.at(2) : QString();
    if (!ok || runs < 1 || args.size() > 3) {
        std::fprintf(stderr, "usage: %s [RUNS] [SAMPLE.had]\n", argv[0]);
        return 2;
    }

    QList<double> construct, firstShow, total;
    for (int i = 0; i < runs; ++i) {
        const StartupTimes t = startOnce(sample);
        construct << t.constructMs;
        firstShow << t.firstShowMs;
        total << t.constructMs + t.firstShowMs;
    }
    std::printf("%d runs, platform %s%s\n", runs, qPrintable(QApplication::platformName()),
                sample.isEmpty() ? "" : ", reopening the sample database");
    printStats("construct frame", construct);
    printStats("first showing", firstShow);
    printStats("total", total);
    return 0;
}
