#include "widgets/numberedit.h"

#include "base/numbertext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <limits>

NumberEdit::NumberEdit(QWidget *parent)
    : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberEdit::textChanged);
    setText(QStringLiteral("0"));
}

void NumberEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
}

int NumberEdit::bounded(qint64 value) const
{
    const qint64 low = hasBounds() ? m_minimum : std::numeric_limits<int>::min();
    const qint64 high = hasBounds() ? m_maximum : std::numeric_limits<int>::max();
    return int(std::clamp(value, low, high));
}

int NumberEdit::value() const
{
    const std::optional<int> number = NumberText::wholeNumber(text());
    return number ? bounded(*number) : m_minimum;
}

void NumberEdit::setValue(int value)
{
    setText(QString::number(bounded(value)));
}

void NumberEdit::setText(const QString &text)
{
    lineEdit()->setText(text);
}

bool NumberEdit::acceptsCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == NumberText::decimalPoint();
}

void NumberEdit::stepBy(int steps)
{
    setValue(bounded(qint64(value()) + steps));
}

QAbstractSpinBox::StepEnabled NumberEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    if (!hasBounds())
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value() < m_maximum)
        enabled |= StepUpEnabled;
    if (value() > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

// Pasted or dropped text is held to the same characters as typed text.
QValidator::State NumberEdit::validate(QString &input, int &) const
{
    return std::all_of(input.cbegin(), input.cend(), acceptsCharacter) ? QValidator::Acceptable
                                                                       : QValidator::Invalid;
}

void NumberEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        && !std::all_of(typed.cbegin(), typed.cend(), acceptsCharacter)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void NumberEdit::focusInEvent(QFocusEvent *event)
{
    QAbstractSpinBox::focusInEvent(event);
    emit focusEntered();
}
