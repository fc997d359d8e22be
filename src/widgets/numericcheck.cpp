#include "widgets/numericcheck.h"

#include "base/numbertext.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "widgets/numberedit.h"

#include <QApplication>

void CheckNumericText(NumberEdit *field, const QString &rememberedText)
{
    const QString text = field->text();
    if (text.isEmpty() || NumberText::isDecimalNumber(text, NumberText::decimalPoint()))
        return;
    field->setFocus();
    QApplication::beep();
    Prompt::error(u'"' + text + u'"' + QStringLiteral(" 不是正确的数字格式!"), AppTitle);
    field->setText(rememberedText);
}
