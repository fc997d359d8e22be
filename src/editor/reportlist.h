#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QTreeView>

#include <functional>

class DataSet;
class QMenu;

// The entries of the report list: entry i stands for row i + 1 of the
// report data set, in the set's order, with the columns 编号 (FileNo),
// 地址 (Address), 产权人 (PropertyRightMan) and 委托人 (Client). Texts are
// read from the file a block at a time when an entry is shown, so that a
// file of many reports lists at once. A cell typed into by the report
// window keeps the typed text until the list is filled again.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Address, Owner, Client, ColumnCount };
    static constexpr int BlockSize = 64;

    explicit ReportListModel(QObject *parent = nullptr);

    // Empties the list and gives it one entry per row the data set holds
    // now. The data set must outlive the list or be replaced by another fill.
    void fill(const DataSet &reports);
    void clear();

    // The text shown in a cell; empty outside the list.
    QString cellText(int entry, int column) const;
    // Puts a text into a cell of an existing entry.
    void setCellText(int entry, int column, const QString &text);

    // The entry of the data set's current row (the shown report), or -1.
    int currentEntry() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const QStringList &storedCells(int entry) const;

    const DataSet *m_reports = nullptr;
    int m_count = 0;
    mutable QHash<int, QList<QStringList>> m_blocks; // by block number
    QHash<int, QStringList> m_typed; // cells typed into, by entry
};

// ListView1: the report list of a report window, a report-style list with
// whole-row selection whose shown report is drawn green with white text.
// A click on an entry and a key released over a selected entry ask to show
// that entry's report.
class ReportListView : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportListView(ReportListModel *model, QWidget *parent = nullptr);

    ReportListModel *reportModel() const { return m_model; }
    // PopupMenu1, the list's pop-up menu; the window fills it.
    QMenu *popupMenu() const { return m_popup; }

    // The selected entry, or -1.
    int selectedEntry() const;
    // Selects an entry and scrolls it into view; -1 or an entry outside
    // the list selects nothing.
    void selectEntry(int entry);

    // Runs before the list is drawn (the window makes sure its data set is
    // open).
    void setBeforePaint(std::function<void()> hook) { m_beforePaint = std::move(hook); }

signals:
    // The user clicked an entry, or released a key while an entry was selected.
    void entryClicked(int entry);
    void keyReleasedOnEntry(int entry);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ReportListModel *m_model;
    QMenu *m_popup;
    std::function<void()> m_beforePaint;
};
