#include "base/apperror.h"
#include "grade/dangergrade.h"
#include "grademodel.h"

#include <QtTest>

#include <optional>
#include <random>

// The danger grade evaluation: counting the component rows, the percentages
// with their rounding, the membership degrees, the grade and the result lines.
class TestDangerGrade : public QObject
{
    Q_OBJECT

private slots:
    void evaluation_data();
    void evaluation();
    void invalidCountStopsTheEvaluation_data();
    void invalidCountStopsTheEvaluation();
    void countCells_data();
    void countCells();
    void classOfComponent_data();
    void classOfComponent();
    void countsSumEachClass();
    void roundingAtHalves_data();
    void roundingAtHalves();
    void percentagesAvoidBinaryDrift_data();
    void percentagesAvoidBinaryDrift();
    void membershipDegrees_data();
    void membershipDegrees();
    void chooseGrade_data();
    void chooseGrade();
    void resultMessage();
    void randomTablesMatchAnExactFractionModel();
};

namespace {

using Rows = QList<ComponentRow>;

// The seven lines from the three part lines, the overall line and the grade.
QStringList lines(const QString &foundation, const QString &loadBearing, const QString &enclosure,
    const QString &overall, const QString &grade)
{
    return { "地基基础中,危险构件的百分数＝" + foundation, "承重结构中,危险构件的百分数＝" + loadBearing,
        "围护结构中,危险构件的百分数＝" + enclosure, "", "整体隶属度为： " + overall, "",
        "综上所述,该房屋的危险性等级为" + grade };
}

// The evaluation of a table; an invalid count fails the test instead of ending it.
std::optional<TDangerGradeResult> evaluated(const Rows &rows)
{
    try {
        return EvaluateDangerGrade(CountDangerComponents(rows));
    } catch (const AppError &e) {
        qWarning("%s", qPrintable(e.message()));
        return std::nullopt;
    }
}

const QString NothingDangerous = QStringLiteral("0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00");
const QString NoDegrees = QStringLiteral("μa＝0.00, μb＝0.00, μc＝0.00, μd＝0.00");

TwoDecimals hundredths(qint64 h)
{
    return TwoDecimals::fromHundredths(h);
}

} // namespace

void TestDangerGrade::evaluation_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("grade");

    QTest::newRow("worked example")
        << Rows { row("地基基础", "基础", "10", "0"), row("承重结构", "柱", "20", "2"),
               row("承重结构", "墙段", "30", "3"), row("承重结构", "主梁", "10", "1"),
               row("承重结构", "板", "40", "0"), row("围护结构", "围护构件", "50", "10") }
        << QStringList { "地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00",
               "承重结构中,危险构件的百分数＝8%; μa＝0.00, μb＝0.88, μc＝0.12, μd＝0.00",
               "围护结构中,危险构件的百分数＝20%; μa＝0.00, μb＝0.40, μc＝0.60, μd＝0.00", "",
               "整体隶属度为： μA＝0.30, μB＝0.60, μC＝0.12, μD＝0.00", "",
               "综上所述,该房屋的危险性等级为B级" }
        << "B级";

    const QStringList nothing = lines(NothingDangerous, NothingDangerous, NothingDangerous,
        "μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.00", "A级");
    QTest::newRow("empty table") << Rows {} << nothing << "A级";
    // Names and parts are whole texts: a blank makes a row uncounted, and the
    // count cells of uncounted rows are never read.
    QTest::newRow("only uncounted rows") << Rows { row("承重结构", "楼梯", "x", "y"),
        row("其他", "墙段", "", ""), row("", "", "", ""), row("承重结构 ", "墙段", "1", "1"),
        row("承重结构", "柱 ", "a", "b"), row("承重结构", "Zhu", "1", "1") }
                                         << nothing << "A级";
    QTest::newRow("no totals: a class below 1, a weighted sum not above 0")
        << Rows { row("地基基础", "基础", "0", "5"), row("围护结构", "墙段", "-4", "-4"),
               row("承重结构", "柱", "-1", "3"), row("承重结构", "板", "1", "0") }
        << nothing << "A级";

    const QStringList foundationDangerous = lines("100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00",
        NothingDangerous, NothingDangerous, "μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.30", "D");
    QTest::newRow("foundation entirely dangerous: D although μA is largest")
        << Rows { row("地基基础", "基础", "2", "2") } << foundationDangerous << "D";
    QTest::newRow("199 of 200 rounds to entirely dangerous")
        << Rows { row("地基基础", "地基", "200", "199") } << foundationDangerous << "D";
    QTest::newRow("load-bearing structure entirely dangerous")
        << Rows { row("地基基础", "基础", "6", "0"), row("承重结构", "次梁", "12", "12") }
        << lines(NothingDangerous, "100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00", NothingDangerous,
               "μA＝0.30, μB＝0.00, μC＝0.00, μD＝0.60", "D")
        << "D";
    QTest::newRow("entirely dangerous enclosure is no special D")
        << Rows { row("围护结构", "围护构件", "4", "4") }
        << lines(NothingDangerous, NothingDangerous, "100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00",
               "μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.10", "A级")
        << "A级";
    QTest::newRow("μD largest without an entirely dangerous part")
        << Rows { row("地基基础", "基础", "10", "3"), row("承重结构", "墙段", "20", "16"),
               row("承重结构", "屋架", "4", "3"), row("承重结构", "次梁", "36", "28"),
               row("围护结构", "墙段", "8", "6") }
        << lines("30%; μa＝0.00, μb＝0.00, μc＝1.00, μd＝0.00", "79%; μa＝0.00, μb＝0.00, μc＝0.30, μd＝0.70",
               "75%; μa＝0.00, μb＝0.00, μc＝0.36, μd＝0.64", "μA＝0.00, μB＝0.00, μC＝0.30, μD＝0.60", "D级")
        << "D级";
    QTest::newRow("57 of 200 rounds its half up")
        << Rows { row("地基基础", "基础", "200", "57") }
        << lines("29%; μa＝0.00, μb＝0.04, μc＝0.96, μd＝0.00", NothingDangerous, NothingDangerous,
               "μA＝0.60, μB＝0.04, μC＝0.30, μD＝0.00", "A级")
        << "A级";
    QTest::newRow("tie of C and D goes to C")
        << Rows { row("承重结构", "柱", "20", "13") }
        << lines(NothingDangerous, "65%; μa＝0.00, μb＝0.00, μc＝0.50, μd＝0.50", NothingDangerous,
               "μA＝0.30, μB＝0.00, μC＝0.50, μD＝0.50", "C级")
        << "C级";
    // Trusses weigh 1.9 in any part (2.4 would give 35%, 1.4 29%); walls
    // count by their part.
    QTest::newRow("trusses in any part, walls by part")
        << Rows { row("承重结构", "屋架", "10", "5"), row("围护结构", "屋架", "10", "5"),
               row("承重结构", "板", "20", "0"), row("围护结构", "墙段", "10", "5"),
               row("地基基础", "墙段", "10", "1") }
        << lines("10%; μa＝0.00, μb＝0.80, μc＝0.20, μd＝0.00", "33%; μa＝0.00, μb＝0.00, μc＝0.96, μd＝0.04",
               "50%; μa＝0.00, μb＝0.00, μc＝0.71, μd＝0.29", "μA＝0.00, μB＝0.30, μC＝0.60, μD＝0.10", "C级")
        << "C级";
    QTest::newRow("members under the foundation count there")
        << Rows { row("地基基础", "柱", "4", "1"), row("地基基础", "主梁", "4", "0"),
               row("地基基础", "次梁", "4", "0"), row("地基基础", "板", "8", "0") }
        << lines("5%; μa＝0.00, μb＝1.00, μc＝0.00, μd＝0.00", NothingDangerous, NothingDangerous,
               "μA＝0.60, μB＝0.30, μC＝0.00, μD＝0.00", "A级")
        << "A级";
    QTest::newRow("signs and leading zeros, rows of a class summed")
        << Rows { row("承重结构", "柱", "+010", "0003"), row("承重结构", "柱", "10", "-1") }
        << lines(NothingDangerous, "10%; μa＝0.00, μb＝0.80, μc＝0.20, μd＝0.00", NothingDangerous,
               "μA＝0.30, μB＝0.60, μC＝0.20, μD＝0.00", "B级")
        << "B级";
    QTest::newRow("dangerous above total") << Rows { row("地基基础", "基础", "3", "5") }
                                           << lines("167%; " + NoDegrees, NothingDangerous, NothingDangerous,
                                                  "μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.00", "A级")
                                           << "A级";
    QTest::newRow("negative dangerous count")
        << Rows { row("围护结构", "围护构件", "10", "-1") }
        << lines(NothingDangerous, NothingDangerous, "-10%; " + NoDegrees,
               "μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.00", "A级")
        << "A级";
    QTest::newRow("counts at the ends of the 32-bit range")
        << Rows { row("地基基础", "基础", "2147483647", "-2147483648"),
               row("承重结构", "板", "2147483647", "2147483647"), row("承重结构", "板", "2147483647", "0") }
        << lines("-100%; " + NoDegrees, "50%; μa＝0.00, μb＝0.00, μc＝0.71, μd＝0.29", NothingDangerous,
               "μA＝0.10, μB＝0.00, μC＝0.60, μD＝0.29", "C级")
        << "C级";
}

void TestDangerGrade::evaluation()
{
    QFETCH(Rows, rows);
    QFETCH(QStringList, expected);
    QFETCH(QString, grade);
    const std::optional<TDangerGradeResult> result = evaluated(rows);
    QVERIFY(result);
    QCOMPARE(result->lines, expected);
    QCOMPARE(result->grade, grade);
}

void TestDangerGrade::invalidCountStopsTheEvaluation_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty dangerous cell")
        << Rows { row("承重结构", "柱", "10", "") } << "第 1 行 危险构件数: '' is not a valid integer value";
    QTest::newRow("empty total cell")
        << Rows { row("围护结构", "墙段", "", "0") } << "第 1 行 构件总数: '' is not a valid integer value";
    QTest::newRow("dangerous is read first") << Rows { row("地基基础", "地基", "x", "y") }
                                             << "第 1 行 危险构件数: 'y' is not a valid integer value";
    QTest::newRow("decimal total") << Rows { row("承重结构", "板", "1.5", "0") }
                                   << "第 1 行 构件总数: '1.5' is not a valid integer value";
    QTest::newRow("after good and uncounted rows") << Rows { row("承重结构", "楼梯", "?", "?"),
        row("地基基础", "基础", "10", "1"), row("围护结构", "围护构件", " 3", "0"),
        row("承重结构", "柱", "x", "x") } << "第 3 行 构件总数: ' 3' is not a valid integer value";
    QTest::newRow("text holding a placeholder") << Rows { row("承重结构", "屋架", "%1", "1") }
                                                << "第 1 行 构件总数: '%1' is not a valid integer value";
}

void TestDangerGrade::invalidCountStopsTheEvaluation()
{
    QFETCH(Rows, rows);
    QFETCH(QString, message);
    try {
        CountDangerComponents(rows);
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestDangerGrade::countCells_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("minus zero") << "-0" << true << 0;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("long run of zeros") << "-0000000000000000000042" << true << -42;
    for (const char *text : { "", "+", "-", " 1", "1 ", "\t1", "1.0", "1e3", "0x10", "$10", "--1", "+-1",
             "1,000", "2147483648", "-2147483649", "99999999999999999999", "十" })
        QTest::addRow("invalid '%s'", text) << QString::fromUtf8(text) << false << 0;
    QTest::newRow("invalid fullwidth digits") << "１２" << false << 0;
    QTest::newRow("invalid Arabic-Indic digit") << QString(QChar(0x0661)) << false << 0;
}

void TestDangerGrade::countCells()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        QCOMPARE(ReadComponentCount(text), value);
        QVERIFY(valid);
    } catch (const AppError &e) {
        QVERIFY2(!valid, qPrintable(e.message()));
        QCOMPARE(e.message(), "'" + text + "' is not a valid integer value");
    }
}

void TestDangerGrade::classOfComponent_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected"); // -1: not counted
    const int none = -1;
    const auto add = [](const char *part, const char *name, int expected) {
        QTest::addRow("%s %s", part, name) << QString::fromUtf8(part) << QString::fromUtf8(name) << expected;
    };
    using C = ComponentClass;
    for (const char *part : { "地基基础", "承重结构", "围护结构", "其他", "" }) {
        add(part, "地基", int(C::Foundation));
        add(part, "基础", int(C::Foundation));
        add(part, "屋架", int(C::RoofTrusses));
        add(part, "围护构件", int(C::Enclosure));
        add(part, "楼梯", none);
        add(part, "", none);
    }
    add("地基基础", "柱", int(C::Foundation));
    add("地基基础", "墙段", int(C::Foundation));
    add("地基基础", "主梁", int(C::Foundation));
    add("地基基础", "次梁", int(C::Foundation));
    add("地基基础", "板", int(C::Foundation));
    for (const char *part : { "承重结构", "围护结构", "其他", "" }) {
        add(part, "柱", int(C::Columns));
        add(part, "主梁", int(C::MainBeams));
        add(part, "次梁", int(C::SecondaryBeams));
        add(part, "板", int(C::Slabs));
    }
    add("承重结构", "墙段", int(C::LoadBearingWalls));
    add("围护结构", "墙段", int(C::Enclosure));
    add("其他", "墙段", none);
    add("", "墙段", none);
    add("承重结构 ", "墙段", none);
    add(" 地基基础", "柱", int(C::Columns));
    add("承重结构", "柱 ", none);
    add("承重结构", "墙", none);
}

void TestDangerGrade::classOfComponent()
{
    QFETCH(QString, part);
    QFETCH(QString, name);
    QFETCH(int, expected);
    const std::optional<ComponentClass> found = ClassOfComponent(part, name);
    QCOMPARE(found ? int(*found) : -1, expected);
}

void TestDangerGrade::countsSumEachClass()
{
    const Rows rows { row("地基基础", "地基", "1", "0"), row("地基基础", "板", "5", "2"),
        row("承重结构", "柱", "2147483647", "2147483647"), row("其他", "柱", "2147483647", "1"),
        row("承重结构", "墙段", "7", "3"), row("围护结构", "主梁", "9", "4"),
        row("地基基础", "屋架", "11", "5"), row("承重结构", "次梁", "13", "6"),
        row("承重结构", "板", "-15", "-7"), row("围护结构", "墙段", "17", "8"),
        row("承重结构", "围护构件", "19", "9"), row("承重结构", "楼梯", "21", "10") };
    TDangerCounts expected;
    expected[ComponentClass::Foundation] = { 2, 6 };
    expected[ComponentClass::Columns] = { 2147483648LL, 4294967294LL };
    expected[ComponentClass::LoadBearingWalls] = { 3, 7 };
    expected[ComponentClass::MainBeams] = { 4, 9 };
    expected[ComponentClass::RoofTrusses] = { 5, 11 };
    expected[ComponentClass::SecondaryBeams] = { 6, 13 };
    expected[ComponentClass::Slabs] = { -7, -15 };
    expected[ComponentClass::Enclosure] = { 17, 36 };
    const TDangerCounts counts = CountDangerComponents(rows);
    for (int c = 0; c < ComponentClassCount; ++c) {
        QCOMPARE(counts.sums[c].dangerous, expected.sums[c].dangerous);
        QCOMPARE(counts.sums[c].total, expected.sums[c].total);
    }
}

void TestDangerGrade::roundingAtHalves_data()
{
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QStringList>("texts"); // value times 100, value with two decimals
    QTest::newRow("57/200") << 57LL << 200LL << QStringList { "29", "0.29" };
    QTest::newRow("-57/200") << -57LL << 200LL << QStringList { "-29", "-0.29" };
    QTest::newRow("1/8") << 1LL << 8LL << QStringList { "13", "0.13" };
    QTest::newRow("-1/8") << -1LL << 8LL << QStringList { "-13", "-0.13" };
    QTest::newRow("3/8") << 3LL << 8LL << QStringList { "38", "0.38" };
    QTest::newRow("5/8") << 5LL << 8LL << QStringList { "63", "0.63" };
    QTest::newRow("7/8") << 7LL << 8LL << QStringList { "88", "0.88" };
    QTest::newRow("1/200") << 1LL << 200LL << QStringList { "1", "0.01" };
    QTest::newRow("1/201 just below a half") << 1LL << 201LL << QStringList { "0", "0.00" };
    QTest::newRow("-1/201 just above minus a half") << -1LL << 201LL << QStringList { "0", "0.00" };
    QTest::newRow("13.9/179") << 139LL << 1790LL << QStringList { "8", "0.08" };
    QTest::newRow("199/200") << 199LL << 200LL << QStringList { "100", "1.00" };
    QTest::newRow("2/3") << 2LL << 3LL << QStringList { "67", "0.67" };
    QTest::newRow("5/3") << 5LL << 3LL << QStringList { "167", "1.67" };
    QTest::newRow("whole") << 7LL << 1LL << QStringList { "700", "7.00" };
    QTest::newRow("beyond 64 bits") << (1LL << 62) << 1LL
                                    << QStringList { "461168601842738790400", "4611686018427387904.00" };
    QTest::newRow("largest counts") << 2147483647LL * 24 << 10LL
                                    << QStringList { "515396075280", "5153960752.80" };
}

void TestDangerGrade::roundingAtHalves()
{
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QStringList, texts);
    const TwoDecimals value = TwoDecimals::quotient(numerator, denominator);
    QCOMPARE(QStringList({ value.percentText(), value.fixedText() }), texts);
}

void TestDangerGrade::percentagesAvoidBinaryDrift_data()
{
    // Tables whose share lies exactly on a half; computed in binary floating
    // point several of them (2.4 * 57 / 480 among them) fall just below it.
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QList<int>>("percentages");
    QTest::newRow("57 of 200 columns")
        << Rows { row("承重结构", "柱", "200", "57") } << QList<int> { 0, 29, 0 };
    QTest::newRow("57 of 200 walls") << Rows { row("承重结构", "墙段", "200", "57") }
                                     << QList<int> { 0, 29, 0 };
    QTest::newRow("1 of 8 columns") << Rows { row("承重结构", "柱", "8", "1") } << QList<int> { 0, 13, 0 };
    QTest::newRow("1 of 8 main beams")
        << Rows { row("承重结构", "主梁", "8", "1") } << QList<int> { 0, 13, 0 };
    QTest::newRow("1 of 8 secondary beams")
        << Rows { row("承重结构", "次梁", "8", "1") } << QList<int> { 0, 13, 0 };
    QTest::newRow("3.8 of 40") << Rows { row("承重结构", "屋架", "20", "2"), row("承重结构", "板", "2", "0") }
                               << QList<int> { 0, 10, 0 };
    QTest::newRow("enclosure 1 of 8, foundation 57 of 200") << Rows { row("围护结构", "墙段", "8", "1"),
        row("地基基础", "基础", "200", "57") } << QList<int> { 29, 0, 13 };
    QTest::newRow("2 of 80") << Rows { row("围护结构", "围护构件", "80", "2") } << QList<int> { 0, 0, 3 };
}

void TestDangerGrade::percentagesAvoidBinaryDrift()
{
    QFETCH(Rows, rows);
    QFETCH(QList<int>, percentages);
    const std::optional<TDangerGradeResult> result = evaluated(rows);
    QVERIFY(result);
    for (int part = 0; part < HousePartCount; ++part)
        QCOMPARE(qint64(result->percentages[part].hundredths()), qint64(percentages.at(part)));
}

void TestDangerGrade::membershipDegrees_data()
{
    QTest::addColumn<int>("percentage");
    QTest::addColumn<QList<int>>("degrees");
    QTest::newRow("0") << 0 << QList<int> { 100, 0, 0, 0 };
    QTest::newRow("0.01") << 1 << QList<int> { 0, 100, 0, 0 };
    QTest::newRow("0.05") << 5 << QList<int> { 0, 100, 0, 0 };
    QTest::newRow("0.06") << 6 << QList<int> { 0, 96, 4, 0 };
    QTest::newRow("0.08") << 8 << QList<int> { 0, 88, 12, 0 };
    QTest::newRow("0.29") << 29 << QList<int> { 0, 4, 96, 0 };
    QTest::newRow("0.30") << 30 << QList<int> { 0, 0, 100, 0 };
    QTest::newRow("0.31") << 31 << QList<int> { 0, 0, 99, 1 };
    QTest::newRow("0.50") << 50 << QList<int> { 0, 0, 71, 29 };
    QTest::newRow("0.65") << 65 << QList<int> { 0, 0, 50, 50 };
    QTest::newRow("0.99") << 99 << QList<int> { 0, 0, 1, 99 };
    QTest::newRow("1") << 100 << QList<int> { 0, 0, 0, 100 };
    QTest::newRow("1.01") << 101 << QList<int> { 0, 0, 0, 0 };
    QTest::newRow("-0.01") << -1 << QList<int> { 0, 0, 0, 0 };
    QTest::newRow("1.67") << 167 << QList<int> { 0, 0, 0, 0 };
}

void TestDangerGrade::membershipDegrees()
{
    QFETCH(int, percentage);
    QFETCH(QList<int>, degrees);
    const TPartMembership m = MembershipDegrees(hundredths(percentage));
    QCOMPARE(m,
        (TPartMembership { hundredths(degrees[0]), hundredths(degrees[1]), hundredths(degrees[2]),
            hundredths(degrees[3]) }));
}

void TestDangerGrade::chooseGrade_data()
{
    QTest::addColumn<QList<int>>("degrees");
    QTest::addColumn<int>("grade");
    QTest::newRow("all zero") << QList<int> { 0, 0, 0, 0 } << 1;
    QTest::newRow("A largest") << QList<int> { 60, 0, 0, 30 } << 1;
    QTest::newRow("B largest") << QList<int> { 30, 60, 12, 0 } << 2;
    QTest::newRow("C largest") << QList<int> { 0, 48, 52, 0 } << 3;
    QTest::newRow("D largest") << QList<int> { 0, 0, 30, 60 } << 4;
    QTest::newRow("tie A B") << QList<int> { 60, 60, 0, 0 } << 1;
    QTest::newRow("tie B C D") << QList<int> { 0, 10, 10, 10 } << 2;
    QTest::newRow("tie C D") << QList<int> { 30, 0, 50, 50 } << 3;
    QTest::newRow("one hundredth apart") << QList<int> { 0, 0, 49, 50 } << 4;
}

void TestDangerGrade::chooseGrade()
{
    QFETCH(QList<int>, degrees);
    QFETCH(int, grade);
    QCOMPARE(ChooseGrade(hundredths(degrees[0]), hundredths(degrees[1]), hundredths(degrees[2]),
                 hundredths(degrees[3])),
        grade);
}

void TestDangerGrade::resultMessage()
{
    const TDangerGradeResult special
        = EvaluateDangerGrade(CountDangerComponents(Rows { row("地基基础", "基础", "2", "2") }));
    QCOMPARE(special.message(), "综上所述,该房屋的危险性等级为D。");
    const TDangerGradeResult plain = EvaluateDangerGrade(TDangerCounts());
    QCOMPARE(plain.message(), "综上所述,该房屋的危险性等级为A级。");
    QCOMPARE(TDangerGradeResult::caption(), "计算结果");
}

namespace {

struct Model
{
    QStringList lines;
    QString grade;
};

// The evaluation worked from the rules with exact fractions, kept apart from
// the code under test: its own classification, sums, fractions, rounding and
// formatting.
Model model(const Rows &rows)
{
    // Sums of dangerous and total: foundation, load-bearing, enclosure,
    // the load-bearing ones weighted.
    Fraction fd, ft, sd, st, ed, et;
    const Fraction w24(24, 10), w19(19, 10), w14(14, 10), w1(1);
    for (const ComponentRow &r : rows) {
        const QString &part = r[1];
        const QString &name = r[2];
        int where = 0; // 1 foundation, 2 load-bearing, 3 enclosure
        Fraction weight;
        const bool underFoundation = part == "地基基础";
        if (name == "地基" || name == "基础")
            where = 1;
        else if (underFoundation && QStringList { "柱", "墙段", "主梁", "次梁", "板" }.contains(name))
            where = 1;
        else if (name == "柱" || (name == "墙段" && part == "承重结构"))
            where = 2, weight = w24;
        else if (name == "主梁" || name == "屋架")
            where = 2, weight = w19;
        else if (name == "次梁")
            where = 2, weight = w14;
        else if (name == "板")
            where = 2, weight = w1;
        else if ((name == "墙段" && part == "围护结构") || name == "围护构件")
            where = 3;
        if (!where)
            continue;
        const Fraction dangerous(r[5].toLongLong());
        const Fraction total(r[4].toLongLong());
        if (where == 1)
            fd = fd + dangerous, ft = ft + total;
        else if (where == 2)
            sd = sd + weight * dangerous, st = st + weight * total;
        else
            ed = ed + dangerous, et = et + total;
    }
    const Fraction zero;
    const Fraction one(1);
    const qint64 p[3] = { Fraction(1) <= ft ? roundedHundredths(fd / ft) : 0,
        zero < st ? roundedHundredths(sd / st) : 0, Fraction(1) <= et ? roundedHundredths(ed / et) : 0 };

    qint64 degrees[3][4] = {};
    for (int i = 0; i < 3; ++i) {
        const Fraction x(p[i], 100);
        qint64 *m = degrees[i];
        if (x == zero) {
            m[0] = 100;
        } else if (x < zero || one < x) {
        } else if (x <= Fraction(5, 100)) {
            m[1] = 100;
        } else if (x < Fraction(30, 100)) {
            m[1] = roundedHundredths((Fraction(30, 100) - x) / Fraction(25, 100));
            m[2] = roundedHundredths((x - Fraction(5, 100)) / Fraction(25, 100));
        } else if (x < one) {
            m[2] = roundedHundredths((one - x) / Fraction(70, 100));
            m[3]
                = x == Fraction(30, 100) ? 0 : roundedHundredths((x - Fraction(30, 100)) / Fraction(70, 100));
        } else {
            m[3] = 100;
        }
    }
    const qint64 caps[3] = { 30, 60, 10 };
    qint64 overall[4] = {};
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i < 3; ++i)
            overall[g] = std::max(overall[g], std::min(caps[i], degrees[i][g]));

    Model result;
    if (degrees[0][3] == 100 || degrees[1][3] == 100) {
        result.grade = "D";
    } else {
        int best = 0;
        for (int g = 1; g < 4; ++g)
            if (overall[g] > overall[best])
                best = g;
        result.grade = QString(QChar(u'A' + best)) + "级";
    }
    const auto two = withTwoDecimals;
    const char *names[3] = { "地基基础", "承重结构", "围护结构" };
    for (int i = 0; i < 3; ++i)
        result.lines << QString::fromUtf8(names[i]) + "中,危险构件的百分数＝" + QString::number(p[i])
                + "%; μa＝" + two(degrees[i][0]) + ", μb＝" + two(degrees[i][1]) + ", μc＝"
                + two(degrees[i][2]) + ", μd＝" + two(degrees[i][3]);
    result.lines << ""
                 << "整体隶属度为： μA＝" + two(overall[0]) + ", μB＝" + two(overall[1]) + ", μC＝"
            + two(overall[2]) + ", μD＝" + two(overall[3])
                 << ""
                 << "综上所述,该房屋的危险性等级为" + result.grade;
    return result;
}

// A random component table: mostly sensible counts with small totals (whose
// shares often lie on halves), some negative counts, dangerous counts above
// the total, large counts, uncounted rows with text in their count cells.
Rows randomTable(std::mt19937 &random)
{
    static const QStringList parts { "地基基础", "承重结构", "围护结构", "地基基础", "承重结构", "围护结构",
        "其他", "" };
    static const QStringList names { "地基", "基础", "柱", "墙段", "主梁", "屋架", "次梁", "板", "围护构件",
        "楼梯", "" };
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto number = [&](qint64 value) {
        switch (pick(20)) {
        case 0:
            return (value < 0 ? "" : "+") + QString::number(value);
        case 1:
            return (value < 0 ? "-00" : "00") + QString::number(qAbs(value));
        default:
            return QString::number(value);
        }
    };
    Rows rows;
    const int count = pick(9);
    for (int i = 0; i < count; ++i) {
        const QString part = parts.at(pick(parts.size()));
        const QString name = names.at(pick(names.size()));
        qint64 total;
        qint64 dangerous;
        switch (pick(30)) {
        case 0:
            total = -pick(6);
            dangerous = -pick(6);
            break;
        case 1:
            total = pick(10);
            dangerous = total + 1 + pick(5);
            break;
        case 2:
            total = pick(100000);
            dangerous = pick(int(total) + 1);
            break;
        default:
            total = pick(41);
            dangerous = pick(3) == 0 ? 0 : pick(int(total) + 1);
        }
        ComponentRow r = row(part, name, number(total), number(dangerous));
        if (!ClassOfComponent(part, name) && pick(3) == 0)
            r[ComponentColumn::Dangerous] = "?";
        rows.append(r);
    }
    return rows;
}

} // namespace

void TestDangerGrade::randomTablesMatchAnExactFractionModel()
{
    std::mt19937 random(20040817);
    QSet<QString> grades;
    for (int i = 0; i < 20000; ++i) {
        const Rows rows = randomTable(random);
        const Model expected = model(rows);
        const std::optional<TDangerGradeResult> result = evaluated(rows);
        if (!result || result->lines != expected.lines || result->grade != expected.grade) {
            qWarning("table: %s", qPrintable(describe(rows)));
            QVERIFY(result);
            QCOMPARE(result->lines, expected.lines);
            QCOMPARE(result->grade, expected.grade);
        }
        grades.insert(result->grade);
    }
    // The tables reach every grade, so no branch of the rules goes unchecked.
    QCOMPARE(grades, (QSet<QString> { "A级", "B级", "C级", "D级", "D" }));
}

QTEST_GUILESS_MAIN(TestDangerGrade)
#include "tst_dangergrade.moc"
