#pragma once

#include "cli/hadtool.h"
#include "runprogram.h"

#include <QBuffer>
#include <QDir>

// Runs hadtool's command line in this process, as the program runs it, and
// gives what a run of the program gives: the exit status and what went to
// the output and error streams. A working folder is entered for the run
// and left after it; standard input and the environment are those of a
// program run only (runHadtool).
inline ProcessResult runHadtoolHere(const QStringList &arguments, const RunOptions &options = {})
{
    if (!options.input.isEmpty() || !options.environment.isEmpty())
        qFatal("runHadtoolHere: standard input and the environment are for runHadtool");
    const QString testFolder = QDir::currentPath();
    if (!options.workingFolder.isEmpty() && !QDir::setCurrent(options.workingFolder))
        qFatal("runHadtoolHere: cannot enter %s", qPrintable(options.workingFolder));
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int exitCode = Hadtool::run(arguments, out, err);
    QDir::setCurrent(testFolder);
    return { exitCode, QString::fromUtf8(out.data()), QString::fromUtf8(err.data()) };
}
