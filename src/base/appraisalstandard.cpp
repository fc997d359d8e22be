#include "base/appraisalstandard.h"

QString StandardName(AppraisalStandard standard)
{
    return standard == AppraisalStandard::Jgj125_2016 ? QStringLiteral("JGJ 125-2016")
                                                      : QStringLiteral("JGJ 125-99");
}

QString StandardYear(AppraisalStandard standard)
{
    return standard == AppraisalStandard::Jgj125_2016 ? QStringLiteral("2016") : QStringLiteral("1999");
}

std::optional<AppraisalStandard> StandardFromYear(QStringView year)
{
    if (year == u"1999")
        return AppraisalStandard::Jgj125_99;
    if (year == u"2016")
        return AppraisalStandard::Jgj125_2016;
    return std::nullopt;
}
