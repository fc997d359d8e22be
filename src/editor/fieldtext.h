#pragma once

#include <QString>

#include <functional>

class QWidget;

// The text of a report window's text control (one-line edit, editable
// drop-down or memo), read and written the same way for every kind.
namespace FieldText {

QString text(const QWidget *control);

// Sets the text only when it differs, so that setting an equal text raises
// no change. A one-line control takes the text whole and as it is, also
// when it is longer than its limit (a stored value is never cut).
void setText(QWidget *control, const QString &text);

// Limits what the user can put into a one-line edit or drop-down to one
// line of at most this many characters (OneLineLimit); memos hold any
// length. describe names the field in the message about a refused paste;
// by default the field's label. 0 sets no limit.
void setLimit(QWidget *control, int characters, std::function<QString()> describe = {});
// The limit set with setLimit, or 0.
int limit(const QWidget *control);

// The name of a control as its label shows it, without access key, colon
// and blanks ("委 托 人:" gives "委托人"); empty when it has no label.
QString label(const QWidget *control);

} // namespace FieldText
