#pragma once

#include <QTableWidget>

// The grid of the component table. Column 0 holds the line numbers: it is
// drawn like a header and can neither be entered nor edited. Every other
// cell is edited in place; what is typed reaches the cell at once, and the
// editor takes one line of at most MaxCellLength characters (FieldText's
// limit: a longer text that is already in the cell is kept whole, it can
// only be shortened). Tab moves
// from cell to cell, from the last cell back to the first, and Enter does
// the same, also while a cell is being edited. Every cell of every row holds an item.
class ComponentGrid : public QTableWidget
{
    Q_OBJECT

public:
    // The width of the CalcuData columns.
    static constexpr int MaxCellLength = 20;

    explicit ComponentGrid(QWidget *parent = nullptr);

    // Closes an open cell editor; what was typed stays in the cell.
    void finishEditing();

signals:
    // The keyboard focus came into the table from another control of its
    // window. Coming back from the table's own cell editor, a pop-up menu,
    // a message box, another window or another document window is no entry.
    void entered();
    // A key press in the table or its cell editor has been handled; the
    // current cell may have moved or changed.
    void touched();
    // A click in the table has been handled.
    void clickHandled();
    // The user changed the text of a cell in place.
    void cellTyped();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void fillRows(int first, int last);
    void followFocus(QWidget *now);

    // The focus has gone to another control of the table's window since the
    // table last had it.
    bool m_focusLeft = true;
};
