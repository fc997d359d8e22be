#pragma once

#include "base/appraisalstandard.h"

class DataSet;

// How a report is graded: the standard and, for JGJ 125-2016, the
// appraiser's judgement of the ground. Kept in the ProjectTab columns
// GradeStandard and GroundDangerous (HadFile::gradeColumnDefinitions).
struct ReportStandard
{
    AppraisalStandard standard = AppraisalStandard::Jgj125_99;
    GroundState ground = GroundState::NotDangerous;

    bool operator==(const ReportStandard &) const = default;

    // The current report row's, also while it is edited. A file without the
    // columns, a null and any text but "2016" mean JGJ 125-99; a
    // GroundDangerous other than null or 0 means a dangerous ground.
    static ReportStandard fromRow(const DataSet &reports);

    // Puts the values into the row being edited or appended; a column that
    // already reads as the value is left alone, so a 1999 report stored
    // unchanged keeps its null. In a file without the columns, a report of
    // the default values (1999, ground not dangerous) writes nothing; any
    // other adds the columns first: call it inside the transaction of the
    // post. Throws AppError.
    void storeToRow(DataSet &reports) const;
};
