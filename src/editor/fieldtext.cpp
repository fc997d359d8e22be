#include "editor/fieldtext.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const char *const LimitProperty = "columnWidth";

QLineEdit *lineEditOf(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit;
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit();
    return nullptr;
}

} // namespace

namespace FieldText {

QString text(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    return QString();
}

void setText(QWidget *control, const QString &text)
{
    if (FieldText::text(control) == text)
        return;
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(text);
        return;
    }
    QLineEdit *edit = lineEditOf(control);
    if (!edit)
        return;
    // QLineEdit cuts a longer text to its maximum length; a text read from
    // the file must arrive whole.
    if (text.size() > edit->maxLength())
        edit->setMaxLength(int(text.size()));
    if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setEditText(text);
    else
        edit->setText(text);
}

void setLimit(QWidget *control, int characters)
{
    QLineEdit *edit = lineEditOf(control);
    if (!edit || characters <= 0)
        return;
    control->setProperty(LimitProperty, characters);
    edit->setMaxLength(characters);
    // A longer text put in by the program raised the maximum; it comes back
    // down once the text fits, so typing cannot grow it again.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, characters](const QString &now) {
        if (now.size() <= characters && edit->maxLength() > characters)
            edit->setMaxLength(characters);
    });
}

int limit(const QWidget *control)
{
    return control->property(LimitProperty).toInt();
}

} // namespace FieldText
