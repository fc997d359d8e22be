#include "editor/panelscrollbox.h"

#include <QScrollBar>
#include <QWheelEvent>

PanelScrollBox::PanelScrollBox(QWidget *panel, QWidget *parent)
    : QScrollArea(parent)
    , m_canvas(new QWidget)
    , m_panel(panel)
{
    m_panel->setParent(m_canvas);
    m_panel->move(0, 0);
    setWidgetResizable(false);
    setWidget(m_canvas);
    fitCanvas();
}

void PanelScrollBox::placePanel(int left, int top)
{
    m_panel->move(left, top);
    fitCanvas();
}

void PanelScrollBox::scrollToTop()
{
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void PanelScrollBox::fitCanvas()
{
    const QSize visible = viewport()->size();
    const QRect panel = m_panel->geometry();
    m_canvas->resize(qMax(visible.width(), panel.right() + 1), qMax(visible.height(), panel.bottom() + 1));
}

void PanelScrollBox::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fitCanvas();
    emit resized();
}

void PanelScrollBox::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    // Wheel down (a negative delta) moves further into the panel.
    const int steps = delta / 120 != 0 ? delta / 120 : (delta > 0 ? 1 : -1);
    const int by = -steps * WheelStep;
    verticalScrollBar()->setValue(verticalScrollBar()->value() + by);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + by);
    event->accept();
}

QWidget *PanelScrollBox::firstField() const
{
    for (QWidget *w = m_panel->nextInFocusChain(); w != m_panel; w = w->nextInFocusChain())
        if (m_panel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy()
            && w->isEnabled() && w->isVisibleTo(m_panel))
            return w;
    return nullptr;
}
