// hadtool grade: the danger grade of a stored report or of a table in a file.

#include "app/apperror.h"
#include "app/filebytes.h"
#include "db/componentrows.h"
#include "grade/dangergrade.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QStringDecoder>

#include <cstdio>
#include <optional>

namespace {

constexpr int TableCells = 6; // part, component, structure, total, dangerous, clause

// The rows of a table file: UTF-8 (a leading byte order mark is skipped),
// one row per line, lines ended by LF or CR LF, cells separated by tabs and
// taken as they are. Missing cells at the end of a line are empty; an empty
// line is an empty row, which is not counted.
QList<ComponentRow> readTable(const QString &path)
{
    const QString name = path == u"-" ? QStringLiteral("标准输入") : path;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(FileBytes::read(path));
    if (utf8.hasError())
        throw AppError(QStringLiteral("%1 不是 UTF-8 文本").arg(name));
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty()) // the end of the last line, not a line of its own
        lines.removeLast();
    QList<ComponentRow> rows;
    rows.reserve(lines.size());
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList cells = line.split(u'\t');
        if (cells.size() > TableCells)
            throw AppError(QStringLiteral("%1 第 %2 行有 %3 个单元格, 至多 %4 个")
                               .arg(name)
                               .arg(rows.size() + 1)
                               .arg(cells.size())
                               .arg(TableCells));
        ComponentRow row;
        row[ComponentColumn::Number] = QString::number(rows.size() + 1);
        for (int c = 0; c < cells.size(); ++c)
            row[ComponentColumn::Part + c] = cells.at(c);
        rows.append(row);
    }
    return rows;
}

QList<ComponentRow> storedRows(Arguments &arguments)
{
    const ReportChoice choice = ReportChoice::take(arguments);
    StoredReport file(absolutePath(arguments.positionals(1, 1).at(0)), choice);
    return ComponentRows::load(file.connection(), file.reports().asString(QStringLiteral("FileNo")));
}

int run(Arguments &arguments)
{
    QList<ComponentRow> rows;
    if (const std::optional<QString> table = arguments.value(QStringLiteral("--table"))) {
        arguments.positionals(0, 0);
        rows = readTable(*table);
    } else {
        rows = storedRows(arguments);
    }
    const TDangerGradeResult result = EvaluateDangerGrade(CountDangerComponents(rows));
    Output::write(result.lines.join(u'\n') + u'\n');
    return 0;
}

const Subcommand command {
    25,
    "grade",
    "FILE.had (--index N | --file-no NO) | --table FILE.tsv",
    "compute the danger grade of a report's component table",
    "Counts the component rows of a report, or of a table in a file, and\n"
    "evaluates the danger grade exactly as the program's calculate command\n"
    "does. Prints the seven lines that command writes into the result memo:\n"
    "the percentage of dangerous components and the membership degrees of the\n"
    "foundation, the load-bearing structure and the enclosure, an empty line,\n"
    "the overall degrees, an empty line and the sentence with the grade.\n"
    "\n"
    "Options:\n"
    "  --index N       the report at zero-based position N in query order\n"
    "  --file-no NO    the first report whose FileNo is NO\n"
    "  --table FILE    a table file instead of a database; - reads standard input\n"
    "\n"
    "A stored report's rows are its CalcuData rows (FileNo equal to the\n"
    "report's stored FileNo). The file is opened for reading only.\n"
    "\n"
    "A table file is UTF-8 text (a leading byte order mark is skipped), one\n"
    "component row per line, lines ended by LF or CR LF. Each line holds up to\n"
    "six cells separated by tabs: part, component, structure, total,\n"
    "dangerous, clause; missing cells at the end are empty, more than six is\n"
    "an error. Cells are taken as they are, blanks included. An empty line or\n"
    "a header line is a row that is not counted.\n"
    "\n"
    "A count cell of a counted row must be a whole number: an optional + or -\n"
    "and the digits 0 to 9, within -2147483648 to 2147483647, nothing else.\n"
    "Any other text stops the evaluation with \"第 N 行 COLUMN: 'TEXT' is not a\n"
    "valid integer value\" on standard error (N the row's line, 1 for the\n"
    "first; COLUMN 构件总数 or 危险构件数) and exit status 1; rows that are not\n"
    "counted may hold anything.\n",
    run,
};
HADTOOL_SUBCOMMAND(command);

} // namespace
