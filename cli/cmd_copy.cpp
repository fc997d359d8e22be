// hadtool copy: copy every report of an appraisal database into another,
// between files and server databases.

#include "commandtable.h"
#include "db/reportcopy.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QString>

namespace {

int run(Arguments &arguments)
{
    const bool append = arguments.flag(QStringLiteral("--append"));
    const QStringList words = arguments.positionals(2, 2);
    const int copied = ReportCopy::copy(absolutePath(words.at(0)), absolutePath(words.at(1)),
        append ? ReportCopy::Mode::Append : ReportCopy::Mode::NewOrEmpty, [](int done, int total) {
            if (done == total || done % 100 == 0)
                Output::progress(done, total);
        });
    Output::write(QStringLiteral("%1 份鉴定报告已复制\n").arg(copied));
    return 0;
}

} // namespace

const Subcommand CopyCommand {
    "copy",
    "SOURCE DESTINATION [--append]",
    "copy every report from one appraisal database into another",
    "SOURCE and DESTINATION are each a .had file or a PostgreSQL URL\n"
    "(postgresql://USER@HOST:PORT/DBNAME). Every report is copied with all its\n"
    "columns (number, page settings, dates exactly as stored) and its component\n"
    "rows, in the order the reports were stored. The copy is all or nothing:\n"
    "after a failure DESTINATION is as it was, and a new file is not left behind.\n"
    "\n"
    "DESTINATION must be new (a file that does not exist, a server database\n"
    "without the tables, which the copy creates) or hold no reports; reports\n"
    "then keep their IDs. SOURCE is only read.\n"
    "\n"
    "Options:\n"
    "  --append   add the reports after those DESTINATION holds (new IDs)\n"
    "\n"
    "On a terminal the progress (n/N) is shown on standard error.\n",
    run,
};
