#include "base/prompt.h"
#include "output/reportdrawing.h"
#include "output/units.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "promptcheck.h"
#include "recordingcanvas.h"
#include "testenv.h"

#include <QtTest>

// The drawing primitives: conversions from inches to canvas units, the font
// size correction of portrait printers, the clipped text's own font, and
// each primitive's own warning when the canvas fails.
class TestReportDrawing : public QObject
{
    Q_OBJECT

private slots:
    void linesTakeTheNextWholeUnit_data();
    void linesTakeTheNextWholeUnit();
    void roundUp_data();
    void roundUp();
    void cellTextPlacement_data();
    void cellTextPlacement();
    void clippedTextBox_data();
    void clippedTextBox();
    void clippedTextHasItsOwnTenPointFont_data();
    void clippedTextHasItsOwnTenPointFont();
    void fontSizeCorrection_data();
    void fontSizeCorrection();
    void fontIsSetFaceStyleColourSize();
    void penWidths();
    void failuresWarnAndDrawingGoesOn_data();
    void failuresWarnAndDrawingGoesOn();
    void emptyTextIsNoFailure();
};

namespace {

using Op = RecordingCanvas::Op;

// The PDF printer in the given orientation, as the current printer.
void useCurrentPrinter(qint16 orientation)
{
    CurrentPrinter::install(PrinterDevice::pdf());
    TDeviceMode mode = *CurrentPrinter::device().deviceMode();
    mode.dmFields = TDeviceMode::DM_ORIENTATION;
    mode.dmOrientation = orientation;
    CurrentPrinter::device().applyDeviceMode(mode);
}

// A printer that has no job settings to give.
class PrinterWithoutJobSettings : public PrinterDevice
{
public:
    PrinterWithoutJobSettings()
        : PrinterDevice(PdfPrinterName, true, QString())
    { }
    std::optional<TDeviceMode> deviceMode() const override { return std::nullopt; }
};

} // namespace

void TestReportDrawing::linesTakeTheNextWholeUnit_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("inches");
    QTest::addColumn<int>("units");
    QTest::newRow("127 mm at 96") << 96 << 127 * InchesPerMM << 480;
    QTest::newRow("127 mm at 600") << 600 << 127 * InchesPerMM << 3000;
    QTest::newRow("20 mm at 96") << 96 << 20 * InchesPerMM << 76;
    QTest::newRow("10.2 units") << 96 << 10.2 / 96 << 11;
    QTest::newRow("exactly 10 units") << 96 << 10.0 / 96 << 10;
    QTest::newRow("0") << 96 << 0.0 << 0;
    QTest::newRow("-2.5 units") << 96 << -2.5 / 96 << -1;
}

void TestReportDrawing::linesTakeTheNextWholeUnit()
{
    QFETCH(int, dpi);
    QFETCH(double, inches);
    QFETCH(int, units);
    TestAppDir dir;
    RecordingCanvas canvas(dpi, dpi);
    canvas.setPenWidth(7);
    // Horizontal values go with DpiX, vertical ones with DpiY.
    DrawReportLine(canvas, dpi, 2 * dpi, inches, 0.5, 1.0, inches);
    QCOMPARE(canvas.lines().size(), 1);
    const RecordingCanvas::Line line = canvas.lines().first();
    QCOMPARE(line.from, QPoint(units, dpi));
    QCOMPARE(line.to, QPoint(dpi, RoundUp(2 * dpi * inches)));
    QCOMPARE(line.width, 7); // the pen is left alone
    QVERIFY(Prompt::shown().isEmpty());
}

void TestReportDrawing::roundUp_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");
    QTest::newRow("3.0") << 3.0 << 3;
    QTest::newRow("3.0001") << 3.0001 << 4;
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("-3.0") << -3.0 << -3;
    QTest::newRow("-3.5") << -3.5 << -2;
}

void TestReportDrawing::roundUp()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(RoundUp(value), result);
}

void TestReportDrawing::cellTextPlacement_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<int>("align");
    QTest::addColumn<QPoint>("at");

    // At 96 dpi a 10-point font is 13 units: "AB" is 13 wide, 16 tall.
    const double ab96 = 16.0 / 96;
    QTest::newRow("20 mm: x to nearest, y truncated")
        << 96 << "AB" << 20 * InchesPerMM << 20 * InchesPerMM << 60 * InchesPerMM << 20 * InchesPerMM + ab96
        << 0 << QPoint(76, 75);
    // At 64 dpi a 10-point font is 9 units: "AB" is 9 wide, 11 tall.
    QTest::newRow("half a unit goes to even 0")
        << 64 << "AB" << 0.0078125 << 0.0 << 1.0 << 11.0 / 64 << 0 << QPoint(0, 0);
    QTest::newRow("a unit and a half goes to even 2")
        << 64 << "AB" << 0.0234375 << 0.0 << 1.0 << 11.0 / 64 << 0 << QPoint(2, 0);
    QTest::newRow("centred, half to even") << 96 << "AB" << 0.0 << 0.0 << 1.0 << 1.0 << 1 << QPoint(42, 40);
    QTest::newRow("centred and wider than the cell starts left of it")
        << 96 << "ABCDEFGHIJ" << 0.5 << 0.0 << 0.55 << 1.0 << 1 << QPoint(18, 40);
    QTest::newRow("left and longer than the cell starts at its left")
        << 96 << "ABCDEFGHIJ" << 0.5 << 0.0 << 0.55 << 1.0 << 0 << QPoint(48, 40);
    QTest::newRow("right") << 96 << "AB" << 0.0 << 0.0 << 1.0 << 1.0 << 2 << QPoint(83, 40);
    QTest::newRow("Chinese text centred") << 96 << "电话" << 0.0 << 0.0 << 1.0 << 1.0 << 1 << QPoint(35, 40);
}

void TestReportDrawing::cellTextPlacement()
{
    QFETCH(int, dpi);
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, right);
    QFETCH(double, bottom);
    QFETCH(int, align);
    QFETCH(QPoint, at);
    TestAppDir dir;
    RecordingCanvas canvas(dpi, dpi);
    SetReportFont(canvas, "Times New Roman", TFontStyle::Regular, 10, true, dpi, dpi);
    DrawCellText(canvas, text, dpi, dpi, { left, top, right, bottom }, TCellAlign(align));
    QCOMPARE(canvas.texts().size(), 1);
    const RecordingCanvas::Text drawn = canvas.texts().first();
    QCOMPARE(drawn.text, text);
    QCOMPARE(drawn.at, at);
    QVERIFY(!drawn.clipped);
    QCOMPARE(drawn.face, QString("Times New Roman"));
    QCOMPARE(drawn.points, 10);
}

void TestReportDrawing::clippedTextBox_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<CanvasRect>("box");
    // At 64 dpi a 9-point canvas font is 8 units: "AB" is 8 wide (1/8 inch)
    // and 10 tall; the cell runs from (0.25, 0.5) to (1.25, 1.0) inches.
    QTest::newRow("left: the whole cell") << 0 << CanvasRect { 16, 45, 80, 55 };
    QTest::newRow("centre: the text's width") << 1 << CanvasRect { 44, 45, 52, 55 };
    QTest::newRow("right: from the text's start") << 2 << CanvasRect { 72, 45, 80, 55 };
}

void TestReportDrawing::clippedTextBox()
{
    QFETCH(int, align);
    QFETCH(CanvasRect, box);
    TestAppDir dir;
    RecordingCanvas canvas(64, 64);
    SetReportFont(canvas, "黑体", TFontStyle::Regular, 9, true, 64, 64);
    DrawClippedCellText(canvas, "AB", 64, 64, { 0.25, 0.5, 1.25, 1.0 }, TCellAlign(align));
    QCOMPARE(canvas.texts().size(), 1);
    const RecordingCanvas::Text drawn = canvas.texts().first();
    QVERIFY(drawn.clipped);
    QCOMPARE(drawn.clip, box);
    QCOMPARE(drawn.at, QPoint(box.left, box.top)); // two units below where DrawCellText puts it
}

void TestReportDrawing::clippedTextHasItsOwnTenPointFont_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("height");
    QTest::newRow("96") << 96 << 13;
    QTest::newRow("600") << 600 << 83;
}

void TestReportDrawing::clippedTextHasItsOwnTenPointFont()
{
    QFETCH(int, dpi);
    QFETCH(int, height);
    TestAppDir dir;
    RecordingCanvas canvas(dpi, dpi);
    SetReportFont(canvas, "黑体", TFontStyle::Bold, 20, true, dpi, dpi);
    DrawClippedCellText(canvas, "鉴定情况", dpi, dpi, { 0, 0, 2, 0.5 }, TCellAlign::Left);
    QCOMPARE(ClippedFontHeight(dpi), height);
    QCOMPARE(canvas.createdFonts(), QList<LogicalFont>({ { "宋体", height, 1 } }));
    QCOMPARE(canvas.texts().first().face, QString("宋体"));
    QCOMPARE(canvas.texts().first().height, height);
    // The made font is gone and the canvas font is the one set before.
    QCOMPARE(canvas.liveFonts(), 0);
    QCOMPARE(canvas.selectedFont(), ReportCanvas::CanvasFont);
    DrawCellText(canvas, "后", dpi, dpi, { 0, 0, 1, 1 }, TCellAlign::Left);
    QCOMPARE(canvas.texts().last().face, QString("黑体"));
    QCOMPARE(canvas.texts().last().points, 20);
    QVERIFY(canvas.texts().last().bold);
}

void TestReportDrawing::fontSizeCorrection_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("points");
    const int portrait = TDeviceMode::DMORIENT_PORTRAIT;
    const int landscape = TDeviceMode::DMORIENT_LANDSCAPE;
    QTest::newRow("printer 600 x 1200 portrait") << false << 600 << 1200 << portrait << 9;
    QTest::newRow("printer 600 x 1200 landscape") << false << 600 << 1200 << landscape << 10;
    QTest::newRow("preview 600 x 1200 portrait") << true << 600 << 1200 << portrait << 10;
    QTest::newRow("printer 600 x 600 portrait") << false << 600 << 600 << portrait << 10;
    QTest::newRow("printer 1200 x 600 portrait") << false << 1200 << 600 << portrait << 10;
}

void TestReportDrawing::fontSizeCorrection()
{
    QFETCH(bool, preview);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    QFETCH(int, orientation);
    QFETCH(int, points);
    TestAppDir dir;
    useCurrentPrinter(qint16(orientation));
    RecordingCanvas canvas(dpiX, dpiY);
    SetReportFont(canvas, "宋体", TFontStyle::Regular, 10, preview, dpiX, dpiY);
    DrawCellText(canvas, "字", dpiX, dpiY, { 0, 0, 1, 1 }, TCellAlign::Left);
    QCOMPARE(canvas.texts().first().points, points);
    QVERIFY(Prompt::shown().isEmpty());
}

void TestReportDrawing::fontIsSetFaceStyleColourSize()
{
    TestAppDir dir;
    RecordingCanvas canvas(96, 96);
    canvas.setFontColor(Qt::red);
    SetReportFont(canvas, "黑体", TFontStyle::Bold, 20, true, 96, 96);
    QCOMPARE(canvas.operations().mid(1),
        QList<Op>({ Op::SetFontName, Op::SetFontBold, Op::SetFontColor, Op::SetFontSize }));
    DrawCellText(canvas, "题", 96, 96, { 0, 0, 1, 1 }, TCellAlign::Left);
    const RecordingCanvas::Text drawn = canvas.texts().first();
    QCOMPARE(drawn.face, QString("黑体"));
    QVERIFY(drawn.bold);
    QCOMPARE(drawn.color, QColor(Qt::black));
    QCOMPARE(drawn.points, 20);
}

void TestReportDrawing::penWidths()
{
    QCOMPARE(ThinPenWidth(true), 1);
    QCOMPARE(ThinPenWidth(false), 3);
    QCOMPARE(ThickPenWidth(true), 3);
    QCOMPARE(ThickPenWidth(false), 9);
}

enum class Primitive { SetFont, TextHeight, TextWidth, Line, CellText, ClippedText, PrinterFont };

void TestReportDrawing::failuresWarnAndDrawingGoesOn_data()
{
    QTest::addColumn<int>("primitive");
    QTest::addColumn<int>("failingOp"); // -1: none, the arguments fail
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, Primitive primitive, int op, int dpi, const char *message) {
        QTest::newRow(name) << int(primitive) << op << dpi << QString(message);
    };
    row("font", Primitive::SetFont, int(Op::SetFontSize), 96, "设置字体错误!");
    row("font on a printer without job settings", Primitive::PrinterFont, -1, 96, "设置字体错误!");
    row("text height", Primitive::TextHeight, int(Op::TextExtent), 96, "计算文本高度错误!");
    row("text height at 0 dpi", Primitive::TextHeight, -1, 0, "计算文本高度错误!");
    row("text width", Primitive::TextWidth, int(Op::TextExtent), 96, "计算文本宽度错误!");
    row("line", Primitive::Line, int(Op::LineTo), 96, "画线错误!");
    row("line beyond the canvas", Primitive::Line, -1, 1000000000, "画线错误!");
    row("cell text", Primitive::CellText, int(Op::TextOut), 96, "绘制文本错误!");
    row("cell text measure", Primitive::CellText, int(Op::TextExtent), 96, "绘制文本错误!");
    row("clipped text output", Primitive::ClippedText, int(Op::TextOutClipped), 96, "绘制文本错误!");
    row("clipped text font selection", Primitive::ClippedText, int(Op::SelectFont), 96, "绘制文本错误!");
    row("clipped text font creation", Primitive::ClippedText, int(Op::CreateFont), 96, "绘制文本错误!");
}

void TestReportDrawing::failuresWarnAndDrawingGoesOn()
{
    QFETCH(int, primitive);
    QFETCH(int, failingOp);
    QFETCH(int, dpi);
    QFETCH(QString, message);
    TestAppDir dir;
    RecordingCanvas canvas(96, 96);
    if (failingOp >= 0)
        canvas.failNext(Op(failingOp));
    double measured = -1;
    switch (Primitive(primitive)) {
    case Primitive::SetFont:
        SetReportFont(canvas, "宋体", TFontStyle::Regular, 10, true, dpi, dpi);
        break;
    case Primitive::PrinterFont:
        CurrentPrinter::install(std::make_unique<PrinterWithoutJobSettings>());
        SetReportFont(canvas, "宋体", TFontStyle::Regular, 10, false, dpi, 2 * dpi);
        break;
    case Primitive::TextHeight:
        measured = ReportTextHeight(canvas, "字", dpi);
        break;
    case Primitive::TextWidth:
        measured = ReportTextWidth(canvas, "字", dpi);
        break;
    case Primitive::Line:
        DrawReportLine(canvas, dpi, dpi, 0, 0, 100, 100);
        break;
    case Primitive::CellText:
        DrawCellText(canvas, "字", dpi, dpi, { 0, 0, 1, 1 }, TCellAlign::Left);
        break;
    case Primitive::ClippedText:
        DrawClippedCellText(canvas, "字", dpi, dpi, { 0, 0, 1, 1 }, TCellAlign::Left);
        break;
    }
    verifyOnlyMessage(message, PromptIcon::Warning);
    if (measured != -1)
        QCOMPARE(measured, 0.0);
    QVERIFY(canvas.texts().isEmpty());
    QVERIFY(canvas.lines().isEmpty());
    // Nothing made for the failed call stays behind.
    QCOMPARE(canvas.liveFonts(), 0);
    QCOMPARE(canvas.selectedFont(), ReportCanvas::CanvasFont);

    // The next item is drawn as usual.
    DrawClippedCellText(canvas, "下", 96, 96, { 0, 0, 1, 1 }, TCellAlign::Left);
    QCOMPARE(canvas.texts().size(), 1);
    QCOMPARE(Prompt::shown().size(), 1);
}

void TestReportDrawing::emptyTextIsNoFailure()
{
    TestAppDir dir;
    RecordingCanvas canvas(96, 96);
    QCOMPARE(ReportTextWidth(canvas, QString(), 96), 0.0);
    DrawCellText(canvas, QString(), 96, 96, { 0, 0, 1, 1 }, TCellAlign::Center);
    DrawClippedCellText(canvas, QString(), 96, 96, { 0, 0, 1, 1 }, TCellAlign::Center);
    QVERIFY(Prompt::shown().isEmpty());
    for (const RecordingCanvas::Text &text : canvas.texts())
        QVERIFY(text.text.isEmpty());
}

QTEST_MAIN(TestReportDrawing)
#include "tst_reportdrawing.moc"
