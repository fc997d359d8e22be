#include "grade/gradetext.h"

QString GradeText::conclusion(const QString &grade)
{
    return QStringLiteral("综上所述,该房屋的危险性等级为") + grade;
}

QString GradeText::message(const QString &grade)
{
    return conclusion(grade) + u'。';
}

QString GradeText::caption()
{
    return QStringLiteral("计算结果");
}
