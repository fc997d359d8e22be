#include "grade/housegrade.h"

#include "grade/gradetext.h"

HouseGrade::HouseGrade(TDangerGradeResult result)
    : m_result(std::move(result))
{ }

HouseGrade::HouseGrade(StoreyGradeResult result)
    : m_result(std::move(result))
{ }

AppraisalStandard HouseGrade::standard() const
{
    return byLevels() ? AppraisalStandard::Jgj125_2016 : AppraisalStandard::Jgj125_99;
}

const QStringList &HouseGrade::lines() const
{
    return std::visit([](const auto &result) -> const QStringList & { return result.lines; }, m_result);
}

const QString &HouseGrade::grade() const
{
    return std::visit([](const auto &result) -> const QString & { return result.grade; }, m_result);
}

QString HouseGrade::message() const
{
    return GradeText::message(grade());
}

QString HouseGrade::caption()
{
    return GradeText::caption();
}

HouseGrade GradeHouse(AppraisalStandard standard, const QList<ComponentRow> &rows, GroundState ground)
{
    if (standard == AppraisalStandard::Jgj125_2016)
        return HouseGrade(EvaluateStoreyGrade(CountStoreyComponents(rows), ground));
    return HouseGrade(EvaluateDangerGrade(CountDangerComponents(rows)));
}
