#pragma once

#include <QObject>
#include <QPointer>

// The process-wide values of the report windows.
struct EditorState
{
    // Raised while a report window is being opened: its edits do not count
    // as modifications. Lowered when a report window becomes active.
    bool WindowOpening = false;
    // The report window opened last; cleared when it closes.
    QPointer<QObject> LastOpenedWindow;
    // Set when the user cancelled a report window's save prompt.
    bool CloseCancelled = false;
};

extern EditorState EditorProcess;

// Back to the state at process start.
void resetEditorState();
