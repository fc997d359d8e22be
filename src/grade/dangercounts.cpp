#include "grade/dangercounts.h"

#include "app/apperror.h"

#include <limits>

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
    const auto invalid
        = [&] { return AppError(QStringLiteral("'%1' is not a valid integer value").arg(text)); };
    qsizetype i = 0;
    const char16_t first = text.isEmpty() ? 0 : text.front().unicode();
    const bool negative = first == u'-';
    if (negative || first == u'+')
        i = 1;
    if (i == text.size())
        throw invalid();
    // Accumulates the magnitude; one more than the largest int32 is allowed
    // for the negative end of the range.
    const qint64 limit = qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            throw invalid();
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            throw invalid();
    }
    return qint32(negative ? -magnitude : magnitude);
}

void TDangerCounts::add(
    const QString &part, const QString &name, const QString &total, const QString &dangerous)
{
    const std::optional<ComponentClass> c = ClassOfComponent(part, name);
    if (!c)
        return;
    const qint32 dangerousCount = ReadComponentCount(dangerous);
    const qint32 totalCount = ReadComponentCount(total);
    TComponentSums &sums = (*this)[*c];
    sums.dangerous += dangerousCount;
    sums.total += totalCount;
}
