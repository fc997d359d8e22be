#include "editor/componentgrid.h"

#include "db/componentrows.h"
#include "editor/fieldtext.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyledItemDelegate>

#include <functional>
#include <tuple>

namespace {

constexpr int Columns = int(std::tuple_size_v<ComponentRow>);
const int ColumnWidths[Columns] = { 64, 96, 80, 80, 80, 90, 90 };

// The window or document window a widget belongs to: focus moving between
// two of them is no move from one control to another.
const QWidget *documentOf(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget())
        if (widget->isWindow() || qobject_cast<const QMdiSubWindow *>(widget))
            return widget;
    return nullptr;
}

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The in-place editor of a cell. It remembers the text it started with, so
// that Escape can put it back, and tells when it has handled a key.
class CellEditor : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

    bool started = false;
    QString original;
    std::function<void()> keyHandled;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QLineEdit::keyPressEvent(event);
        if (keyHandled)
            keyHandled();
    }
};

class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(ComponentGrid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    { }

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new CellEditor(parent);
        editor->setFrame(false);
        FieldText::setLimit(
            editor, ComponentGrid::MaxCellLength, [line = index.row() + 1, column = index.column()] {
                return ComponentRows::cellName(line, column);
            });
        auto *self = const_cast<CellDelegate *>(this);
        // Typing reaches the cell at once, as in a spreadsheet: the table
        // always shows, and hands out, what the user sees.
        QObject::connect(editor, &QLineEdit::textEdited, self, [self, editor] {
            emit self->commitData(editor);
            emit self->m_grid->cellTyped();
        });
        editor->keyHandled = [grid = m_grid] { emit grid->touched(); };
        return editor;
    }

    void setEditorData(QWidget *widget, const QModelIndex &index) const override
    {
        auto *editor = static_cast<CellEditor *>(widget);
        const QString text = index.data(Qt::EditRole).toString();
        if (!editor->started) {
            editor->started = true;
            editor->original = text;
        }
        FieldText::setText(editor, text);
    }

    void setModelData(QWidget *widget, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QString text = static_cast<CellEditor *>(widget)->text();
        if (index.data(Qt::EditRole).toString() != text)
            model->setData(index, text, Qt::EditRole);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = dynamic_cast<CellEditor *>(object);
        if (!editor || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && editor->text() != editor->original) {
            FieldText::setText(editor, editor->original);
            emit commitData(editor);
        }
        if (isEnter(key)) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QStyledItemDelegate::eventFilter(object, &tab);
            emit m_grid->touched();
            return true;
        }
        const bool handled = QStyledItemDelegate::eventFilter(object, event);
        if (handled && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab))
            emit m_grid->touched();
        return handled;
    }

    // The line numbers look like the header: button face, ordinary text.
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != 0)
            return;
        option->state |= QStyle::State_Enabled;
        option->backgroundBrush = option->palette.brush(QPalette::Active, QPalette::Button);
        option->palette.setColor(
            QPalette::Text, option->palette.color(QPalette::Active, QPalette::ButtonText));
    }

private:
    ComponentGrid *m_grid;
};

} // namespace

ComponentGrid::ComponentGrid(QWidget *parent)
    : QTableWidget(0, Columns, parent)
{
    setItemDelegate(new CellDelegate(this));
    verticalHeader()->hide();
    QHeaderView *header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    for (int c = 0; c < Columns; ++c)
        setColumnWidth(c, ColumnWidths[c]);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setSortingEnabled(false);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    connect(model(), &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex &, int first, int last) { fillRows(first, last); });
}

void ComponentGrid::fillRows(int first, int last)
{
    for (int r = first; r <= last; ++r)
        for (int c = 0; c < columnCount(); ++c) {
            if (item(r, c))
                continue;
            auto *cell = new QTableWidgetItem;
            if (c == 0)
                cell->setFlags(Qt::NoItemFlags);
            setItem(r, c, cell);
        }
}

void ComponentGrid::finishEditing()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ComponentGrid::followFocus(QWidget *now)
{
    // The document window itself takes the focus for a moment while it is
    // activated; that is no control.
    const QWidget *document = documentOf(this);
    if (now && now != this && !isAncestorOf(now) && now != document && documentOf(now) == document)
        m_focusLeft = true;
}

void ComponentGrid::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    const bool entering = m_focusLeft && event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::PopupFocusReason;
    m_focusLeft = false;
    if (entering)
        emit entered();
}

void ComponentGrid::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        // Enter acts as Tab: the next cell, or past the last one the next
        // control.
        focusNextPrevChild(true);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
    // A key that opened the cell editor went on to the editor, which
    // reports it itself.
    if (state() != QAbstractItemView::EditingState)
        emit touched();
}

void ComponentGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableWidget::mouseReleaseEvent(event);
    emit clickHandled();
}

QModelIndex ComponentGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Tab goes round: past the last cell to the first and back.
    const QModelIndex current = currentIndex();
    const QModelIndex first = model()->index(0, 1);
    const QModelIndex last = model()->index(rowCount() - 1, columnCount() - 1);
    if (action == MoveNext && current.isValid() && current == last)
        return first;
    if (action == MovePrevious && current.isValid() && current == first)
        return last;
    return QTableWidget::moveCursor(action, modifiers);
}
