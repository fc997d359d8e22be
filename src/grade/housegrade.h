#pragma once

#include "base/appraisalstandard.h"
#include "grade/dangergrade.h"
#include "grade/storeygrade.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

// The danger grade of a house by either standard: what the calculate
// command and hadtool show, and the values behind it.
class HouseGrade
{
public:
    explicit HouseGrade(TDangerGradeResult result);
    explicit HouseGrade(StoreyGradeResult result);

    AppraisalStandard standard() const;
    // The lines of the result memo.
    const QStringList &lines() const;
    // The grade text: "A级" to "D级", or "D" when the 1999 method finds the
    // foundation or the load-bearing structure entirely dangerous.
    const QString &grade() const;
    // The text and the caption of the message box.
    QString message() const;
    static QString caption();

    // The values of the method that graded the house; nullptr for the other.
    const TDangerGradeResult *byParts() const { return std::get_if<TDangerGradeResult>(&m_result); }
    const StoreyGradeResult *byLevels() const { return std::get_if<StoreyGradeResult>(&m_result); }

private:
    std::variant<TDangerGradeResult, StoreyGradeResult> m_result;
};

// Grades the rows of a component table by the standard, the one way the
// report window and hadtool evaluate a table. The ground judgement belongs to
// JGJ 125-2016; the 1999 method has no such stage and does not read it.
// Throws AppError at the first counted row the standard cannot read.
HouseGrade GradeHouse(AppraisalStandard standard, const QList<ComponentRow> &rows, GroundState ground);
