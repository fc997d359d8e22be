#include "grade/dangergrade.h"

#include "grade/gradetext.h"

#include <algorithm>

namespace {

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

} // namespace

QString HousePartName(HousePart part)
{
    static const std::array<QString, HousePartCount> Names { QStringLiteral("地基基础"),
        QStringLiteral("承重结构"), QStringLiteral("围护结构") };
    return Names[size_t(part)];
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
    return GradeText::message(grade);
}

QString TDangerGradeResult::caption()
{
    return GradeText::caption();
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

    result.lines.reserve(7);
    for (int part = 0; part < HousePartCount; ++part)
        result.lines.append(HousePartName(HousePart(part)) + QStringLiteral("中,危险构件的百分数＝")
            + result.percentages[part].percentText()
            + degreesText(result.degrees[part], u"%; μa＝", u", μb＝", u", μc＝", u", μd＝"));
    result.lines.append(QString());
    result.lines.append(degreesText(result.overall, u"整体隶属度为： μA＝", u", μB＝", u", μC＝", u", μD＝"));
    result.lines.append(QString());
    result.lines.append(GradeText::conclusion(result.grade));
    return result;
}
