// hadtool grade: the danger grade of a stored report or of a table in a file.

#include "base/apperror.h"
#include "base/filebytes.h"
#include "commandtable.h"
#include "db/componentrows.h"
#include "grade/componenttablefile.h"
#include "db/reportstandard.h"
#include "grade/housegrade.h"
#include "gradejson.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <cstdio>
#include <optional>

namespace {

// The rows of a table file; "-" reads standard input.
QList<ComponentRow> readTable(const QString &path)
{
    const QString name = path == u"-" ? QStringLiteral("标准输入") : path;
    return ComponentTableFile::parse(FileBytes::read(path), name);
}

// A table to grade and how its report grades it.
struct GradedTable
{
    QList<ComponentRow> rows;
    ReportStandard standard;
};

GradedTable storedTable(Arguments &arguments)
{
    const ReportChoice choice = ReportChoice::take(arguments);
    StoredReport file(absolutePath(arguments.positionals(1, 1).at(0)), choice);
    return { ComponentRows::load(file.connection(), file.reports().asString(QStringLiteral("FileNo"))),
        ReportStandard::fromRow(file.reports()) };
}

// "--standard 1999" or "--standard 2016"; nothing when not given.
std::optional<AppraisalStandard> takeStandard(Arguments &arguments)
{
    const std::optional<QString> text = arguments.value(QStringLiteral("--standard"));
    if (!text)
        return std::nullopt;
    if (const std::optional<AppraisalStandard> standard = StandardFromYear(*text))
        return standard;
    throw UsageError { QStringLiteral("option --standard takes 1999 or 2016, not '%1'").arg(*text) };
}

int run(Arguments &arguments)
{
    const std::optional<AppraisalStandard> chosen = takeStandard(arguments);
    const bool json = arguments.flag(QStringLiteral("--json"));
    const bool groundDangerous = arguments.flag(QStringLiteral("--ground-dangerous"));
    const std::optional<QString> table = arguments.value(QStringLiteral("--table"));
    if (groundDangerous && !table)
        throw UsageError { QStringLiteral("--ground-dangerous goes with --table") };
    if (groundDangerous && chosen != AppraisalStandard::Jgj125_2016)
        throw UsageError { QStringLiteral("--ground-dangerous goes with --standard 2016") };

    // A stored report is graded as it records (its standard and its ground
    // judgement) unless --standard says otherwise; a table by JGJ 125-99.
    GradedTable graded;
    if (table) {
        arguments.positionals(0, 0);
        graded.rows = readTable(*table);
        graded.standard.ground = groundDangerous ? GroundState::Dangerous : GroundState::NotDangerous;
    } else {
        graded = storedTable(arguments);
    }
    const HouseGrade grade
        = GradeHouse(chosen.value_or(graded.standard.standard), graded.rows, graded.standard.ground);
    if (json)
        Output::write(GradeJson::document(grade));
    else
        Output::write(grade.lines().join(u'\n') + u'\n');
    return 0;
}

} // namespace

const Subcommand GradeCommand {
    "grade",
    "(FILE.had (--index N | --file-no NO) | --table FILE.tsv [--ground-dangerous])"
    " [--standard 1999|2016] [--json]",
    "compute the danger grade of a report's component table",
    "Counts the component rows of a report, or of a table in a file, and\n"
    "evaluates the danger grade exactly as the program's calculate command\n"
    "does, by either appraisal standard. Prints the lines that command writes\n"
    "into the result memo.\n"
    "\n"
    "By JGJ 125-99 (the fuzzy method by the parts of the house), seven lines:\n"
    "the percentage of dangerous components and the membership degrees of the\n"
    "foundation, the load-bearing structure and the enclosure, an empty line,\n"
    "the overall degrees, an empty line and the sentence with the grade.\n"
    "\n"
    "By JGJ 125-2016 (the method by levels): the state of the ground, one\n"
    "line per level with its ratio of dangerous components and its grade (Au\n"
    "to Du) in the order foundation, deepest basement up to -1, 1 up to the\n"
    "top, an empty line, the whole-house ratio R with the number of Du\n"
    "levels, an empty line and the sentence with the grade.\n"
    "\n"
    "Options:\n"
    "  --index N           the report at zero-based position N in query order\n"
    "  --file-no NO        the first report whose FileNo is NO\n"
    "  --table FILE        a table file instead of a database; - reads standard\n"
    "                      input\n"
    "  --standard YEAR     1999 for JGJ 125-99 or 2016 for JGJ 125-2016; a stored\n"
    "                      report is graded by its own standard (with its own\n"
    "                      judgement of the ground) unless this is given, a\n"
    "                      table by JGJ 125-99\n"
    "  --ground-dangerous  with --table and --standard 2016: the appraiser\n"
    "                      judged the ground dangerous, which makes the grade D\n"
    "  --json              print one JSON object instead of the lines: the\n"
    "                      standard, the values behind the grade (percentages\n"
    "                      and ratios as strings with two decimals) and the\n"
    "                      grade letter\n"
    "\n"
    "A stored report's rows are its CalcuData rows (FileNo equal to the\n"
    "report's stored FileNo). The file is opened for reading only.\n"
    "\n"
    "A table file is UTF-8 text (a leading byte order mark is skipped), one\n"
    "component row per line, lines ended by LF or CR LF. Each line holds up to\n"
    "six cells separated by tabs, missing cells at the end being empty and\n"
    "more than six an error: for 1999 part, component, structure, total,\n"
    "dangerous, clause; for 2016 level (基础, 1, 2, ... or -1, -2, ...), kind\n"
    "(中柱, 边柱, 角柱, 墙体, 屋架, 中梁, 边梁, 次梁, 楼屋面板 or 围护构件),\n"
    "structure, total, dangerous, clause; every row on the level 基础 counts\n"
    "as foundation. Cells are taken as they are, blanks included. An empty\n"
    "line or a header line is a row that is not counted.\n"
    "\n"
    "A count cell of a counted row must be a whole number: an optional + or -\n"
    "and the digits 0 to 9, within -2147483648 to 2147483647, nothing else.\n"
    "Any other text stops the evaluation with \"第 N 行 COLUMN: 'TEXT' is not a\n"
    "valid integer value\" on standard error (N the row's line, 1 for the\n"
    "first; COLUMN 构件总数 or 危险构件数) and exit status 1; rows that are not\n"
    "counted may hold anything. By 2016 a negative count, a dangerous count\n"
    "above the total, and a counted kind on a level that is none stop it too,\n"
    "with a message naming the row.\n",
    run,
};
