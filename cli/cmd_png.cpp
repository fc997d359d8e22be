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
        throw UsageError { QStringLiteral("give --page 1 (cover) or --page 2 (body)") };
    if (dpi > MaximumDpi)
        throw UsageError { QStringLiteral("option --dpi takes at most %1").arg(MaximumDpi) };
    if (!output || output->isEmpty())
        throw UsageError { QStringLiteral("missing -o OUT.png") };

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
        throw AppError(QStringLiteral("不能把第 %1 页画成 PNG 图片。").arg(*page));
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
    "draw one page of a report as the print preview shows it",
    "Draws page 1 (the cover) or page 2 (the body) of the chosen report as the\n"
    "print preview draws it at 100 %: the report's own page settings, the\n"
    "preview's thin pens, the product mark as the program's config.ini\n"
    "says, on a picture of the whole sheet of the report's paper at the given\n"
    "dots per inch.\n"
    "\n"
    "Options:\n"
    "  --index N      the report at position N of the list (0 is the first)\n"
    "  --file-no NO   the first report whose FileNo is NO\n"
    "  --page 1|2     the page: 1 the cover, 2 the body\n"
    "  --dpi D        dots per inch of the picture, 10 to 1200 (default 96)\n"
    "  -o OUT.png     the PNG file to write; an existing file is replaced only\n"
    "                 once the new one is complete; -o - writes the picture to\n"
    "                 standard output\n"
    "\n"
    "Messages about a page that could not be drawn in full are written to\n"
    "standard error; the picture is still written and the exit status is 1.\n"
    "The database is opened for reading only.\n",
    run,
};
