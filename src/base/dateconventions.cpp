#include "base/dateconventions.h"

#include <QStringList>

int DateConventions::expandYear(int writtenYear, int currentYear)
{
    if (writtenYear >= 100 || writtenYear < 0)
        return writtenYear;
    const int base = currentYear - 70;
    int year = (base / 100) * 100 + writtenYear;
    if (year < base)
        year += 100;
    return year;
}

QDate DateConventions::parseDate(const QString &text, int currentYear)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(Separator));
    if (parts.size() != 3)
        return QDate();
    int values[3];
    for (int i = 0; i < 3; ++i) {
        const QString part = parts.at(i).trimmed();
        bool ok = false;
        values[i] = part.toInt(&ok, 10);
        if (!ok || part.isEmpty() || !part.at(0).isDigit())
            return QDate();
    }
    const int writtenYearDigits = parts.at(0).trimmed().size();
    const int year = writtenYearDigits <= 2 ? expandYear(values[0], currentYear) : values[0];
    return QDate(year, values[1], values[2]);
}

QString DateConventions::formatDate(const QDate &date)
{
    return date.toString(ShortDateFormat);
}
