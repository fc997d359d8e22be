#include "grade/storeygrade.h"

#include "base/apperror.h"
#include "grade/gradetext.h"

namespace {

std::optional<int> weightOfKind(QStringView name)
{
    for (const StoreyComponentKind &kind : StoreyComponentKinds())
        if (kind.name == name)
            return kind.weight;
    return std::nullopt;
}

// "第 3 行 (1, 墙体)": the row as the messages name it, by its number,
// level and kind.
QString rowName(const ComponentRow &row)
{
    return QStringLiteral("第 %1 行 (%2, %3)")
        .arg(row[ComponentColumn::Number], row[ComponentColumn::Part], row[ComponentColumn::Name]);
}

// The grade of the ratio dangerous / total (0 <= dangerous <= total), found
// by exact comparisons: 0 is Au, below 5 % Bu, below 25 % Cu, else Du.
LevelGrade gradeOf(WideInt dangerous, WideInt total)
{
    if (dangerous == 0)
        return LevelGrade::Au;
    if (20 * dangerous < total)
        return LevelGrade::Bu;
    if (4 * dangerous < total)
        return LevelGrade::Cu;
    return LevelGrade::Du;
}

// dangerous / total in percent, with two decimals; 0 when total is 0.
TwoDecimals percentOf(WideInt dangerous, WideInt total)
{
    return total > 0 ? TwoDecimals::quotient(100 * dangerous, total) : TwoDecimals();
}

QString levelLine(const LevelResult &level, const TComponentSums &foundation)
{
    const QString grade = LevelGradeName(level.grade) + u'级';
    if (level.level.isFoundation())
        return QStringLiteral("基础: 危险构件 %1/%2, Rf＝%3%, %4")
            .arg(QString::number(foundation.dangerous), QString::number(foundation.total),
                level.percent.fixedText(), grade);
    return QStringLiteral("%1: Rs＝%2%, %3").arg(level.level.title(), level.percent.fixedText(), grade);
}

// The house's grade from its ratio's grade, the number of Du levels and the
// number of levels graded (F + B + f).
QChar houseGrade(LevelGrade whole, int duLevels, int levels)
{
    switch (whole) {
    case LevelGrade::Au:
        return u'A';
    case LevelGrade::Bu:
        return duLevels == 0 ? u'B' : u'C';
    case LevelGrade::Cu:
        return 3 * duLevels <= levels ? u'C' : u'D';
    case LevelGrade::Du:
        break;
    }
    return u'D';
}

} // namespace

std::optional<Level> Level::fromText(QStringView text)
{
    if (text == u"基础")
        return foundation();
    const QStringView digits = text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty() || digits.front() == u'0')
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::optional<Level>(storey(number)) : std::nullopt;
}

QString Level::text() const
{
    return isFoundation() ? QStringLiteral("基础") : QString::number(m_storey);
}

QString Level::title() const
{
    if (isFoundation())
        return text();
    if (isBasement())
        return QStringLiteral("地下第%1层").arg(-qint64(m_storey));
    return QStringLiteral("第%1层").arg(m_storey);
}

const std::array<StoreyComponentKind, 10> &StoreyComponentKinds()
{
    static constexpr std::array<StoreyComponentKind, 10> Kinds { { { u"中柱", 35 }, { u"边柱", 27 },
        { u"角柱", 18 }, { u"墙体", 27 }, { u"屋架", 19 }, { u"中梁", 19 }, { u"边梁", 14 }, { u"次梁", 10 },
        { u"楼屋面板", 10 }, { u"围护构件", 10 } } };
    return Kinds;
}

QString LevelGradeName(LevelGrade grade)
{
    static const std::array<QString, 4> Names { QStringLiteral("Au"), QStringLiteral("Bu"),
        QStringLiteral("Cu"), QStringLiteral("Du") };
    return Names[size_t(grade)];
}

void StoreyCounts::add(const ComponentRow &row, int line)
{
    const std::optional<Level> level = Level::fromText(row[ComponentColumn::Part]);
    int weight = FoundationWeight;
    if (!level || !level->isFoundation()) {
        const std::optional<int> kindWeight = weightOfKind(row[ComponentColumn::Name]);
        if (!kindWeight)
            return;
        if (!level)
            throw AppError(rowName(row) + QStringLiteral(": 楼层应为 基础、1、2… 或 -1、-2…"));
        weight = *kindWeight;
    }
    const ComponentCounts counts
        = ReadComponentCounts(row[ComponentColumn::Total], row[ComponentColumn::Dangerous], line);
    if (counts.total < 0 || counts.dangerous < 0)
        throw AppError(
            QStringLiteral("%1: 构件数不能为负数 (构件总数 %2, 危险构件数 %3)")
                .arg(rowName(row), QString::number(counts.total), QString::number(counts.dangerous)));
    if (counts.dangerous > counts.total)
        throw AppError(
            QStringLiteral("%1: 危险构件数 %2 大于构件总数 %3")
                .arg(rowName(row), QString::number(counts.dangerous), QString::number(counts.total)));
    LevelSums &sums = m_levels[*level];
    sums.dangerous += WideInt(weight) * counts.dangerous;
    sums.total += WideInt(weight) * counts.total;
}

TComponentSums StoreyCounts::foundation() const
{
    // Every foundation component weighs the same, so the unweighted counts
    // are the weighted sums divided by that weight, exactly.
    const auto found = m_levels.find(Level::foundation());
    if (found == m_levels.end())
        return {};
    return { qint64(found->second.dangerous / FoundationWeight),
        qint64(found->second.total / FoundationWeight) };
}

StoreyGradeResult EvaluateStoreyGrade(const StoreyCounts &counts, GroundState ground)
{
    StoreyGradeResult result;
    result.ground = ground;
    WideInt dangerous = 0;
    WideInt total = 0;
    for (const auto &[level, sums] : counts.levels()) {
        if (sums.total == 0)
            continue;
        const LevelResult graded { level, percentOf(sums.dangerous, sums.total),
            gradeOf(sums.dangerous, sums.total) };
        result.levels.append(graded);
        if (graded.grade == LevelGrade::Du)
            ++result.duLevels;
        dangerous += sums.dangerous;
        total += sums.total;
    }
    result.percent = percentOf(dangerous, total);
    const QChar letter = ground == GroundState::Dangerous
        ? u'D'
        : houseGrade(gradeOf(dangerous, total), result.duLevels, int(result.levels.size()));
    result.grade = letter + QStringLiteral("级");

    const TComponentSums foundation = counts.foundation();
    result.lines.reserve(int(result.levels.size()) + 6);
    result.lines.append(ground == GroundState::Dangerous ? QStringLiteral("地基: 危险状态")
                                                         : QStringLiteral("地基: 非危险状态"));
    for (const LevelResult &level : std::as_const(result.levels))
        result.lines.append(levelLine(level, foundation));
    result.lines.append(QString());
    result.lines.append(QStringLiteral("综合比例 R＝%1%; Du级层数 %2")
                            .arg(result.percent.fixedText(), QString::number(result.duLevels)));
    result.lines.append(QString());
    result.lines.append(GradeText::conclusion(result.grade));
    return result;
}
