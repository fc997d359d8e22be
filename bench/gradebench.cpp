// appraisal-grade-bench: how fast the danger grade of a component table is
// evaluated by each standard, through the one entry point (GradeHouse) that
// the calculate command and hadtool grade use.
//
//   appraisal-grade-bench [TABLES]      (default 1000000 per standard)
//
// For each standard a pool of 4096 random tables is made first and not
// timed: by parts (JGJ 125-99), 1 to 12 rows with names and parts drawn from
// the choice list plus an uncounted name; by levels (JGJ 125-2016), 1 to 40
// rows of a house with a foundation, a basement and up to six storeys, the
// ten kinds plus an uncounted one. Counts are as the appraiser types them.
// Then TABLES evaluations run over each pool in turn: counting, the grade,
// the result lines and the message text. The figure is the time of these
// evaluations.

#include "grade/housegrade.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>

#include <cstdio>
#include <random>

namespace {

using Table = QList<ComponentRow>;

// A random table of 1 to most rows: the first cell (part or level) and the
// second (component name or kind) drawn from the lists, the counts as the
// appraiser types them.
Table randomTable(std::mt19937 &random, const QStringList &firstCells, const QStringList &names, int most)
{
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    Table rows;
    const int count = 1 + pick(most);
    for (int i = 0; i < count; ++i) {
        const int total = pick(200);
        ComponentRow row;
        row[ComponentColumn::Number] = QString::number(i + 1);
        row[ComponentColumn::Part] = firstCells.at(pick(firstCells.size()));
        row[ComponentColumn::Name] = names.at(pick(names.size()));
        row[ComponentColumn::Structure] = QStringLiteral("混凝土");
        row[ComponentColumn::Total] = QString::number(total);
        row[ComponentColumn::Dangerous] = QString::number(pick(4) == 0 ? 0 : pick(total + 1));
        rows.append(row);
    }
    return rows;
}

Table tableByParts(std::mt19937 &random)
{
    static const QStringList parts { "地基基础", "承重结构", "围护结构" };
    static const QStringList names { "地基", "基础", "柱", "墙段", "主梁", "屋架", "次梁", "板", "围护构件",
        "楼梯" };
    return randomTable(random, parts, names, 12);
}

Table tableByLevels(std::mt19937 &random)
{
    static const QStringList levels { "基础", "-1", "1", "2", "3", "4", "5", "6" };
    static const QStringList kinds { "中柱", "边柱", "角柱", "墙体", "屋架", "中梁", "边梁", "次梁",
        "楼屋面板", "围护构件", "楼梯" };
    return randomTable(random, levels, kinds, 40);
}

void run(AppraisalStandard standard, Table (*makeTable)(std::mt19937 &), qint64 tables)
{
    std::mt19937 random(20041231);
    QList<Table> pool;
    qint64 rows = 0;
    for (int i = 0; i < 4096; ++i) {
        pool.append(makeTable(random));
        rows += pool.last().size();
    }

    QMap<QString, qint64> grades;
    qint64 characters = 0;
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; i < tables; ++i) {
        const HouseGrade grade = GradeHouse(standard, pool.at(i % pool.size()), GroundState::NotDangerous);
        characters += grade.lines().join(u'\n').size() + grade.message().size();
        ++grades[grade.grade()];
    }
    const qint64 ns = timer.nsecsElapsed();

    std::printf("%s: %lld tables (%.1f rows each on average) evaluated in %.0f ms: %.2f µs per table, "
                "%.0f tables/s\n",
        qPrintable(StandardName(standard)), static_cast<long long>(tables),
        double(rows) / double(pool.size()), ns / 1e6, ns / 1e3 / double(tables),
        double(tables) * 1e9 / double(ns));
    std::printf("  grades:");
    for (auto it = grades.cbegin(); it != grades.cend(); ++it)
        std::printf(" %s %lld", qPrintable(it.key()), static_cast<long long>(it.value()));
    std::printf("; %lld characters of result text\n", static_cast<long long>(characters));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    bool ok = true;
    const qint64 tables = argc > 1 ? QByteArray(argv[1]).toLongLong(&ok) : 1000000;
    if (argc > 2 || !ok || tables < 1) {
        std::fprintf(
            stderr, "usage: appraisal-grade-bench [TABLES]   (a positive number, default 1000000)\n");
        return 2;
    }
    run(AppraisalStandard::Jgj125_99, tableByParts, tables);
    run(AppraisalStandard::Jgj125_2016, tableByLevels, tables);
    return 0;
}
