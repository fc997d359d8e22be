#include "grade/dangercounts.h"

#include "app/apperror.h"
#include "app/numbertext.h"

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

ComponentCounts ReadComponentCounts(const QString &total, const QString &dangerous)
{
    const qint32 dangerousCount = ReadComponentCount(dangerous);
    return { dangerousCount, ReadComponentCount(total) };
}

void TDangerCounts::add(
    const QString &part, const QString &name, const QString &total, const QString &dangerous)
{
    const std::optional<ComponentClass> c = ClassOfComponent(part, name);
    if (!c)
        return;
    const ComponentCounts counts = ReadComponentCounts(total, dangerous);
    TComponentSums &sums = (*this)[*c];
    sums.dangerous += counts.dangerous;
    sums.total += counts.total;
}
