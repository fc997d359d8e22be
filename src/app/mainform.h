#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class QActionGroup;

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMimeData;
class RecentFilesMenu;
class TfrmChildWin;
struct ReportWindowCommands;

// The program's frame: a multiple-document window whose report windows
// each show one appraisal database. It owns every command (menus, tool bar,
// shortcuts); the commands act on the active report window, and those that
// need one are enabled only while one is open.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    // A command or menu by its name (the objectName), or null.
    QAction *action(const QString &name) const;
    QMenu *menu(const QString &name) const;
    QMdiArea *mdiArea() const { return m_mdiArea; }

    // The About dialog created at start-up; HelpAbout1 shows it. Not owned.
    void setAboutBox(QDialog *aboutBox) { m_aboutBox = aboutBox; }

    // The report window active inside the frame, or null.
    TfrmChildWin *activeReportWindow() const;
    // The open report windows, in the order they were opened.
    const QList<TfrmChildWin *> &reportWindows() const { return m_reportWindows; }

    // Opens the database (a file, or a server URL) in a new report window
    // (the same database may be open in several) and returns the window. A
    // server that wants a password gets it asked for.
    TfrmChildWin *OpenReportWindow(const QString &path);
    // Reopens the database closed last (or the sample database): a server
    // database, or a file that exists; a missing file opens nothing and
    // says nothing.
    void OpenStartupDatabase();
    // An unmodified report window already open on the file, brought
    // forward, or else a new one.
    TfrmChildWin *windowOnDatabase(const QString &path);

    // The databases named on the command line: the first showing opens them
    // in place of the start-up database.
    void setStartupDatabases(const QStringList &locations) { m_startupDatabases = locations; }
    // Opens each database in a window of its own; one that cannot be opened
    // is reported and the others still open.
    void openDatabases(const QStringList &locations);
    // Databases handed over by another start of the program: opened here,
    // and the frame comes to the front.
    void openHandedOver(const QStringList &locations);

    // The .had files among dropped or pasted data.
    static QStringList databaseFilesIn(const QMimeData *data);

    // Enables the commands that need a report window exactly when one is open.
    void UpdateCommandStates();
    // Checks the page command of the active report window's page tab.
    void UpdateViewChecks();
    // Checks browse or find after the active report window's list pane.
    void UpdateBrowseFindChecks();
    // Unchecks the three page commands and the browse and find commands.
    void uncheckPageCommands();

    // Adds a report window's entry to the Window menu; choosing it brings
    // the windows of that name forward (actnActiveChildWin).
    void addWindowMenuEntry(QAction *entry);
    void actnActiveChildWin(QAction *entry);

    // A report window has closed, or is being destroyed: it no longer counts.
    void forgetReportWindow(TfrmChildWin *window);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class TileMode { OneAboveTheOther, SideBySide };

    void InitProgram();
    void createCommands();
    void createToolBar();
    void createBackgroundLinks();
    void connectCommands();
    void placeBackgroundLinks();

    ReportWindowCommands reportWindowCommands() const;
    void reportWindowActivated(QMdiSubWindow *window);
    void reportWindowDestroyed(TfrmChildWin *window);
    void syncWindowMenuChecks();
    QList<TfrmChildWin *> reportWindowsTopmostFirst() const;
    void tile(TileMode mode);

    void Actn_ViewToolsExecute();
    void Actn_ViewStatusExecute();
    void actnBrowserExecute();
    void showPage(int page);
    void showListTab(int tab);
    void HelpAbout1Execute();
    void Actn_OptionConfigExecute();
    void Actn_WindowTileHorizontalExecute();
    void Actn_WindowTileVerticalExecute();
    void Actn_WindowCascadeExecute();
    void Actn_WindowArrangeAllExecute();
    void actnEditInsertCharacterExecute();
    void actnArrangeChildWinExecute();

    QMdiArea *m_mdiArea = nullptr;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QActionGroup *m_windowEntries = nullptr;
    QList<QWidget *> m_backgroundLinks;
    QList<TfrmChildWin *> m_reportWindows;
    // Raw: it is compared while a window is being destroyed; cleared when
    // the window closes or is destroyed.
    TfrmChildWin *m_activatedWindow = nullptr;
    QPointer<QDialog> m_aboutBox;
    RecentFilesMenu *m_recentFiles = nullptr;
    QStringList m_startupDatabases;
    TileMode m_tileMode = TileMode::OneAboveTheOther;
    bool m_firstShowDone = false;
};
