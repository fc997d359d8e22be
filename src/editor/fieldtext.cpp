#include "editor/fieldtext.h"

#include "db/reportfields.h"
#include "editor/onelinelimit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QLineEdit *lineEditOf(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return const_cast<QLineEdit *>(edit);
    if (auto *combo = qobject_cast<const QComboBox *>(control))
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
    // A memo's lines end in CR LF, as the files and the pages keep them.
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return withCrLf(memo->toPlainText());
    return QString();
}

void setText(QWidget *control, const QString &text)
{
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        if (FieldText::text(control) != withCrLf(text))
            memo->setPlainText(text);
        return;
    }
    if (FieldText::text(control) == text)
        return;
    QLineEdit *edit = lineEditOf(control);
    if (!edit)
        return;
    const auto put = [control, edit, &text] {
        if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setEditText(text);
        else
            edit->setText(text);
    };
    if (OneLineLimit *limit = OneLineLimit::of(edit))
        limit->setProgramText(text.size(), put);
    else
        put();
}

void setLimit(QWidget *control, int characters, std::function<QString()> describe)
{
    QLineEdit *edit = lineEditOf(control);
    if (!edit || characters <= 0)
        return;
    if (!describe)
        describe = [control] { return label(control); };
    new OneLineLimit(edit, characters, std::move(describe));
}

int limit(const QWidget *control)
{
    const OneLineLimit *limit = OneLineLimit::of(lineEditOf(control));
    return limit ? limit->characters() : 0;
}

QString label(const QWidget *control)
{
    for (const QLabel *label : control->window()->findChildren<QLabel *>()) {
        if (label->buddy() != control)
            continue;
        QString name = label->text();
        name.remove(u'&').remove(u' ');
        while (name.endsWith(u':') || name.endsWith(u'：'))
            name.chop(1);
        return name;
    }
    return QString();
}

} // namespace FieldText
