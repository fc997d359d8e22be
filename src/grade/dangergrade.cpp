#include "grade/dangergrade.h"

#include <algorithm>
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

// The weight of a class in the load-bearing structure, in tenths (2.4 is
// 24); 0 for the classes that do not belong to it.
constexpr int loadBearingWeight(ComponentClass c)
{
    switch (c) {
    case ComponentClass::Columns:
    case ComponentClass::LoadBearingWalls:
        return 24;
    case ComponentClass::MainBeams:
    case ComponentClass::RoofTrusses:
        return 19;
    case ComponentClass::SecondaryBeams:
        return 14;
    case ComponentClass::Slabs:
        return 10;
    case ComponentClass::Foundation:
    case ComponentClass::Enclosure:
        break;
    }
    return 0;
}

// dangerous / total of one class, or 0 when the class has no components.
TwoDecimals share(const TComponentSums &sums)
{
    return sums.total >= 1 ? TwoDecimals::quotient(sums.dangerous, sums.total) : TwoDecimals();
}

// The weighted share of the load-bearing structure: both sums in tenths,
// so that the quotient is exact.
TwoDecimals loadBearingShare(const TDangerCounts &counts)
{
    WideInt dangerous = 0;
    WideInt total = 0;
    for (int i = 0; i < ComponentClassCount; ++i) {
        const int weight = loadBearingWeight(ComponentClass(i));
        dangerous += WideInt(weight) * counts.sums[i].dangerous;
        total += WideInt(weight) * counts.sums[i].total;
    }
    return total > 0 ? TwoDecimals::quotient(dangerous, total) : TwoDecimals();
}

// The overall degree: the largest of each part's degree capped by the part's
// weight (0.3 foundation, 0.6 load-bearing structure, 0.1 enclosure).
TwoDecimals combined(
    const std::array<TPartMembership, HousePartCount> &degrees, TwoDecimals TPartMembership::*degree)
{
    static constexpr std::array<WideInt, HousePartCount> Weights { 30, 60, 10 };
    TwoDecimals overall;
    for (int part = 0; part < HousePartCount; ++part)
        overall
            = std::max(overall, std::min(TwoDecimals::fromHundredths(Weights[part]), degrees[part].*degree));
    return overall;
}

QString degreesText(const TPartMembership &m, QStringView a, QStringView b, QStringView c, QStringView d)
{
    QString text;
    text.reserve(64);
    text += a;
    text += m.a.fixedText();
    text += b;
    text += m.b.fixedText();
    text += c;
    text += m.c.fixedText();
    text += d;
    text += m.d.fixedText();
    return text;
}

const QString GradeSentence = QStringLiteral("综上所述,该房屋的危险性等级为");

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

TPartMembership MembershipDegrees(TwoDecimals percentage)
{
    // In hundredths x = h / 100, so (0.30 - x) / 0.25 = (30 - h) / 25 and
    // (1 - x) / 0.70 = (100 - h) / 70: exact quotients of whole numbers.
    const WideInt h = percentage.hundredths();
    const auto r2 = [](WideInt n, WideInt d) { return TwoDecimals::quotient(n, d); };
    const TwoDecimals one = TwoDecimals::fromHundredths(100);
    if (h == 0)
        return { one, {}, {}, {} };
    if (h < 0 || h > 100)
        return {};
    if (h <= 5)
        return { {}, one, {}, {} };
    if (h < 30)
        return { {}, r2(30 - h, 25), r2(h - 5, 25), {} };
    if (h < 100) // at exactly 0.30, (x - 0.30) / 0.70 is 0 as required
        return { {}, {}, r2(100 - h, 70), r2(h - 30, 70) };
    return { {}, {}, {}, one };
}

int ChooseGrade(TwoDecimals muA, TwoDecimals muB, TwoDecimals muC, TwoDecimals muD)
{
    const std::array<TwoDecimals, 4> degrees { muA, muB, muC, muD };
    // max_element returns the first of equal largest values.
    return int(std::max_element(degrees.begin(), degrees.end()) - degrees.begin()) + 1;
}

QString TDangerGradeResult::message() const
{
    return GradeSentence + grade + QStringLiteral("。");
}

QString TDangerGradeResult::caption()
{
    return QStringLiteral("计算结果");
}

TDangerGradeResult EvaluateDangerGrade(const TDangerCounts &counts)
{
    TDangerGradeResult result;
    result.percentages = { share(counts[ComponentClass::Foundation]), loadBearingShare(counts),
        share(counts[ComponentClass::Enclosure]) };
    for (int part = 0; part < HousePartCount; ++part)
        result.degrees[part] = MembershipDegrees(result.percentages[part]);
    result.overall
        = { combined(result.degrees, &TPartMembership::a), combined(result.degrees, &TPartMembership::b),
              combined(result.degrees, &TPartMembership::c), combined(result.degrees, &TPartMembership::d) };

    const TwoDecimals one = TwoDecimals::fromHundredths(100);
    if (result.degrees[int(HousePart::Foundation)].d == one
        || result.degrees[int(HousePart::LoadBearing)].d == one) {
        result.grade = QStringLiteral("D");
    } else {
        static const std::array<QString, 4> Grades { QStringLiteral("A级"), QStringLiteral("B级"),
            QStringLiteral("C级"), QStringLiteral("D级") };
        const TPartMembership &o = result.overall;
        result.grade = Grades[ChooseGrade(o.a, o.b, o.c, o.d) - 1];
    }

    static const std::array<QString, HousePartCount> PartPrefixes { QStringLiteral(
                                                                        "地基基础中,危险构件的百分数＝"),
        QStringLiteral("承重结构中,危险构件的百分数＝"), QStringLiteral("围护结构中,危险构件的百分数＝") };
    result.lines.reserve(7);
    for (int part = 0; part < HousePartCount; ++part)
        result.lines.append(PartPrefixes[part] + result.percentages[part].percentText()
            + degreesText(result.degrees[part], u"%; μa＝", u", μb＝", u", μc＝", u", μd＝"));
    result.lines.append(QString());
    result.lines.append(degreesText(result.overall, u"整体隶属度为： μA＝", u", μB＝", u", μC＝", u", μD＝"));
    result.lines.append(QString());
    result.lines.append(GradeSentence + result.grade);
    return result;
}
