// hadtool template: write a stored report as a report template, or show one.

#include "commandtable.h"
#include "db/reporttemplate.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QCoreApplication>

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
        throw UsageError { QCoreApplication::translate("hadtool", "请用 -o OUT.Btp 给出模板文件") };
    StoredReport file(path, choice);
    ReportTemplateFile::write(
        absolutePath(*out), ReportTemplate::fromStored(file.reports(), file.connection()));
    return 0;
}

} // namespace

const Subcommand TemplateCommand {
    "template",
    "FILE.had (--index N | --file-no NO) -o OUT.Btp | --show FILE.Btp",
    QT_TRANSLATE_NOOP("hadtool", "把存储的报告写成报告模板, 或显示一个模板"),
    QT_TRANSLATE_NOOP("hadtool",
        "用 -o 时, 把 FILE.had 中所选的报告写成报告模板 OUT.Btp, 与程序的“当前\n"
        "鉴定报告保存为模板”命令对没有未保存修改的报告所做的相同: 28 个报告字段\n"
        "和以该报告编号存储的构件表, 不含行号。已有的 OUT.Btp 会被替换, 但只在\n"
        "新文件完成之后。FILE.had 只以只读方式打开。\n"
        "\n"
        "用 --show 时, 打印模板 FILE.Btp: 先是它的 28 个字段, 每个一行, 列名和值\n"
        "以制表符分隔, 按文件中的顺序; 然后它的构件表每行一行, 单元格 1 到 6\n"
        "(部位、构件、结构、构件数、危险构件数、条文) 以制表符分隔。值中的反斜杠、\n"
        "制表符、CR 和 LF 写作 \\\\、\\t、\\r 和 \\n, 其他控制字符写作 \\xHH。不是\n"
        "模板的文件或损坏的模板被拒绝, 并给出 \"文件格式不对...\"。\n"
        "\n"
        "选项:\n"
        "  --index N     程序顺序中从 0 起第 N 份报告\n"
        "  --file-no NO  编号为 NO 的第一份报告\n"
        "  -o OUT.Btp    要写的模板文件\n"
        "  --show        显示一个模板, 而不是写模板\n"),
    run,
};
