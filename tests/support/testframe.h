#pragma once

#include "app/ui/mainform.h"

#include <QString>

#include <memory>

// Closes a test's main window, then forgets its program folder.
struct TestFrameCloser
{
    void operator()(TMainForm *form) const;
};

using TestFrame = std::unique_ptr<TMainForm, TestFrameCloser>;

// The real main window over the program folder appDir, which it finds
// through APPRAISAL_HOME as an installed copy does, sized 1000 × 700 and
// shown (its first showing opens the start-up database).
TestFrame showFrameOver(const QString &appDir);
