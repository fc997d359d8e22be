#pragma once

#include <QString>

#include <exception>

// Thrown where the user stopped a command at a question: the command ends
// there and nothing more is shown.
class CommandCancelled : public std::exception
{
public:
    const char *what() const noexcept override { return "cancelled by the user"; }
};

// The general error report: one message box with the failure's own text,
// captioned with the product title.
void showGeneralError(const QString &text);

// The text a failure shows the user: an AppError's message, the what() text
// of any other exception.
QString failureText(const std::exception &failure);

// Runs one user command. A failure that reaches this point (an AppError or
// any other exception) is shown once through the general error report; what
// the command did before it failed stays done. Returns false on failure,
// and when the user cancelled the command (CommandCancelled).
template<typename Command> bool runReported(Command &&command);

namespace detail {
bool reportCurrentException();
}

template<typename Command> bool runReported(Command &&command)
{
    try {
        command();
        return true;
    } catch (...) {
        return detail::reportCurrentException();
    }
}
