#include "base/apperror.h"
#include "base/prompt.h"
#include "output/bodypage.h"
#include "output/outputstate.h"
#include "output/reportdrawing.h"
#include "output/units.h"
#include "promptcheck.h"
#include "recordingcanvas.h"
#include "testenv.h"

#include <QtTest>

#include <algorithm>
#include <limits>

// The body page: its ruled table, the texts in their cells, the four text
// sections with their line breaking, and the signature sections read at
// drawing time. Drawn on a recording canvas at 600 dots per inch.
class TestBodyPage : public QObject
{
    Q_OBJECT

private slots:
    void wrapReportText_data();
    void wrapReportText();
    void rulesOfTheWorkedExample();
    void gridCellsOfTheWorkedExample_data();
    void gridCellsOfTheWorkedExample();
    void textsOfTheWorkedExample_data();
    void textsOfTheWorkedExample();
    void sectionLines_data();
    void sectionLines();
    void overflowingSectionDrawsEveryLineOverTheNext();
    void bottomEdgeFollowsTheSectionHeights_data();
    void bottomEdgeFollowsTheSectionHeights();
    void signatoriesFollowTheirFlags_data();
    void signatoriesFollowTheirFlags();
    void signaturesAreReadWhenDrawn();
    void withoutSignaturesTheTableStopsAfterSectionSeven();
    void narrowClientColumnGivesANegativeLastCell();
    void extremeSettingsGiveExactPositions();
    void emptyAreaShowsTheUnitAlone();
    void headerTitleAndFileNumber();
    void headerFailureIsReported();
};

namespace {

constexpr int Dpi = 600;
constexpr int Thin = 3;
constexpr int Thick = 9;

// Lines are drawn at the next whole unit upwards.
int lineAt(double mm)
{
    return RoundUp(Dpi * mm * InchesPerMM);
}

BodyValues sampleValues()
{
    BodyValues values;
    for (int i = 0; i < BodyValueCount; ++i)
        values.append(QStringLiteral("值%1").arg(i));
    values[BodyValue::ApprCircs] = QString();
    values[BodyValue::ShatterReason0] = QString();
    values[BodyValue::ApprConclusion] = QString();
    values[BodyValue::DisposalAdvi] = QString();
    return values;
}

SignatureValues sampleSignatures()
{
    return { "检测员", "鉴定员", "城安鉴定所", "审核员", "审定员", QDate(2005, 3, 7) };
}

void installSignatures(const SignatureValues &values = sampleSignatures())
{
    OutputProcess.ActiveSignatures = [values] { return std::optional<SignatureValues>(values); };
}

void drawBody(RecordingCanvas &canvas, const BodyValues &values = sampleValues())
{
    const TPageSettings &s = OutputProcess.CurrentPageSettings;
    DrawBodyPage(
        canvas, false, Dpi, Dpi, s.LeftMargin * InchesPerMM, (s.TopMargin + 1) * InchesPerMM, values);
}

// Where DrawCellText puts a text in the inner box of the cell (a, top) to (b, top + 5).
QPoint cellTextAt(const RecordingCanvas::Text &text, double a, double b, double top, TCellAlign align)
{
    const QSize size = RecordingCanvas::measure(text.text, text.height, text.bold);
    const double left = (a + 1) * InchesPerMM;
    const double right = (b - 1) * InchesPerMM;
    const double boxTop = (top + 1) * InchesPerMM;
    const double boxBottom = (top + 4.5) * InchesPerMM;
    const double w = size.width() / double(Dpi);
    const double h = size.height() / double(Dpi);
    const double x = align == TCellAlign::Left ? left : left + ((right - left) - w) / 2;
    return QPoint(NearestUnit(Dpi * x), int(std::trunc(Dpi * (boxTop + ((boxBottom - boxTop) - h) / 2))));
}

struct Rule
{
    int at; // y of a horizontal, x of a vertical rule
    int width;
    bool operator==(const Rule &) const = default;
};

QList<Rule> fullWidthRules(const RecordingCanvas &canvas, double leftMM, double rightMM)
{
    QList<Rule> rules;
    for (const RecordingCanvas::Line &line : canvas.lines())
        if (line.from.y() == line.to.y() && line.from.x() == lineAt(leftMM) && line.to.x() == lineAt(rightMM))
            rules.append({ line.from.y(), line.width });
    return rules;
}

// The vertical rules drawn from top to bottom, in drawing order.
QList<Rule> verticalRules(const RecordingCanvas &canvas, double topMM, double bottomMM)
{
    QList<Rule> rules;
    for (const RecordingCanvas::Line &line : canvas.lines())
        if (line.from.x() == line.to.x() && line.from.y() == lineAt(topMM) && line.to.y() == lineAt(bottomMM))
            rules.append({ line.from.x(), line.width });
    return rules;
}

QList<Rule> rules(std::initializer_list<std::pair<double, int>> list)
{
    QList<Rule> result;
    for (const auto &[mm, width] : list)
        result.append({ lineAt(mm), width });
    return result;
}

char *toString(const Rule &rule)
{
    return QTest::toString(QStringLiteral("%1 (width %2)").arg(rule.at).arg(rule.width));
}

} // namespace

void TestBodyPage::wrapReportText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<QStringList>("lines");
    const QString chinese120 = QString(120, QChar(0x5b57));
    QTest::newRow("120 Chinese characters at 49")
        << chinese120 << 49
        << QStringList { chinese120.left(50), chinese120.mid(50, 50), chinese120.right(20) };
    QTest::newRow("narrow characters: 99 a line")
        << QString(100, u'a') << 49 << QStringList { QString(99, u'a'), QString(1, u'a') };
    QTest::newRow("one narrow and 49 Chinese fill a line")
        << "a" + QString(50, QChar(0x5b57)) << 49
        << QStringList { "a" + QString(49, QChar(0x5b57)), QString(1, QChar(0x5b57)) };
    QTest::newRow("CR LF breaks") << "甲\r\n乙\r\n丙" << 49 << QStringList { "甲", "乙", "丙" };
    QTest::newRow("a trailing line break adds no line") << "甲\r\n乙\r\n" << 49 << QStringList { "甲", "乙" };
    QTest::newRow("an empty line in between stays") << "甲\r\n\r\n乙" << 49 << QStringList { "甲", "", "乙" };
    QTest::newRow("lone CR and LF are characters") << "a\rb\nc" << 49 << QStringList { "a\rb\nc" };
    QTest::newRow("empty text") << "" << 49 << QStringList {};
    QTest::newRow("0 per line: a character a line") << "ab字" << 0 << QStringList { "a", "b", "字" };
    QTest::newRow("0 per line with a break") << "a\r\nb" << 0 << QStringList { "a", "", "b" };
}

void TestBodyPage::wrapReportText()
{
    QFETCH(QString, text);
    QFETCH(int, perLine);
    QFETCH(QStringList, lines);
    QStringList list { "before" };
    WrapReportText(text, perLine, list);
    QCOMPARE(list, QStringList { "before" } + lines);
}

void TestBodyPage::rulesOfTheWorkedExample()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    QVERIFY(Prompt::shown().isEmpty());

    // The rules across the whole table, x 15 to 193 mm, top to bottom.
    QCOMPARE(fullWidthRules(canvas, 15, 193),
        rules({ { 37, Thick }, { 42, Thin }, { 47, Thin }, { 52, Thin }, { 82, Thin }, { 87, Thin },
            { 87, Thin }, { 174, Thin }, { 174, Thin }, { 193, Thin }, { 193, Thin }, { 212, Thin },
            { 212, Thin }, { 231, Thin }, { 231, Thin }, { 236, Thin }, { 272, Thick } }));

    // The outer edges are thick, run from 37 to 272 mm and never beyond.
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (const RecordingCanvas::Line &line : canvas.lines()) {
        QCOMPARE(line.color, QColor(Qt::black));
        const bool vertical = line.from.x() == line.to.x();
        if (vertical && (line.from.x() == lineAt(15) || line.from.x() == lineAt(193))) {
            QCOMPARE(line.width, Thick);
            top = std::min(top, line.from.y());
            bottom = std::max(bottom, line.to.y());
        } else if (!vertical && line.from.y() != lineAt(37) && line.from.y() != lineAt(272)) {
            QCOMPARE(line.width, Thin);
        }
    }
    QCOMPARE(top, lineAt(37));
    QCOMPARE(bottom, lineAt(272));
}

void TestBodyPage::gridCellsOfTheWorkedExample_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<QList<double>>("edges"); // left and right of each cell
    QTest::newRow("client row: 18, 68, 11, 28, 18, 35 mm")
        << 42.0 << QList<double> { 15, 33, 33, 101, 101, 112, 112, 140, 140, 158, 158, 193 };
    for (int row = 0; row < 5; ++row)
        QTest::addRow("house row %d: 18, 68, 24, 68 mm", row + 1)
            << 52.0 + 5 * row << QList<double> { 15, 33, 33, 101, 101, 125, 125, 193 };
    QTest::newRow("remarks row: 18, 160 mm") << 77.0 << QList<double> { 15, 33, 33, 193 };
}

void TestBodyPage::gridCellsOfTheWorkedExample()
{
    QFETCH(double, top);
    QFETCH(QList<double>, edges);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    QList<Rule> expected;
    for (qsizetype i = 0; i < edges.size(); ++i)
        expected.append({ lineAt(edges.at(i)), i == 0 || i == edges.size() - 1 ? Thick : Thin });
    QCOMPARE(verticalRules(canvas, top, top + 5), expected);
    // Each cell has its own thin top and bottom rule.
    for (qsizetype i = 0; i < edges.size(); i += 2)
        for (double y : { top, top + 5 }) {
            const bool found
                = std::any_of(canvas.lines().cbegin(), canvas.lines().cend(), [&](const auto &line) {
                      return line.from == QPoint(lineAt(edges.at(i)), lineAt(y))
                          && line.to == QPoint(lineAt(edges.at(i + 1)), lineAt(y)) && line.width == Thin;
                  });
            QVERIFY2(found, qPrintable(QStringLiteral("rule of cell %1 at %2 mm").arg(i / 2).arg(y)));
        }
}

void TestBodyPage::textsOfTheWorkedExample_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left"); // the cell's edges and top, mm
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("face");
    QTest::addColumn<bool>("bold");
    const auto row = [](const QString &text, double a, double b, double top, TCellAlign align,
                         const char *face, bool bold = false) {
        QTest::newRow(qPrintable(text)) << text << a << b << top << int(align) << QString(face) << bold;
    };
    const auto L = TCellAlign::Left;
    const auto C = TCellAlign::Center;
    row("一、委托单位/个人情况", 15, 193, 37, L, "黑体", true);
    row("委 托 人", 15, 33, 42, C, "Times New Roman");
    row("值1", 33, 101, 42, L, "Times New Roman");
    row("电话", 101, 112, 42, C, "Times New Roman");
    row("值2", 112, 140, 42, C, "Times New Roman");
    row("委托日期", 140, 158, 42, C, "Times New Roman");
    row("值3", 158, 193, 42, C, "Times New Roman");
    row("二、房屋情况", 15, 193, 47, L, "黑体", true);
    row("房屋地址", 15, 33, 52, C, "Times New Roman");
    row("值4", 33, 101, 52, L, "Times New Roman");
    row("产  权  人", 101, 125, 52, C, "Times New Roman");
    row("值5", 125, 193, 52, L, "Times New Roman");
    row("房屋用途", 15, 33, 57, C, "Times New Roman");
    row("值6", 33, 101, 57, C, "Times New Roman");
    row("建造年份", 101, 125, 57, C, "Times New Roman");
    row("值7", 125, 193, 57, C, "Times New Roman");
    row("结构类型", 15, 33, 62, C, "Times New Roman");
    row("值8", 33, 101, 62, C, "Times New Roman");
    row("建筑面积", 101, 125, 62, C, "Times New Roman");
    row("值9㎡", 125, 193, 62, C, "Times New Roman");
    row("平面形式", 15, 33, 67, C, "Times New Roman");
    row("值10", 33, 101, 67, C, "Times New Roman");
    row("层      数", 101, 125, 67, C, "Times New Roman");
    row("值11", 125, 193, 67, C, "Times New Roman");
    row("产权性质", 15, 33, 72, C, "Times New Roman");
    row("值12", 33, 101, 72, C, "Times New Roman");
    row("产权证编号", 101, 125, 72, C, "Times New Roman");
    row("值13", 125, 193, 72, C, "Times New Roman");
    row("备    注", 15, 33, 77, C, "宋体");
    row("值14", 33, 193, 77, L, "宋体");
    row("三、房屋安全鉴定目的：值15", 15, 193, 82, L, "黑体", true);
    row("四、鉴定情况：", 15, 193, 87, L, "黑体", true);
    row("五、损坏原因分析：", 15, 193, 174, L, "黑体", true);
    row("六、鉴定结论：", 15, 193, 193, L, "黑体", true);
    row("七、处理建议：", 15, 193, 212, L, "黑体", true);
    row("八、检测鉴定人员：检测员", 15, 193, 231, L, "黑体", true);
    row("九、鉴定单位技术负责人签章：", 15, 193, 236, L, "黑体", true);
    row("鉴定人：鉴定员", 15, 193, 245, L, "Times New Roman");
    row("鉴定单位（公章）：城安鉴定所", 15 + 90, 193, 245, L, "Times New Roman");
    row("审核人：审核员", 15, 193, 254, L, "Times New Roman");
    row("鉴定日期：2005年3月7日", 15 + 90, 193, 254, L, "Times New Roman");
    row("审定人：审定员", 15, 193, 263, L, "Times New Roman");
}

void TestBodyPage::textsOfTheWorkedExample()
{
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, top);
    QFETCH(int, align);
    QFETCH(QString, face);
    QFETCH(bool, bold);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    const QList<RecordingCanvas::Text> found = canvas.textsEqualTo(text);
    QCOMPARE(found.size(), 1);
    const RecordingCanvas::Text drawn = found.first();
    QCOMPARE(drawn.face, face);
    QCOMPARE(drawn.bold, bold);
    QCOMPARE(drawn.points, 10);
    QVERIFY(!drawn.clipped);
    QCOMPARE(drawn.at, cellTextAt(drawn, left, right, top, TCellAlign(align)));
}

void TestBodyPage::sectionLines_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("top"); // of the section
    QTest::addColumn<bool>("measuredBold"); // the heading's font places the lines
    QTest::newRow("四") << int(BodyValue::ApprCircs) << 87.0 << true;
    QTest::newRow("五 places its lines with 宋体") << int(BodyValue::ShatterReason0) << 174.0 << false;
    QTest::newRow("六") << int(BodyValue::ApprConclusion) << 193.0 << true;
    QTest::newRow("七") << int(BodyValue::DisposalAdvi) << 212.0 << true;
}

void TestBodyPage::sectionLines()
{
    QFETCH(int, value);
    QFETCH(double, top);
    QFETCH(bool, measuredBold);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    BodyValues values = sampleValues();
    values[value] = "第一行\r\n第二行\r\n第三行";
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas, values);
    QVERIFY(Prompt::shown().isEmpty());

    const QStringList lines = { "第一行", "第二行", "第三行" };
    const int measured = RecordingCanvas::measure("第一行", 83, measuredBold).height();
    for (int i = 0; i < lines.size(); ++i) {
        const QList<RecordingCanvas::Text> found = canvas.textsEqualTo(lines.at(i));
        QCOMPARE(found.size(), 1);
        const RecordingCanvas::Text line = found.first();
        QVERIFY(line.clipped);
        QCOMPARE(line.face, QString("宋体"));
        QCOMPARE(line.height, 83);
        // Line box top + 5 + 4 (i - 1), its inner box 1 mm in and 0.5 mm up.
        const double boxTop = (top + 5 + 4 * i + 1) * InchesPerMM;
        const double boxBottom = (top + 5 + 4 * i + 3.5) * InchesPerMM;
        const double e = ((boxBottom - boxTop) - measured / double(Dpi)) / 2;
        const CanvasRect clip { NearestUnit(Dpi * 16 * InchesPerMM), int(std::trunc(Dpi * (boxTop + e) + 2)),
            NearestUnit(Dpi * 192 * InchesPerMM), int(std::trunc(Dpi * (boxBottom - e) + 2)) };
        QCOMPARE(line.clip, clip);
        QCOMPARE(line.at, QPoint(clip.left, clip.top));
    }
}

void TestBodyPage::overflowingSectionDrawsEveryLineOverTheNext()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    BodyValues values = sampleValues();
    QStringList lines;
    for (int i = 1; i <= 25; ++i)
        lines.append(QStringLiteral("行%1").arg(i));
    values[BodyValue::ApprCircs] = lines.join("\r\n");
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas, values);

    // 20 lines fit in 88 mm; the other 5 run on below 174 mm.
    const RecordingCanvas::Text last = canvas.textsEqualTo("行25").value(0);
    QVERIFY(last.clipped);
    QVERIFY(last.at.y() > Dpi * 174 * InchesPerMM);
    for (const QString &line : lines)
        QCOMPARE(canvas.textsEqualTo(line).size(), 1);
    // The following sections stay where they were.
    QCOMPARE(fullWidthRules(canvas, 15, 193).last(), (Rule { lineAt(272), Thick }));
    QCOMPARE(canvas.textsEqualTo("五、损坏原因分析：").size(), 1);
}

void TestBodyPage::bottomEdgeFollowsTheSectionHeights_data()
{
    QTest::addColumn<QList<int>>("heights");
    QTest::addColumn<QList<double>>("sectionTops"); // 四 to 七 and 八
    QTest::addColumn<double>("bottom");
    QTest::newRow("initial: meets the bottom margin of A4")
        << QList<int> { 88, 20, 20, 20 } << QList<double> { 87, 174, 193, 212, 231 } << 272.0;
    QTest::newRow("taller sections push it below")
        << QList<int> { 100, 30, 10, 6 } << QList<double> { 87, 186, 215, 224, 229 } << 270.0;
}

void TestBodyPage::bottomEdgeFollowsTheSectionHeights()
{
    QFETCH(QList<int>, heights);
    QFETCH(QList<double>, sectionTops);
    QFETCH(double, bottom);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.ApprCircsRowCount = heights.at(0);
    OutputProcess.CurrentPageSettings.ShatterReasonRowCount = heights.at(1);
    OutputProcess.CurrentPageSettings.ApprConclusionRowCount = heights.at(2);
    OutputProcess.CurrentPageSettings.DisposalAdviRowCount = heights.at(3);
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    const QStringList headings = { "四、鉴定情况：", "五、损坏原因分析：", "六、鉴定结论：", "七、处理建议：",
        "八、检测鉴定人员：检测员" };
    for (int i = 0; i < headings.size(); ++i) {
        const RecordingCanvas::Text heading = canvas.textsEqualTo(headings.at(i)).value(0);
        QCOMPARE(heading.at, cellTextAt(heading, 15, 193, sectionTops.at(i), TCellAlign::Left));
    }
    QCOMPARE(fullWidthRules(canvas, 15, 193).last(), (Rule { lineAt(bottom), Thick }));
}

void TestBodyPage::signatoriesFollowTheirFlags_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("on") << 1
                        << QStringList { "鉴定人：鉴定员", "鉴定单位（公章）：城安鉴定所", "审核人：审核员",
                               "鉴定日期：2005年3月7日", "审定人：审定员" };
    QTest::newRow("off: labels alone, unit and date kept")
        << 0
        << QStringList { "鉴定人：", "鉴定单位（公章）：城安鉴定所", "审核人：", "鉴定日期：2005年3月7日",
               "审定人：" };
    QTest::newRow("2 counts as off") << 2
                                     << QStringList { "鉴定人：", "鉴定单位（公章）：城安鉴定所", "审核人：",
                                            "鉴定日期：2005年3月7日", "审定人：" };
}

void TestBodyPage::signatoriesFollowTheirFlags()
{
    QFETCH(int, flag);
    QFETCH(QStringList, texts);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.CovPrnSelAppraisor = flag;
    OutputProcess.CurrentPageSettings.CovPrnSelAssessor = flag;
    OutputProcess.CurrentPageSettings.CovPrnSelAuthorizedMan = flag;
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    QCOMPARE(canvas.texts().mid(canvas.texts().size() - 5).size(), 5);
    QStringList last;
    for (const RecordingCanvas::Text &text : canvas.texts().mid(canvas.texts().size() - 5))
        last.append(text.text);
    QCOMPARE(last, texts);
}

void TestBodyPage::signaturesAreReadWhenDrawn()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    SignatureValues now = sampleSignatures();
    OutputProcess.ActiveSignatures = [&now] { return std::optional<SignatureValues>(now); };
    RecordingCanvas first(Dpi, Dpi);
    drawBody(first);
    now.Surveyor = "另一窗口";
    now.ApprDate = QDate(2010, 12, 31);
    RecordingCanvas second(Dpi, Dpi);
    drawBody(second);
    QCOMPARE(first.textsEqualTo("八、检测鉴定人员：检测员").size(), 1);
    QCOMPARE(second.textsEqualTo("八、检测鉴定人员：另一窗口").size(), 1);
    QCOMPARE(second.textsEqualTo("鉴定日期：2010年12月31日").size(), 1);
    // The page file's copies of the signature values are not drawn.
    for (const RecordingCanvas::Text &text : second.texts())
        for (int i = BodyValue::ApprUnit; i <= BodyValue::ApprDate; ++i)
            QVERIFY(!text.text.contains(QStringLiteral("值%1").arg(i)));
}

void TestBodyPage::withoutSignaturesTheTableStopsAfterSectionSeven()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    RecordingCanvas canvas(Dpi, Dpi);
    QVERIFY_THROWS_EXCEPTION(AppError, drawBody(canvas));
    QCOMPARE(canvas.textsEqualTo("七、处理建议：").size(), 1);
    QCOMPARE(canvas.textsEqualTo("九、鉴定单位技术负责人签章：").size(), 0);
    QCOMPARE(fullWidthRules(canvas, 15, 193).last(), (Rule { lineAt(231), Thin }));

    OutputProcess.ActiveSignatures = [] { return std::optional<SignatureValues>(); };
    RecordingCanvas again(Dpi, Dpi);
    QVERIFY_THROWS_EXCEPTION(AppError, drawBody(again));
    QCOMPARE(again.textsEqualTo("九、鉴定单位技术负责人签章：").size(), 0);
}

void TestBodyPage::narrowClientColumnGivesANegativeLastCell()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.ClientWidth = 20;
    OutputProcess.CurrentPageSettings.PhoneWidth = 28;
    installSignatures();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas);
    // Table width 42 + 2 x 20 = 82 mm; the last cell is 20 - 28 - 5 = -13 mm wide.
    QCOMPARE(verticalRules(canvas, 42, 47),
        rules({ { 15, Thick }, { 33, Thin }, { 33, Thin }, { 53, Thin }, { 53, Thin }, { 64, Thin },
            { 64, Thin }, { 92, Thin }, { 92, Thin }, { 110, Thin }, { 110, Thin }, { 97, Thick } }));
    QCOMPARE(fullWidthRules(canvas, 15, 97).first(), (Rule { lineAt(37), Thick }));
}

// Settings at the ends of the integer range are added without overflow: at
// one unit per inch every position fits the canvas and lies exactly where
// the lengths put it.
void TestBodyPage::extremeSettingsGiveExactPositions()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    OutputProcess.CurrentPageSettings.PhoneWidth = std::numeric_limits<int>::min();
    OutputProcess.CurrentPageSettings.ApprCircsRowCount = std::numeric_limits<int>::min();
    installSignatures();
    RecordingCanvas canvas(1, 1);
    const TPageSettings &s = OutputProcess.CurrentPageSettings;
    DrawBodyPage(
        canvas, false, 1, 1, s.LeftMargin * InchesPerMM, (s.TopMargin + 1) * InchesPerMM, sampleValues());

    QVERIFY(Prompt::shown().isEmpty());
    const auto at = [](double mm) { return RoundUp(mm * InchesPerMM); };
    const auto drawn = [&](double x, double top, double bottom) {
        return std::any_of(
            canvas.lines().cbegin(), canvas.lines().cend(), [&](const RecordingCanvas::Line &line) {
                return line.from == QPoint(at(x), at(top)) && line.to == QPoint(at(x), at(bottom));
            });
    };
    // The client row's cells still add up to the table's width: its last
    // cell, 68 + 2147483648 - 5 mm wide, ends at the right edge.
    QVERIFY(drawn(15 + 178, 42, 47));
    QVERIFY(drawn(15 + 18 + 68 + 11 - 2147483648.0, 42, 47));
    // Section 四 ends 2147483649 mm above its start at 87 mm.
    QVERIFY(drawn(15, 87, 87 - 2147483649.0));
}

void TestBodyPage::emptyAreaShowsTheUnitAlone()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    installSignatures();
    BodyValues values = sampleValues();
    values[BodyValue::BuildingArea] = QString();
    RecordingCanvas canvas(Dpi, Dpi);
    drawBody(canvas, values);
    const QList<RecordingCanvas::Text> unit = canvas.textsEqualTo("㎡");
    QCOMPARE(unit.size(), 1);
    QCOMPARE(unit.first().at, cellTextAt(unit.first(), 125, 193, 62, TCellAlign::Center));
}

void TestBodyPage::headerTitleAndFileNumber()
{
    TestAppDir dir;
    RecordingCanvas canvas(Dpi, Dpi);
    DrawBodyHeader(canvas, false, Dpi, Dpi, 210 * InchesPerMM, 15 * InchesPerMM, 18 * InchesPerMM,
        15 * InchesPerMM, sampleValues());
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(canvas.texts().size(), 2);

    // The title, centred between the margins in the band 18 to 26 mm.
    const RecordingCanvas::Text title = canvas.texts().first();
    QCOMPARE(title.text, QString("房屋安全鉴定报告"));
    QCOMPARE(title.face, QString("黑体"));
    QCOMPARE(title.points, 20);
    const QSize titleSize = RecordingCanvas::measure(title.text, title.height);
    QVERIFY(qAbs(title.at.x() + titleSize.width() / 2.0 - Dpi * 105 * InchesPerMM) <= 1);
    QCOMPARE(title.at.y(),
        int(std::trunc(Dpi * (18 * InchesPerMM + (8 * InchesPerMM - titleSize.height() / double(Dpi)) / 2))));

    // The number ends 15 mm left of the right margin line, its line ending at 36 mm.
    const RecordingCanvas::Text number = canvas.texts().last();
    QCOMPARE(number.text, QString("值0"));
    QCOMPARE(number.face, QString("宋体"));
    QCOMPARE(number.points, 10);
    const QSize numberSize = RecordingCanvas::measure(number.text, number.height);
    QCOMPARE(number.at.x(), NearestUnit(Dpi * (180 * InchesPerMM - numberSize.width() / double(Dpi))));
    const int lineHeight = RecordingCanvas::measure(title.text, number.height).height();
    QCOMPARE(number.at.y(), int(std::trunc(Dpi * (36 * InchesPerMM - lineHeight / double(Dpi)))));
}

void TestBodyPage::headerFailureIsReported()
{
    TestAppDir dir;
    RecordingCanvas canvas(Dpi, Dpi);
    canvas.failNext(RecordingCanvas::Op::SetPenColor);
    DrawBodyHeader(canvas, false, Dpi, Dpi, 210 * InchesPerMM, 15 * InchesPerMM, 18 * InchesPerMM,
        15 * InchesPerMM, sampleValues());
    verifyOnlyMessage("打印表格表头错误!", PromptIcon::Warning);
    QVERIFY(canvas.texts().isEmpty());
}

QTEST_MAIN(TestBodyPage)
#include "tst_bodypage.moc"
