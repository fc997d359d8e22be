#pragma once

#include <QObject>
#include <QPointer>

// The process-wide values of the print preview.
struct PreviewState
{
    // The print preview window opened last (null before the first one).
    QPointer<QObject> CurrentPreview;
};

extern PreviewState PreviewProcess;

// Back to the state at process start.
void resetPreviewState();
