#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Arguments;

// One command of hadtool ("hadtool list FILE.had"). Each lives in a file of
// its own and has its row in the command table (commandtable.cpp).
struct Subcommand
{
    const char *name; // "list"
    const char *synopsis; // what follows "hadtool list" on the usage line
    // The summary and help are texts of the translation context "hadtool"
    // (QT_TRANSLATE_NOOP), shown in the language of the run.
    const char *summary; // one line for the overview
    const char *help; // options, output and exit status for "hadtool list --help"
    // Runs the command; returns the exit status. Throws AppError (exit 1)
    // or UsageError (exit 2).
    int (*run)(Arguments &arguments);
};

namespace Subcommands {
// Every command of the table, in overview order.
QList<const Subcommand *> all();
// The command of that name, or null.
const Subcommand *find(const QString &name);
} // namespace Subcommands

// A command line that does not fit the command: hadtool prints the message
// and the command's usage on standard error and exits with status 2.
struct UsageError
{
    QString message;
};

// The words after the command's name. Options are taken out by name; what
// remains are the positional arguments. "--" ends the options: every word
// after it is positional, even one that begins with "-".
class Arguments
{
public:
    explicit Arguments(QStringList words);

    // Takes "--help" and "-h"; true when either was given.
    bool help();

    // Takes "--name"; true when it was given.
    bool flag(const QString &name);
    // Takes "--name VALUE" or "--name=VALUE"; nothing when not given.
    std::optional<QString> value(const QString &name);
    // Takes "--name N" as a whole number; UsageError when it is not one.
    std::optional<int> number(const QString &name, int minimum = 0);
    // What remains, once every option has been taken: between min and max
    // words, none of them an unknown option ("-" alone is a word).
    QStringList positionals(int min, int max);

private:
    QStringList m_words; // before "--"
    QStringList m_afterOptions; // after "--"
};
