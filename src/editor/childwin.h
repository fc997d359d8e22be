#pragma once

#include "db/componentrows.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/reportfields.h"
#include "db/reportstandard.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <memory>
#include <optional>

class ComponentTablePage;
class ReportChangeWatch;
struct RecoveryRecord;
class QAction;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTabWidget;
class ReportListModel;
class ReportListView;
class ReportPages;
class SearchSheet;
class WorkProgress;

// The frame's commands that a report window offers on its own menus: the
// report list's pop-up menu PopupMenu1 and the component table's calculate
// button. Any of them may be null (a window without a frame).
struct ReportWindowCommands
{
    QAction *append = nullptr;
    QAction *remove = nullptr;
    QAction *saveAsTemplate = nullptr;
    QAction *instead = nullptr;
    QAction *first = nullptr;
    QAction *prior = nullptr;
    QAction *next = nullptr;
    QAction *last = nullptr;
    QAction *calculate = nullptr;
};

// A report window: the document window of one appraisal database file. It
// owns its own connection to the file and the report data set ReportQuery,
// whose current row is the report shown on its three pages (request,
// component table, report). The left pane lists and searches the reports.
//
// The window knows nothing of the frame: it tells what changed through
// signals, and the frame owns every menu, command and check.
class TfrmChildWin : public QMdiSubWindow
{
    Q_OBJECT

public:
    // Creates a window on a database file: connects, stores a first blank
    // report into a file without reports, fills the list and shows the
    // first report, unmodified; a progress given hears that the work goes
    // on. Throws AppError when the file cannot be opened; no window is left
    // behind then.
    static std::unique_ptr<TfrmChildWin> create(
        const QString &fileName, const ReportWindowCommands &commands = {}, WorkProgress *progress = nullptr);
    ~TfrmChildWin() override;

    QSize sizeHint() const override;

    // The window caption for a file: its name without folder and extension.
    static QString captionFor(const QString &path);

    const QString &FileName() const { return m_fileName; }
    // The window's entry for the frame's Window menu (created by the
    // window, added to the menu by the frame, removed with the window).
    QAction *WindowMenuItem() const { return m_windowMenuItem; }
    Connection &connection() { return m_connection; }
    DataSet &ReportQuery() { return m_reports; }
    ComponentTablePage *componentPage() const { return m_componentPage; }
    ReportListView *reportList() const { return m_list; }
    SearchSheet *searchSheet() const { return m_search; }

    bool Modified() const { return m_modified; }
    void setModified(bool modified);

    // What the window has to say in the frame's status line (empty: nothing);
    // statusTextChanged tells each change.
    const QString &statusText() const { return m_statusText; }
    // The status text while the shown report has edits here and someone else
    // saved or deleted it meanwhile.
    static const QString ChangedElsewhereText;

    // Every bound column's text as the controls hold it (a mirrored column
    // from its mirror), and both dates.
    ReportTexts controlTexts() const;
    // The building-area total shown in labedtSum.
    QString areaTotal() const;
    // Puts a text into a column's control (and its mirror), with the same
    // change handling as a text put there while editing: mirrors, list
    // entry, area total, Modified. A date column takes "yyyy-mm-dd".
    void setControlText(const QString &column, const QString &text);
    // The control that has, or last had, the focus inside the window.
    QWidget *focusedControl() const { return m_lastFocused; }

    // The record binding: the query's current row into the controls and
    // back, or every control emptied for a new report.
    void LoadReport(DataSet &query);
    void StoreReport(DataSet &query);
    void ClearReport();
    void SumBuildingArea();

    // The report list: filled from the query; GoToReport shows the report
    // of an entry (saving a modified report first).
    void FillReportList(DataSet &query);
    void GoToReport(int entry);
    // Selects the entry of the shown report and scrolls it into view.
    void showCurrentEntry();

    // The component table of the shown report. SaveComponentRows stores it
    // under the number of the report's row (as being stored while the row
    // is edited, else as stored): a number typed into the field and then
    // dropped with the other field edits takes no rows.
    void LoadComponentRows(DataSet &query);
    // The stored component rows of the query's current report.
    QList<ComponentRow> storedComponentRows(const DataSet &query) const;
    void SaveComponentRows();
    void ResetComponentGrid();
    // LoadReport and LoadComponentRows: the query's current report on the
    // pages and in the component table, both read before either changes.
    void showReport(DataSet &query);
    // showReport after a move of ReportQuery from the report shown: when the
    // report moved to cannot be read, the query goes back to the shown one,
    // so that the pages and the current row stay one report.
    void showReportMovedFrom(DataSet::Bookmark shown);

    // The save command's work: nothing while unmodified; otherwise the
    // controls are stored into the current row (a new one when the set has
    // none), which is posted, and the component table replaces the rows
    // under its number, all in one transaction; a new report is listed;
    // Modified is false afterwards. Throws AppError (Modified stays set,
    // the file is as it was).
    //
    // When someone else saved the report since it was loaded, the user
    // chooses: load their version (dropping the edits here), store the
    // edits as a new report, or keep editing (CommandCancelled is thrown
    // and nothing is stored); for a report deleted elsewhere: store the
    // edits as a new report, or keep editing. Nothing is ever overwritten.
    void saveReport();
    // What a move stores of a modified report: its fields (not the
    // component table), posted with the save's check and choices.
    void storeFields();
    // The delete command's work: a modified report is stored with its
    // component rows first, then deleted, as one transaction. A report
    // someone else saved since it was loaded is deleted only when the user
    // agrees (else CommandCancelled). False when the set was empty.
    bool deleteShownReport();
    // The search of the search sheet (BitBtn1). Throws AppError.
    void search();

    // The save question of a modified window: Yes saves (a save that fails
    // counts as Cancel), No discards, and both return true; Cancel sets
    // CloseCancelled and returns false. An unmodified window returns true
    // without asking.
    bool querySave();

    // Unsaved edits survive a crash: while the window is modified, the
    // auto-save timer and deactivation write them as a recovery record into
    // the program folder's Temp folder; saving, discarding and closing
    // remove it. unsavedEdits() is the record, recoveryPath() its file.
    RecoveryRecord unsavedEdits() const;
    void keepUnsavedEdits();
    const QString &recoveryPath() const { return m_recoveryPath; }
    // Shows a record's edits, modified and not saved: on its report, or as a
    // new report when that is gone (asNewReport). Throws AppError.
    void recoverEdits(const RecoveryRecord &record, bool asNewReport);

    // The frame tells the window that it became, or stopped being, the
    // active report window.
    void activated();
    void deactivated();

    // The notebook page shown (TabSet1), and the list pane's sheet
    // (PageControl1: 0 browse, 1 search).
    int currentPage() const;
    void showPage(int page);
    int currentListTab() const;
    void showListTab(int tab);
    void setNavigatorVisible(bool visible);

signals:
    void modifiedChanged(bool modified);
    // The user or a command switched the notebook page / the list sheet.
    void pageShown(int page);
    void listTabShown(int tab);
    // The window has been closed for good (it is deleted soon after).
    void closed(TfrmChildWin *window);
    // Sent first thing in the destructor, while the window is still whole.
    void aboutToBeDestroyed(TfrmChildWin *window);
    void statusTextChanged(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TfrmChildWin(const QString &fileName, const ReportWindowCommands &commands);

    void buildLayout(const ReportWindowCommands &commands);
    void setAllReportsStatement();
    void openDatabase(WorkProgress *progress);
    void wireChangeHandlers();
    void onChange(QWidget *control, const std::function<void()> &handler);
    void genericChange();
    void requestFieldChanged(const QString &field, const QString &mirror, int listColumn);
    void focusChanged(QWidget *old, QWidget *now);
    // Runs a post of the shown report; a conflict with someone else's save
    // or delete is put to the user. True when the post was made, false when
    // the conflict was settled otherwise; throws CommandCancelled.
    bool postShownReport(const std::function<void()> &post);
    void reloadShownReport();
    void storeAsNewReport();
    void reopenAfterFailedSearch(const QString &statement, const SqlParams &params, DataSet::Bookmark shown);
    void centrePanels();
    void showNotebookPage(int page);
    void setPickerDate(const QString &column, const QDate &date);
    // A text column's control and its mirror get a text; a date column's
    // picker and its mirror a date.
    void showText(const ReportFields::Binding &field, const QString &text);
    void showTexts(const ReportTexts &texts);
    void showDate(const ReportFields::Binding &field, const QDate &date);
    QWidget *control(const QString &name) const;
    int currentEntry() const;
    void dropUnsavedEdits();
    // Another program on the same server database saved, appended or
    // deleted a report (rowId, or -1 when not known): the list is read again
    // and the shown report follows, unless it holds edits made here.
    void othersChangedReports(qint64 rowId);
    void readReportsAgain();
    // What is known of the shown report when the reports are read again.
    enum class ShownReport { Kept, Changed, MayHaveChanged };
    void refreshFromServer(ShownReport shownReport);
    void setStatusText(const QString &text);

    QString m_fileName;
    QPointer<QAction> m_windowMenuItem;
    Connection m_connection;
    DataSet m_reports { m_connection };
    bool m_modified = false;
    QString m_recoveryPath;
    bool m_recoveryFailureShown = false;
    // Declared after the connection: it stops listening before the
    // connection goes.
    std::unique_ptr<ReportChangeWatch> m_changeWatch;
    QString m_statusText;

    std::unique_ptr<ReportPages> m_pages;
    ComponentTablePage *m_componentPage = nullptr;
    ReportListModel *m_listModel = nullptr;
    ReportListView *m_list = nullptr;
    SearchSheet *m_search = nullptr;
    QWidget *m_leftPanel = nullptr;
    QTabWidget *m_pageControl = nullptr;
    QSplitter *m_splitter = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QTabBar *m_tabSet = nullptr;
    QPointer<QWidget> m_lastFocused;

    // The standard of the report stored by StoreReport, for its post.
    std::optional<ReportStandard> m_standardToPost;
    bool m_settingDates = false;
    bool m_firstShowDone = false;
};
