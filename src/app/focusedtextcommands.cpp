#include "app/focusedtextcommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// The text field behind a focused widget, or null.
QWidget *textFieldOf(QWidget *widget)
{
    if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
        || qobject_cast<QTextEdit *>(widget))
        return widget;
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->lineEdit();
    return nullptr;
}

bool isInPopup(const QWidget *widget)
{
    return widget->window()->windowType() == Qt::Popup;
}

// What the commands need to know of a field, and what they do to it; the
// two memo kinds share their interface.
struct FieldState
{
    bool canUndo = false;
    bool hasSelection = false;
    bool readOnly = true;
    bool empty = true;
};

template<typename Memo>
FieldState memoState(const Memo *memo)
{
    return {memo->document()->isUndoAvailable(), memo->textCursor().hasSelection(), memo->isReadOnly(),
            memo->document()->isEmpty()};
}

FieldState stateOf(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field))
        return {line->isUndoAvailable(), line->hasSelectedText(), line->isReadOnly(), line->text().isEmpty()};
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(field))
        return memoState(plain);
    if (auto *rich = qobject_cast<const QTextEdit *>(field))
        return memoState(rich);
    return {};
}

enum class Operation { Undo, Cut, Copy, Paste, SelectAll };

template<typename Field>
void perform(Field *field, Operation op)
{
    switch (op) {
    case Operation::Undo: field->undo(); break;
    case Operation::Cut: field->cut(); break;
    case Operation::Copy: field->copy(); break;
    case Operation::Paste: field->paste(); break;
    case Operation::SelectAll: field->selectAll(); break;
    }
}

void performOn(QWidget *field, Operation op)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        perform(line, op);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        perform(plain, op);
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        perform(rich, op);
}

bool clipboardHasText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

FocusedTextCommands::FocusedTextCommands(const Actions &actions, QObject *parent)
    : QObject(parent)
    , m_actions(actions)
{
    const std::pair<QAction *, Operation> operations[] = {
        {actions.undo, Operation::Undo},           {actions.cut, Operation::Cut},
        {actions.copy, Operation::Copy},           {actions.paste, Operation::Paste},
        {actions.selectAll, Operation::SelectAll},
    };
    for (const auto &[action, op] : operations)
        connect(action, &QAction::triggered, this, [this, op = op] {
            if (m_target)
                performOn(m_target, op);
            refresh();
        });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &FocusedTextCommands::refresh);
    retarget(textFieldOf(QApplication::focusWidget()));
}

void FocusedTextCommands::focusChanged(QWidget *now)
{
    if (!now || isInPopup(now))
        return;
    retarget(textFieldOf(now));
}

void FocusedTextCommands::retarget(QWidget *field)
{
    if (field != m_target) {
        for (const auto &connection : std::as_const(m_targetConnections))
            disconnect(connection);
        m_targetConnections.clear();
        m_target = field;
        if (auto *line = qobject_cast<QLineEdit *>(field)) {
            m_targetConnections << connect(line, &QLineEdit::textChanged, this, &FocusedTextCommands::refresh)
                                << connect(line, &QLineEdit::selectionChanged, this,
                                           &FocusedTextCommands::refresh);
        } else if (field) {
            // Both memo kinds announce their changes with the same signals.
            m_targetConnections << connect(field, SIGNAL(textChanged()), this, SLOT(refresh()))
                                << connect(field, SIGNAL(selectionChanged()), this, SLOT(refresh()))
                                << connect(field, SIGNAL(undoAvailable(bool)), this, SLOT(refresh()));
        }
        if (field)
            m_targetConnections << connect(field, &QObject::destroyed, this, [this] {
                m_targetConnections.clear();
                refresh();
            });
    }
    refresh();
}

void FocusedTextCommands::refresh()
{
    const FieldState s = m_target ? stateOf(m_target) : FieldState();
    const bool present = m_target;
    m_actions.undo->setEnabled(present && !s.readOnly && s.canUndo);
    m_actions.cut->setEnabled(present && !s.readOnly && s.hasSelection);
    m_actions.copy->setEnabled(present && s.hasSelection);
    m_actions.paste->setEnabled(present && !s.readOnly && clipboardHasText());
    m_actions.selectAll->setEnabled(present && !s.empty);
}
