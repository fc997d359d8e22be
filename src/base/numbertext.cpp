#include "base/numbertext.h"

#include <QLocale>

namespace NumberText {

namespace {

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Advances past a run of digits; returns how many there were.
qsizetype skipDigits(const QString &text, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && isDigit(text.at(pos)))
        ++pos;
    return pos - start;
}

} // namespace

QChar decimalPoint()
{
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.at(0) : QChar(u'.');
}

bool isDecimalNumber(const QString &text, QChar decimalPoint)
{
    qsizetype pos = 0;
    if (pos < text.size() && isSign(text.at(pos)))
        ++pos;
    qsizetype digits = skipDigits(text, pos);
    if (pos < text.size() && text.at(pos) == decimalPoint) {
        ++pos;
        digits += skipDigits(text, pos);
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text.at(pos) == u'e' || text.at(pos) == u'E')) {
        ++pos;
        if (pos < text.size() && isSign(text.at(pos)))
            ++pos;
        if (skipDigits(text, pos) == 0)
            return false;
    }
    return pos == text.size();
}

std::optional<int> wholeNumber(const QString &text)
{
    qsizetype pos = 0;
    if (pos < text.size() && isSign(text.at(pos)))
        ++pos;
    if (skipDigits(text, pos) == 0 || pos != text.size())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace NumberText
