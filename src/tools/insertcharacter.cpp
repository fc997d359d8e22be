#include "tools/insertcharacter.h"

#include "base/prompt.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

namespace {

constexpr int ButtonSize = 25;
constexpr int ButtonStep = 43;
constexpr int Left = 25;
constexpr int Top = 15;
constexpr int ButtonsPerRow = 7;

// The multi-line text box that a control is, or whose viewport it is; null
// for any other control.
QWidget *textBoxOf(QWidget *control)
{
    if (!control)
        return nullptr;
    for (QWidget *w : { control, control->parentWidget() }) {
        auto *area = qobject_cast<QAbstractScrollArea *>(w);
        if (area && (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QTextEdit *>(w))
            && (w == control || area->viewport() == control))
            return w;
    }
    return nullptr;
}

template<typename Box> void insertAtCaret(Box *box, const QString &text)
{
    QTextCursor cursor = box->textCursor();
    cursor.clearSelection();
    cursor.insertText(text);
    box->setTextCursor(cursor);
}

} // namespace

TfrmInsertCharacter::TfrmInsertCharacter(FocusedControl focusedControl, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
    , m_focusedControl(std::move(focusedControl))
{
    setObjectName(QStringLiteral("frmInsertCharacter"));
    setWindowTitle(QStringLiteral("插入字符"));
    setFont(QFont(QStringLiteral("宋体"), 9));
    setFixedSize(333, 140);
    setFocusPolicy(Qt::StrongFocus);

    const QStringList &chars = characters();
    for (int i = 0; i < chars.size(); ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setText(chars.at(i));
        button->setAutoRaise(true);
        // Like the speed buttons users know, they never take the focus: keys
        // reach the palette itself.
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(Left + (i % ButtonsPerRow) * ButtonStep, Top + (i / ButtonsPerRow) * ButtonStep,
            ButtonSize, ButtonSize);
        connect(button, &QToolButton::clicked, this, [this, c = chars.at(i)] { buttonClicked(c); });
    }
}

const QStringList &TfrmInsertCharacter::characters()
{
    static const QStringList list = { "～", "＋", "－", "×", "÷", "√", "‰", "％", "①", "②", "③", "④", "⑤",
        "⑥", "⑦", "⑧", "⑨", "⑩", "㎡" };
    return list;
}

bool TfrmInsertCharacter::InsertPaletteCharacter(const QString &character)
{
    QWidget *box = textBoxOf(m_focusedControl ? m_focusedControl() : nullptr);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        insertAtCaret(plain, character);
    else if (auto *rich = qobject_cast<QTextEdit *>(box))
        insertAtCaret(rich, character);
    else
        return false;
    return true;
}

void TfrmInsertCharacter::buttonClicked(const QString &character)
{
    bool inserted = false;
    try {
        inserted = InsertPaletteCharacter(character);
    } catch (...) {
        inserted = false;
    }
    if (!inserted)
        Prompt::error(QStringLiteral("插入字符错误!"));
}

void TfrmInsertCharacter::keyPressEvent(QKeyEvent *event)
{
    // Esc and Enter included: every key that produces a character closes the
    // palette, so typing never goes anywhere unseen.
    if (!event->text().isEmpty() || event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
