#pragma once

#include <QByteArray>

class HouseGrade;

// hadtool grade --json: the grade and the values behind it as one JSON
// object on one line, for scripts. Ratios and percentages are strings in
// percent with two decimals ("1.11"), degrees strings with two decimals.
namespace GradeJson {

// By levels: {"standard": "JGJ 125-2016", "ground_dangerous": false,
// "levels": [{"level": "基础", "ratio": "0.00", "grade": "Au"}, ...],
// "R": "0.44", "du_levels": 0, "grade": "B"}.
// By parts: {"standard": "JGJ 125-99", "parts": [{"part": "地基基础",
// "percentage": "0.00", "degrees": {"a": "1.00", "b": ..., "c": ..., "d": ...}},
// ...], "overall": {"A": "0.30", "B": ..., "C": ..., "D": ...}, "grade": "B"}.
// The grade is the letter alone.
QByteArray document(const HouseGrade &grade);

} // namespace GradeJson
