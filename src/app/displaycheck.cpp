#include "app/displaycheck.h"

QString DisplayCheck::missingDisplayMessage(const QProcessEnvironment &environment)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!environment.value(QString::fromLatin1(name)).trimmed().isEmpty())
            return QString();
    return QStringLiteral(
        "house-appraisal: 没有图形显示 (no graphical display: DISPLAY and WAYLAND_DISPLAY are unset)");
}
