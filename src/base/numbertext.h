#pragma once

#include <QChar>
#include <QString>

#include <optional>

// Rules for the text of the program's number fields.
namespace NumberText {

// The decimal separator of the user's locale ('.' when it has none of one
// character).
QChar decimalPoint();

// True when the text is a decimal floating-point number: an optional sign,
// digits with an optional decimal point (at least one digit), an optional
// exponent ('e' or 'E', optional sign, digits). Nothing else, no blanks.
bool isDecimalNumber(const QString &text, QChar decimalPoint);

// The text as a whole number (optional sign, decimal digits, within the
// range of int), or nothing.
std::optional<int> wholeNumber(const QString &text);

} // namespace NumberText
