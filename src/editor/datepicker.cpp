#include "editor/datepicker.h"

#include <QLineEdit>
#include <QMouseEvent>

DatePicker::DatePicker(const QDateTime &dateTime, QWidget *parent)
    : QDateTimeEdit(dateTime, parent)
{
    lineEdit()->installEventFilter(this);
}

// The edit inside the picker gets the mouse. Pressing the button puts the
// cursor into a part, which becomes the current section; a click that
// selected nothing by dragging then selects that section. A double-click
// would select the whole text as one word (the Chinese date has no blanks):
// it selects the section under the mouse instead.
bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched != lineEdit() || !(release || doubleClick)
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QDateTimeEdit::eventFilter(watched, event);
    if (doubleClick) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        lineEdit()->setCursorPosition(lineEdit()->cursorPositionAt(at));
    } else if (lineEdit()->hasSelectedText()) {
        return QDateTimeEdit::eventFilter(watched, event); // selected by dragging
    }
    setSelectedSection(currentSection());
    return doubleClick;
}
