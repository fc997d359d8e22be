#pragma once

#include <QValidator>

#include <functional>

class QLineEdit;

// What a one-line field takes from the user's typing, pasting, dropping and
// input methods: one line, and no more characters than its column holds.
//
// Each line break of an edit (CR LF, CR or LF) becomes one blank: a pasted
// address keeps every word on the one line its column can hold, where a
// refused paste would leave the user to join the lines elsewhere. An edit
// that would make the text longer than the column is refused whole, never
// cut: a single typed character beeps, as a keyboard does at a full field;
// anything longer (a paste, a drop, an input method's phrase) shows a message
// that names the field and says how many characters it holds.
//
// Texts that the program puts in (a stored report, a template) go through
// setProgramText: whole and unchanged, even when longer than the column;
// such a text can then only get shorter, down to the column's width.
class OneLineLimit : public QValidator
{
    Q_OBJECT

public:
    // describe gives the field's name for the message ("房屋地址",
    // "第 3 行 构件名称"). The limit belongs to the edit.
    OneLineLimit(QLineEdit *edit, int characters, std::function<QString()> describe);

    // The limit of an edit, or null.
    static OneLineLimit *of(const QLineEdit *edit);

    int characters() const { return m_characters; }

    // Runs put, which sets the edit's text to a text of the given length,
    // with the limit stood aside.
    void setProgramText(qsizetype length, const std::function<void()> &put);

    State validate(QString &input, int &pos) const override;

private:
    void reportRefusal();

    QLineEdit *m_edit;
    int m_characters;
    std::function<QString()> m_describe;
    // The longest text an edit may leave: the column's width, or the length
    // of a longer text the program put in until the user shortens it.
    mutable qsizetype m_allowed;
    mutable qsizetype m_length = 0; // of the text last accepted
    mutable qsizetype m_refusedLength = 0; // of the text last refused
    mutable qsizetype m_refusedGrowth = 0; // characters it would have added
};
