#include "widgets/linklabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    // Only the underline is set here: family and size still come from the
    // parent and the theme, and change with them.
    QFont underline;
    underline.setUnderline(true);
    setFont(underline);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    adjustSize();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// Outside a layout nothing resizes the label when its font changes.
void LinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}
