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

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

void copyToStandardOutput(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("不能读取文件 ") + path + QStringLiteral(": ") + file.errorString());
    constexpr qint64 Chunk = 1 << 16;
    while (!file.atEnd()) {
        const QByteArray bytes = file.read(Chunk);
        if (bytes.isEmpty())
            throw AppError(
                QStringLiteral("不能读取文件 ") + path + QStringLiteral(": ") + file.errorString());
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
            throw UsageError { QStringLiteral("give either --all or one of --index N and --file-no NO") };
    } else {
        choice = ReportChoice::take(arguments);
    }
    const QString input = absolutePath(arguments.positionals(1, 1).at(0));
    if (!output || output->isEmpty())
        throw UsageError { QStringLiteral("missing -o OUT.pdf") };

    std::optional<StoredReport> file;
    if (all)
        file.emplace(input);
    else
        file.emplace(input, choice);
    DataSet &reports = file->reports();
    const int count = all ? reports.recordCount() : 1;
    if (count == 0)
        throw AppError(QStringLiteral("文件 %1 中没有鉴定报告").arg(input));

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
            throw AppError(QStringLiteral("不能创建临时文件夹: ") + staging->errorString());
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
    "print reports of an appraisal database into a PDF file",
    "Prints the chosen report, or with --all every report in list order, as the\n"
    "program prints it: for each report its own page settings (paper, margins,\n"
    "offsets, section heights), the cover and the body page drawn from page\n"
    "files at 600 dots per inch, the sheet's corner as origin, with the\n"
    "product mark unless the program's config.ini turns it off ([Misc]\n"
    "IsPrintSoftMess=0). All pages go into one PDF file, two per report.\n"
    "\n"
    "Options:\n"
    "  --index N      the report at position N of the list (0 is the first)\n"
    "  --file-no NO   the first report whose FileNo is NO\n"
    "  --all          every report; shows the progress n/N on standard error\n"
    "                 when it is a terminal\n"
    "  -o OUT.pdf     the PDF file to write; an existing file is replaced only\n"
    "                 once the new one is complete; -o - writes the PDF file to\n"
    "                 standard output\n"
    "\n"
    "Messages about a page that could not be drawn in full are written to\n"
    "standard error; the PDF is still written and the exit status is 1.\n"
    "The database is opened for reading only.\n",
    run,
};
