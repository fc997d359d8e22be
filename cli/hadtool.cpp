#include "hadtool.h"

#include "base/apperror.h"
#include "base/version.h"
#include "output.h"
#include "subcommand.h"

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int UsageFailure = 2;

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
    Output::toError(usage);
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

} // namespace

namespace Hadtool {

int run(const QStringList &words, QIODevice &out, QIODevice &err)
{
    const Output::Streams streams(out, err);
    int status = Failure;
    try {
        status = dispatch(words);
    } catch (const AppError &e) {
        Output::error(e.message());
        status = Failure;
    }
    try {
        Output::finish();
    } catch (const AppError &e) {
        Output::error(e.message());
        status = Failure;
    }
    return status;
}

} // namespace Hadtool
