#pragma once

#include <QString>

class QWidget;

// The text of a report window's text control (one-line edit, editable
// drop-down or memo), read and written the same way for every kind.
namespace FieldText {

QString text(const QWidget *control);

// Sets the text only when it differs, so that setting an equal text raises
// no change. A one-line control whose length limit is lower than the text
// takes the text whole (a stored value is never cut); the limit returns
// as soon as the text fits it again.
void setText(QWidget *control, const QString &text);

// Typing and pasting stop at this many characters (one-line edits and
// drop-downs; memos hold any length). 0 sets no limit.
void setLimit(QWidget *control, int characters);
// The limit set with setLimit, or 0.
int limit(const QWidget *control);

} // namespace FieldText
