#pragma once

// Ctrl+C, a hang-up or a request to terminate while hadtool works: the
// signal is noted, the command stops at its next step and unwinds as a
// failure does, removing its temporary files, and hadtool then ends as the
// signal would have ended it.
namespace Interruption {

// Thrown by check() once a signal has arrived.
struct Interrupted
{
    int signal;
};

// Catches SIGINT, SIGTERM and SIGHUP from now on, and ignores SIGPIPE.
void install();

// Throws Interrupted when one of them has arrived.
void check();

// Ends the process by the signal, with its default action.
[[noreturn]] void endBy(int signal);

} // namespace Interruption
