#pragma once

#include "db/componentrows.h"

#include <QList>
#include <QWidget>

class QAction;
class QPlainTextEdit;
class QTableWidget;

// The page "鉴定和计算" of a report window: the title bar "危险性等级计算表",
// the component table StringGrid1 with the choice list ListView2 at its
// right, the buttons 增加, 插入, 删除 and the main window's calculate command,
// and the result memo Memo1 under the heading "  计算结算".
//
// The table's header row is the grid's horizontal header; table row r
// (1 = the first component line) is grid row r - 1. Column 0 holds the line
// numbers and cannot be edited.
class ComponentTablePage : public QWidget
{
    Q_OBJECT

public:
    explicit ComponentTablePage(QWidget *parent = nullptr);

    // The main window's calculate command (actnRecordCalcu): the fourth
    // button under the table and the last entry of the table's pop-up menu.
    void setCalculateCommand(QAction *command);

    QTableWidget *grid() const; // "StringGrid1"
    QPlainTextEdit *resultMemo() const; // "Memo1"

    // Writes the seven header texts.
    void SetComponentGridHeaders();
    // Seven columns and ten empty lines numbered 1 to 10, with the headers.
    void ResetComponentGrid();
    // The table gets exactly these lines (cell 0 as given); with none it
    // gets one empty line numbered 1.
    void showRows(const QList<ComponentRow> &rows);
    // Every line of the table, cells 0 to 6 as shown.
    QList<ComponentRow> rows() const;

    // Rows counted with the header row, as a template file stores them.
    int rowCountWithHeader() const;
    // Lines added by a larger count are empty, without a line number;
    // a smaller count drops the lines at the end.
    void setRowCountWithHeader(int count);
    // Cell (column, row) of the table, row 1 being the first line; nothing
    // happens for a cell outside the table.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

signals:
    // The user entered the table or edited one of its cells.
    void edited();

private:
    QTableWidget *m_grid = nullptr;
    QPlainTextEdit *m_resultMemo = nullptr;
};
