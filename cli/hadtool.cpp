// hadtool: the command-line companion of the appraisal program. Each command
// works on .had files through the same core as the program's windows.

#include "base/apperror.h"
#include "base/appsettings.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/version.h"
#include "interruption.h"
#include "output.h"
#include "output/fontsubstitutes.h"
#include "subcommand.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int UsageFailure = 2;

// The commands that draw report pages.
bool drawsPages(const char *command)
{
    return std::strcmp(command, "pdf") == 0 || std::strcmp(command, "png") == 0;
}

QString usageLine(const Subcommand &command)
{
    return QStringLiteral("usage: hadtool %1 %2\n")
        .arg(QLatin1String(command.name), QString::fromUtf8(command.synopsis));
}

QString overview()
{
    QString text = QStringLiteral("usage: hadtool COMMAND [ARGUMENTS]\n"
                                  "       hadtool COMMAND --help | -h\n"
                                  "       hadtool --help | --version\n\n"
                                  "Commands:\n");
    for (const Subcommand *command : Subcommands::all())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(command->name), QString::fromUtf8(command->synopsis),
                        QString::fromUtf8(command->summary));
    text += QStringLiteral("\nExit status: 0 on success, 1 on failure, 2 on a wrong command line.\n");
    return text;
}

QString commandHelp(const Subcommand &command)
{
    return usageLine(command) + u'\n' + QString::fromUtf8(command.summary) + QStringLiteral(".\n\n")
        + QString::fromUtf8(command.help)
        + QStringLiteral("\nExit status: 0 on success, 1 on failure, 2 on a wrong command line.\n");
}

void printUsageError(const QString &message, const QString &usage)
{
    Output::error(message);
    std::fputs(usage.toUtf8().constData(), stderr);
}

int runCommand(const Subcommand &command, QStringList words)
{
    Arguments arguments(std::move(words));
    if (arguments.help()) {
        Output::write(commandHelp(command));
        return Success;
    }
    return command.run(arguments);
}

int dispatch(QStringList words)
{
    const QString first = words.value(0);
    if (first == u"--help" || first == u"-h") {
        Output::write(overview());
        return Success;
    }
    if (first == u"--version") {
        Output::write(QStringLiteral("hadtool %1\n").arg(QLatin1String(AppVersion)));
        return Success;
    }
    const Subcommand *command = Subcommands::find(first);
    if (!command) {
        printUsageError(first.isEmpty() ? QStringLiteral("missing command")
                                        : QStringLiteral("unknown command '%1'").arg(first),
            overview());
        return UsageFailure;
    }
    words.removeFirst();
    try {
        return runCommand(*command, std::move(words));
    } catch (const UsageError &e) {
        printUsageError(e.message,
            usageLine(*command)
                + QStringLiteral("Try 'hadtool %1 --help'.\n").arg(QLatin1String(command->name)));
        return UsageFailure;
    }
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
    Interruption::install();
    int status = Failure;
    try {
        status = dispatch(QCoreApplication::arguments().mid(1));
    } catch (const AppError &e) {
        Output::error(e.message());
        status = Failure;
    } catch (const Interruption::Interrupted &interrupted) {
        // Everything the command made is gone by now.
        Interruption::endBy(interrupted.signal);
    }
    try {
        Output::finish();
    } catch (const AppError &e) {
        Output::error(e.message());
        status = Failure;
    }
    return status;
}
