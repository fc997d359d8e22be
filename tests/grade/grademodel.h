#pragma once

// What the grade tests share: component rows, and the exact arithmetic of
// their own models of the evaluations (fractions and their rounding), worked
// apart from the code under test.

#include "db/componentrows.h"

#include <QString>
#include <QStringList>

#include <numeric>

// An exact fraction n / d with d > 0, in lowest terms.
struct Fraction
{
    qint64 n = 0;
    qint64 d = 1;

    Fraction(qint64 numerator = 0, qint64 denominator = 1)
    {
        const qint64 g = std::gcd(numerator, denominator);
        n = (denominator < 0 ? -numerator : numerator) / (g ? g : 1);
        d = (denominator < 0 ? -denominator : denominator) / (g ? g : 1);
    }
    friend Fraction operator+(Fraction a, Fraction b) { return { a.n * b.d + b.n * a.d, a.d * b.d }; }
    friend Fraction operator-(Fraction a, Fraction b) { return { a.n * b.d - b.n * a.d, a.d * b.d }; }
    friend Fraction operator*(Fraction a, Fraction b) { return { a.n * b.n, a.d * b.d }; }
    friend Fraction operator/(Fraction a, Fraction b) { return { a.n * b.d, a.d * b.n }; }
    friend bool operator==(Fraction a, Fraction b) { return a.n == b.n && a.d == b.d; }
    friend bool operator<(Fraction a, Fraction b) { return a.n * b.d < b.n * a.d; }
    friend bool operator<=(Fraction a, Fraction b) { return !(b < a); }
};

// The fraction times 100, rounded to a whole number with halves away from zero.
inline qint64 roundedHundredths(Fraction q)
{
    const qint64 scaled = q.n * 100;
    qint64 whole = scaled / q.d; // towards zero
    const qint64 rest = scaled % q.d;
    if (2 * (rest < 0 ? -rest : rest) >= q.d)
        whole += scaled < 0 ? -1 : 1;
    return whole;
}

// A whole number of hundredths with exactly two decimals: 8 is "0.08".
inline QString withTwoDecimals(qint64 hundredths)
{
    return QString::asprintf("%.2f", double(hundredths) / 100.0);
}

// A component row with the given first two cells (part or level, component
// name or kind) and counts.
inline ComponentRow row(
    const QString &first, const QString &name, const QString &total, const QString &dangerous)
{
    ComponentRow r;
    r[ComponentColumn::Part] = first;
    r[ComponentColumn::Name] = name;
    r[ComponentColumn::Structure] = QStringLiteral("砌体");
    r[ComponentColumn::Total] = total;
    r[ComponentColumn::Dangerous] = dangerous;
    return r;
}

// The rows in one line, for the message of a failed comparison.
inline QString describe(const QList<ComponentRow> &rows)
{
    QStringList text;
    for (const ComponentRow &r : rows)
        text << r[1] + "/" + r[2] + "/" + r[4] + "/" + r[5];
    return text.join(" | ");
}
