#pragma once

#include <QDate>
#include <QString>

// The program's date conventions, fixed at start-up for the whole run: dates
// are shown and parsed as "yyyy-mm-dd" with "-" as separator, and a year
// written with one or two digits lies in the hundred years that begin 70
// years before the current year.
namespace DateConventions {

inline constexpr char Separator = '-';
inline const QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");

// The full year for a year as written; years of three or more digits stay.
int expandYear(int writtenYear, int currentYear);

// Parses "y-m-d" (year of one, two or four digits, month and day with or
// without leading zero, blanks around the parts allowed). Returns an invalid
// date when the text is not such a date.
QDate parseDate(const QString &text, int currentYear = QDate::currentDate().year());

QString formatDate(const QDate &date);

} // namespace DateConventions
