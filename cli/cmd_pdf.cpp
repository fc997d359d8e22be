// hadtool pdf: print stored reports into a PDF file, through the page files
// and page layouts that the program's printing uses.

#include "base/apperror.h"
#include "commandtable.h"
#include "db/dataset.h"
#include "db/reportfields.h"
#include "interruption.h"
#include "output.h"
#include "output/pagevalues.h"
#include "output/reportpdfwriter.h"
#include "output/reporttitle.h"
#include "stderrmessages.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void copyToStandardOutput(const QString &path)
{
    QFile file(path);
    const auto failure = [&] {
        return AppError(
            QCoreApplication::translate("hadtool", "不能读取文件 %1: %2").arg(path, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly))
        throw failure();
    constexpr qint64 Chunk = 1 << 16;
    while (!file.atEnd()) {
        const QByteArray bytes = file.read(Chunk);
        if (bytes.isEmpty())
            throw failure();
        Output::write(bytes);
    }
}

int run(Arguments &arguments)
{
    const bool all = arguments.flag(QStringLiteral("--all"));
    const std::optional<QString> output = arguments.value(QStringLiteral("-o"));
    ReportChoice choice;
    if (all) {
        if (arguments.number(QStringLiteral("--index")) || arguments.value(QStringLiteral("--file-no")))
            throw UsageError { QCoreApplication::translate(
                "hadtool", "请给出 --all, 或 --index N 和 --file-no NO 中的一个") };
    } else {
        choice = ReportChoice::take(arguments);
    }
    const QString input = absolutePath(arguments.positionals(1, 1).at(0));
    if (!output || output->isEmpty())
        throw UsageError { QCoreApplication::translate("hadtool", "缺少 -o OUT.pdf") };

    std::optional<StoredReport> file;
    if (all)
        file.emplace(input);
    else
        file.emplace(input, choice);
    DataSet &reports = file->reports();
    const int count = all ? reports.recordCount() : 1;
    if (count == 0)
        throw AppError(QCoreApplication::translate("hadtool", "文件 %1 中没有鉴定报告").arg(input));

    StderrMessages messages;
    // One report's file is titled as the report, a file of all as the database.
    const QString title
        = all ? QFileInfo(input).completeBaseName() : ReportTitle(ReportTexts::fromRow(reports));
    // For standard output the file is made in a folder of its own, then copied out.
    const bool toStandardOutput = *output == u"-";
    std::optional<QTemporaryDir> staging;
    if (toStandardOutput) {
        staging.emplace();
        if (!staging->isValid())
            throw AppError(
                QCoreApplication::translate("hadtool", "不能创建临时文件夹: %1").arg(staging->errorString()));
    }
    const QString path
        = toStandardOutput ? staging->filePath(QStringLiteral("out.pdf")) : absolutePath(*output);
    ReportPdfWriter pdf(path, title);
    for (int n = 1; n <= count; ++n) {
        Interruption::check();
        if (n > 1)
            reports.next();
        const ReportTexts texts = ReportTexts::fromRow(reports);
        pdf.addReport(reports, texts, SumBuildingArea(texts));
        if (all)
            Output::progress(n, count);
    }
    Interruption::check();
    pdf.finish();
    if (toStandardOutput)
        copyToStandardOutput(path);
    return messages.count() == 0 ? 0 : 1;
}

} // namespace

const Subcommand PdfCommand {
    "pdf",
    "FILE.had (--index N | --file-no NO | --all) -o OUT.pdf|-",
    QT_TRANSLATE_NOOP("hadtool", "把鉴定数据库中的报告打印到 PDF 文件"),
    QT_TRANSLATE_NOOP("hadtool",
        "与程序打印时一样, 打印所选的报告, 或用 --all 按列表顺序打印每份报告:\n"
        "每份报告用它自己的页面设置 (纸张、边距、偏移、各栏高度), 封面和正文页由\n"
        "页面文件以每英寸 600 点绘制, 以纸张的角为原点; 除非程序的 config.ini\n"
        "关闭产品标记 ([Misc] IsPrintSoftMess=0), 否则带产品标记。所有页面写入\n"
        "一个 PDF 文件, 每份报告两页。\n"
        "\n"
        "选项:\n"
        "  --index N      列表中第 N 份报告 (0 为第一份)\n"
        "  --file-no NO   FileNo 为 NO 的第一份报告\n"
        "  --all          每一份报告; 标准错误是终端时在其上显示进度 n/N\n"
        "  -o OUT.pdf     要写的 PDF 文件; 已有的文件只在新文件完成后才被替换;\n"
        "                 -o - 把 PDF 文件写到标准输出\n"
        "\n"
        "未能完整绘制页面的消息写到标准错误; PDF 仍会写出, 退出状态为 1。\n"
        "数据库只以只读方式打开。\n"),
    run,
};
