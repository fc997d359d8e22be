#pragma once

#include "db/componentrows.h"
#include "db/reportstandard.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class ClauseChoiceList;
class QCheckBox;
class QComboBox;
class ComponentGrid;
class QAction;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;

// The page "鉴定和计算" of a report window: the title bar "危险性等级计算表",
// the component table StringGrid1 with the choice list ListView2 at its
// right, the buttons 增加, 插入, 删除 and the main window's calculate command,
// and the result memo Memo1 under the heading "  计算结算".
//
// The table's header row is the grid's horizontal header; table row r
// (1 = the first component line) is grid row r - 1. Column 0 holds the line
// numbers and cannot be edited. The table handles Enter itself (it moves to
// the next cell, like Tab), also inside a cell editor: a window that turns
// Enter into a move to the next control leaves the key to the table while
// the focus is in grid() or one of its children.
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

    // The standard and ground judgement shown. showStandard sets them
    // without counting as an edit; the user's choice of either is one.
    // Switching the standard keeps the rows as they are.
    ReportStandard standard() const;
    void showStandard(const ReportStandard &standard);
    // Where the level list reads the report's 层数 from.
    void setLayersSource(std::function<QString()> source);

    // Writes the seven header texts of the standard shown.
    void SetComponentGridHeaders();
    // Ten empty lines numbered 1 to 10.
    void ResetComponentGrid();
    // The table gets exactly these lines (cell 0 as given); with none it
    // gets one empty line numbered 1. The first line becomes current.
    void showRows(const QList<ComponentRow> &rows);
    // Every line of the table, cells 0 to 6 as shown, also what is being
    // typed into a cell at this moment. Texts are never cut: a cell editor
    // takes at most 20 characters, but a longer text put into a cell by the
    // program stays whole.
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

    // Rebuilds the choice list for the current cell: the fixed words of
    // columns 1 to 3, the clauses of the clause library that match the
    // row's part and structure for column 6, nothing for the others. The
    // library is read afresh on every call: on entering the table, on every
    // click, and after a key press that moved to another cell or changed
    // the row's part or structure. When it cannot be read the list
    // shows no clauses and the failure goes to the general error report, once
    // for as long as it keeps failing the same way.
    void ShowClauseChoices();

signals:
    // The user entered the table or edited one of its cells.
    void edited();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void addRow();
    void insertRow();
    void deleteRow();
    void renumber();
    // The current line (1 = first), 0 without lines.
    int currentRow() const;
    int currentColumn() const;
    // Makes a line current, in the current column (column 1 when none).
    void moveTo(int row);
    void choose();
    void reportLibraryFailure(const QString &message);
    void standardChosen();
    // Headers, the ground check box and the choice list follow the standard.
    void applyStandard();
    void redrawChoices();

    // What the choice list depends on: the current cell and its row's part
    // and structure.
    struct ChoicesKey
    {
        int row = -1;
        int column = -1;
        QString part;
        QString structure;
        bool operator==(const ChoicesKey &) const = default;
    };
    ChoicesKey currentKey() const;
    // After a key press: the list is rebuilt only when what it depends on
    // changed; otherwise only the mark is redrawn.
    void followCurrentCell();

    ComponentGrid *m_grid = nullptr;
    ClauseChoiceList *m_choices = nullptr;
    QPlainTextEdit *m_resultMemo = nullptr;
    QComboBox *m_standardChoice = nullptr;
    QCheckBox *m_groundDangerous = nullptr;
    std::function<QString()> m_layersSource;
    QMenu *m_popupMenu = nullptr;
    QToolButton *m_calculateButton = nullptr;
    QPointer<QAction> m_calculateCommand;
    // What the choice list was last built for (column -1: none).
    ChoicesKey m_choicesKey;
    // The failure of the clause library last reported; empty after a
    // successful read.
    QString m_reportedFailure;
};
