// hadtool list: one line per report of an appraisal database, or the same
// as JSON or CSV for scripts and spreadsheets.

#include "commandtable.h"
#include "db/hadfile.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QCoreApplication>
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
        throw UsageError { QCoreApplication::translate("hadtool", "--json 和 --csv 只能给出一个") };
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
    QT_TRANSLATE_NOOP("hadtool", "列出鉴定数据库中的鉴定报告"),
    QT_TRANSLATE_NOOP("hadtool",
        "按程序列出报告的顺序, 每份报告打印一行: FileNo、Address、\n"
        "PropertyRightMan 和 Client, 以制表符分隔。值中的反斜杠、制表符、CR 和\n"
        "LF 写作 \\\\、\\t、\\r 和 \\n, 其他控制字符写作 \\xHH。文件只以只读方式\n"
        "打开: 文件和它的日志文件都不改变, 旁边也不创建任何文件。\n"
        "\n"
        "选项:\n"
        "  --json   改为输出一个 JSON 数组, 每份报告一个对象, 成员为 FileNo、\n"
        "           Address、PropertyRightMan 和 Client, 每个文本都与存储的相同\n"
        "           (UTF-8)\n"
        "  --csv    改为输出 CSV (RFC 4180): 先是列名的标题行, 然后每份报告一行;\n"
        "           含逗号、引号或换行的值加引号; 各行以 CR LF 结尾 (UTF-8)\n"),
    run,
};
