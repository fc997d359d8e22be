#include "interruption.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace Interruption {

namespace {

volatile std::sig_atomic_t arrived = 0;

void note(int signal)
{
    arrived = signal;
}

} // namespace

void install()
{
    struct sigaction action
    {
    };
    action.sa_handler = note;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        sigaction(signal, &action, nullptr);
    // Output to a reader that has gone fails as any other write does, and
    // the command ends as a failure, instead of the process being killed.
    std::signal(SIGPIPE, SIG_IGN);
}

void check()
{
    if (arrived != 0)
        throw Interrupted { arrived };
}

void endBy(int signal)
{
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);
}

} // namespace Interruption
