#pragma once

#include <QtGlobal>

// Hears how far a long piece of work has come. The work calls advanced()
// now and then; what the user sees of it is up to the listener (a window
// shows a busy cursor and a progress dialog, a test counts the calls).
class WorkProgress
{
public:
    virtual ~WorkProgress() = default;
    // done out of total; total is 0 while the amount of work is not known.
    virtual void advanced(qint64 done, qint64 total) = 0;
};
