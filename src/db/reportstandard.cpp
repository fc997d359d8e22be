#include "db/reportstandard.h"

#include "db/dataset.h"
#include "db/hadfile.h"

namespace {

const QString StandardColumn = QStringLiteral("GradeStandard");
const QString GroundColumn = QStringLiteral("GroundDangerous");

} // namespace

ReportStandard ReportStandard::fromRow(const DataSet &reports)
{
    ReportStandard stored;
    if (reports.hasField(StandardColumn)
        && reports.asString(StandardColumn) == StandardYear(AppraisalStandard::Jgj125_2016))
        stored.standard = AppraisalStandard::Jgj125_2016;
    if (reports.hasField(GroundColumn) && reports.asInteger(GroundColumn) != 0)
        stored.ground = GroundState::Dangerous;
    return stored;
}

void ReportStandard::storeToRow(DataSet &reports) const
{
    const ReportStandard stored = fromRow(reports);
    if (stored == *this)
        return;
    if (!reports.hasField(StandardColumn) || !reports.hasField(GroundColumn))
        HadFile::addGradeColumns(reports);
    if (stored.standard != standard)
        reports.setString(StandardColumn, StandardYear(standard));
    if (stored.ground != ground)
        reports.setInteger(GroundColumn, ground == GroundState::Dangerous ? 1 : 0);
}
