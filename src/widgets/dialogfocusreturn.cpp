#include "widgets/dialogfocusreturn.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

DialogFocusReturn::DialogFocusReturn(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

DialogFocusReturn::~DialogFocusReturn()
{
    qApp->removeEventFilter(this);
}

bool DialogFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget->isModal()) {
            if (event->type() == QEvent::Show)
                dialogShown(widget);
            else
                dialogHidden(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

// While the dialog is being shown the window it comes from is still active.
void DialogFocusReturn::dialogShown(QWidget *dialog)
{
    QWidget *active = QApplication::activeWindow();
    if (active && active != dialog)
        m_returnTo.insert(dialog, active);
}

// Once the system has dealt with the closed dialog, the window it came from
// is activated again, unless another window of the program is active by then
// (the user moved on, or another dialog opened). The closed dialog itself
// may still count as active until the system reports where its focus went.
void DialogFocusReturn::dialogHidden(QWidget *dialog)
{
    const QPointer<QWidget> window = m_returnTo.take(dialog);
    if (!window)
        return;
    QTimer::singleShot(0, window, [window] {
        QWidget *active = QApplication::activeWindow();
        if (window->isVisible() && (!active || !active->isVisible() || active == window))
            window->activateWindow();
    });
}
