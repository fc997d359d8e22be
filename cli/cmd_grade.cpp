// hadtool grade: the danger grade of a stored report or of a table in a file.

#include "base/apperror.h"
#include "base/filebytes.h"
#include "commandtable.h"
#include "db/componentrows.h"
#include "db/reportstandard.h"
#include "grade/componenttablefile.h"
#include "grade/housegrade.h"
#include "gradejson.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace {

// The rows of a table file; "-" reads standard input.
QList<ComponentRow> readTable(const QString &path)
{
    const QString name = path == u"-" ? QCoreApplication::translate("hadtool", "标准输入") : path;
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
    throw UsageError {
        QCoreApplication::translate("hadtool", "选项 --standard 取 1999 或 2016, 不能是 '%1'").arg(*text)
    };
}

int run(Arguments &arguments)
{
    const std::optional<AppraisalStandard> chosen = takeStandard(arguments);
    const bool json = arguments.flag(QStringLiteral("--json"));
    const bool groundDangerous = arguments.flag(QStringLiteral("--ground-dangerous"));
    const std::optional<QString> table = arguments.value(QStringLiteral("--table"));
    if (groundDangerous && !table)
        throw UsageError { QCoreApplication::translate(
            "hadtool", "--ground-dangerous 要与 --table 一起使用") };
    if (groundDangerous && chosen != AppraisalStandard::Jgj125_2016)
        throw UsageError { QCoreApplication::translate(
            "hadtool", "--ground-dangerous 要与 --standard 2016 一起使用") };

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
    QT_TRANSLATE_NOOP("hadtool", "计算报告构件表的危险等级"),
    QT_TRANSLATE_NOOP("hadtool",
        "统计一份报告的构件行, 或文件中一个表的构件行, 按任一鉴定标准, 与程序的\n"
        "“计算等级”命令完全相同地评定危险等级。打印该命令写入结果栏的各行。\n"
        "\n"
        "按 JGJ 125-99 (按房屋各组成部分的模糊综合评判方法), 共七行: 危险构件\n"
        "百分数以及地基基础、上部承重结构和围护结构的隶属度, 一个空行, 综合隶属度,\n"
        "一个空行和给出等级的句子。\n"
        "\n"
        "按 JGJ 125-2016 (按楼层的方法): 地基的状态, 每层一行, 含该层危险构件的\n"
        "比例和该层的等级 (Au 到 Du), 顺序为基础、地下最深一层到 -1 层、1 层到\n"
        "顶层, 一个空行, 整幢房屋的比例 R 和 Du 级楼层数, 一个空行和给出等级的\n"
        "句子。\n"
        "\n"
        "选项:\n"
        "  --index N           查询顺序中从 0 起第 N 份报告\n"
        "  --file-no NO        FileNo 为 NO 的第一份报告\n"
        "  --table FILE        用表文件代替数据库; - 读取标准输入\n"
        "  --standard YEAR     1999 为 JGJ 125-99, 2016 为 JGJ 125-2016; 不给出时,\n"
        "                      存储的报告按它自己的标准 (及它对地基的判断) 评定,\n"
        "                      表按 JGJ 125-99 评定\n"
        "  --ground-dangerous  与 --table 和 --standard 2016 一起: 鉴定人判定地基\n"
        "                      危险, 等级因此为 D\n"
        "  --json              改为打印一个 JSON 对象: 标准、等级所依据的数值\n"
        "                      (百分数和比例为两位小数的字符串) 和等级字母\n"
        "\n"
        "存储的报告的构件行是它的 CalcuData 行 (FileNo 等于报告存储的 FileNo)。\n"
        "文件只以只读方式打开。\n"
        "\n"
        "表文件是 UTF-8 文本 (开头的字节顺序标记被跳过), 每行一个构件行, 行以 LF\n"
        "或 CR LF 结尾。每行至多六个以制表符分隔的单元格, 末尾缺少的单元格为空,\n"
        "多于六个为错误: 1999 为部位、构件、结构、总数、危险数、条文; 2016 为楼层\n"
        "(基础, 1, 2, ... 或 -1, -2, ...)、种类 (中柱, 边柱, 角柱, 墙体, 屋架, 中梁,\n"
        "边梁, 次梁, 楼屋面板 或 围护构件)、结构、总数、危险数、条文; 楼层为基础的\n"
        "每一行都计入地基基础。单元格按原样取用, 包括空格。空行或标题行是不计数的\n"
        "行。\n"
        "\n"
        "计数行的数量单元格必须是整数: 可选的 + 或 - 和数字 0 到 9, 在\n"
        "-2147483648 到 2147483647 之间, 不能有别的。任何其他文本都会停止评定, 在\n"
        "标准错误上输出 \"第 N 行 COLUMN: 'TEXT' is not a valid integer value\"\n"
        "(N 为该行的行号, 第一行为 1; COLUMN 为 构件总数 或 危险构件数), 退出状态\n"
        "为 1; 不计数的行可以含任何内容。按 2016, 负的数量、大于总数的危险数, 以及\n"
        "位于无效楼层上的计数种类也会停止评定, 并给出指明该行的消息。\n"),
    run,
};
