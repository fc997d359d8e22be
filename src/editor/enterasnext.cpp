#include "editor/enterasnext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

EnterAsNext::EnterAsNext(QWidget *window, QWidget *grid)
    : QObject(window)
    , m_window(window)
    , m_grid(grid)
{
    // The application sees a key before the control it is meant for.
    qApp->installEventFilter(this);
}

bool EnterAsNext::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !m_window || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto *target = static_cast<QWidget *>(watched);
    // Only the widget that has the focus; the event reaches its parents too.
    if (target != QApplication::focusWidget() || !m_window->isAncestorOf(target))
        return false;
    for (QWidget *w = target; w && w != m_window; w = w->parentWidget())
        if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
            return false; // a memo: a new line
    // The component table moves to its next cell itself.
    if (m_grid && (target == m_grid || m_grid->isAncestorOf(target)))
        return false;
    focusNextControl(target);
    return true;
}

// The next control of the window in tab order that takes the focus from
// the keyboard (a date picker's own Tab would only move to its next part).
void EnterAsNext::focusNextControl(QWidget *from)
{
    for (QWidget *next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain()) {
        if (!m_window->isAncestorOf(next) || from->isAncestorOf(next) || next->focusProxy())
            continue;
        if ((next->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !next->isVisible() || !next->isEnabled())
            continue;
        next->setFocus(Qt::TabFocusReason);
        return;
    }
}
