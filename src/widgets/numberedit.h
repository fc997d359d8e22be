#pragma once

#include <QAbstractSpinBox>

// A spin box for whole numbers whose text is free: from the keyboard it takes
// only digits, the signs '+' and '-' and the decimal separator (other keys
// beep), and whatever text of those characters is typed stands in the field
// until it is corrected. The value is read from the text: a text that is not
// a whole number reads as the minimum, a number outside the range as the
// nearer bound. With minimum == maximum the field has no bounds.
class NumberEdit : public QAbstractSpinBox
{
    Q_OBJECT

public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // A maximum below the minimum counts as the minimum (no bounds).
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    int value() const;
    // Shows the value, set to the nearer bound when outside the range.
    void setValue(int value);

    // The text as it stands (QAbstractSpinBox::text() gives the same).
    void setText(const QString &text);

    // True for the characters the field takes from the keyboard.
    static bool acceptsCharacter(QChar c);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

signals:
    // Every change of the text, typed or set.
    void textChanged(const QString &text);
    // The field received the keyboard focus.
    void focusEntered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    StepEnabled stepEnabled() const override;

private:
    bool hasBounds() const { return m_minimum != m_maximum; }
    int bounded(qint64 value) const;

    int m_minimum = 0;
    int m_maximum = 0;
};
