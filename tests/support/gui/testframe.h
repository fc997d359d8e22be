#pragma once

#include "app/mainform.h"

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
// not shown yet.
TestFrame frameOver(const QString &appDir);

// The same window shown (its first showing opens the start-up database).
TestFrame showFrameOver(const QString &appDir);

// Makes the main window the active window, as a user's click would.
void activateFrame(TMainForm *form);

// Deletes the closed report windows now instead of when the event loop gets
// to them.
void deleteClosedWindows();
