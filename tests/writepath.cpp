// appraisal-write-path: one of the program's write paths in a process of
// its own, for the crash tests and the kill benchmark to kill.
//
//   appraisal-write-path prepare NAME FOLDER   writes the files it starts from
//   appraisal-write-path run NAME FOLDER       runs it on them
//
// run prints "ready" just before the write starts, and ends without
// tidying up once it is done. The program folder of the run is FOLDER's
// subfolder "program".

#include "base/processstate.h"
#include "base/programfolders.h"
#include "writepaths.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4 || (arguments.at(1) != u"prepare" && arguments.at(1) != u"run")) {
        std::fprintf(stderr, "usage: appraisal-write-path prepare|run NAME FOLDER\n");
        return 2;
    }
    const WritePath &path = writePath(arguments.at(2));
    const QString folder = QDir(arguments.at(3)).absolutePath();
    Process.AppDir = QDir(folder).filePath(QStringLiteral("program"));
    Process.ShareDir = ProgramFolders::shareDir();
    if (!QDir().mkpath(Process.AppDir))
        qFatal("cannot make %s", qPrintable(Process.AppDir));
    if (arguments.at(1) == u"prepare") {
        path.prepare(folder);
        return 0;
    }
    path.run(folder, [] {
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    std::fflush(stdout);
    std::_Exit(0);
}
