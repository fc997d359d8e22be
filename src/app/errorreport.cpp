#include "app/errorreport.h"

#include "app/apperror.h"
#include "app/prompt.h"

#include <exception>

void showGeneralError(const QString &text)
{
    Prompt::error(text);
}

bool detail::reportCurrentException()
{
    try {
        throw;
    } catch (const AppError &e) {
        showGeneralError(e.message());
    } catch (const std::exception &e) {
        showGeneralError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
