#include "grade/twodecimals.h"

#include <limits>

namespace {

// A whole number in decimal, with a "-" when negative.
QString wideText(WideInt value)
{
    if (value >= std::numeric_limits<qint64>::min() && value <= std::numeric_limits<qint64>::max())
        return QString::number(qint64(value));
    const bool negative = value < 0;
    // Unsigned, so that the magnitude of the most negative value is defined.
    unsigned __int128 magnitude = negative ? 0 - static_cast<unsigned __int128>(value) : value;
    QString digits;
    while (magnitude != 0) {
        digits.prepend(QChar(u'0' + char16_t(magnitude % 10)));
        magnitude /= 10;
    }
    if (negative)
        digits.prepend(u'-');
    return digits;
}

} // namespace

TwoDecimals TwoDecimals::quotient(WideInt numerator, WideInt denominator)
{
    // Round half away from zero on the magnitude: floor(|100 n| / d + 1/2).
    const WideInt scaled = 100 * numerator;
    const WideInt magnitude = scaled < 0 ? -scaled : scaled;
    const WideInt rounded = (2 * magnitude + denominator) / (2 * denominator);
    return fromHundredths(scaled < 0 ? -rounded : rounded);
}

QString TwoDecimals::percentText() const
{
    return wideText(m_hundredths);
}

QString TwoDecimals::fixedText() const
{
    const bool negative = m_hundredths < 0;
    const WideInt magnitude = negative ? -m_hundredths : m_hundredths;
    const int cents = int(magnitude % 100);
    QString text = wideText(magnitude / 100);
    if (negative)
        text.prepend(u'-');
    const char16_t decimals[3] = { u'.', char16_t(u'0' + cents / 10), char16_t(u'0' + cents % 10) };
    text.append(QStringView(decimals, 3));
    return text;
}
