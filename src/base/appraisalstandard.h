#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The appraisal standard that grades a report.
enum class AppraisalStandard {
    Jgj125_99, // the fuzzy method by constituent parts
    Jgj125_2016, // the ground stage and the method by levels
};

// The appraiser's judgement of the ground, the first stage of JGJ 125-2016.
enum class GroundState { NotDangerous, Dangerous };

// "JGJ 125-99" or "JGJ 125-2016".
QString StandardName(AppraisalStandard standard);

// The year by which files, config.ini and the command line name a standard:
// "1999" or "2016".
QString StandardYear(AppraisalStandard standard);

// The standard of a year text ("1999" or "2016", nothing else).
std::optional<AppraisalStandard> StandardFromYear(QStringView year);
