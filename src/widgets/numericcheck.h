#pragma once

#include <QString>

class NumberEdit;

// Refuses a number field's text that is not a decimal number: the field gets
// the focus back, the system beeps, the user reads
// "<text>" 不是正确的数字格式! and the field shows the remembered text again.
// An empty text or a decimal number passes without a word.
void CheckNumericText(NumberEdit *field, const QString &rememberedText);
