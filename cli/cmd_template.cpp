// hadtool template: write a stored report as a report template, or show one.

#include "commandtable.h"
#include "db/reporttemplate.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

namespace {

int show(const QString &path)
{
    const ReportTemplate value = ReportTemplateFile::read(path);
    QString text;
    for (qsizetype i = 0; i < ReportTemplate::columns().size(); ++i)
        text += ReportTemplate::columns().at(i) + u'\t' + Output::escaped(value.texts.at(i)) + u'\n';
    for (const ComponentRow &line : value.lines) {
        QStringList cells;
        for (int c = ComponentColumn::Part; c <= ComponentColumn::Clause; ++c)
            cells.append(Output::escaped(line[c]));
        text += cells.join(u'\t') + u'\n';
    }
    Output::write(text);
    return 0;
}

int run(Arguments &arguments)
{
    if (arguments.flag(QStringLiteral("--show")))
        return show(absolutePath(arguments.positionals(1, 1).at(0)));

    const std::optional<QString> out = arguments.value(QStringLiteral("-o"));
    const ReportChoice choice = ReportChoice::take(arguments);
    const QString path = absolutePath(arguments.positionals(1, 1).at(0));
    if (!out)
        throw UsageError { QStringLiteral("give the template file with -o OUT.Btp") };
    StoredReport file(path, choice);
    ReportTemplateFile::write(
        absolutePath(*out), ReportTemplate::fromStored(file.reports(), file.connection()));
    return 0;
}

} // namespace

const Subcommand TemplateCommand {
    "template",
    "FILE.had (--index N | --file-no NO) -o OUT.Btp | --show FILE.Btp",
    "write a stored report as a report template, or show a template",
    "With -o, writes the chosen report of FILE.had as the report template\n"
    "OUT.Btp, as the program's \"save as template\" command does for a report\n"
    "that has no unsaved changes: the 28 report fields and the component table\n"
    "stored under the report's number, without line numbers. An existing\n"
    "OUT.Btp is replaced, but only once the new file is complete. FILE.had is\n"
    "opened for reading only.\n"
    "\n"
    "With --show, prints the template FILE.Btp: first its 28 fields, one line\n"
    "each, the column name and the value separated by a tab, in file order;\n"
    "then one line per line of its component table, the cells 1 to 6 (part,\n"
    "component, structure, number of components, number of dangerous\n"
    "components, clause) separated by tabs. In the values a backslash, tab, CR\n"
    "and LF are written as \\\\, \\t, \\r and \\n, any other control character\n"
    "as \\xHH. A file that is no template, or a damaged one, is refused with\n"
    "\"文件格式不对...\".\n"
    "\n"
    "Options:\n"
    "  --index N     the report at position N in the program's order, from 0\n"
    "  --file-no NO  the first report numbered NO\n"
    "  -o OUT.Btp    the template file to write\n"
    "  --show        show a template instead of writing one\n",
    run,
};
