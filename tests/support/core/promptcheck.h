#pragma once

#include "base/processstate.h"
#include "base/prompt.h"

#include <QtTest>

// Exactly one message was shown: this text with this icon, captioned with the product title.
inline void verifyOnlyMessage(const QString &text, PromptIcon icon)
{
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &shown = Prompt::shown().first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.caption, AppTitle);
}
