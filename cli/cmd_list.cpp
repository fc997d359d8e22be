// hadtool list: one line per report of an appraisal database, or the same
// as JSON or CSV for scripts and spreadsheets.

#include "commandtable.h"
#include "db/hadfile.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString tabSeparated(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList values;
        for (const QString &value : row)
            values.append(Output::escaped(value));
        text += values.join(u'\t') + u'\n';
    }
    return text;
}

// An array of objects, one per report, keyed by column name.
QByteArray json(const QList<QStringList> &rows)
{
    QJsonArray reports;
    for (const QStringList &row : rows) {
        QJsonObject report;
        for (qsizetype i = 0; i < row.size(); ++i)
            report.insert(HadFile::ReportListColumns.at(i), row.at(i));
        reports.append(report);
    }
    return QJsonDocument(reports).toJson(QJsonDocument::Indented);
}

// RFC 4180: a value with a comma, a quote or a line break is quoted, and
// its quotes doubled; lines end in CR LF.
QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') && !value.contains(u'\n'))
        return value;
    return u'"' + QString(value).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString csv(const QList<QStringList> &rows)
{
    QList<QStringList> lines { HadFile::ReportListColumns };
    lines += rows;
    QString text;
    for (const QStringList &line : std::as_const(lines)) {
        QStringList fields;
        for (const QString &value : line)
            fields.append(csvField(value));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text;
}

int run(Arguments &arguments)
{
    const bool asJson = arguments.flag(QStringLiteral("--json"));
    const bool asCsv = arguments.flag(QStringLiteral("--csv"));
    if (asJson && asCsv)
        throw UsageError { QStringLiteral("give either --json or --csv") };
    StoredReport file(absolutePath(arguments.positionals(1, 1).at(0)));
    const QList<QStringList> rows = file.reports().columnTexts(HadFile::ReportListColumns);
    if (asJson)
        Output::write(json(rows));
    else if (asCsv)
        Output::write(csv(rows));
    else
        Output::write(tabSeparated(rows));
    return 0;
}

} // namespace

const Subcommand ListCommand {
    "list",
    "[--json | --csv] FILE.had",
    "list the reports of an appraisal database",
    "Prints one line per report, in the order the program lists them: FileNo,\n"
    "Address, PropertyRightMan and Client, separated by tabs. In the values a\n"
    "backslash, tab, CR and LF are written as \\\\, \\t, \\r and \\n, any other\n"
    "control character as \\xHH. The file is opened for reading only: neither\n"
    "it nor its journal files change, and nothing is created beside it.\n"
    "\n"
    "Options:\n"
    "  --json   a JSON array instead, one object per report with the members\n"
    "           FileNo, Address, PropertyRightMan and Client, every text as\n"
    "           stored (UTF-8)\n"
    "  --csv    CSV (RFC 4180) instead: a header line with the column names,\n"
    "           then one line per report; values with a comma, a quote or a\n"
    "           line break are quoted; lines end in CR LF (UTF-8)\n",
    run,
};
