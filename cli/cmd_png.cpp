// hadtool png: one page of a stored report as the print preview shows it.

#include "base/apperror.h"
#include "base/filebytes.h"
#include "commandtable.h"
#include "db/reportfields.h"
#include "output.h"
#include "output/pagevalues.h"
#include "output/paper.h"
#include "output/pdfpagejob.h"
#include "output/preparedpages.h"
#include "output/previewpicture.h"
#include "stderrmessages.h"
#include "storedreport.h"
#include "subcommand.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {

constexpr int MinimumDpi = 10;
constexpr int MaximumDpi = 1200;

int run(Arguments &arguments)
{
    const ReportChoice choice = ReportChoice::take(arguments);
    const std::optional<int> page = arguments.number(QStringLiteral("--page"), 1);
    const int dpi = arguments.number(QStringLiteral("--dpi"), MinimumDpi).value_or(96);
    const std::optional<QString> output = arguments.value(QStringLiteral("-o"));
    const QString input = absolutePath(arguments.positionals(1, 1).at(0));
    if (!page || *page > 2)
        throw UsageError { QCoreApplication::translate(
            "hadtool", "请给出 --page 1 (封面) 或 --page 2 (正文)") };
    if (dpi > MaximumDpi)
        throw UsageError { QCoreApplication::translate("hadtool", "选项 --dpi 至多为 %1").arg(MaximumDpi) };
    if (!output || output->isEmpty())
        throw UsageError { QCoreApplication::translate("hadtool", "缺少 -o OUT.png") };

    StoredReport file(input, choice);
    StderrMessages messages;
    // The sheet as the PDF printer has it: the report's paper at the PDF
    // files' dots per inch.
    PaperSheet sheet;
    PreparedPages pages([&sheet] { sheet.setUpCurrentPaper(); });
    const ReportTexts texts = ReportTexts::fromRow(file.reports());
    pages.prepare(file.reports(), texts, SumBuildingArea(texts));
    const QSize printerDpi(PdfResolution, PdfResolution);
    const QImage image = RenderPreviewPicture(
        pages.pageFile(*page), sheet.layout().fullRectPixels(PdfResolution).size(), printerDpi, dpi, dpi);

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        throw AppError(QCoreApplication::translate("hadtool", "不能把第 %1 页画成 PNG 图片。").arg(*page));
    if (*output == u"-")
        Output::write(png);
    else
        FileBytes::write(absolutePath(*output), png);
    return messages.count() == 0 ? 0 : 1;
}

} // namespace

const Subcommand PngCommand {
    "png",
    "FILE.had (--index N | --file-no NO) --page 1|2 [--dpi 96] -o OUT.png|-",
    QT_TRANSLATE_NOOP("hadtool", "与打印预览相同地绘制报告的一页"),
    QT_TRANSLATE_NOOP("hadtool",
        "与打印预览在 100 % 时一样绘制所选报告的第 1 页 (封面) 或第 2 页 (正文):\n"
        "报告自己的页面设置、预览的细笔、按程序的 config.ini 决定的产品标记, 画在\n"
        "按给定的每英寸点数表示整张报告纸张的图片上。\n"
        "\n"
        "选项:\n"
        "  --index N      列表中第 N 份报告 (0 为第一份)\n"
        "  --file-no NO   FileNo 为 NO 的第一份报告\n"
        "  --page 1|2     页: 1 为封面, 2 为正文\n"
        "  --dpi D        图片的每英寸点数, 10 到 1200 (默认 96)\n"
        "  -o OUT.png     要写的 PNG 文件; 已有的文件只在新文件完成后才被替换;\n"
        "                 -o - 把图片写到标准输出\n"
        "\n"
        "未能完整绘制页面的消息写到标准错误; 图片仍会写出, 退出状态为 1。\n"
        "数据库只以只读方式打开。\n"),
    run,
};
