#pragma once

#include <QString>
#include <stdexcept>

// A failure that carries the text the user should read. It travels up to the
// command that started the work, which shows it once through the general
// error report (see errorreport.h).
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message);

    const QString &message() const { return m_message; }

private:
    QString m_message;
};
