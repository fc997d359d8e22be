#include "editor/onelinelimit.h"

#include "base/prompt.h"

#include <QApplication>
#include <QLineEdit>

namespace {

// Each line break (CR LF as one) becomes a blank; the cursor follows.
void joinLines(QString &text, int &pos)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            text.remove(i + 1, 1);
            if (pos > i + 1)
                --pos;
        }
        if (text.at(i) == u'\r' || text.at(i) == u'\n')
            text[i] = u' ';
    }
}

} // namespace

OneLineLimit::OneLineLimit(QLineEdit *edit, int characters, std::function<QString()> describe)
    : QValidator(edit)
    , m_edit(edit)
    , m_characters(characters)
    , m_describe(std::move(describe))
    , m_allowed(characters)
    , m_length(edit->text().size())
{
    // The edit itself holds any length; the limit decides what an edit may add.
    edit->setMaxLength(32767);
    edit->setValidator(this);
    // After the edit has put its text back: a message box must not open in
    // the middle of the edit's own change.
    connect(edit, &QLineEdit::inputRejected, this, &OneLineLimit::reportRefusal, Qt::QueuedConnection);
}

OneLineLimit *OneLineLimit::of(const QLineEdit *edit)
{
    return edit ? edit->findChild<OneLineLimit *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void OneLineLimit::setProgramText(qsizetype length, const std::function<void()> &put)
{
    m_edit->setValidator(nullptr);
    put();
    m_edit->setValidator(this);
    m_length = length;
    m_allowed = qMax(qsizetype(m_characters), length);
}

QValidator::State OneLineLimit::validate(QString &input, int &pos) const
{
    joinLines(input, pos);
    if (input.size() > m_allowed) {
        m_refusedLength = input.size();
        m_refusedGrowth = input.size() - m_length;
        return Invalid;
    }
    m_length = input.size();
    m_allowed = qMax(qsizetype(m_characters), m_length);
    return Acceptable;
}

void OneLineLimit::reportRefusal()
{
    if (m_refusedGrowth <= 1) {
        QApplication::beep();
        return;
    }
    Prompt::error(QStringLiteral("%1 最多 %2 个字符, 输入后会有 %3 个, 这次输入没有接受。")
                      .arg(m_describe())
                      .arg(m_characters)
                      .arg(m_refusedLength));
}
