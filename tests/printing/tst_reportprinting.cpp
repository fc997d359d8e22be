#include "base/apperror.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "base/version.h"
#include "db/hadfile.h"
#include "db/reportfields.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/pagevalues.h"
#include "pdfpages.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "printing/reportprinting.h"
#include "reportfile.h"
#include "runprogram.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(PrintJobOptions)

namespace {

// A report with texts on both pages, its page settings stored in its row.
struct Fixture
{
    Fixture(const QString &style = "A4", int width = 210, int height = 297, int orientation = 0)
    {
        file.storePaper(style, width, height, orientation);
        file.reports.edit();
        file.reports.setString("FileNo", "2004-008");
        file.reports.setString("Client", "张三");
        file.reports.setString("Address", "广州市越秀区东山路1号");
        file.reports.setString("ApprCircs", "墙体多处开裂。");
        file.reports.setString("Surveyor", "李工");
        file.reports.setString("Appraiser", "王工");
        file.reports.setDate("TrustDate", QDate(2004, 3, 5));
        file.reports.setDate("ApprDate", QDate(2004, 3, 9));
        file.reports.post();
    }

    PrintedReport report() const
    {
        const ReportTexts texts = ReportTexts::fromRow(file.reports);
        return { const_cast<DataSet *>(&file.reports), texts, SumBuildingArea(texts), {} };
    }

    QString path(const QString &name) const { return file.dir.filePath(name); }

    ReportFile file { 1 };
};

// The files in the folder other than the database and the PDF files named in the tests.
QStringList otherFiles(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.removeIf([](const QString &name) {
        return name.startsWith("test.had") || name == "old.pdf" || name == "new.pdf";
    });
    return files;
}

QString documents()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace

class TestReportPrinting : public QObject
{
    Q_OBJECT

private slots:
    void proposedPdfName_data();
    void proposedPdfName();
    void pdfFileNameFolders();
    void pdfFileNameForAnExistingFile_data();
    void pdfFileNameForAnExistingFile();
    void printingToThePdfPrinter_data();
    void printingToThePdfPrinter();
    void printDialogChoicesAreHonoured_data();
    void printDialogChoicesAreHonoured();
    void exportMatchesHadtool_data();
    void exportMatchesHadtool();
    void exportLeavesTheProgramsPrintingAlone();
    void exportFailure();
    void exportCancelled();
};

void TestReportPrinting::proposedPdfName_data()
{
    QTest::addColumn<QString>("fileNo");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::newRow("number and address") << "2004-008"
                                        << "广州市越秀区东山路1号"
                                        << "2004-008 广州市越秀区东山路1号.pdf";
    QTest::newRow("number only") << "2004-008"
                                 << ""
                                 << "2004-008.pdf";
    QTest::newRow("address only") << ""
                                  << "广州市"
                                  << "广州市.pdf";
    QTest::newRow("neither") << ""
                             << "  "
                             << "鉴定报告.pdf";
    QTest::newRow("separators and wildcards") << "2004/8"
                                              << "A:B*C?\"<>|\\"
                                              << "2004_8 A_B_C______.pdf";
    QTest::newRow("line breaks and runs of blanks") << "8"
                                                    << "东山路\r\n1号   2楼"
                                                    << "8 东山路 1号 2楼.pdf";
    QTest::newRow("dots alone") << ""
                                << ".."
                                << "鉴定报告.pdf";
    QTest::newRow("long address") << "1" << QString(200, u'街') << "1 " + QString(78, u'街') + ".pdf";
}

void TestReportPrinting::proposedPdfName()
{
    QFETCH(QString, fileNo);
    QFETCH(QString, address);
    ReportTexts texts;
    texts.setText("FileNo", fileNo);
    texts.setText("Address", address);
    QTEST(ProposedPdfName(texts), "name");
}

void TestReportPrinting::pdfFileNameFolders()
{
    TestAppDir dir;
    const QString chosen = dir.filePath("out/a.pdf");
    QDir().mkpath(dir.filePath("out"));
    Prompt::setNextFileName(chosen);
    QCOMPARE(AskPdfFileName("导出PDF", "x.pdf"), chosen);
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &first = Prompt::shown().first();
    QCOMPARE(first.kind, PromptKind::SaveFile);
    QCOMPARE(first.caption, QStringLiteral("导出PDF"));
    QCOMPARE(first.text, documents());
    QCOMPARE(first.fileName, QStringLiteral("x.pdf"));
    QCOMPARE(first.defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(first.filter, QStringLiteral("PDF 文件 *.pdf|*.pdf"));

    // The next file is proposed in the folder used last; a cancelled
    // choice keeps that folder.
    Prompt::setNextFileName(QString());
    QCOMPARE(AskPdfFileName("导出PDF", "y.pdf"), QString());
    Prompt::setNextFileName(QString());
    AskPdfFileName("打印到PDF文件", "z.pdf");
    QCOMPARE(Prompt::shown().size(), 3);
    QCOMPARE(Prompt::shown().at(1).text, QDir::toNativeSeparators(dir.filePath("out")));
    QCOMPARE(Prompt::shown().at(2).text, QDir::toNativeSeparators(dir.filePath("out")));
}

void TestReportPrinting::pdfFileNameForAnExistingFile_data()
{
    QTest::addColumn<PromptButton>("answer");
    QTest::addColumn<bool>("taken");
    QTest::newRow("Yes") << PromptButton::Yes << true;
    QTest::newRow("No") << PromptButton::No << false;
}

void TestReportPrinting::pdfFileNameForAnExistingFile()
{
    QFETCH(PromptButton, answer);
    QFETCH(bool, taken);
    TestAppDir dir;
    dir.writeFile("old.pdf", "old");
    const QString path = dir.filePath("old.pdf");
    Prompt::setNextFileName(path);
    Prompt::setNextAnswer(answer);
    QCOMPARE(AskPdfFileName("导出PDF", "old.pdf"), taken ? path : QString());
    QCOMPARE(Prompt::shown().size(), 2);
    const PromptRecord &question = Prompt::shown().at(1);
    QCOMPARE(question.text, "覆盖已存在的文件 " + QDir::toNativeSeparators(path) + " 吗?");
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.buttons, PromptButton::Yes | PromptButton::No);
    QCOMPARE(question.caption, AppTitle);
    QCOMPARE(dir.readFile("old.pdf"), QByteArray("old"));
}

void TestReportPrinting::printingToThePdfPrinter_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("fileName"); // empty: cancelled; "old.pdf" exists
    QTest::addColumn<PromptButton>("overwrite");
    QTest::addColumn<int>("pages"); // in the file afterwards; -1: the old file is left
    QTest::newRow("both pages") << 1 << 2 << "new.pdf" << PromptButton::None << 2;
    QTest::newRow("page 2") << 2 << 2 << "new.pdf" << PromptButton::None << 1;
    QTest::newRow("cancelled") << 1 << 2 << "" << PromptButton::None << 0;
    QTest::newRow("replacing, Yes") << 1 << 2 << "old.pdf" << PromptButton::Yes << 2;
    QTest::newRow("replacing, No") << 1 << 2 << "old.pdf" << PromptButton::No << -1;
}

void TestReportPrinting::printingToThePdfPrinter()
{
    QFETCH(QString, fileName);
    QFETCH(PromptButton, overwrite);
    QFETCH(int, pages);
    Fixture f;
    f.file.dir.writeFile("old.pdf", "old");
    CurrentPrinter::install(PrinterDevice::pdf());
    OutputProcess.ActiveSignatures = [] { return std::optional<SignatureValues>(SignatureValues()); };
    PreparePrintedPages(f.report());
    Prompt::setNextFileName(fileName.isEmpty() ? QString() : f.path(fileName));
    if (overwrite != PromptButton::None)
        Prompt::setNextAnswer(overwrite);
    QFETCH(int, first);
    QFETCH(int, last);
    PrintReportPages(first, last);

    QCOMPARE(Prompt::shown().first().caption, QStringLiteral("打印到PDF文件"));
    QCOMPARE(Prompt::shown().first().fileName, QStringLiteral("2004-008 广州市越秀区东山路1号.pdf"));
    if (pages == -1) {
        QCOMPARE(f.file.dir.readFile("old.pdf"), QByteArray("old"));
    } else if (pages == 0) {
        QVERIFY(!QFileInfo::exists(f.path("new.pdf")));
    } else {
        const QList<PdfPage> printed = readPdfPages(f.path(fileName));
        QCOMPARE(printed.size(), pages);
        for (const PdfPage &page : printed)
            QVERIFY(sameSizeMM(page.sizeMM, QSizeF(210, 297)));
        QVERIFY(printed.last().text.contains("墙体多处开裂"));
        QCOMPARE(pdfInfo(f.path(fileName), "Title"), QString("2004-008 广州市越秀区东山路1号"));
    }
    // Nothing but the file asked for.
    QCOMPARE(otherFiles(f.file.dir.path()), QStringList());
}

void TestReportPrinting::printDialogChoicesAreHonoured_data()
{
    QTest::addColumn<PrintJobOptions>("job"); // the file is named relative to the report's folder
    QTest::addColumn<QStringList>("pages"); // C cover, B body, as printed
    QTest::newRow("as the dialog opens") << PrintJobOptions {} << QStringList { "C", "B" };
    QTest::newRow("two copies") << PrintJobOptions { 2, 0, 0, {} } << QStringList { "C", "B", "C", "B" };
    QTest::newRow("the body") << PrintJobOptions { 1, 2, 2, {} } << QStringList { "B" };
    QTest::newRow("two copies of the cover") << PrintJobOptions { 2, 1, 1, {} } << QStringList { "C", "C" };
    QTest::newRow("a range past the last page") << PrintJobOptions { 1, 2, 9, {} } << QStringList { "B" };
    QTest::newRow("a file chosen") << PrintJobOptions { 1, 0, 0, "chosen.pdf" } << QStringList { "C", "B" };
}

// Printing all pages (the print command, the preview's 打印所有页) prints
// the copies and pages chosen in the print dialog, into the file chosen there.
void TestReportPrinting::printDialogChoicesAreHonoured()
{
    QFETCH(PrintJobOptions, job);
    QFETCH(QStringList, pages);
    Fixture f;
    CurrentPrinter::install(PrinterDevice::pdf());
    const QString target = f.path(job.outputFile.isEmpty() ? "new.pdf" : job.outputFile);
    if (!job.outputFile.isEmpty())
        job.outputFile = target;
    CurrentPrinter::device().setJobOptions(job);
    OutputProcess.ActiveSignatures = [] { return std::optional<SignatureValues>(SignatureValues()); };
    PreparePrintedPages(f.report());
    if (job.outputFile.isEmpty())
        Prompt::setNextFileName(target);
    PrintAllReportPages();

    QCOMPARE(
        Prompt::shown().size(), job.outputFile.isEmpty() ? 1 : 0); // the file asked for only when not chosen
    QStringList printed;
    for (const PdfPage &page : readPdfPages(target))
        printed.append(page.text.contains("墙体多处开裂") ? "B" : "C");
    QCOMPARE(printed, pages);
}

void TestReportPrinting::exportMatchesHadtool_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("mark"); // [Misc] IsPrintSoftMess
    QTest::newRow("A4 portrait") << "A4" << QSize(210, 297) << 0 << true;
    QTest::newRow("B5 landscape") << "B5" << QSize(257, 182) << 1 << true;
    QTest::newRow("custom") << "自定义纸张" << QSize(200, 280) << 0 << true;
    QTest::newRow("without the product mark") << "A4" << QSize(210, 297) << 0 << false;
}

void TestReportPrinting::exportMatchesHadtool()
{
    QFETCH(QString, style);
    QFETCH(QSize, size);
    QFETCH(int, orientation);
    QFETCH(bool, mark);
    Fixture f(style, size.width(), size.height(), orientation);
    // The program's settings, as the program holds them and as hadtool reads them.
    Process.Settings.IsPrintSoftMess = mark;
    f.file.dir.writeFile(
        "config.ini", mark ? "[Misc]\r\nIsPrintSoftMess=1\r\n" : "[Misc]\r\nIsPrintSoftMess=0\r\n");
    const QString exported = f.path("exported.pdf");
    Prompt::setNextFileName(exported);
    QCOMPARE(ExportReportPdf(f.report()), exported);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().fileName, QStringLiteral("2004-008 广州市越秀区东山路1号.pdf"));

    const QString printed = f.path("hadtool.pdf");
    const ProcessResult result = runHadtool({ "pdf", f.file.path, "--index", "0", "-o", printed },
        { .environment = { "APPRAISAL_HOME=" + f.file.dir.path() } });
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));

    const QList<PdfPage> ours = readPdfPages(exported);
    const QList<PdfPage> theirs = readPdfPages(printed);
    QCOMPARE(ours.size(), 2);
    QCOMPARE(theirs.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(sameSizeMM(ours[i].sizeMM, QSizeF(size)));
        QVERIFY(sameSizeMM(theirs[i].sizeMM, QSizeF(size)));
        QCOMPARE(lines(ours[i].text), lines(theirs[i].text));
    }
    QVERIFY(ours[0].text.contains("张三"));
    QVERIFY(ours[1].text.contains("2004-008"));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(theirs[i].text.contains("【晨岭房屋安全鉴定管理系统】"), mark);
    for (const QString &pdf : { exported, printed }) {
        QCOMPARE(pdfInfo(pdf, "Title"), QString("2004-008 广州市越秀区东山路1号"));
        QCOMPARE(pdfInfo(pdf, "Creator"), QString("晨岭房屋安全鉴定管理系统 ") + AppVersion);
    }
}

// An export borrows the printer and the process's page state and gives them
// back: an open preview and the next print see nothing of it.
void TestReportPrinting::exportLeavesTheProgramsPrintingAlone()
{
    Fixture f("B5", 182, 257, 0);
    CurrentPrinter::install(PrinterDevice::pdf());
    PrinterDevice *printer = &CurrentPrinter::device();
    int signaturesAsked = 0;
    OutputProcess.ActiveSignatures = [&] {
        ++signaturesAsked;
        return std::optional<SignatureValues>(SignatureValues());
    };
    PreparePrintedPages(f.report());
    const QByteArray cover = f.file.dir.readFile("Temp/1.tmp");
    const TPageSettings settings = OutputProcess.CurrentPageSettings;
    const TPrinterPageGeometry geometry = OutputProcess.PrinterPageGeometry;
    const QSize sheet = printer->physicalPageSize();

    // Another report, on A4.
    DataSet otherReports(f.file.connection);
    otherReports.open(HadFile::SelectAllReports);
    otherReports.append();
    ResetPageSettingsToInitial();
    StorePageSettingsToRow(otherReports);
    otherReports.setString("FileNo", "9");
    otherReports.setString("Client", "另一位");
    otherReports.post();
    OutputProcess.CurrentPageSettings = settings;
    const ReportTexts otherTexts = ReportTexts::fromRow(otherReports);
    const QString exported = f.path("other.pdf");
    Prompt::setNextFileName(exported);
    ExportReportPdf({ &otherReports, otherTexts, SumBuildingArea(otherTexts), {} });

    QCOMPARE(&CurrentPrinter::device(), printer);
    QCOMPARE(printer->physicalPageSize(), sheet);
    QCOMPARE(OutputProcess.CurrentPageSettings, settings);
    QCOMPARE(OutputProcess.PrinterPageGeometry.PageWidth, geometry.PageWidth);
    QCOMPARE(OutputProcess.PrinterPageGeometry.PageHeight, geometry.PageHeight);
    QCOMPARE(OutputProcess.PageCount, 2);
    QCOMPARE(f.file.dir.readFile("Temp/1.tmp"), cover);
    QCOMPARE(signaturesAsked, 0); // the export drew the other report's own signatures
    OutputProcess.ActiveSignatures();
    QCOMPARE(signaturesAsked, 1);
    const QList<PdfPage> pages = readPdfPages(exported);
    QCOMPARE(pages.size(), 2);
    QVERIFY(sameSizeMM(pages[0].sizeMM, QSizeF(210, 297)));
    QVERIFY(pages[0].text.contains("另一位"));
}

void TestReportPrinting::exportFailure()
{
    Fixture f;
    CurrentPrinter::install(PrinterDevice::pdf());
    PrinterDevice *printer = &CurrentPrinter::device();
    const QString path = f.path("missing/report.pdf");
    Prompt::setNextFileName(path);
    try {
        ExportReportPdf(f.report());
        QFAIL("the export did not fail");
    } catch (const AppError &error) {
        const QString start = "导出PDF文件 " + QDir::toNativeSeparators(path) + " 错误!\n不能创建文件 ";
        QVERIFY2(error.message().startsWith(start), qPrintable(error.message()));
    }
    QVERIFY(!QFileInfo::exists(f.path("missing")));
    QCOMPARE(&CurrentPrinter::device(), printer);
}

void TestReportPrinting::exportCancelled()
{
    Fixture f;
    Prompt::setNextFileName(QString());
    QCOMPARE(ExportReportPdf(f.report()), QString());
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(otherFiles(f.file.dir.path()), QStringList());
}

QTEST_MAIN(TestReportPrinting)
#include "tst_reportprinting.moc"
