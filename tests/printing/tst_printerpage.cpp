#include "base/apperror.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "output/outputstate.h"
#include "output/units.h"
#include "printing/currentprinter.h"
#include "printing/printablearea.h"
#include "printing/printerpage.h"
#include "promptcheck.h"
#include "testdevice.h"
#include "testenv.h"

#include <QPainter>
#include <QPrinterInfo>
#include <QtTest>

namespace {

constexpr quint32 AllFields = TDeviceMode::DM_ORIENTATION | TDeviceMode::DM_PAPERSIZE
    | TDeviceMode::DM_PAPERWIDTH | TDeviceMode::DM_PAPERLENGTH;

// Sets the page settings that the set-up reads its sizes from.
void setPage(const QString &style, int width, int height, int orientation)
{
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.PageStyle = style;
    OutputProcess.CurrentPageSettings.PageWidth = width;
    OutputProcess.CurrentPageSettings.PageHeight = height;
    OutputProcess.CurrentPageSettings.PageOrientation = orientation;
}

// The printer's sheet in millimetres, as the page setup dialog learns it.
QSize sheetMM()
{
    const PrinterDpi dpi = GetPrinterDpi();
    int width = -1, height = -1;
    if (!GetPrinterPageSizeMM(dpi.dpiX, dpi.dpiY, width, height))
        return QSize();
    return QSize(width, height);
}

} // namespace

class TestPrinterPage : public QObject
{
    Q_OBJECT

private slots:
    void setsPaperAndOrientation_data();
    void setsPaperAndOrientation();
    void sizeArgumentsAreNotConsulted();
    void refusesPaperItCannotExpress_data();
    void refusesPaperItCannotExpress();
    void geometryIsCopiedEvenWhenSetupFails();
    void deviceRefusesUnknownPaperCode();
    void convertsSheetToWholeMillimetres_data();
    void convertsSheetToWholeMillimetres();
    void sheetSizeFailureKeepsOutputs_data();
    void sheetSizeFailureKeepsOutputs();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void reportsPrinterDpi();
    void choosesAndSelectsPrinters();
    void pdfPrinterPrintsWholeSheetIntoTempOfAppDir();
    void drawingOriginIsThePrintableAreasCorner_data();
    void drawingOriginIsThePrintableAreasCorner();
};

void TestPrinterPage::setsPaperAndOrientation_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<int>("dmOrientation");
    QTest::addColumn<QSize>("customTenths"); // paper width x length; empty for named papers
    QTest::addColumn<QSize>("sheet"); // read back in mm, as oriented

    QTest::newRow("A4 portrait") << "A4" << 210 << 297 << 0 << 9 << 1 << QSize() << QSize(210, 297);
    QTest::newRow("A4 landscape") << "A4" << 297 << 210 << 1 << 9 << 2 << QSize() << QSize(297, 210);
    QTest::newRow("A4, any non-zero is landscape")
        << "A4" << 297 << 210 << -3 << 9 << 2 << QSize() << QSize(297, 210);
    QTest::newRow("B5 is JIS B5, portrait")
        << "B5" << 182 << 257 << 0 << 13 << 1 << QSize() << QSize(182, 257);
    QTest::newRow("B5 landscape") << "B5" << 257 << 182 << 1 << 13 << 2 << QSize() << QSize(257, 182);
    QTest::newRow("named sizes come from the paper")
        << "A4" << 100 << 100 << 0 << 9 << 1 << QSize() << QSize(210, 297);
    QTest::newRow("custom portrait") << "自定义纸张" << 150 << 200 << 0 << 256 << 1 << QSize(1500, 2000)
                                     << QSize(150, 200);
    QTest::newRow("custom landscape is given upright")
        << "自定义纸张" << 300 << 200 << 1 << 256 << 2 << QSize(2000, 3000) << QSize(300, 200);
    QTest::newRow("lower-case a4 is custom")
        << "a4" << 200 << 280 << 0 << 256 << 1 << QSize(2000, 2800) << QSize(200, 280);
    QTest::newRow("padded B5 is custom")
        << "B5 " << 190 << 260 << 0 << 256 << 1 << QSize(1900, 2600) << QSize(190, 260);
    QTest::newRow("empty style is custom")
        << "" << 120 << 180 << 0 << 256 << 1 << QSize(1200, 1800) << QSize(120, 180);
    QTest::newRow("smallest custom sheet")
        << "自定义纸张" << 1 << 1 << 1 << 256 << 2 << QSize(10, 10) << QSize(1, 1);
    QTest::newRow("largest custom sheet")
        << "自定义纸张" << 3276 << 1000 << 0 << 256 << 1 << QSize(32760, 10000) << QSize(3276, 1000);
}

void TestPrinterPage::setsPaperAndOrientation()
{
    QFETCH(QString, style);
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(int, orientation);
    QFETCH(int, paperCode);
    QFETCH(int, dmOrientation);
    QFETCH(QSize, customTenths);
    QFETCH(QSize, sheet);

    TestAppDir dir;
    TestDevice &device = installTestDevice();
    device.printer().setPageSize(QPageSize(QPageSize::Letter));
    setPage(style, pageWidth, pageHeight, orientation);

    QVERIFY(SetupPrinterPage(style, pageWidth, pageHeight, orientation));

    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(device.applied.size(), 1);
    const TDeviceMode &mode = device.applied.first();
    QCOMPARE(mode.dmFields & AllFields, AllFields);
    QCOMPARE(int(mode.dmPaperSize), paperCode);
    QCOMPARE(int(mode.dmOrientation), dmOrientation);
    if (!customTenths.isEmpty())
        QCOMPARE(QSize(mode.dmPaperWidth, mode.dmPaperLength), customTenths);
    QCOMPARE(sheetMM(), sheet);
    QCOMPARE(device.deviceMode()->dmOrientation, mode.dmOrientation);
}

void TestPrinterPage::sizeArgumentsAreNotConsulted()
{
    TestAppDir dir;
    installTestDevice();
    setPage("自定义纸张", 150, 200, 0);

    QVERIFY(SetupPrinterPage("自定义纸张", 999, 888, 0));
    QCOMPARE(sheetMM(), QSize(150, 200));
}

void TestPrinterPage::refusesPaperItCannotExpress_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("hasDeviceMode");
    QTest::addColumn<int>("reloads");

    QTest::newRow("no job settings") << 150 << 200 << 0 << false << 1;
    QTest::newRow("wider than 16 bits hold") << 3277 << 200 << 0 << true << 0;
    QTest::newRow("longer than 16 bits hold, landscape") << 200 << 3277 << 1 << true << 0;
    QTest::newRow("far too long") << 200 << 2000000000 << 0 << true << 0;
    QTest::newRow("NULL page columns") << 0 << 0 << 0 << true << 0;
    QTest::newRow("zero height") << 210 << 0 << 0 << true << 0;
    QTest::newRow("negative width") << -210 << 297 << 1 << true << 0;
}

void TestPrinterPage::refusesPaperItCannotExpress()
{
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(int, orientation);
    QFETCH(bool, hasDeviceMode);
    QFETCH(int, reloads);

    TestAppDir dir;
    TestDevice &device = installTestDevice();
    device.printer().setPageSize(QPageSize(QPageSize::B5));
    device.printer().setPageOrientation(QPageLayout::Landscape);
    const QPageLayout before = device.printer().pageLayout();
    device.hasDeviceMode = hasDeviceMode;
    setPage("自定义纸张", pageWidth, pageHeight, orientation);

    QVERIFY(!SetupPrinterPage("自定义纸张", pageWidth, pageHeight, orientation));

    verifyOnlyMessage("初始化打印机错误!", PromptIcon::Warning);
    QVERIFY(device.applied.isEmpty());
    QCOMPARE(device.reloads, reloads);
    if (reloads == 0)
        QVERIFY(device.printer().pageLayout().isEquivalentTo(before));
}

void TestPrinterPage::geometryIsCopiedEvenWhenSetupFails()
{
    TestAppDir dir;
    installTestDevice().hasDeviceMode = false;
    TPageSettings &page = OutputProcess.CurrentPageSettings;
    page = TPageSettings();
    page.PageWidth = 201;
    page.PageHeight = 302;
    page.LeftMargin = 11;
    page.TopMargin = 12;
    page.RightMargin = 13;
    page.BottomMargin = 14;
    page.FooterMargin = 99;

    QVERIFY(!SetupPrinterPage("A4", 0, 0, 0));

    const TPrinterPageGeometry expected { 201, 302, 11, 12, 13, 14 };
    QCOMPARE(OutputProcess.PrinterPageGeometry, expected);
}

void TestPrinterPage::deviceRefusesUnknownPaperCode()
{
    TestAppDir dir;
    PrinterDevice &device = CurrentPrinter::device();
    device.printer().setPageSize(QPageSize(QPageSize::A4));
    const QPageLayout before = device.printer().pageLayout();
    TDeviceMode mode = *device.deviceMode();
    mode.dmPaperSize = 1; // a paper code the printer layer does not know
    mode.dmOrientation = TDeviceMode::DMORIENT_LANDSCAPE;

    QVERIFY_THROWS_EXCEPTION(AppError, device.applyDeviceMode(mode));
    QVERIFY(device.printer().pageLayout().isEquivalentTo(before));
}

void TestPrinterPage::convertsSheetToWholeMillimetres_data()
{
    QTest::addColumn<int>("dots");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("mm");

    // 254 dots per inch make ten dots a millimetre, so these are exact halves.
    QTest::newRow("0.5 -> 0") << 5 << 254 << 0;
    QTest::newRow("1.5 -> 2") << 15 << 254 << 2;
    QTest::newRow("2.5 -> 2") << 25 << 254 << 2;
    QTest::newRow("210.5 -> 210") << 2105 << 254 << 210;
    QTest::newRow("211.5 -> 212") << 2115 << 254 << 212;
    QTest::newRow("296.5 -> 296") << 2965 << 254 << 296;
    QTest::newRow("297.5 -> 298") << 2975 << 254 << 298;
    QTest::newRow("just below a half") << 75 << 254 << 7;
    QTest::newRow("A4 width at 600 dpi") << 4961 << 600 << 210;
    QTest::newRow("A4 height at 600 dpi") << 7016 << 600 << 297;
    QTest::newRow("B5 width at 600 dpi") << 4299 << 600 << 182;
}

void TestPrinterPage::convertsSheetToWholeMillimetres()
{
    QFETCH(int, dots);
    QFETCH(int, dpi);
    QFETCH(int, mm);

    TestAppDir dir;
    installTestDevice().sheetDots = QSize(dots, 2 * dots);
    int width = -1, height = -1;
    QVERIFY(GetPrinterPageSizeMM(dpi, 2 * dpi, width, height));
    QCOMPARE(width, mm);
    QCOMPARE(height, mm);
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPrinterPage::sheetSizeFailureKeepsOutputs_data()
{
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<bool>("sheetUnreadable");

    QTest::newRow("sheet unreadable") << 600 << 600 << true;
    QTest::newRow("zero horizontal dpi") << 0 << 600 << false;
    QTest::newRow("negative vertical dpi") << 600 << -600 << false;
    QTest::newRow("beyond whole numbers") << 1 << 1 << false;
}

void TestPrinterPage::sheetSizeFailureKeepsOutputs()
{
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(bool, sheetUnreadable);

    TestAppDir dir;
    TestDevice &device = installTestDevice();
    device.sheetUnreadable = sheetUnreadable;
    device.sheetDots = QSize(4961, 2000000000);
    int width = -7, height = 13;

    QVERIFY(!GetPrinterPageSizeMM(dpiX, dpiY, width, height));

    verifyOnlyMessage("设置打印尺寸错误!", PromptIcon::Warning);
    QCOMPARE(width, -7);
    QCOMPARE(height, 13);
}

void TestPrinterPage::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("largest below a half") << 0.49999999999999994 << 0.0;
    QTest::newRow("209.50000000000003") << 209.50000000000003 << 210.0;
    QTest::newRow("-2.6") << -2.6 << -3.0;
    QTest::newRow("whole") << 297.0 << 297.0;
}

void TestPrinterPage::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestPrinterPage::reportsPrinterDpi()
{
    TestAppDir dir;
    CurrentPrinter::select(PdfPrinterName);
    const PrinterDpi pdf = GetPrinterDpi();
    QCOMPARE(pdf.dpiX, 600);
    QCOMPARE(pdf.dpiY, 600);

    installTestDevice().dpi = QSize(600, 1200);
    const PrinterDpi uneven = GetPrinterDpi();
    QCOMPARE(uneven.dpiX, 600);
    QCOMPARE(uneven.dpiY, 1200);
}

void TestPrinterPage::choosesAndSelectsPrinters()
{
    TestAppDir dir;
    const QStringList names = CurrentPrinter::availablePrinterNames();
    QCOMPARE(names.last(), PdfPrinterName);
    QCOMPARE(names.count(PdfPrinterName), 1);

    const QString systemDefault = QPrinterInfo::defaultPrinterName();
    QCOMPARE(CurrentPrinter::device().name(), systemDefault.isEmpty() ? PdfPrinterName : systemDefault);

    CurrentPrinter::select(PdfPrinterName);
    PrinterDevice *chosen = &CurrentPrinter::device();
    QCOMPARE(chosen->name(), PdfPrinterName);
    QVERIFY_THROWS_EXCEPTION(AppError, CurrentPrinter::select("没有这台打印机"));
    QCOMPARE(&CurrentPrinter::device(), chosen);
}

void TestPrinterPage::pdfPrinterPrintsWholeSheetIntoTempOfAppDir()
{
    for (int round = 0; round < 2; ++round) { // the default file follows AppDir
        TestAppDir dir;
        ProgramFolders::ensure(dir.path());
        CurrentPrinter::select(PdfPrinterName);
        setPage("B5", 182, 257, 0);
        QVERIFY(SetupPrinterPage("B5", 0, 0, 0));
        QPrinter &printer = CurrentPrinter::device().printer();
        QCOMPARE(printer.pageRect(QPrinter::DevicePixel), printer.paperRect(QPrinter::DevicePixel));
        {
            QPainter painter;
            QVERIFY(painter.begin(&printer));
            painter.drawText(100, 100, "房屋安全鉴定报告");
        }
        QVERIFY(dir.readFile("Temp/print.pdf").startsWith("%PDF"));
    }
}

void TestPrinterPage::drawingOriginIsThePrintableAreasCorner_data()
{
    QTest::addColumn<QMarginsF>("unprintable"); // mm, as the driver reports them
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QPointF>("origin"); // mm from the sheet's top-left corner
    QTest::newRow("the whole sheet (a PDF file, cups-pdf)") << QMarginsF() << 0 << QPointF(0, 0);
    QTest::newRow("a laser printer's edges") << QMarginsF(4.23, 4.23, 4.23, 4.23) << 0 << QPointF(4.23, 4.23);
    QTest::newRow("uneven edges") << QMarginsF(3, 5, 4, 12) << 0 << QPointF(3, 5);
    QTest::newRow("uneven edges, landscape") << QMarginsF(3, 5, 4, 12) << 1 << QPointF(3, 5);
}

// Qt starts a printer with margins of 10 points whatever its driver says:
// drawn from there, a cups-pdf page came out 3.53 mm right and down. The
// origin is the corner of the printable area the driver reports.
void TestPrinterPage::drawingOriginIsThePrintableAreasCorner()
{
    QFETCH(QMarginsF, unprintable);
    QFETCH(int, orientation);
    QFETCH(QPointF, origin);
    constexpr double PointsPerMM = 72 / 25.4;
    const QPageLayout started(QPageSize(QPageSize::A4),
        orientation ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
        QPageLayout::Point, unprintable * PointsPerMM);
    const QPageLayout aligned = PrintableArea::layout(started);
    const QPointF at = PrintableArea::originMM(aligned);
    QVERIFY2(qAbs(at.x() - origin.x()) < 0.01 && qAbs(at.y() - origin.y()) < 0.01,
        qPrintable(QString("%1, %2 mm").arg(at.x()).arg(at.y())));
    QCOMPARE(aligned.pageSize(), started.pageSize());
    QCOMPARE(aligned.orientation(), started.orientation());

    // The PDF printer draws from the sheet's corner on any paper.
    TestAppDir dir;
    CurrentPrinter::select(PdfPrinterName);
    setPage("B5", 257, 182, orientation);
    QVERIFY(SetupPrinterPage("B5", 0, 0, orientation));
    QCOMPARE(CurrentPrinter::device().printer().pageRect(QPrinter::DevicePixel).topLeft(), QPointF(0, 0));
}

QTEST_MAIN(TestPrinterPage)
#include "tst_printerpage.moc"
