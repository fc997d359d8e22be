#include "grade/dangercounts.h"

#include "base/apperror.h"
#include "base/numbertext.h"

std::optional<ComponentClass> ClassOfComponent(QStringView part, QStringView name)
{
    const bool inFoundation = part == u"地基基础";
    if (name == u"地基" || name == u"基础")
        return ComponentClass::Foundation;
    if (name == u"屋架")
        return ComponentClass::RoofTrusses;
    if (name == u"围护构件")
        return ComponentClass::Enclosure;
    if (name == u"墙段") {
        if (inFoundation)
            return ComponentClass::Foundation;
        if (part == u"承重结构")
            return ComponentClass::LoadBearingWalls;
        if (part == u"围护结构")
            return ComponentClass::Enclosure;
        return std::nullopt;
    }
    std::optional<ComponentClass> member;
    if (name == u"柱")
        member = ComponentClass::Columns;
    else if (name == u"主梁")
        member = ComponentClass::MainBeams;
    else if (name == u"次梁")
        member = ComponentClass::SecondaryBeams;
    else if (name == u"板")
        member = ComponentClass::Slabs;
    if (member && inFoundation)
        return ComponentClass::Foundation;
    return member;
}

qint32 ReadComponentCount(const QString &text)
{
    const std::optional<int> count = NumberText::wholeNumber(text);
    if (!count)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *count;
}

namespace {

// A count cell of a counted row. Its line (1 for the first, 0 for none
// known) and column name the cell in the message about an invalid count.
qint32 readCount(const QString &text, int line, int column)
{
    if (line <= 0)
        return ReadComponentCount(text);
    try {
        return ReadComponentCount(text);
    } catch (const AppError &e) {
        throw AppError(ComponentRows::cellName(line, column) + QStringLiteral(": ") + e.message());
    }
}

} // namespace

ComponentCounts ReadComponentCounts(const QString &total, const QString &dangerous, int line)
{
    const qint32 dangerousCount = readCount(dangerous, line, ComponentColumn::Dangerous);
    return { dangerousCount, readCount(total, line, ComponentColumn::Total) };
}

void TDangerCounts::add(
    const QString &part, const QString &name, const QString &total, const QString &dangerous)
{
    count(part, name, total, dangerous, 0);
}

void TDangerCounts::add(const ComponentRow &row, int line)
{
    count(row[ComponentColumn::Part], row[ComponentColumn::Name], row[ComponentColumn::Total],
        row[ComponentColumn::Dangerous], line);
}

void TDangerCounts::count(
    const QString &part, const QString &name, const QString &total, const QString &dangerous, int line)
{
    const std::optional<ComponentClass> c = ClassOfComponent(part, name);
    if (!c)
        return;
    const ComponentCounts counts = ReadComponentCounts(total, dangerous, line);
    TComponentSums &sums = (*this)[*c];
    sums.dangerous += counts.dangerous;
    sums.total += counts.total;
}
