#pragma once

#include "base/appraisalstandard.h"
#include "db/componentrows.h"
#include "grade/dangercounts.h"
#include "grade/twodecimals.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <compare>
#include <map>
#include <optional>

// The danger grade by levels (JGJ 125-2016): the appraiser's judgement of
// the ground, then the share of dangerous components on the foundation and
// on every storey, weighted by the kind of component, and over the whole
// house. Rows are the component table's: cell 1 holds the level, cell 2 the
// kind of component.

// A level of the house: the foundation, a storey above ground (1, 2, ...)
// or a basement storey (-1, -2, ...). Levels order as the result lines list
// them: the foundation, the deepest basement up to -1, then 1 up to the top.
class Level
{
public:
    static constexpr Level foundation() { return Level(false, 0); }
    static constexpr Level storey(int number) { return Level(true, number); }
    // The level a cell names: "基础", or a storey number without sign or
    // leading zero, or "-" and such a number; nothing for any other text
    // ("0", "01", "+1", " 1", "一层").
    static std::optional<Level> fromText(QStringView text);

    bool isFoundation() const { return !m_isStorey; }
    bool isBasement() const { return m_storey < 0; }
    // The storey number, 0 for the foundation.
    int number() const { return m_storey; }
    // As a table cell holds it: "基础", "1", "-1".
    QString text() const;
    // As the result lines name it: "基础", "第1层", "地下第1层".
    QString title() const;

    constexpr auto operator<=>(const Level &) const = default;

private:
    constexpr Level(bool isStorey, int storey)
        : m_isStorey(isStorey)
        , m_storey(storey)
    { }

    bool m_isStorey; // the foundation sorts first
    int m_storey;
};

// A kind of component counted on a storey, with its weight in tenths
// (中柱 3.5 is 35).
struct StoreyComponentKind
{
    QStringView name;
    int weight;
};

// The ten kinds, in the order the choice list offers them.
const std::array<StoreyComponentKind, 10> &StoreyComponentKinds();

// The weight of every foundation component in the whole-house ratio, in
// tenths.
inline constexpr int FoundationWeight = 35;

// The grade of one level from its ratio of dangerous components.
enum class LevelGrade : int { Au, Bu, Cu, Du };

// "Au", "Bu", "Cu" or "Du".
QString LevelGradeName(LevelGrade grade);

// The sums of one level, each count weighted by its kind, in tenths.
struct LevelSums
{
    WideInt dangerous = 0;
    WideInt total = 0;

    bool operator==(const LevelSums &) const = default;
};

// The weighted sums of every level of a table. Every row on the level
// "基础" counts as foundation components; a row of one of the ten kinds on
// a storey counts there; any other row is not counted and none of its cells
// is read.
class StoreyCounts
{
public:
    // Counts one row, line 1 for the first. Throws AppError for a count that
    // is not a whole number ("第 3 行 危险构件数: 'x' is not a valid integer
    // value") and, naming the row by its number (cell 0), for a negative
    // count, a dangerous count above the total, or a counted kind on a level
    // that is neither "基础" nor a storey.
    void add(const ComponentRow &row, int line);

    const std::map<Level, LevelSums> &levels() const { return m_levels; }
    // The foundation's dangerous and total components, unweighted.
    TComponentSums foundation() const;

private:
    std::map<Level, LevelSums> m_levels;
};

template<typename Rows> StoreyCounts CountStoreyComponents(const Rows &rows)
{
    StoreyCounts counts;
    int line = 0;
    for (const ComponentRow &row : rows)
        counts.add(row, ++line);
    return counts;
}

// The grade of one level that has components (a weighted total above 0).
struct LevelResult
{
    Level level;
    TwoDecimals percent; // the ratio in percent: 1.11 is 1.11 %
    LevelGrade grade;
};

// The outcome of an evaluation by levels: every level's ratio and grade, the
// whole-house ratio, the grade and the lines of the result memo.
struct StoreyGradeResult
{
    GroundState ground = GroundState::NotDangerous;
    QList<LevelResult> levels; // in level order, only levels with components
    TwoDecimals percent; // R in percent
    int duLevels = 0;
    QString grade; // "A级", "B级", "C级" or "D级"
    QStringList lines;
};

// The grade from the ground judgement and the counts. Ratios are compared
// exactly; only the percentages shown are rounded (two decimals, halves away
// from zero).
StoreyGradeResult EvaluateStoreyGrade(const StoreyCounts &counts, GroundState ground);
