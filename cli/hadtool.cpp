#include "hadtool.h"

#include "base/apperror.h"
#include "base/version.h"
#include "output.h"
#include "subcommand.h"

#include <QCoreApplication>

namespace {

constexpr int Success = 0;
constexpr int Failure = 1;
constexpr int UsageFailure = 2;

// A summary or help text of the command table in the language of the run.
QString translated(const char *text)
{
    return QCoreApplication::translate("hadtool", text);
}

QString exitStatus()
{
    return QCoreApplication::translate("hadtool", "\n退出状态: 成功为 0, 失败为 1, 命令行有误为 2。\n");
}

QString usageLine(const Subcommand &command)
{
    return QCoreApplication::translate("hadtool", "用法: hadtool %1 %2\n")
        .arg(QLatin1String(command.name), QString::fromUtf8(command.synopsis));
}

QString overview()
{
    QString text = QCoreApplication::translate("hadtool",
        "用法: hadtool COMMAND [ARGUMENTS]\n"
        "      hadtool COMMAND --help | -h\n"
        "      hadtool --help | --version\n"
        "\n"
        "命令:\n");
    for (const Subcommand *command : Subcommands::all())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(command->name), QString::fromUtf8(command->synopsis),
                        translated(command->summary));
    return text + exitStatus();
}

QString commandHelp(const Subcommand &command)
{
    return usageLine(command) + u'\n'
        + QCoreApplication::translate("hadtool", "%1。\n\n").arg(translated(command.summary))
        + translated(command.help) + exitStatus();
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
        printUsageError(first.isEmpty() ? QCoreApplication::translate("hadtool", "缺少命令")
                                        : QCoreApplication::translate("hadtool", "未知命令 '%1'").arg(first),
            overview());
        return UsageFailure;
    }
    words.removeFirst();
    try {
        return runCommand(*command, std::move(words));
    } catch (const UsageError &e) {
        printUsageError(e.message,
            usageLine(*command)
                + QCoreApplication::translate("hadtool", "请看 'hadtool %1 --help'。\n")
                      .arg(QLatin1String(command->name)));
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
