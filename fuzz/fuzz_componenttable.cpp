// The component table file reader (hadtool grade --table), graded by both
// standards as the command grades it.

#include "base/apperror.h"
#include "fuzzsupport.h"
#include "grade/componenttablefile.h"
#include "grade/housegrade.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::start();
    try {
        const QList<ComponentRow> rows
            = ComponentTableFile::parse(FuzzSupport::bytes(data, size), QStringLiteral("table.tsv"));
        for (const AppraisalStandard standard :
            { AppraisalStandard::Jgj125_99, AppraisalStandard::Jgj125_2016 }) {
            for (const GroundState ground : { GroundState::NotDangerous, GroundState::Dangerous }) {
                try {
                    (void)GradeHouse(standard, rows, ground).lines();
                } catch (const AppError &) { }
            }
        }
    } catch (const AppError &) { }
    FuzzSupport::forgetPrompts();
    return 0;
}
