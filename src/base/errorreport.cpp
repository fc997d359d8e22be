#include "base/errorreport.h"

#include "base/apperror.h"
#include "base/prompt.h"

void showGeneralError(const QString &text)
{
    Prompt::error(text);
}

QString failureText(const std::exception &failure)
{
    if (const auto *error = dynamic_cast<const AppError *>(&failure))
        return error->message();
    return QString::fromLocal8Bit(failure.what());
}

bool detail::reportCurrentException()
{
    try {
        throw;
    } catch (const CommandCancelled &) {
    } catch (const std::exception &e) {
        showGeneralError(failureText(e));
    }
    return false;
}
