// hadtool: the command-line companion of the appraisal program. Each command
// works on .had files through the same core as the program's windows.

#include "base/appsettings.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "hadtool.h"
#include "interruption.h"
#include "output/fontsubstitutes.h"

#include <QFile>
#include <QGuiApplication>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The commands that draw report pages.
bool drawsPages(const char *command)
{
    return std::strcmp(command, "pdf") == 0 || std::strcmp(command, "png") == 0;
}

// Qt's note that it made up a runtime folder (XDG_RUNTIME_DIR unset, as
// under cron or ssh without a login session) says nothing about the
// command: it is left out of standard error. Every other message passes.
QtMessageHandler qtMessages = nullptr;

void withoutRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        qtMessages(type, context, text);
}

// hadtool's texts are written in Chinese; a locale that is not Chinese
// gets them in English. The locale is the first of LC_ALL, LC_MESSAGES and
// LANG that is set, as for any program's messages.
bool chineseLocale()
{
    for (const char *variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QByteArray locale = qgetenv(variable);
        if (!locale.isEmpty())
            return locale.startsWith("zh");
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    qtMessages = qInstallMessageHandler(withoutRuntimeFolderNote);
    // The commands that draw pages need fonts and a painting platform, but
    // no display: unless told otherwise they use the offscreen platform. The
    // others start without one, which is quicker.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && drawsPages(argv[1])) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        FontSubstitutes::install();
        // The pages follow the program's own settings (the product mark), as
        // in the program's windows.
        Process.AppDir = ProgramFolders::resolveAppDir();
        LoadSettings();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTranslator english;
    if (!chineseLocale() && english.load(QStringLiteral(":/i18n/hadtool_en.qm")))
        QCoreApplication::installTranslator(&english);
    Interruption::install();
    // Standard error is written as it comes (the progress of a long
    // command); standard output is flushed, and checked, at the end.
    QFile out;
    QFile err;
    if (!out.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)
        || !err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)) {
        std::fputs("hadtool: cannot open the standard streams\n", stderr);
        return 1;
    }
    try {
        return Hadtool::run(QCoreApplication::arguments().mid(1), out, err);
    } catch (const Interruption::Interrupted &interrupted) {
        // Everything the command made is gone by now.
        Interruption::endBy(interrupted.signal);
    }
}
