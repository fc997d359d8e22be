#pragma once

#include <QString>

// The texts that end every evaluation, whichever standard grades the house.
namespace GradeText {

// "综上所述,该房屋的危险性等级为" + grade: the last line of the result memo.
QString conclusion(const QString &grade);
// The conclusion + "。": the text of the message box.
QString message(const QString &grade);
// "计算结果": the caption of the message box.
QString caption();

} // namespace GradeText
