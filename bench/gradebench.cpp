// appraisal-grade-bench: how fast the danger grade of a component table is
// evaluated, through the same counting, evaluation and result lines that the
// calculate command and hadtool grade use.
//
//   appraisal-grade-bench [TABLES]      (default 1000000)
//
// A pool of 4096 random tables (1 to 12 rows each, names and parts drawn
// from the choice list plus a few uncounted ones, counts as the appraiser
// types them) is made first and not timed. Then TABLES evaluations run over
// the pool in turn: CountDangerComponents, EvaluateDangerGrade with its seven
// lines, and the message text. The figure is the time of these evaluations.

#include "grade/dangergrade.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>

#include <cstdio>
#include <random>

namespace {

QList<ComponentRow> randomTable(std::mt19937 &random)
{
    static const QStringList parts { "地基基础", "承重结构", "围护结构" };
    static const QStringList names { "地基", "基础", "柱", "墙段", "主梁", "屋架", "次梁", "板", "围护构件",
        "楼梯" };
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    QList<ComponentRow> rows;
    const int count = 1 + pick(12);
    for (int i = 0; i < count; ++i) {
        const int total = pick(200);
        ComponentRow row;
        row[ComponentColumn::Number] = QString::number(i + 1);
        row[ComponentColumn::Part] = parts.at(pick(parts.size()));
        row[ComponentColumn::Name] = names.at(pick(names.size()));
        row[ComponentColumn::Structure] = QStringLiteral("砌体");
        row[ComponentColumn::Total] = QString::number(total);
        row[ComponentColumn::Dangerous] = QString::number(pick(4) == 0 ? 0 : pick(total + 1));
        rows.append(row);
    }
    return rows;
}

void run(qint64 tables)
{
    std::mt19937 random(20041231);
    QList<QList<ComponentRow>> pool;
    qint64 rows = 0;
    for (int i = 0; i < 4096; ++i) {
        pool.append(randomTable(random));
        rows += pool.last().size();
    }

    QMap<QString, qint64> grades;
    qint64 characters = 0;
    QElapsedTimer timer;
    timer.start();
    for (qint64 i = 0; i < tables; ++i) {
        const TDangerGradeResult result
            = EvaluateDangerGrade(CountDangerComponents(pool.at(i % pool.size())));
        characters += result.lines.join(u'\n').size() + result.message().size();
        ++grades[result.grade];
    }
    const qint64 ns = timer.nsecsElapsed();

    std::printf(
        "%lld tables (%.1f rows each on average) evaluated in %.0f ms: %.2f µs per table, %.0f tables/s\n",
        static_cast<long long>(tables), double(rows) / double(pool.size()), ns / 1e6,
        ns / 1e3 / double(tables), double(tables) * 1e9 / double(ns));
    std::printf("grades:");
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
    run(tables);
    return 0;
}
