#include "gradejson.h"

#include "grade/housegrade.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject degrees(const TPartMembership &m, const char *a, const char *b, const char *c, const char *d)
{
    return { { QLatin1String(a), m.a.fixedText() }, { QLatin1String(b), m.b.fixedText() },
        { QLatin1String(c), m.c.fixedText() }, { QLatin1String(d), m.d.fixedText() } };
}

void addByParts(QJsonObject &object, const TDangerGradeResult &result)
{
    QJsonArray parts;
    for (int part = 0; part < HousePartCount; ++part) {
        const TwoDecimals percent = TwoDecimals::fromHundredths(100 * result.percentages[part].hundredths());
        parts.append(QJsonObject { { QStringLiteral("part"), HousePartName(HousePart(part)) },
            { QStringLiteral("percentage"), percent.fixedText() },
            { QStringLiteral("degrees"), degrees(result.degrees[part], "a", "b", "c", "d") } });
    }
    object.insert(QStringLiteral("parts"), parts);
    object.insert(QStringLiteral("overall"), degrees(result.overall, "A", "B", "C", "D"));
}

void addByLevels(QJsonObject &object, const StoreyGradeResult &result)
{
    QJsonArray levels;
    for (const LevelResult &level : result.levels)
        levels.append(QJsonObject { { QStringLiteral("level"), level.level.text() },
            { QStringLiteral("ratio"), level.percent.fixedText() },
            { QStringLiteral("grade"), LevelGradeName(level.grade) } });
    object.insert(QStringLiteral("ground_dangerous"), result.ground == GroundState::Dangerous);
    object.insert(QStringLiteral("levels"), levels);
    object.insert(QStringLiteral("R"), result.percent.fixedText());
    object.insert(QStringLiteral("du_levels"), result.duLevels);
}

} // namespace

QByteArray GradeJson::document(const HouseGrade &grade)
{
    QJsonObject object { { QStringLiteral("standard"), StandardName(grade.standard()) },
        { QStringLiteral("grade"), grade.grade().left(1) } };
    if (const TDangerGradeResult *byParts = grade.byParts())
        addByParts(object, *byParts);
    if (const StoreyGradeResult *byLevels = grade.byLevels())
        addByLevels(object, *byLevels);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}
