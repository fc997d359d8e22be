// hadtool copy: copy every report of an appraisal database into another,
// between files and server databases.

#include "commandtable.h"
#include "db/reportcopy.h"
#include "output.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QCoreApplication>
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
    Output::write(QCoreApplication::translate("hadtool", "%1 份鉴定报告已复制\n").arg(copied));
    return 0;
}

} // namespace

const Subcommand CopyCommand {
    "copy",
    "SOURCE DESTINATION [--append]",
    QT_TRANSLATE_NOOP("hadtool", "把一个鉴定数据库的所有报告复制到另一个"),
    QT_TRANSLATE_NOOP("hadtool",
        "SOURCE 和 DESTINATION 各是一个 .had 文件或 PostgreSQL URL\n"
        "(postgresql://USER@HOST:PORT/DBNAME)。每份报告连同它的所有列 (编号、\n"
        "页面设置、与存储完全相同的日期) 和它的构件行, 按报告存储的顺序复制。复制\n"
        "要么全部完成, 要么什么都不做: 失败后 DESTINATION 保持原样, 新文件也不会\n"
        "留下。\n"
        "\n"
        "DESTINATION 必须是新的 (不存在的文件, 或没有这些表的服务器数据库, 由复制\n"
        "创建这些表), 或者不含报告; 这时报告保留它们的 ID。SOURCE 只被读取。\n"
        "\n"
        "选项:\n"
        "  --append   把报告添加到 DESTINATION 已有的报告之后 (新的 ID)\n"
        "\n"
        "在终端上, 进度 (n/N) 显示在标准错误上。\n"),
    run,
};
