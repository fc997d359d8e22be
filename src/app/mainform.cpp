#include "app/mainform.h"

#include "app/commandtable.h"
#include "app/configdialog.h"
#include "app/documentcommands.h"
#include "app/focusedtextcommands.h"
#include "app/framecommands.h"
#include "app/frameshortcuts.h"
#include "app/launchers.h"
#include "app/outputcommands.h"
#include "app/recentfilesmenu.h"
#include "app/recordcommands.h"
#include "app/recoveryoffer.h"
#include "base/appsettings.h"
#include "base/errorreport.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "base/recentdatabases.h"
#include "db/databaselocation.h"
#include "db/serverpasswords.h"
#include "editor/childwin.h"
#include "editor/editorstate.h"
#include "tools/arrangechildwin.h"
#include "tools/insertcharacter.h"
#include "widgets/busyprogress.h"
#include "widgets/linklabel.h"
#include "widgets/updatessuspended.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

namespace {

const char *const PageCommands[] = { "actnView0", "actnView1", "actnView2" };

} // namespace

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    // The frame's own context menu would hide the tool bar behind the back
    // of Actn_ViewTools.
    setContextMenuPolicy(Qt::NoContextMenu);
    // .had files dropped on the frame open as report windows.
    setAcceptDrops(true);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    statusBar()->setObjectName(QStringLiteral("StatusBar"));

    InitProgram();

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::reportWindowActivated);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TMainForm::UpdateCommandStates);
    UpdateCommandStates();
}

TMainForm::~TMainForm()
{
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_mdiArea, nullptr, this, nullptr);
    // Report windows go first (closed ones waiting to be deleted included),
    // while the commands and menus they touch on their way out still exist.
    // They are discarded without a save prompt.
    const QList<TfrmChildWin *> windows = m_mdiArea->findChildren<TfrmChildWin *>();
    qDeleteAll(windows);
}

void TMainForm::InitProgram()
{
    Process.AppDir = ProgramFolders::resolveAppDir();
    Process.ShareDir = ProgramFolders::shareDir();
    LoadSettings();
    setWindowTitle(AppTitle);
    createCommands();
    createToolBar();
    createBackgroundLinks();
    connectCommands();
    runReported([] { ProgramFolders::ensure(Process.AppDir); });
}

QAction *TMainForm::action(const QString &name) const
{
    return m_actions.value(name);
}

QMenu *TMainForm::menu(const QString &name) const
{
    return m_menus.value(name);
}

void TMainForm::createCommands()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (const CommandTable::Menu &m : CommandTable::menus()) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setStatusTip(QString::fromUtf8(m.hint));
        m_menus.insert(menu->objectName(), menu);
    }

    for (const CommandTable::Command &c : CommandTable::commands()) {
        QMenu *menu = c.menu ? m_menus.value(QString::fromLatin1(c.menu)) : nullptr;
        if (!c.name) {
            menu->addSeparator();
            continue;
        }
        auto *a = new QAction(QString::fromUtf8(c.caption), this);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setStatusTip(QString::fromUtf8(c.hint));
        a->setToolTip(QString::fromUtf8(c.hint));
        a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText));
        if (c.check != CommandTable::Check::None) {
            a->setCheckable(true);
            a->setChecked(c.checkedAtStart);
        }
        if (c.check == CommandTable::Check::SetByHandler) {
            // Undo Qt's automatic flip before the command's handler runs;
            // the handler alone decides the check.
            connect(a, &QAction::triggered, a, [a](bool checked) { a->setChecked(!checked); });
        }
        if (menu)
            menu->addAction(a);
        else
            addAction(a); // shortcut-only, or run by the arrangement dialog
        m_actions.insert(a->objectName(), a);
    }

    // 文件 › 最近打开的文件, right below the two open commands.
    QMenu *fileMenu = m_menus.value(QStringLiteral("MI_File"));
    auto *recent = new QMenu(QStringLiteral("最近打开的文件(&R)"), fileMenu);
    recent->setObjectName(QStringLiteral("MI_FileRecent"));
    recent->menuAction()->setObjectName(QStringLiteral("MI_FileRecent"));
    recent->menuAction()->setStatusTip(QStringLiteral("最近打开的文件"));
    const QList<QAction *> fileEntries = fileMenu->actions();
    const qsizetype open = fileEntries.indexOf(action(QStringLiteral("Actn_FileOpenServer")));
    fileMenu->insertMenu(fileEntries.value(open + 1), recent);
    m_menus.insert(recent->objectName(), recent);
    m_recentFiles
        = new RecentFilesMenu(recent, [this](const QString &location) { OpenReportWindow(location); });

    m_windowEntries = new QActionGroup(this);
    m_windowEntries->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
}

// Tool buttons show the command's hint (its caption without the access
// key) under a picture: the icon theme's, or the program's own where the
// desktop has no theme or the theme lacks the icon. With the text under the
// picture a button is as wide as its hint, so that the bar holds every
// command, 计算等级 last, in a frame 1000 pixels wide.
void TMainForm::createToolBar()
{
    QToolBar *toolBar = addToolBar(QString());
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const CommandTable::ToolButton &button : CommandTable::toolBar()) {
        if (!button.command) {
            toolBar->addSeparator();
            continue;
        }
        QAction *command = action(QString::fromLatin1(button.command));
        command->setIconText(command->statusTip());
        const QString icon = QString::fromLatin1(button.icon);
        command->setIcon(QIcon::fromTheme(icon, QIcon(QStringLiteral(":/icons/toolbar/%1.svg").arg(icon))));
        toolBar->addAction(command);
    }
}

void TMainForm::createBackgroundLinks()
{
    struct Link
    {
        const char *name;
        const char *text;
        const char *command;
    };
    const Link links[] = {
        { "Label2", "产品列表", "actnHelpProductsList" },
        { "Label4", "有意见或建议请给我们写信", "HelpEmail" },
    };
    for (const Link &link : links) {
        QAction *command = action(QString::fromLatin1(link.command));
        auto *label = new LinkLabel(QString::fromUtf8(link.text), m_mdiArea->viewport());
        label->setObjectName(QString::fromLatin1(link.name));
        label->setStatusTip(command->statusTip());
        label->lower();
        // A label that grows with a larger font is placed again.
        label->installEventFilter(this);
        connect(label, &LinkLabel::clicked, command, &QAction::trigger);
        m_backgroundLinks << label;
    }
    m_mdiArea->viewport()->installEventFilter(this);
    placeBackgroundLinks();
}

// The links stand one under the other in the frame's bottom right corner,
// beneath any report window.
void TMainForm::placeBackgroundLinks()
{
    const QRect area = m_mdiArea->viewport()->rect();
    const int margin = 12;
    int bottom = area.bottom() - margin;
    for (auto it = m_backgroundLinks.crbegin(); it != m_backgroundLinks.crend(); ++it) {
        QWidget *label = *it;
        label->move(area.right() - margin - label->width(), bottom - label->height());
        bottom -= label->height() + 4;
    }
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool placed = watched == m_mdiArea->viewport() || m_backgroundLinks.contains(watched);
    if (placed && event->type() == QEvent::Resize)
        placeBackgroundLinks();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::connectCommands()
{
    const FrameAction frameAction = [this](const QString &name) { return action(name); };
    bindFrameCommands(this, frameAction,
        {
            { "Actn_ViewTools", &TMainForm::Actn_ViewToolsExecute },
            { "Actn_ViewStatus", &TMainForm::Actn_ViewStatusExecute },
            { "actnBrowser", &TMainForm::actnBrowserExecute },
            { "HelpAbout1", &TMainForm::HelpAbout1Execute },
            { "Actn_OptionConfig", &TMainForm::Actn_OptionConfigExecute },
            { "Actn_WindowTileHorizontal", &TMainForm::Actn_WindowTileHorizontalExecute },
            { "Actn_WindowTileVertical", &TMainForm::Actn_WindowTileVerticalExecute },
            { "Actn_WindowCascade", &TMainForm::Actn_WindowCascadeExecute },
            { "Actn_WindowArrangeAll", &TMainForm::Actn_WindowArrangeAllExecute },
            { "actnEditInsertCharacter", &TMainForm::actnEditInsertCharacterExecute },
            { "actnArrangeChildWin", &TMainForm::actnArrangeChildWinExecute },
        });

    new DocumentCommands({ [this] { return activeReportWindow(); },
                             [this](const QString &path) { OpenReportWindow(path); }, frameAction },
        this);
    new OutputCommands({ this, [this] { return printedReport(activeReportWindow()); }, frameAction }, this);
    new RecordCommands({ [this] { return activeReportWindow(); }, frameAction }, this);

    for (int page = 0; page < 3; ++page)
        connect(action(QString::fromLatin1(PageCommands[page])), &QAction::triggered, this,
            [this, page] { showPage(page); });
    connect(action(QStringLiteral("actnEditBrowser")), &QAction::triggered, this, [this] { showListTab(0); });
    connect(action(QStringLiteral("actnEditFind")), &QAction::triggered, this, [this] { showListTab(1); });

    const std::pair<const char *, void (*)()> launchers[] = {
        { "actnHelpManual", &Launchers::openHelpManual },
        { "actnHelpProductsList", &Launchers::openProductList },
        { "HelpEmail", &Launchers::openSupportMail },
        { "actnOptionCalcu", &Launchers::startCalculator },
    };
    for (const auto &[name, launch] : launchers)
        connect(
            action(QString::fromLatin1(name)), &QAction::triggered, this, [launch = launch] { launch(); });

    connect(action(QStringLiteral("Actn_FileExit")), &QAction::triggered, this, &QWidget::close);

    new FocusedTextCommands({ action(QStringLiteral("EditUndo1")), action(QStringLiteral("EditCut1")),
                                action(QStringLiteral("EditCopy1")), action(QStringLiteral("EditPaste1")),
                                action(QStringLiteral("EditSelectAll1")) },
        this);
    new FrameShortcuts(this, m_actions.values());
}

TfrmChildWin *TMainForm::activeReportWindow() const
{
    auto *window = qobject_cast<TfrmChildWin *>(m_mdiArea->currentSubWindow());
    return m_reportWindows.contains(window) ? window : nullptr; // a closed one waits to be deleted
}

ReportWindowCommands TMainForm::reportWindowCommands() const
{
    ReportWindowCommands commands;
    commands.append = action(QStringLiteral("Actn_RecordAppend"));
    commands.remove = action(QStringLiteral("Actn_RecordDelete"));
    commands.saveAsTemplate = action(QStringLiteral("Actn_RecordSaveAsTemplate"));
    commands.instead = action(QStringLiteral("Actn_RecordInstead"));
    commands.first = action(QStringLiteral("Actn_RecordFirst"));
    commands.prior = action(QStringLiteral("Actn_RecordPrior"));
    commands.next = action(QStringLiteral("Actn_RecordNext"));
    commands.last = action(QStringLiteral("Actn_RecordLast"));
    commands.calculate = action(QStringLiteral("actnRecordCalcu"));
    return commands;
}

namespace {

// A report window on the database. A server that wants a password has it
// asked for, again with the server's reason after a wrong one, until the
// user gives up (CommandCancelled). The password is kept for this run only.
std::unique_ptr<TfrmChildWin> createReportWindow(
    const QString &path, const ReportWindowCommands &commands, WorkProgress *progress)
{
    for (;;) {
        try {
            return TfrmChildWin::create(path, commands, progress);
        } catch (const ServerPasswordNeeded &needed) {
            const QString password = Prompt::password(
                QStringLiteral("服务器数据库密码"), needed.message() + QStringLiteral("\n\n请输入密码:"));
            if (password.isEmpty()) {
                ServerPasswords::forget(path);
                throw CommandCancelled();
            }
            ServerPasswords::set(path, password);
        }
    }
}

} // namespace

TfrmChildWin *TMainForm::OpenReportWindow(const QString &path)
{
    UpdatesSuspended suspended(this);
    EditorProcess.WindowOpening = true;
    std::unique_ptr<TfrmChildWin> created;
    try {
        BusyProgress busy(QStringLiteral("正在打开数据库…"), this);
        // A file that cannot be opened leaves no window behind.
        created = createReportWindow(path, reportWindowCommands(), &busy);
    } catch (...) {
        // No window will become active to lower the flag.
        EditorProcess.WindowOpening = false;
        throw;
    }
    TfrmChildWin *window = created.release();
    EditorProcess.LastOpenedWindow = window;
    m_reportWindows.append(window);
    addWindowMenuEntry(window->WindowMenuItem());
    connect(window, &TfrmChildWin::closed, this, &TMainForm::forgetReportWindow);
    connect(window, &TfrmChildWin::aboutToBeDestroyed, this, &TMainForm::reportWindowDestroyed);
    connect(window, &TfrmChildWin::pageShown, this, [this, window] {
        if (window == activeReportWindow())
            UpdateViewChecks();
    });
    connect(window, &TfrmChildWin::statusTextChanged, statusBar(),
        [this](const QString &text) { statusBar()->showMessage(text); });
    connect(window, &TfrmChildWin::listTabShown, this, [this, window] {
        if (window == activeReportWindow())
            UpdateBrowseFindChecks();
    });
    m_mdiArea->addSubWindow(window);
    window->showMaximized();
    window->setWindowTitle(TfrmChildWin::captionFor(path));
    UpdateCommandStates();
    m_recentFiles->opened(RecentDatabases::displayText(path));
    return window;
}

void TMainForm::openDatabases(const QStringList &locations)
{
    for (const QString &location : locations)
        runReported([&] { OpenReportWindow(location); });
}

void TMainForm::openHandedOver(const QStringList &locations)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    raise();
    activateWindow();
    openDatabases(locations);
}

QStringList TMainForm::databaseFilesIn(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && QFileInfo(path).suffix().compare(u"had", Qt::CaseInsensitive) == 0)
            files.append(path);
    }
    return files;
}

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (!databaseFilesIn(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QStringList files = databaseFilesIn(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    openDatabases(files);
}

void TMainForm::OpenStartupDatabase()
{
    const QString path = startupDatabasePath();
    if (RecentDatabases::isServerLocation(path) || QFileInfo(path).isFile())
        OpenReportWindow(path);
}

TfrmChildWin *TMainForm::windowOnDatabase(const QString &path)
{
    const QString database = DatabaseLocation::identity(path);
    for (TfrmChildWin *window : std::as_const(m_reportWindows)) {
        if (!window->Modified() && DatabaseLocation::identity(window->FileName()) == database) {
            m_mdiArea->setActiveSubWindow(window);
            return window;
        }
    }
    return OpenReportWindow(path);
}

// A report window on its way out, still whole: the frame may activate
// another window as this one goes; the checks follow the active one.
void TMainForm::reportWindowDestroyed(TfrmChildWin *window)
{
    forgetReportWindow(window);
    uncheckPageCommands();
    UpdateBrowseFindChecks();
    UpdateViewChecks();
}

void TMainForm::forgetReportWindow(TfrmChildWin *window)
{
    if (m_activatedWindow == window)
        m_activatedWindow = nullptr;
    if (m_reportWindows.removeOne(window))
        UpdateCommandStates();
}

void TMainForm::reportWindowActivated(QMdiSubWindow *subWindow)
{
    auto *window = qobject_cast<TfrmChildWin *>(subWindow);
    if (!m_reportWindows.contains(window))
        window = nullptr; // closed, waiting to be deleted
    if (m_activatedWindow && m_activatedWindow != window) {
        m_activatedWindow->deactivated();
        uncheckPageCommands();
    }
    m_activatedWindow = window;
    if (window) {
        window->activated();
        UpdateBrowseFindChecks();
        UpdateViewChecks();
    }
    UpdateCommandStates();
}

void TMainForm::UpdateCommandStates()
{
    const bool anyOpen = !m_reportWindows.isEmpty();
    for (const CommandTable::Command &c : CommandTable::commands())
        if (c.name && c.needsReportWindow)
            action(QString::fromLatin1(c.name))->setEnabled(anyOpen);
}

void TMainForm::UpdateViewChecks()
{
    TfrmChildWin *window = activeReportWindow();
    const int tab = window ? window->currentPage() : -1;
    if (tab < 0 || tab > 2)
        return;
    for (int page = 0; page < 3; ++page)
        action(QString::fromLatin1(PageCommands[page]))->setChecked(page == tab);
}

void TMainForm::UpdateBrowseFindChecks()
{
    TfrmChildWin *window = activeReportWindow();
    const int tab = window ? window->currentListTab() : -1;
    if (tab < 0 || tab > 1)
        return;
    action(QStringLiteral("actnEditBrowser"))->setChecked(tab == 0);
    action(QStringLiteral("actnEditFind"))->setChecked(tab == 1);
}

void TMainForm::uncheckPageCommands()
{
    for (const char *name : PageCommands)
        action(QString::fromLatin1(name))->setChecked(false);
    action(QStringLiteral("actnEditBrowser"))->setChecked(false);
    action(QStringLiteral("actnEditFind"))->setChecked(false);
}

void TMainForm::showPage(int page)
{
    if (TfrmChildWin *window = activeReportWindow())
        window->showPage(page);
    UpdateViewChecks();
}

void TMainForm::showListTab(int tab)
{
    if (TfrmChildWin *window = activeReportWindow())
        window->showListTab(tab);
    action(QStringLiteral("actnEditBrowser"))->setChecked(tab == 0);
    action(QStringLiteral("actnEditFind"))->setChecked(tab == 1);
}

void TMainForm::addWindowMenuEntry(QAction *entry)
{
    m_windowEntries->addAction(entry);
    menu(QStringLiteral("MI_Window"))->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, entry] { actnActiveChildWin(entry); });
}

// Every report window whose caption is the entry's hint comes forward in
// turn, topmost first; the last of them ends in front. With two windows of
// the same name, choosing the entry again therefore brings the other one.
void TMainForm::actnActiveChildWin(QAction *entry)
{
    const QString name = entry->statusTip();
    for (TfrmChildWin *window : reportWindowsTopmostFirst()) {
        if (window->windowTitle() != name)
            continue;
        UpdatesSuspended suspended(this);
        m_mdiArea->setActiveSubWindow(window);
    }
    syncWindowMenuChecks();
}

// The entries' checks follow the active window, whatever a click on an
// entry did to them.
void TMainForm::syncWindowMenuChecks()
{
    for (TfrmChildWin *window : std::as_const(m_reportWindows))
        if (QAction *entry = window->WindowMenuItem())
            entry->setChecked(window == m_activatedWindow);
}

QList<TfrmChildWin *> TMainForm::reportWindowsTopmostFirst() const
{
    QList<TfrmChildWin *> windows;
    const QList<QMdiSubWindow *> stack = m_mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it)
        if (auto *window = qobject_cast<TfrmChildWin *>(*it); window && m_reportWindows.contains(window))
            windows.append(window);
    return windows;
}

void TMainForm::tile(TileMode mode)
{
    QList<TfrmChildWin *> windows;
    for (TfrmChildWin *window : reportWindowsTopmostFirst())
        if (window->isVisible() && !window->isMinimized())
            windows.append(window);
    if (windows.isEmpty())
        return;

    UpdatesSuspended suspended(this);
    const QRect area = m_mdiArea->viewport()->rect();
    const int count = int(windows.size());
    for (int i = 0; i < count; ++i) {
        TfrmChildWin *window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        if (mode == TileMode::OneAboveTheOther) {
            const int top = area.height() * i / count;
            const int bottom = area.height() * (i + 1) / count;
            window->setGeometry(0, top, area.width(), bottom - top);
        } else {
            const int left = area.width() * i / count;
            const int right = area.width() * (i + 1) / count;
            window->setGeometry(left, 0, right - left, area.height());
        }
    }
}

void TMainForm::Actn_WindowTileHorizontalExecute()
{
    m_tileMode = TileMode::OneAboveTheOther;
    tile(m_tileMode);
}

void TMainForm::Actn_WindowTileVerticalExecute()
{
    m_tileMode = TileMode::SideBySide;
    tile(m_tileMode);
}

void TMainForm::Actn_WindowArrangeAllExecute()
{
    tile(m_tileMode);
}

void TMainForm::Actn_WindowCascadeExecute()
{
    UpdatesSuspended suspended(this);
    m_mdiArea->cascadeSubWindows();
}

// The palette inserts into the control that has the focus in the active
// report window; the window gives it back that focus when the palette closes.
void TMainForm::actnEditInsertCharacterExecute()
{
    TfrmInsertCharacter palette(
        [this]() -> QWidget * {
            TfrmChildWin *window = activeReportWindow();
            return window ? window->focusedControl() : nullptr;
        },
        this);
    palette.exec();
}

void TMainForm::actnArrangeChildWinExecute()
{
    TfrmArrangeChildWin dialog(
        { action(QStringLiteral("Actn_WindowArrangeAll")),
            action(QStringLiteral("Actn_WindowTileHorizontal")),
            action(QStringLiteral("Actn_WindowTileVertical")), action(QStringLiteral("Actn_WindowCascade")) },
        this);
    dialog.exec();
}

void TMainForm::Actn_ViewToolsExecute()
{
    auto *toolBar = findChild<QToolBar *>(QStringLiteral("ToolBar"));
    toolBar->setHidden(!toolBar->isHidden());
    action(QStringLiteral("Actn_ViewTools"))->setChecked(!toolBar->isHidden());
}

void TMainForm::Actn_ViewStatusExecute()
{
    statusBar()->setHidden(!statusBar()->isHidden());
    action(QStringLiteral("Actn_ViewStatus"))->setChecked(!statusBar()->isHidden());
}

void TMainForm::actnBrowserExecute()
{
    if (TfrmChildWin *window = activeReportWindow())
        window->setNavigatorVisible(action(QStringLiteral("actnBrowser"))->isChecked());
}

void TMainForm::HelpAbout1Execute()
{
    if (m_aboutBox)
        m_aboutBox->exec();
}

void TMainForm::Actn_OptionConfigExecute()
{
    TFRM_Config dialog(this);
    dialog.exec();
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    UpdatesSuspended suspended(this);
    if (m_startupDatabases.isEmpty())
        runReported([this] { OpenStartupDatabase(); });
    else
        openDatabases(m_startupDatabases);
    // Edits that a crash kept from being saved are offered next.
    RecoveryOffer::offerAll(Process.AppDir, [this](const QString &path) { return windowOnDatabase(path); });
    setWindowState(windowState() | Qt::WindowMaximized);
}

// Closing the program closes the active report window first, which may ask
// whether to save and is remembered as the database to reopen. Every other
// report window with unsaved changes is then brought forward and asked too,
// so that no edits are lost unasked; those windows are discarded with the
// frame. Cancel at any question keeps the program running.
void TMainForm::closeEvent(QCloseEvent *event)
{
    if (TfrmChildWin *window = activeReportWindow()) {
        window->close();
        if (EditorProcess.CloseCancelled) {
            event->ignore();
            return;
        }
    }
    for (TfrmChildWin *window : reportWindowsTopmostFirst()) {
        if (!window->Modified())
            continue;
        m_mdiArea->setActiveSubWindow(window);
        if (!window->querySave()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}
