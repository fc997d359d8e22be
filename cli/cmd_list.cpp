// hadtool list: one line per report of an appraisal database.

#include "commandtable.h"
#include "db/hadfile.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

namespace {

int run(Arguments &arguments)
{
    StoredReport file(absolutePath(arguments.positionals(1, 1).at(0)));
    for (const QStringList &row : file.reports().columnTexts(HadFile::ReportListColumns)) {
        QStringList values;
        for (const QString &value : row)
            values.append(Output::escaped(value));
        Output::write(values.join(u'\t') + u'\n');
    }
    return 0;
}

} // namespace

const Subcommand ListCommand {
    "list",
    "FILE.had",
    "list the reports of an appraisal database",
    "Prints one line per report, in the order the program lists them: FileNo,\n"
    "Address, PropertyRightMan and Client, separated by tabs. In the values a\n"
    "backslash, tab, CR and LF are written as \\\\, \\t, \\r and \\n, any other\n"
    "control character as \\xHH. The file is opened for reading only: neither\n"
    "it nor its journal files change, and nothing is created beside it.\n",
    run,
};
