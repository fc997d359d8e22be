#pragma once

#include <QWidget>

// Suspends drawing of a widget for the lifetime of the guard, then resumes
// it and repaints the widget with all its children once. Nests: an inner
// guard leaves drawing suspended for the outer one. A widget that draws
// nothing only because a parent is suspended is not held back: it draws
// again with its parent.
class UpdatesSuspended
{
public:
    explicit UpdatesSuspended(QWidget *widget)
        : m_widget(widget)
        , m_suspendedBefore(widget->testAttribute(Qt::WA_ForceUpdatesDisabled))
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~UpdatesSuspended()
    {
        if (m_suspendedBefore)
            return;
        m_widget->setUpdatesEnabled(true);
        m_widget->update();
    }
    UpdatesSuspended(const UpdatesSuspended &) = delete;
    UpdatesSuspended &operator=(const UpdatesSuspended &) = delete;

private:
    QWidget *m_widget;
    bool m_suspendedBefore; // by a guard of its own, not through a parent
};
