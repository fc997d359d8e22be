#pragma once

#include <QProcessEnvironment>
#include <QString>

// The program is a window on a graphical display. Started where there is
// none (a bare console, an ssh session without forwarding), Qt would abort
// with a long plug-in message; start-up asks here first and prints one line.
namespace DisplayCheck {

// The line to print when no window can be shown: neither DISPLAY nor
// WAYLAND_DISPLAY is set and no Qt platform is chosen with QT_QPA_PLATFORM.
// Empty when a display (or an explicit platform) is available.
QString missingDisplayMessage(
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

} // namespace DisplayCheck
