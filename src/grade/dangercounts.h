#pragma once

#include "db/componentrows.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The classes of structural members the danger grade counts, each with the
// rows of the component table that belong to it (by component name and
// constituent part of the house).
enum class ComponentClass : int {
    Foundation, // "地基", "基础" anywhere; "柱", "墙段", "主梁", "次梁", "板" under "地基基础"
    Columns, // "柱" outside "地基基础"
    LoadBearingWalls, // "墙段" under "承重结构"
    MainBeams, // "主梁" outside "地基基础"
    RoofTrusses, // "屋架" anywhere
    SecondaryBeams, // "次梁" outside "地基基础"
    Slabs, // "板" outside "地基基础"
    Enclosure, // "墙段" under "围护结构"; "围护构件" anywhere
};
inline constexpr int ComponentClassCount = 8;

// The class a row counts in, from its constituent part (cell 1) and
// component name (cell 2), compared as whole texts, exactly. Nothing for a
// row that is not counted: another name, or "墙段" under any part but the
// three of the table.
std::optional<ComponentClass> ClassOfComponent(QStringView part, QStringView name);

// A count cell of a counted row as a number: an optional "+" or "-" followed
// by one or more ASCII digits, nothing else (no blanks, no other digits, no
// hexadecimal), within the range of a 32-bit integer. Anything else, an empty
// text included, throws AppError "'<text>' is not a valid integer value".
qint32 ReadComponentCount(const QString &text);

// The two count cells of one counted row.
struct ComponentCounts
{
    qint32 dangerous = 0;
    qint32 total = 0;
};

// Reads the count cells of a counted row, the dangerous count first and then
// the total, so that an evaluation stops at the same cell whatever standard
// grades the table. Throws AppError (ReadComponentCount), led by the cell's
// name ("第 3 行 危险构件数: ") when the row's line is known (1 for the
// first; 0 for none).
ComponentCounts ReadComponentCounts(const QString &total, const QString &dangerous, int line = 0);

// Sums of one class: dangerous components and all components.
struct TComponentSums
{
    qint64 dangerous = 0;
    qint64 total = 0;

    bool operator==(const TComponentSums &) const = default;
};

// For each class, the sums of the dangerous and the total counts of the rows
// counted in it. Sums are 64-bit: each row adds at most 2^31 in magnitude, so
// no table that fits in memory can overflow them.
struct TDangerCounts
{
    std::array<TComponentSums, ComponentClassCount> sums {};

    const TComponentSums &operator[](ComponentClass c) const { return sums[size_t(c)]; }
    TComponentSums &operator[](ComponentClass c) { return sums[size_t(c)]; }

    // Counts one row: finds its class and, when it has one, reads the
    // dangerous count and then the total (ReadComponentCount, which may
    // throw) and adds them. The count cells of an uncounted row are not read.
    void add(const QString &part, const QString &name, const QString &total, const QString &dangerous);
    // The same for line `line` of a table (1 for the first): an invalid
    // count's message is led by the cell's name, "第 3 行 危险构件数: ".
    void add(const ComponentRow &row, int line);

    bool operator==(const TDangerCounts &) const = default;

private:
    void count(
        const QString &part, const QString &name, const QString &total, const QString &dangerous, int line);
};

// Counts a sequence of component rows (anything iterable over ComponentRow:
// the rows of the component table, of a stored report, of a file), in order,
// as lines 1, 2, .... Throws AppError at the first counted row with an
// invalid count, naming its line and cell.
template<typename Rows> TDangerCounts CountDangerComponents(const Rows &rows)
{
    TDangerCounts counts;
    int line = 0;
    for (const ComponentRow &row : rows)
        counts.add(row, ++line);
    return counts;
}
