#include "base/apperror.h"
#include "grade/housegrade.h"
#include "grademodel.h"

#include <QtTest>

#include <map>
#include <optional>
#include <random>

// The danger grade by levels: the ground stage, the foundation and storey
// ratios with their weights, the level grades, the whole-house ratio and
// grade, the result lines, the rows it refuses, and the one entry point that
// grades a table by either standard.
class TestStoreyGrade : public QObject
{
    Q_OBJECT

private slots:
    void evaluation_data();
    void evaluation();
    void refusedRows_data();
    void refusedRows();
    void levelFromText_data();
    void levelFromText();
    void randomTablesMatchAnExactFractionModel();
    void oneEntryPointForBothStandards();
};

namespace {

using Rows = QList<ComponentRow>;

// The rows numbered 1, 2, ... as the component table numbers them.
Rows numbered(Rows rows)
{
    for (int i = 0; i < rows.size(); ++i)
        rows[i][ComponentColumn::Number] = QString::number(i + 1);
    return rows;
}

// The result lines from the ground line, the level lines, the whole-house
// line and the grade.
QStringList lines(
    const QString &ground, const QStringList &levels, const QString &whole, const QString &grade)
{
    return QStringList { "地基: " + ground } + levels
        + QStringList { "", "综合比例 R＝" + whole, "", "综上所述,该房屋的危险性等级为" + grade };
}

// The example of one masonry storey on its foundation.
const Rows WorkedExample { row("基础", "基础", "105", "0"), row("1", "墙体", "43", "1"),
    row("1", "中梁", "7", "0"), row("1", "边梁", "14", "0"), row("1", "次梁", "5", "0"),
    row("1", "围护构件", "51", "0"), row("1", "楼屋面板", "39", "0") };

std::optional<StoreyGradeResult> evaluated(const Rows &rows, GroundState ground)
{
    try {
        return EvaluateStoreyGrade(CountStoreyComponents(numbered(rows)), ground);
    } catch (const AppError &e) {
        qWarning("%s", qPrintable(e.message()));
        return std::nullopt;
    }
}

} // namespace

void TestStoreyGrade::evaluation_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("groundDangerous");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("worked example") << WorkedExample << false
                                    << QStringList { "地基: 非危险状态",
                                           "基础: 危险构件 0/105, Rf＝0.00%, Au级", "第1层: Rs＝1.11%, Bu级",
                                           "", "综合比例 R＝0.44%; Du级层数 0", "",
                                           "综上所述,该房屋的危险性等级为B级" };
    QTest::newRow("ground dangerous: D whatever the levels")
        << WorkedExample << true
        << lines("危险状态", { "基础: 危险构件 0/105, Rf＝0.00%, Au级", "第1层: Rs＝1.11%, Bu级" },
               "0.44%; Du级层数 0", "D级");
    QTest::newRow("empty table") << Rows {} << false << lines("非危险状态", {}, "0.00%; Du级层数 0", "A级");
    QTest::newRow("empty table, ground dangerous")
        << Rows {} << true << lines("危险状态", {}, "0.00%; Du级层数 0", "D级");

    // The thresholds at 5 % and 25 % hold for the levels and for R alike.
    QTest::newRow("exactly 5 %: one of 20 secondary beams")
        << Rows { row("1", "次梁", "20", "1") } << false
        << lines("非危险状态", { "第1层: Rs＝5.00%, Cu级" }, "5.00%; Du级层数 0", "C级");
    QTest::newRow("just under 5 %") << Rows { row("1", "次梁", "21",
        "1") } << false << lines("非危险状态", { "第1层: Rs＝4.76%, Bu级" }, "4.76%; Du级层数 0", "B级");
    QTest::newRow("just under 5 %, shown as 5.00")
        << Rows { row("1", "中柱", "99981", "4999") } << false
        << lines("非危险状态", { "第1层: Rs＝5.00%, Bu级" }, "5.00%; Du级层数 0", "B级");
    QTest::newRow("exactly 25 %") << Rows { row("1", "次梁", "20",
        "5") } << false << lines("非危险状态", { "第1层: Rs＝25.00%, Du级" }, "25.00%; Du级层数 1", "D级");
    QTest::newRow("just under 25 %, shown as 25.00")
        << Rows { row("1", "边柱", "9997", "2499") } << false
        << lines("非危险状态", { "第1层: Rs＝25.00%, Cu级" }, "25.00%; Du级层数 0", "C级");
    QTest::newRow("R entirely dangerous")
        << Rows { row("基础", "基础", "4", "4"), row("1", "墙体", "10", "0") } << false
        << lines("非危险状态", { "基础: 危险构件 4/4, Rf＝100.00%, Du级", "第1层: Rs＝0.00%, Au级" },
               "34.15%; Du级层数 1", "D级");

    QTest::newRow("a Du level with R just under 5 % gives C")
        << Rows { row("1", "次梁", "20", "5"), row("2", "楼屋面板", "81", "0") } << false
        << lines("非危险状态", { "第1层: Rs＝25.00%, Du级", "第2层: Rs＝0.00%, Au级" }, "4.95%; Du级层数 1",
               "C级");
    // 3 Du levels * 3 against F + B + f, for R from 5 % below 25 %.
    QTest::newRow("3k = F + B + f gives C")
        << Rows { row("基础", "基础", "4", "0"), row("1", "次梁", "20", "5"), row("2", "次梁", "20", "0") }
        << false
        << lines("非危险状态",
               { "基础: 危险构件 0/4, Rf＝0.00%, Au级", "第1层: Rs＝25.00%, Du级", "第2层: Rs＝0.00%, Au级" },
               "9.26%; Du级层数 1", "C级");
    QTest::newRow("3k > F + B + f gives D")
        << Rows { row("基础", "基础", "4", "0"), row("1", "次梁", "20", "5") } << false
        << lines("非危险状态", { "基础: 危险构件 0/4, Rf＝0.00%, Au级", "第1层: Rs＝25.00%, Du级" },
               "14.71%; Du级层数 1", "D级");
    QTest::newRow("a level without components is not one of F + B + f")
        << Rows { row("基础", "基础", "4", "0"), row("1", "次梁", "20", "5"), row("2", "次梁", "0", "0") }
        << false
        << lines("非危险状态", { "基础: 危险构件 0/4, Rf＝0.00%, Au级", "第1层: Rs＝25.00%, Du级" },
               "14.71%; Du级层数 1", "D级");
    const Rows sixLevels { row("基础", "基础", "4", "0"), row("-1", "次梁", "20", "0"),
        row("1", "次梁", "20", "5"), row("2", "次梁", "20", "5"), row("3", "次梁", "20", "0"),
        row("4", "次梁", "20", "0") };
    QTest::newRow("two Du levels among six levels give C")
        << sixLevels << false
        << lines("非危险状态",
               { "基础: 危险构件 0/4, Rf＝0.00%, Au级", "地下第1层: Rs＝0.00%, Au级",
                   "第1层: Rs＝25.00%, Du级", "第2层: Rs＝25.00%, Du级", "第3层: Rs＝0.00%, Au级",
                   "第4层: Rs＝0.00%, Au级" },
               "8.77%; Du级层数 2", "C级");
    QTest::newRow("two Du levels among five levels give D")
        << sixLevels.first(5) << false
        << lines("非危险状态",
               { "基础: 危险构件 0/4, Rf＝0.00%, Au级", "地下第1层: Rs＝0.00%, Au级",
                   "第1层: Rs＝25.00%, Du级", "第2层: Rs＝25.00%, Du级", "第3层: Rs＝0.00%, Au级" },
               "10.64%; Du级层数 2", "D级");

    QTest::newRow("basements, deepest first, and the weights of columns and walls")
        << Rows { row("2", "边柱", "10", "0"), row("-1", "中柱", "4", "0"), row("基础", "基础", "10", "0"),
               row("1", "角柱", "4", "1"), row("-2", "墙体", "10", "1") }
        << false
        << lines("非危险状态",
               { "基础: 危险构件 0/10, Rf＝0.00%, Au级", "地下第2层: Rs＝10.00%, Cu级",
                   "地下第1层: Rs＝0.00%, Au级", "第1层: Rs＝25.00%, Du级", "第2层: Rs＝0.00%, Au级" },
               "4.08%; Du级层数 1", "C级");
    // Trusses and centre beams weigh 1.9, side beams 1.4.
    QTest::newRow("weights of trusses and beams")
        << Rows { row("3", "屋架", "2", "1"), row("3", "楼屋面板", "2", "0"), row("3", "围护构件", "2", "0"),
               row("-3", "边梁", "1", "1"), row("-3", "中梁", "1", "0") }
        << false
        << lines("非危险状态", { "地下第3层: Rs＝42.42%, Du级", "第3层: Rs＝24.36%, Cu级" },
               "29.73%; Du级层数 1", "D级");
    QTest::newRow("rows of a level are summed; signs and leading zeros")
        << Rows { row("1", "中柱", "+010", "003"), row("1", "中柱", "10", "0") } << false
        << lines("非危险状态", { "第1层: Rs＝15.00%, Cu级" }, "15.00%; Du级层数 0", "C级");
    QTest::newRow("every row on the foundation counts there")
        << Rows { row("基础", "楼梯", "10", "1"), row("基础", "", "10", "0") } << false
        << lines("非危险状态", { "基础: 危险构件 1/20, Rf＝5.00%, Cu级" }, "5.00%; Du级层数 0", "C级");
    // Uncounted rows are never read: not their counts, not their level.
    QTest::newRow("uncounted rows and levels without components")
        << Rows { row("1", "楼梯", "x", "y"), row("一层", "阳台", "", ""), row("", "", "", ""),
               row("3", "次梁", "0", "0"), row("2", "墙体 ", "1", "1"), row("2", "墙体", "10", "0") }
        << false << lines("非危险状态", { "第2层: Rs＝0.00%, Au级" }, "0.00%; Du级层数 0", "A级");
    QTest::newRow("percentages round halves away from zero")
        << Rows { row("基础", "基础", "800", "1") } << false
        << lines("非危险状态", { "基础: 危险构件 1/800, Rf＝0.13%, Bu级" }, "0.13%; Du级层数 0", "B级");
    QTest::newRow("largest counts") << Rows { row("基础", "基础", "2147483647", "2147483647"),
        row("基础", "基础", "2147483647", "0"), row("-2147483648", "中柱", "2147483647", "1") }
                                    << false
                                    << lines("非危险状态",
                                           { "基础: 危险构件 2147483647/4294967294, Rf＝50.00%, Du级",
                                               "地下第2147483648层: Rs＝0.00%, Bu级" },
                                           "33.33%; Du级层数 1", "D级");
}

void TestStoreyGrade::evaluation()
{
    QFETCH(Rows, rows);
    QFETCH(bool, groundDangerous);
    QFETCH(QStringList, expected);
    const std::optional<StoreyGradeResult> result
        = evaluated(rows, groundDangerous ? GroundState::Dangerous : GroundState::NotDangerous);
    QVERIFY(result);
    QCOMPARE(result->lines, expected);
    QCOMPARE("综上所述,该房屋的危险性等级为" + result->grade, expected.last());
}

void TestStoreyGrade::refusedRows_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty dangerous cell")
        << Rows { row("1", "墙体", "10", "") } << "第 1 行 危险构件数: '' is not a valid integer value";
    QTest::newRow("dangerous is read first")
        << Rows { row("基础", "基础", "x", "y") } << "第 1 行 危险构件数: 'y' is not a valid integer value";
    QTest::newRow("negative total") << Rows { row("1", "墙体", "10", "1"), row("1", "次梁", "-1", "0") }
                                    << "第 2 行 (1, 次梁): 构件数不能为负数 (构件总数 -1, 危险构件数 0)";
    QTest::newRow("negative dangerous count")
        << Rows { row("基础", "基础", "10", "-1") }
        << "第 1 行 (基础, 基础): 构件数不能为负数 (构件总数 10, 危险构件数 -1)";
    QTest::newRow("dangerous above total")
        << Rows { row("-1", "中柱", "3", "5") } << "第 1 行 (-1, 中柱): 危险构件数 5 大于构件总数 3";
    for (const char *level : { "一层", "0", "01", "+1", " 1", "", "-0", "第1层", "%2" })
        QTest::addRow("counted kind on level '%s'", level)
            << Rows { row(QString::fromUtf8(level), "墙体", "10", "0") }
            << "第 1 行 (" + QString::fromUtf8(level) + ", 墙体): 楼层应为 基础、1、2… 或 -1、-2…";
    QTest::newRow("the first refused row stops the evaluation")
        << Rows { row("1", "楼梯", "?", "?"), row("1", "墙体", "10", "11"), row("2", "墙体", "x", "0") }
        << "第 2 行 (1, 墙体): 危险构件数 11 大于构件总数 10";
}

void TestStoreyGrade::refusedRows()
{
    QFETCH(Rows, rows);
    QFETCH(QString, message);
    for (const GroundState ground : { GroundState::NotDangerous, GroundState::Dangerous }) {
        try {
            GradeHouse(AppraisalStandard::Jgj125_2016, numbered(rows), ground);
            QFAIL("no error");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), message);
        }
    }
}

void TestStoreyGrade::levelFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("number"); // 0 for the foundation
    QTest::addColumn<QString>("title");
    QTest::newRow("foundation") << "基础" << true << 0 << "基础";
    QTest::newRow("1") << "1" << true << 1 << "第1层";
    QTest::newRow("12") << "12" << true << 12 << "第12层";
    QTest::newRow("-1") << "-1" << true << -1 << "地下第1层";
    QTest::newRow("-3") << "-3" << true << -3 << "地下第3层";
    QTest::newRow("largest") << "2147483647" << true << 2147483647 << "第2147483647层";
    for (const char *text : { "", "0", "-0", "01", "-01", "+1", " 1", "1 ", "-", "--1", "1.0", "1e1",
             "2147483648", "-2147483649", "基础 ", "一", "１", "第1层", "地下1层" })
        QTest::addRow("invalid '%s'", text) << QString::fromUtf8(text) << false << 0 << QString();
}

void TestStoreyGrade::levelFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, number);
    QFETCH(QString, title);
    const std::optional<Level> level = Level::fromText(text);
    QCOMPARE(level.has_value(), valid);
    if (!level)
        return;
    QCOMPARE(level->number(), number);
    QCOMPARE(level->isFoundation(), text == "基础");
    QCOMPARE(level->title(), title);
    QCOMPARE(level->text(), text);
}

namespace {

struct Model
{
    QStringList lines;
    QString grade;
    QSet<QString> levelGrades;
};

// The evaluation worked from the rules with exact fractions, kept apart from
// the code under test: its own kinds and weights, levels, sums, fractions,
// thresholds, rounding and formatting.
Model model(const Rows &rows, bool groundDangerous)
{
    static const QMap<QString, Fraction> Weights { { "中柱", { 35, 10 } }, { "边柱", { 27, 10 } },
        { "角柱", { 18, 10 } }, { "墙体", { 27, 10 } }, { "屋架", { 19, 10 } }, { "中梁", { 19, 10 } },
        { "边梁", { 14, 10 } }, { "次梁", 1 }, { "楼屋面板", 1 }, { "围护构件", 1 } };
    const int foundation = std::numeric_limits<int>::min(); // sorts first
    std::map<int, std::pair<Fraction, Fraction>> levels; // weighted dangerous, total
    qint64 foundationDangerous = 0;
    qint64 foundationTotal = 0;
    for (const ComponentRow &r : rows) {
        const qint64 total = r[4].toLongLong();
        const qint64 dangerous = r[5].toLongLong();
        int level;
        Fraction weight;
        if (r[1] == "基础") {
            level = foundation, weight = Fraction(35, 10);
            foundationDangerous += dangerous, foundationTotal += total;
        } else if (Weights.contains(r[2])) {
            level = r[1].toInt(), weight = Weights[r[2]];
        } else {
            continue;
        }
        auto &[d, t] = levels[level];
        d = d + weight * Fraction(dangerous);
        t = t + weight * Fraction(total);
    }
    const auto percent
        = [](Fraction q) { return withTwoDecimals(roundedHundredths(q * Fraction(100))) + "%"; };
    // 0 Au, below 1/20 Bu, below 1/4 Cu, else Du.
    const auto band = [](Fraction q) {
        return q == Fraction(0) ? 0 : q < Fraction(1, 20) ? 1 : q < Fraction(1, 4) ? 2 : 3;
    };

    Model result;
    result.lines << (groundDangerous ? "地基: 危险状态" : "地基: 非危险状态");
    Fraction dangerous, total;
    int graded = 0;
    int du = 0;
    for (const auto &[level, sums] : levels) {
        const auto &[d, t] = sums;
        if (t == Fraction(0))
            continue;
        ++graded;
        dangerous = dangerous + d, total = total + t;
        const int b = band(d / t);
        du += b == 3;
        const QString grade = QStringList { "Au", "Bu", "Cu", "Du" }.at(b);
        result.levelGrades.insert(grade);
        if (level == foundation)
            result.lines
                << QString("基础: 危险构件 %1/%2, Rf＝").arg(foundationDangerous).arg(foundationTotal)
                    + percent(d / t) + ", " + grade + "级";
        else
            result.lines << (level < 0 ? QString("地下第%1层").arg(-level) : QString("第%1层").arg(level))
                    + ": Rs＝" + percent(d / t) + ", " + grade + "级";
    }
    const Fraction r = total == Fraction(0) ? Fraction(0) : dangerous / total;
    const char *letter;
    if (groundDangerous)
        letter = "D";
    else if (r == Fraction(0))
        letter = "A";
    else if (r < Fraction(5, 100))
        letter = du == 0 ? "B" : "C";
    else if (r < Fraction(25, 100))
        letter = Fraction(du) <= Fraction(graded, 3) ? "C" : "D";
    else
        letter = "D";
    result.grade = QString::fromLatin1(letter) + "级";
    result.lines << ""
                 << "综合比例 R＝" + percent(r) + "; Du级层数 " + QString::number(du) << ""
                 << "综上所述,该房屋的危险性等级为" + result.grade;
    return result;
}

// A random table of a house with up to three storeys and two basements:
// mostly small counts (whose ratios often lie on the thresholds and on
// halves), some large ones, rows of other kinds holding anything.
Rows randomTable(std::mt19937 &random)
{
    static const QStringList levels { "基础", "-2", "-1", "1", "2", "3" };
    static const QStringList kinds { "中柱", "边柱", "角柱", "墙体", "屋架", "中梁", "边梁", "次梁",
        "楼屋面板", "围护构件", "楼梯", "" };
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    Rows rows;
    const int count = pick(12);
    for (int i = 0; i < count; ++i) {
        const QString level = levels.at(pick(levels.size()));
        const QString kind = kinds.at(pick(kinds.size()));
        const int total = pick(10) == 0 ? pick(100000) : pick(41);
        const int dangerous = pick(2) == 0 ? 0 : pick(total / (1 + pick(4)) + 1);
        ComponentRow r = row(level, kind, QString::number(total), QString::number(dangerous));
        if (level != "基础" && (kind == "楼梯" || kind.isEmpty()) && pick(2) == 0)
            r[ComponentColumn::Total] = "?";
        rows.append(r);
    }
    return rows;
}

} // namespace

void TestStoreyGrade::randomTablesMatchAnExactFractionModel()
{
    std::mt19937 random(20161201);
    QSet<QString> grades;
    QSet<QString> levelGrades;
    for (int i = 0; i < 20000; ++i) {
        const Rows rows = randomTable(random);
        const bool groundDangerous = random() % 10 == 0;
        const Model expected = model(rows, groundDangerous);
        const std::optional<StoreyGradeResult> result
            = evaluated(rows, groundDangerous ? GroundState::Dangerous : GroundState::NotDangerous);
        if (!result || result->lines != expected.lines || result->grade != expected.grade) {
            qWarning("table: %s%s", qPrintable(describe(rows)), groundDangerous ? ", ground dangerous" : "");
            QVERIFY(result);
            QCOMPARE(result->lines, expected.lines);
            QCOMPARE(result->grade, expected.grade);
        }
        grades.insert(result->grade);
        levelGrades.unite(expected.levelGrades);
    }
    // The tables reach every grade and every level grade.
    QCOMPARE(grades, (QSet<QString> { "A级", "B级", "C级", "D级" }));
    QCOMPARE(levelGrades, (QSet<QString> { "Au", "Bu", "Cu", "Du" }));
}

void TestStoreyGrade::oneEntryPointForBothStandards()
{
    const Rows byParts { row("地基基础", "基础", "10", "0"), row("承重结构", "柱", "20", "2"),
        row("承重结构", "墙段", "30", "3"), row("承重结构", "主梁", "10", "1"),
        row("承重结构", "板", "40", "0"), row("围护结构", "围护构件", "50", "10") };
    // The 1999 method has no ground stage.
    for (const GroundState ground : { GroundState::NotDangerous, GroundState::Dangerous }) {
        const HouseGrade grade = GradeHouse(AppraisalStandard::Jgj125_99, byParts, ground);
        QCOMPARE(grade.standard(), AppraisalStandard::Jgj125_99);
        QVERIFY(grade.byParts() && !grade.byLevels());
        QCOMPARE(grade.lines(), EvaluateDangerGrade(CountDangerComponents(byParts)).lines);
        QCOMPARE(grade.grade(), "B级");
        QCOMPARE(grade.message(), "综上所述,该房屋的危险性等级为B级。");
    }

    const HouseGrade byLevels
        = GradeHouse(AppraisalStandard::Jgj125_2016, numbered(WorkedExample), GroundState::Dangerous);
    QCOMPARE(byLevels.standard(), AppraisalStandard::Jgj125_2016);
    QVERIFY(byLevels.byLevels() && !byLevels.byParts());
    QCOMPARE(byLevels.lines().first(), "地基: 危险状态");
    QCOMPARE(byLevels.grade(), "D级");
    QCOMPARE(byLevels.message(), "综上所述,该房屋的危险性等级为D级。");
    QCOMPARE(HouseGrade::caption(), "计算结果");
    QCOMPARE(StandardName(AppraisalStandard::Jgj125_99), "JGJ 125-99");
    QCOMPARE(StandardName(AppraisalStandard::Jgj125_2016), "JGJ 125-2016");

    // A table by parts read by levels: its enclosure row is of a counted
    // kind on a level that is none.
    try {
        GradeHouse(AppraisalStandard::Jgj125_2016, numbered(byParts), GroundState::NotDangerous);
        QFAIL("no error");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "第 6 行 (围护结构, 围护构件): 楼层应为 基础、1、2… 或 -1、-2…");
    }
}

QTEST_GUILESS_MAIN(TestStoreyGrade)
#include "tst_storeygrade.moc"
