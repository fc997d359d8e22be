#include "base/prompt.h"
#include "output/coverpage.h"
#include "output/outputstate.h"
#include "output/reportdrawing.h"
#include "output/units.h"
#include "promptcheck.h"
#include "recordingcanvas.h"
#include "testenv.h"

#include <QtTest>

#include <limits>

// The cover page and the product mark, drawn on a recording canvas at 600
// dots per inch with the page settings of the report.
class TestCoverPage : public QObject
{
    Q_OBJECT

private slots:
    void initialSettingsGiveTheWorkedExample();
    void entriesFollowTheOffsets_data();
    void entriesFollowTheOffsets();
    void extremeOffsetsGiveExactPositions();
    void signatoriesFollowTheirFlags_data();
    void signatoriesFollowTheirFlags();
    void markEndsAtTheRightMarginLessTenAboveTheFooter_data();
    void markEndsAtTheRightMarginLessTenAboveTheFooter();
    void failures_data();
    void failures();
};

namespace {

using Op = RecordingCanvas::Op;
constexpr int Dpi = 600;

const QStringList Labels
    = { "委托单位/个人：", "房屋地址：", "鉴定人：", "审核人：", "负责人：", "鉴定单位：", "鉴定日期：" };
const CoverValues Values
    = { "张三", "解放路1号", "李鉴定", "王审核", "赵负责", "城安鉴定所", "2005年3月7日" };

// A position on the page in millimetres as canvas units, to nearest.
int nearestMM(double mm)
{
    return NearestUnit(Dpi * mm * InchesPerMM);
}

// The top of a text of the given height centred in a band, truncated.
int topInBand(double topMM, double bottomMM, int height)
{
    return int(std::trunc(
        Dpi * (topMM * InchesPerMM + ((bottomMM - topMM) * InchesPerMM - height / double(Dpi)) / 2)));
}

void drawCover(RecordingCanvas &canvas, const CoverValues &values = Values)
{
    const TPageSettings &s = OutputProcess.CurrentPageSettings;
    DrawCoverPage(canvas, false, Dpi, Dpi, s.PageWidth * InchesPerMM, s.LeftMargin * InchesPerMM,
        s.TopMargin * InchesPerMM, s.RightMargin * InchesPerMM, values);
}

RecordingCanvas::Text onlyText(const RecordingCanvas &canvas, const QString &text)
{
    const QList<RecordingCanvas::Text> found = canvas.textsEqualTo(text);
    if (found.size() != 1)
        qWarning() << text << "drawn" << found.size() << "times";
    return found.value(0);
}

} // namespace

void TestCoverPage::initialSettingsGiveTheWorkedExample()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    RecordingCanvas canvas(Dpi, Dpi);
    drawCover(canvas);
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(canvas.lines().isEmpty()); // no rules, no frame

    // The title, centred on 105 mm in the band 28 to 46 mm.
    const RecordingCanvas::Text title = onlyText(canvas, "房屋安全鉴定报告");
    QCOMPARE(title.face, QString("黑体"));
    QCOMPARE(title.points, 20);
    QVERIFY(!title.bold);
    const QSize titleSize = RecordingCanvas::measure(title.text, canvas.unitsOfPoints(20));
    QCOMPARE(title.at.x(),
        NearestUnit(Dpi * (15 * InchesPerMM + (180 * InchesPerMM - titleSize.width() / double(Dpi)) / 2)));
    QVERIFY(qAbs(title.at.x() + titleSize.width() / 2.0 - Dpi * 105 * InchesPerMM) <= 1);
    QCOMPARE(title.at.y(), topInBand(28, 46, titleSize.height()));

    // Rows at 86, 95, ... 140 mm, 9 mm tall; labels at 65 mm, values at 102 mm.
    QCOMPARE(canvas.texts().size(), 1 + 2 * 7);
    for (int k = 0; k < 7; ++k) {
        const double top = 86 + 9 * k;
        const RecordingCanvas::Text label = canvas.texts().at(1 + 2 * k);
        const RecordingCanvas::Text value = canvas.texts().at(2 + 2 * k);
        QCOMPARE(label.text, Labels.at(k));
        QCOMPARE(value.text, Values.at(k));
        for (const RecordingCanvas::Text &text : { label, value }) {
            QCOMPARE(text.face, QString("Times New Roman"));
            QCOMPARE(text.points, 15);
            QCOMPARE(text.at.y(), topInBand(top, top + 9, RecordingCanvas::measure(text.text, 125).height()));
        }
        QCOMPARE(label.at.x(), nearestMM(65));
        QCOMPARE(value.at.x(), nearestMM(102));
    }
}

void TestCoverPage::entriesFollowTheOffsets_data()
{
    QTest::addColumn<int>("rowSpace");
    QTest::addColumn<int>("downSpace");
    QTest::addColumn<int>("rightSpace");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<double>("titleTop");
    QTest::addColumn<double>("firstRow");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("labelLeft");
    QTest::newRow("row space 3") << 3 << 0 << 0 << 297 << 28.0 << 89.0 << 12.0 << 65.0;
    QTest::newRow("row space -9 stacks the rows") << -9 << 0 << 0 << 297 << 28.0 << 77.0 << 0.0 << 65.0;
    QTest::newRow("down 10 moves title and rows") << 0 << 10 << 0 << 297 << 38.0 << 96.0 << 9.0 << 65.0;
    QTest::newRow("right 7 moves entries, not the title")
        << 0 << 0 << 7 << 297 << 28.0 << 86.0 << 9.0 << 72.0;
    QTest::newRow("page height plays no part") << 0 << 0 << 0 << 200 << 28.0 << 86.0 << 9.0 << 65.0;
}

void TestCoverPage::entriesFollowTheOffsets()
{
    QFETCH(int, rowSpace);
    QFETCH(int, downSpace);
    QFETCH(int, rightSpace);
    QFETCH(int, pageHeight);
    QFETCH(double, titleTop);
    QFETCH(double, firstRow);
    QFETCH(double, pitch);
    QFETCH(double, labelLeft);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.CovRowSpace = rowSpace;
    OutputProcess.CurrentPageSettings.CovOffsetBottomSpace = downSpace;
    OutputProcess.CurrentPageSettings.CovOffsetRightSpace = rightSpace;
    OutputProcess.CurrentPageSettings.PageHeight = pageHeight;
    OutputProcess.CurrentPageSettings.BottomMargin = 80;
    RecordingCanvas canvas(Dpi, Dpi);
    drawCover(canvas);

    const RecordingCanvas::Text title = canvas.texts().first();
    const QSize titleSize = RecordingCanvas::measure(title.text, canvas.unitsOfPoints(20));
    QCOMPARE(title.at.y(), topInBand(titleTop, titleTop + 18, titleSize.height()));
    QVERIFY(qAbs(title.at.x() + titleSize.width() / 2.0 - Dpi * 105 * InchesPerMM) <= 1);
    for (int k = 0; k < 7; ++k) {
        const double top = firstRow + pitch * k;
        const RecordingCanvas::Text label = canvas.texts().at(1 + 2 * k);
        const RecordingCanvas::Text value = canvas.texts().at(2 + 2 * k);
        QCOMPARE(label.at, QPoint(nearestMM(labelLeft), topInBand(top, top + 9, 156)));
        QCOMPARE(value.at.x(), nearestMM(labelLeft + 37));
    }
}

// Offsets at the ends of the integer range are added without overflow: at
// one unit per inch every position fits the canvas and lies exactly where
// the lengths put it.
void TestCoverPage::extremeOffsetsGiveExactPositions()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.CovOffsetBottomSpace = std::numeric_limits<int>::max();
    OutputProcess.CurrentPageSettings.CovOffsetRightSpace = std::numeric_limits<int>::min();
    RecordingCanvas canvas(1, 1);
    const TPageSettings &s = OutputProcess.CurrentPageSettings;
    DrawCoverPage(canvas, false, 1, 1, s.PageWidth * InchesPerMM, s.LeftMargin * InchesPerMM,
        s.TopMargin * InchesPerMM, s.RightMargin * InchesPerMM, Values);

    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(canvas.texts().size(), 15);
    const double down = std::numeric_limits<int>::max();
    const double right = std::numeric_limits<int>::min();
    // The top of a text centred in a band, at one unit per inch.
    const auto inBand = [](const RecordingCanvas::Text &text, double topMM, double heightMM) {
        const int height = RecordingCanvas::measure(text.text, text.height).height();
        return int(std::trunc(topMM * InchesPerMM + (heightMM * InchesPerMM - height) / 2));
    };
    const RecordingCanvas::Text title = canvas.texts().first();
    QCOMPARE(title.at.y(), inBand(title, 18 + 10 + down, 18));
    const RecordingCanvas::Text label = canvas.texts().at(1);
    QCOMPARE(label.at,
        QPoint(NearestUnit((15 + 50 + right) * InchesPerMM), inBand(label, 18 + 28 + down + 40, 9)));
    QCOMPARE(canvas.texts().at(2).at.x(), NearestUnit((15 + 87 + right) * InchesPerMM));
}

void TestCoverPage::signatoriesFollowTheirFlags_data()
{
    QTest::addColumn<int>("appraisor");
    QTest::addColumn<int>("assessor");
    QTest::addColumn<int>("authorized");
    QTest::newRow("all on") << 1 << 1 << 1;
    QTest::newRow("all off") << 0 << 0 << 0;
    QTest::newRow("2 counts as off") << 2 << 1 << 2;
    QTest::newRow("only the person in charge") << 0 << 0 << 1;
}

void TestCoverPage::signatoriesFollowTheirFlags()
{
    QFETCH(int, appraisor);
    QFETCH(int, assessor);
    QFETCH(int, authorized);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.CovPrnSelAppraisor = appraisor;
    OutputProcess.CurrentPageSettings.CovPrnSelAssessor = assessor;
    OutputProcess.CurrentPageSettings.CovPrnSelAuthorizedMan = authorized;
    RecordingCanvas canvas(Dpi, Dpi);
    drawCover(canvas);
    const int flags[7] = { 1, 1, appraisor, assessor, authorized, 1, 1 };
    for (int k = 0; k < 7; ++k) {
        QCOMPARE(canvas.texts().at(1 + 2 * k).text, Labels.at(k)); // every label stands
        QCOMPARE(canvas.texts().at(2 + 2 * k).text, flags[k] == 1 ? Values.at(k) : QString());
    }
}

void TestCoverPage::markEndsAtTheRightMarginLessTenAboveTheFooter_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<int>("rightMargin");
    QTest::addColumn<int>("footerMargin");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("bottom");
    QTest::newRow("A4, initial margins") << 210 << 297 << 15 << 18 << 185.0 << 279.0;
    QTest::newRow("landscape A4") << 297 << 210 << 20 << 10 << 267.0 << 200.0;
}

void TestCoverPage::markEndsAtTheRightMarginLessTenAboveTheFooter()
{
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(int, rightMargin);
    QFETCH(int, footerMargin);
    QFETCH(double, right);
    QFETCH(double, bottom);
    TestAppDir dir;
    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageMark(canvas, false, Dpi, Dpi, pageWidth * InchesPerMM, pageHeight * InchesPerMM,
        rightMargin * InchesPerMM, footerMargin * InchesPerMM);
    QCOMPARE(canvas.texts().size(), 1);
    const RecordingCanvas::Text mark = canvas.texts().first();
    QCOMPARE(mark.text, QString("【晨岭房屋安全鉴定管理系统】"));
    QCOMPARE(mark.face, QString("Times New Roman"));
    QCOMPARE(mark.points, 12);
    const QSize size = RecordingCanvas::measure(mark.text, canvas.unitsOfPoints(12));
    QCOMPARE(mark.at.x(), NearestUnit(Dpi * ((right * InchesPerMM) - size.width() / double(Dpi))));
    QCOMPARE(mark.at.y(), int(std::trunc(Dpi * (bottom * InchesPerMM - size.height() / double(Dpi)))));
    QVERIFY(qAbs(mark.at.x() + size.width() - Dpi * right * InchesPerMM) <= 0.5);
}

void TestCoverPage::failures_data()
{
    QTest::addColumn<bool>("mark");
    QTest::addColumn<int>("failingOp");
    QTest::addColumn<int>("values");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("textsDrawn");
    QTest::newRow("cover canvas fails: stops") << false << int(Op::SetPenColor) << 7 << "打印封面错误!" << 0;
    QTest::newRow("cover values too few: stops at the value") << false << -1 << 3 << "打印封面错误!" << 7;
    QTest::newRow("a primitive fails: reports and goes on")
        << false << int(Op::TextOut) << 7 << "绘制文本错误!" << 14;
    QTest::newRow("mark canvas fails") << true << int(Op::SetPenColor) << 7 << "打印封面页脚错误!" << 0;
    QTest::newRow("mark primitive fails") << true << int(Op::SetFontName) << 7 << "设置字体错误!" << 1;
}

void TestCoverPage::failures()
{
    QFETCH(bool, mark);
    QFETCH(int, failingOp);
    QFETCH(int, values);
    QFETCH(QString, message);
    QFETCH(int, textsDrawn);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    RecordingCanvas canvas(Dpi, Dpi);
    if (failingOp >= 0)
        canvas.failNext(Op(failingOp));
    if (mark)
        DrawPageMark(canvas, false, Dpi, Dpi, 210 * InchesPerMM, 297 * InchesPerMM, 15 * InchesPerMM,
            18 * InchesPerMM);
    else
        drawCover(canvas, Values.mid(0, values));
    verifyOnlyMessage(message, PromptIcon::Warning);
    QCOMPARE(canvas.texts().size(), textsDrawn);
}

QTEST_MAIN(TestCoverPage)
#include "tst_coverpage.moc"
