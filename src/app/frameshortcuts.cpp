#include "app/frameshortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

FrameShortcuts::FrameShortcuts(QWidget *frame, const QList<QAction *> &commands)
    : QObject(frame)
    , m_frame(frame)
    , m_commands(commands)
{
    // A control claims a key by accepting the shortcut override event sent
    // to it before any shortcut is tried; the application sees that event
    // first.
    qApp->installEventFilter(this);
}

bool FrameShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != m_frame)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence keys(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    if (!isCommandKey(keys))
        return false;
    // Not accepted: the key is tried as a shortcut. The event goes on to
    // the control's parents, which this filter turns away the same way.
    key->ignore();
    return true;
}

bool FrameShortcuts::isCommandKey(const QKeySequence &keys) const
{
    for (const QAction *command : m_commands)
        if (command->isEnabled() && command->shortcuts().contains(keys))
            return true;
    return false;
}
