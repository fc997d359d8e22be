#pragma once

// Shared by the report window tests: a database of reports given column by
// column, and a report window opened on it the way the frame opens one.

#include "db/componentrows.h"
#include "editor/childwin.h"
#include "editor/editorstate.h"
#include "editor/reportlist.h"
#include "reportfile.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

using Columns = QMap<QString, QString>;

// The component rows stored under a number, cells 1..6 joined by "|".
inline QStringList componentLines(const Connection &connection, const QString &fileNo)
{
    QStringList lines;
    for (const ComponentRow &row : ComponentRows::load(connection, fileNo)) {
        QStringList cells;
        for (int c = 1; c < 7; ++c)
            cells << row[c];
        lines << cells.join(u'|');
    }
    return lines;
}

// A .had file in a fresh program folder (or a server database) holding the given reports (texts
// through each column's own conversion; an absent column stays null).
struct ReportsFile : ReportFile
{
    explicit ReportsFile(const QList<Columns> &rows = {},
        const QString &relative = QStringLiteral("Data/报告.had"), Engine engine = Engine::File)
        : ReportFile(engine, 0, relative)
    {
        // One transaction: every commit waits for the disk.
        connection.transaction([&] {
            for (const Columns &row : rows)
                add(row);
        });
    }

    void add(const Columns &row)
    {
        reports.append();
        for (auto it = row.cbegin(); it != row.cend(); ++it)
            reports.setString(it.key(), it.value());
        reports.post();
    }

    void addRows(const QString &fileNo, const QList<ComponentRow> &rows)
    {
        QList<ComponentRow> stored = ComponentRows::load(connection, fileNo) + rows;
        ComponentRows::save(connection, fileNo, stored);
    }

    // One column of every stored report, in table order.
    QStringList stored(const QString &column)
    {
        QStringList values;
        QSqlQuery query = connection.run(QStringLiteral("select %1 from ProjectTab order by ID").arg(column));
        while (query.next())
            values << (query.value(0).isNull() ? QStringLiteral("<null>") : query.value(0).toString());
        return values;
    }

    QStringList rowsOf(const QString &fileNo) { return componentLines(connection, fileNo); }
};

// A component row with the given cells 1..6, line number n.
inline ComponentRow componentRow(
    int n, const QString &part, const QString &name = QString(), const QString &total = QString())
{
    ComponentRow row;
    row[ComponentColumn::Number] = QString::number(n);
    row[ComponentColumn::Part] = part;
    row[ComponentColumn::Name] = name;
    row[ComponentColumn::Total] = total;
    return row;
}

// Opens a report window the way the frame does: with WindowOpening raised,
// which the window's activation lowers again.
inline std::unique_ptr<TfrmChildWin> openReportWindow(const QString &path)
{
    EditorProcess.WindowOpening = true;
    std::unique_ptr<TfrmChildWin> window;
    try {
        window = TfrmChildWin::create(path);
    } catch (...) {
        EditorProcess.WindowOpening = false;
        throw;
    }
    EditorProcess.WindowOpening = false;
    return window;
}

// Shows the window as the active top-level window, so that the focus and
// the keyboard reach its controls.
inline void showActive(QWidget *w)
{
    w->resize(900, 650);
    w->show();
    QApplication::setActiveWindow(w);
    if (!QTest::qWaitForWindowActive(w))
        qWarning("the window did not become active");
}

// One column of a report window's report list, in list order.
inline QStringList listed(TfrmChildWin *w, int column = ReportListModel::Number)
{
    QStringList texts;
    ReportListModel *model = w->reportList()->reportModel();
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->cellText(i, column);
    return texts;
}

template<typename T = QWidget> T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

// Shows the notebook page that holds the control.
inline void showPageOf(TfrmChildWin *window, QWidget *control)
{
    auto *notebook = window->findChild<QStackedWidget *>(QStringLiteral("Notebook1"));
    for (int page = 0; page < notebook->count(); ++page)
        if (notebook->widget(page)->isAncestorOf(control))
            window->showPage(page);
}

// Opens the in-place editor of a cell of the component table, with the
// focus, as a double-click does; returns the editor.
inline QLineEdit *editCell(QTableWidget *grid, int row, int column)
{
    grid->setFocus();
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

// The text of any text control of the window.
inline QString textOf(QWidget *window, const QString &name)
{
    QWidget *w = child(window, name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (auto *picker = qobject_cast<QDateTimeEdit *>(w))
        return picker->date().toString(Qt::ISODate);
    return QStringLiteral("<no text control>");
}
