#include "editor/childwin.h"

#include "base/apperror.h"
#include "base/appsettings.h"
#include "base/dateconventions.h"
#include "base/errorreport.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "base/recentdatabases.h"
#include "base/workprogress.h"
#include "db/componentrows.h"
#include "db/databaselocation.h"
#include "db/hadfile.h"
#include "db/lookupindexes.h"
#include "db/recoveryrecord.h"
#include "db/reportchangewatch.h"
#include "db/rowconflict.h"
#include "editor/componenttable.h"
#include "editor/datamoduleaccess.h"
#include "editor/editorstate.h"
#include "editor/enterasnext.h"
#include "editor/fieldtext.h"
#include "editor/panelscrollbox.h"
#include "editor/reportlist.h"
#include "editor/reportpages.h"
#include "editor/searchsheet.h"
#include "output/pagesettingsstore.h"
#include "widgets/updatessuspended.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum class ConflictChoice { Reload, StoreAsNew, KeepEditing };

// Asks what becomes of the edits of a report that someone else saved or
// deleted since it was loaded here.
ConflictChoice askAboutConflict(RowConflict::Kind kind)
{
    if (kind == RowConflict::Kind::Deleted) {
        const bool storeAsNew = Prompt::message(PromptIcon::Warning,
                                    QStringLiteral("这份鉴定报告已被他人删除。\n"
                                                   "要把您的修改另存为一份新鉴定报告吗?\n"
                                                   "否: 不保存，继续编辑"),
                                    PromptButton::Yes | PromptButton::No, PromptButton::Yes)
            == PromptButton::Yes;
        return storeAsNew ? ConflictChoice::StoreAsNew : ConflictChoice::KeepEditing;
    }
    switch (Prompt::message(PromptIcon::Warning,
        QStringLiteral("这份鉴定报告在您载入之后已被他人保存，保存您的修改会覆盖他人的修改。\n"
                       "是: 载入他人保存的版本(放弃您的修改)\n"
                       "否: 把您的修改另存为一份新鉴定报告\n"
                       "取消: 不保存，继续编辑"),
        PromptButton::Yes | PromptButton::No | PromptButton::Cancel, PromptButton::Cancel)) {
    case PromptButton::Yes:
        return ConflictChoice::Reload;
    case PromptButton::No:
        return ConflictChoice::StoreAsNew;
    default:
        return ConflictChoice::KeepEditing;
    }
}

// The date of a report's date column in a ReportTexts.
template<class Texts> auto &dateOf(Texts &texts, const QString &column)
{
    return column == QLatin1String("TrustDate") ? texts.trustDate : texts.apprDate;
}

} // namespace

TfrmChildWin::TfrmChildWin(const QString &fileName, const ReportWindowCommands &commands)
    : m_fileName(fileName)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The window menu closes with Ctrl+F4 as on Windows; Ctrl+W belongs to
    // the print preview command.
    for (QAction *item : systemMenu()->actions())
        if (item->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
            item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    const QString caption = captionFor(fileName);
    m_windowMenuItem = new QAction(caption + QStringLiteral("& "), this);
    m_windowMenuItem->setStatusTip(caption);
    m_windowMenuItem->setToolTip(caption);
    m_windowMenuItem->setCheckable(true);

    // Automatic saving keeps the unsaved edits in a recovery record; the
    // report itself is stored only by the save command.
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timerAutoSave"));
    timer->setInterval(qBound(1, Process.Settings.AutoSaveTime, 30) * 60000);
    connect(timer, &QTimer::timeout, this, &TfrmChildWin::keepUnsavedEdits);
    timer->start();
    m_recoveryPath = RecoveryRecords::newPath(Process.AppDir);

    buildLayout(commands);
}

std::unique_ptr<TfrmChildWin> TfrmChildWin::create(
    const QString &fileName, const ReportWindowCommands &commands, WorkProgress *progress)
{
    std::unique_ptr<TfrmChildWin> window(new TfrmChildWin(fileName, commands));
    window->openDatabase(progress);
    return window;
}

TfrmChildWin::~TfrmChildWin()
{
    // Focus moves while the controls go; this window no longer listens.
    disconnect(qApp, nullptr, this, nullptr);
    emit aboutToBeDestroyed(this);
    dropUnsavedEdits();
    if (m_listModel)
        m_listModel->clear();
    m_changeWatch.reset();
    m_reports.close();
    m_connection.close();
    delete m_windowMenuItem;
}

const QString TfrmChildWin::ChangedElsewhereText
    = QStringLiteral("这份鉴定报告已被他人修改; 保存时将询问如何处理。");

QString TfrmChildWin::captionFor(const QString &path)
{
    // A server database is known by its address; a password never shows.
    if (RecentDatabases::isServerLocation(path))
        return RecentDatabases::displayText(path);
    return QFileInfo(path).completeBaseName();
}

void TfrmChildWin::buildLayout(const ReportWindowCommands &commands)
{
    auto *inside = new QWidget;
    // The window shrinks like any document window (tiled, cascaded) and
    // clips its pages rather than pushing the frame into scrolling.
    inside->setMinimumSize(120, 80);
    setWidget(inside);

    // The left pane: the report list and the search.
    m_leftPanel = new QWidget;
    m_leftPanel->setObjectName(QStringLiteral("LeftPanel"));
    m_pageControl = new QTabWidget(m_leftPanel);
    m_pageControl->setObjectName(QStringLiteral("PageControl1"));
    m_listModel = new ReportListModel(this);
    m_list = new ReportListView(m_listModel);
    m_search = new SearchSheet;
    m_pageControl->addTab(m_list, QStringLiteral("浏览"));
    m_pageControl->addTab(m_search, QStringLiteral("查询"));
    auto *leftLayout = new QVBoxLayout(m_leftPanel);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_pageControl);

    QMenu *popup = m_list->popupMenu();
    const QList<QAction *> popupEntries
        = { commands.append, commands.remove, nullptr, commands.saveAsTemplate, commands.instead, nullptr,
              commands.first, commands.prior, commands.next, commands.last, nullptr, commands.calculate };
    for (QAction *entry : popupEntries) {
        if (entry)
            popup->addAction(entry);
        else
            popup->addSeparator();
    }

    // The right pane: the notebook with its three pages over the tab set.
    m_pages = std::make_unique<ReportPages>(inside);
    m_componentPage = new ComponentTablePage;
    m_componentPage->setCalculateCommand(commands.calculate);
    m_componentPage->setLayersSource(
        [this] { return FieldText::text(control(QStringLiteral("labedtLayers"))); });
    m_notebook = new QStackedWidget;
    m_notebook->setObjectName(QStringLiteral("Notebook1"));
    m_notebook->addWidget(m_pages->requestBox());
    m_notebook->addWidget(m_componentPage);
    m_notebook->addWidget(m_pages->reportBox());
    m_tabSet = new QTabBar;
    m_tabSet->setObjectName(QStringLiteral("TabSet1"));
    m_tabSet->setShape(QTabBar::RoundedSouth);
    m_tabSet->setExpanding(false);
    m_tabSet->setDrawBase(false);
    for (const char *tab : { "登记", "鉴定和计算", "鉴定报告" })
        m_tabSet->addTab(QString::fromUtf8(tab));
    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(m_notebook, 1);
    rightLayout->addWidget(m_tabSet);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("Splitter3"));
    m_splitter->addWidget(m_leftPanel);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    auto *layout = new QVBoxLayout(inside);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_tabSet, &QTabBar::currentChanged, this, [this](int page) {
        showNotebookPage(page);
        emit pageShown(page);
    });
    connect(m_pageControl, &QTabWidget::currentChanged, this, &TfrmChildWin::listTabShown);
    connect(m_pages->requestBox(), &PanelScrollBox::resized, this, &TfrmChildWin::centrePanels);

    connect(m_list, &ReportListView::entryClicked, this,
        [this](int entry) { runReported([&] { GoToReport(entry); }); });
    connect(m_list, &ReportListView::keyReleasedOnEntry, this, [this](int entry) {
        if (m_connection.isOpen())
            runReported([&] { GoToReport(entry); });
    });
    // A search that failed leaves the data set closed; the list reads the
    // whole table again rather than nothing.
    m_list->setBeforePaint([this] {
        if (m_reports.isOpen() || !m_connection.isOpen() || m_connection.isLost())
            return;
        try {
            m_reports.open(HadFile::SelectAllReports);
        } catch (const AppError &) {
            // The list stays as it is; the next command reports the file's trouble.
        }
    });
    connect(m_search, &SearchSheet::searchRequested, this, [this] { runReported([this] { search(); }); });

    connect(qApp, &QApplication::focusChanged, this, &TfrmChildWin::focusChanged);
    // Another program in front counts as the window being left.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            keepUnsavedEdits();
    });
    new EnterAsNext(this, m_componentPage->grid());
}

QWidget *TfrmChildWin::control(const QString &name) const
{
    return m_pages->control(name);
}

// The report data set gets its statement for all reports; opening the file
// and the data set is openDatabase's.
void TfrmChildWin::setAllReportsStatement()
{
    m_reports.setStatement(HadFile::SelectAllReports);
    m_reports.setVersionColumn(HadFile::VersionColumn);
}

// Window creation, on a file: after it the window shows the file's first
// report, unmodified.
void TfrmChildWin::openDatabase(WorkProgress *progress)
{
    // The first open of a large file spends seconds on its lookup indexes
    // and its list: the progress hears of each step and of the long
    // statements inside them. How much is left is not known.
    const auto working = [progress] {
        if (progress)
            progress->advanced(0, 0);
    };
    working();
    if (progress)
        m_connection.setStatementTick(working);
    setAllReportsStatement();
    HadFile::open(m_connection, m_fileName);
    working();
    LookupIndexes::ensure(m_connection);
    working();
    ComponentRows::followReportNumbers(m_reports);
    // The standard goes into the row in the post's own transaction: the
    // first report of an older file graded otherwise than by JGJ 125-99
    // adds the columns that record it, all or nothing with the report.
    m_reports.addBeforePost([this](DataSet &reports) {
        if (!m_standardToPost)
            return;
        m_standardToPost->storeToRow(reports);
        m_standardToPost.reset();
    });
    m_reports.open();
    m_changeWatch = std::make_unique<ReportChangeWatch>(m_connection);
    connect(
        m_changeWatch.get(), &ReportChangeWatch::reportChanged, this, &TfrmChildWin::othersChangedReports);
    connect(m_changeWatch.get(), &ReportChangeWatch::newsMissed, this, &TfrmChildWin::readReportsAgain);

    // A file without reports gets its first, blank report at once.
    if (m_reports.isEmpty()) {
        m_reports.append();
        ClearReport();
        StoreReport(m_reports);
        m_reports.post();
    }

    wireChangeHandlers();

    working();
    FillReportList(m_reports);
    working();
    m_connection.setStatementTick({});
    m_reports.first();
    showCurrentEntry();
    showReport(m_reports);

    showPage(0);
    m_pages->reportBox()->scrollToTop();
    setModified(false);
}

void TfrmChildWin::othersChangedReports(qint64 rowId)
{
    refreshFromServer(
        rowId == -1 || rowId == m_reports.bookmark() ? ShownReport::Changed : ShownReport::Kept);
}

// Others' changes while the connection was away were not heard: the list
// and an unmodified report are read again. Edits made here are not said to
// clash with anything; the save check finds out.
void TfrmChildWin::readReportsAgain()
{
    refreshFromServer(ShownReport::MayHaveChanged);
}

void TfrmChildWin::refreshFromServer(ShownReport shownReport)
{
    // Pending values of a write in progress are no place to read into.
    if (m_reports.state() != DataSet::State::Browse)
        return;
    runReported([&] {
        const bool shownChanged = shownReport != ShownReport::Kept;
        if (m_modified) {
            // The edits stay on the report as it was read, even one that is
            // gone: the save check then puts the choice to the user.
            if (shownReport == ShownReport::Changed)
                setStatusText(ChangedElsewhereText);
            if (!m_reports.isCurrentStored())
                return;
        }
        UpdatesSuspended suspended(this);
        const int scrolled = m_list->verticalScrollBar()->value();
        const DataSet::Bookmark shown = m_reports.bookmark();
        m_reports.refresh(m_modified ? DataSet::CurrentRow::KeepAsRead : DataSet::CurrentRow::ReadAgain);
        if (!m_modified && (shownChanged || m_reports.bookmark() != shown)) {
            showReport(m_reports);
            setModified(false);
        }
        FillReportList(m_reports);
        showCurrentEntry();
        m_list->verticalScrollBar()->setValue(scrolled);
    });
}

void TfrmChildWin::setStatusText(const QString &text)
{
    if (text == m_statusText)
        return;
    m_statusText = text;
    emit statusTextChanged(text);
}

void TfrmChildWin::onChange(QWidget *control, const std::function<void()> &handler)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, handler);
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::editTextChanged, this, handler);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, handler);
    else if (auto *picker = qobject_cast<QDateTimeEdit *>(control))
        // A picker counts the user's changes only; the program's settings
        // reach the report through the controls they change.
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, [this, handler] {
            if (!m_settingDates)
                handler();
        });
}

void TfrmChildWin::wireChangeHandlers()
{
    using ReportFields::Kind;
    // The report list columns that show a bound column as it is typed.
    static const QHash<QString, int> listColumns = {
        { QStringLiteral("FileNo"), ReportListModel::Number },
        { QStringLiteral("Client"), ReportListModel::Client },
        { QStringLiteral("Address"), ReportListModel::Address },
        { QStringLiteral("PropertyRightMan"), ReportListModel::Owner },
    };
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        const int listColumn = listColumns.value(b.column, -1);
        // Any other control marks the report modified, the read-only ones
        // included.
        std::function<void()> handler = [this] { genericChange(); };
        if (b.kind == Kind::Area) {
            handler = [this] { SumBuildingArea(); };
        } else if (b.kind == Kind::Date && !b.mirror.isEmpty()) {
            handler = [this, b] {
                FieldText::setText(control(b.mirror), chineseDate(m_pages->datePicker(b.column)->date()));
                genericChange();
            };
        } else if (listColumn >= 0 || !b.mirror.isEmpty()) {
            handler = [this, b, listColumn] { requestFieldChanged(b.control, b.mirror, listColumn); };
        }
        onChange(control(b.control), handler);
        if (!b.mirror.isEmpty())
            onChange(control(b.mirror), [this] { genericChange(); });
    }
    QWidget *const others[] = { m_pages->sumField(), m_componentPage->resultMemo(), m_search->memo() };
    for (QWidget *w : others)
        onChange(w, [this] { genericChange(); });

    // Entering the component table or editing a cell is a change.
    connect(m_componentPage, &ComponentTablePage::edited, this, [this] { setModified(true); });
}

void TfrmChildWin::setModified(bool modified)
{
    // Saved, discarded or reloaded: what was said about the edits is past.
    if (!modified)
        setStatusText(QString());
    if (m_modified == modified)
        return;
    m_modified = modified;
    // Saved, discarded or reloaded: no edits are left to recover.
    if (!modified)
        dropUnsavedEdits();
    emit modifiedChanged(modified);
}

RecoveryRecord TfrmChildWin::unsavedEdits() const
{
    RecoveryRecord record;
    record.database = DatabaseLocation::identity(m_fileName);
    record.newReport = m_reports.state() == DataSet::State::Append || m_reports.isEmpty();
    if (!record.newReport) {
        record.row = m_reports.bookmark();
        // Without the server, the number as it was read.
        record.storedNumber = m_connection.isLost() ? m_reports.asString(QStringLiteral("FileNo"))
                                                    : m_reports.storedString(QStringLiteral("FileNo"));
    }
    record.texts = controlTexts();
    record.rows = m_componentPage->rows();
    record.written = QDateTime::currentDateTime();
    return record;
}

// A failure is told once, not at every tick, until a write succeeds again.
void TfrmChildWin::keepUnsavedEdits()
{
    if (!m_modified)
        return;
    try {
        RecoveryRecords::write(m_recoveryPath, unsavedEdits());
        m_recoveryFailureShown = false;
    } catch (const AppError &error) {
        if (m_recoveryFailureShown)
            return;
        m_recoveryFailureShown = true;
        showGeneralError(error.message());
    }
}

void TfrmChildWin::dropUnsavedEdits()
{
    runReported([this] { RecoveryRecords::remove(m_recoveryPath); });
}

void TfrmChildWin::recoverEdits(const RecoveryRecord &record, bool asNewReport)
{
    if (asNewReport) {
        dataModule().AppendReport(m_reports, StorePageDefaultsToRow);
        ClearReport();
    } else {
        m_reports.gotoBookmark(record.row);
        LoadReport(m_reports);
    }
    showTexts(record.texts);
    m_componentPage->showRows(record.rows);
    showCurrentEntry();
    setModified(true);
    keepUnsavedEdits();
}

void TfrmChildWin::genericChange()
{
    setModified(!EditorProcess.WindowOpening);
}

int TfrmChildWin::currentEntry() const
{
    return m_reports.isOpen() ? m_reports.recNo() - 1 : -1;
}

// A request field: a mirror on the report page follows; the number, client,
// address and owner also show in the current list entry.
void TfrmChildWin::requestFieldChanged(const QString &field, const QString &mirror, int listColumn)
{
    const QString text = FieldText::text(control(field));
    FieldText::setText(control(mirror), text);
    if (listColumn < 0) {
        genericChange();
        return;
    }
    if (EditorProcess.WindowOpening) {
        setModified(false);
        return;
    }
    m_listModel->setCellText(currentEntry(), listColumn, text);
    setModified(true);
}

// The total is kept also while the window opens, so that a report shows
// its total from the start; the change it makes then does not count as an
// edit (the total's own change handler looks at WindowOpening), and
// entering the report page later finds nothing to change.
void TfrmChildWin::SumBuildingArea()
{
    ReportTexts areas;
    for (const QString &column : ReportFields::areaColumns())
        areas.setText(column, FieldText::text(control(ReportFields::find(column)->control)));
    FieldText::setText(m_pages->sumField(), ::SumBuildingArea(areas));
}

void TfrmChildWin::focusChanged(QWidget *old, QWidget *now)
{
    if (!now || !isAncestorOf(now))
        return;
    m_lastFocused = now;
    // The area total is brought up to date whenever the focus enters the
    // report page.
    QWidget *panel = m_pages->reportBox()->panel();
    if (panel->isAncestorOf(now) && !(old && panel->isAncestorOf(old)))
        SumBuildingArea();
}

void TfrmChildWin::setPickerDate(const QString &column, const QDate &date)
{
    QDateTimeEdit *picker = m_pages->datePicker(column);
    const bool was = m_settingDates;
    m_settingDates = true;
    picker->setDate(date); // keeps the picker's own time of day
    m_settingDates = was;
}

void TfrmChildWin::LoadReport(DataSet &query)
{
    if (!query.isOpen() || query.isEmpty())
        return;
    showTexts(ReportTexts::fromRow(query));
    m_componentPage->showStandard(ReportStandard::fromRow(query));
    LoadPageSettingsFromRow(query);
}

void TfrmChildWin::showTexts(const ReportTexts &texts)
{
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date)
            showDate(b, dateOf(texts, b.column));
        else
            showText(b, texts.text(b.column));
    }
}

void TfrmChildWin::StoreReport(DataSet &query)
{
    query.edit();
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        switch (b.kind) {
        case ReportFields::Kind::Date:
            query.setDateTime(b.column, m_pages->datePicker(b.column)->dateTime());
            break;
        case ReportFields::Kind::Area:
            try {
                query.setFloatFromText(b.column, FieldText::text(control(b.control)));
            } catch (const AppError &e) {
                // The column's own message, led by the name the user sees
                // beside the field.
                throw AppError(FieldText::label(control(b.control)) + QStringLiteral(": ") + e.message());
            }
            break;
        default:
            query.setString(b.column, FieldText::text(control(b.mirror.isEmpty() ? b.control : b.mirror)));
            break;
        }
    }
    StorePageSettingsToRow(query);
    m_standardToPost = m_componentPage->standard();
}

void TfrmChildWin::ClearReport()
{
    const QDate today = QDate::currentDate();
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date)
            setPickerDate(b.column, today);
        else
            showText(b, QString());
    }
    FieldText::setText(control(QStringLiteral("labedtTrustDate2")), chineseDate(today, true));
    m_componentPage->showStandard({ Process.Settings.DefaultGradeStandard, GroundState::NotDangerous });
    LoadPageDefaults();
}

ReportTexts TfrmChildWin::controlTexts() const
{
    ReportTexts texts;
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date) {
            dateOf(texts, b.column) = m_pages->datePicker(b.column)->date();
            continue;
        }
        texts.setText(b.column, FieldText::text(control(b.mirror.isEmpty() ? b.control : b.mirror)));
    }
    return texts;
}

QString TfrmChildWin::areaTotal() const
{
    return m_pages->sumField()->text();
}

void TfrmChildWin::setControlText(const QString &column, const QString &text)
{
    const ReportFields::Binding *b = ReportFields::find(column);
    if (!b)
        return;
    if (b->kind != ReportFields::Kind::Date) {
        showText(*b, text);
        return;
    }
    const QDate date = DateConventions::parseDate(text);
    if (date.isValid())
        showDate(*b, date);
}

void TfrmChildWin::showText(const ReportFields::Binding &field, const QString &text)
{
    FieldText::setText(control(field.control), text);
    if (!field.mirror.isEmpty())
        FieldText::setText(control(field.mirror), text);
}

void TfrmChildWin::showDate(const ReportFields::Binding &field, const QDate &date)
{
    setPickerDate(field.column, date);
    if (!field.mirror.isEmpty())
        FieldText::setText(control(field.mirror), chineseDate(date));
}

void TfrmChildWin::FillReportList(DataSet &query)
{
    // Filling walks the rows, which posts a row being edited or appended.
    if (query.state() == DataSet::State::Edit || query.state() == DataSet::State::Append)
        query.post();
    m_listModel->fill(query);
}

void TfrmChildWin::showCurrentEntry()
{
    m_list->selectEntry(currentEntry());
    m_list->viewport()->update();
}

void TfrmChildWin::GoToReport(int entry)
{
    UpdatesSuspended suspended(this);
    if (m_modified)
        saveReport();
    const DataSet::Bookmark shown = m_reports.bookmark();
    dataModule().MoveToReport(m_reports, entry);
    if (!m_reports.eof())
        showReportMovedFrom(shown);
    m_list->viewport()->update();
    setModified(false);
}

void TfrmChildWin::showReport(DataSet &query)
{
    // Everything is read before the pages change: a report that cannot be
    // read (the server went away) leaves them as they were.
    const QList<ComponentRow> rows = storedComponentRows(query);
    LoadReport(query);
    m_componentPage->showRows(rows);
}

void TfrmChildWin::showReportMovedFrom(DataSet::Bookmark shown)
{
    try {
        showReport(m_reports);
    } catch (...) {
        if (shown != DataSet::NoBookmark)
            m_reports.gotoBookmark(shown);
        showCurrentEntry();
        throw;
    }
}

void TfrmChildWin::LoadComponentRows(DataSet &query)
{
    m_componentPage->showRows(storedComponentRows(query));
}

QList<ComponentRow> TfrmChildWin::storedComponentRows(const DataSet &query) const
{
    return ComponentRows::load(m_connection, query.asString(QStringLiteral("FileNo")));
}

void TfrmChildWin::SaveComponentRows()
{
    ComponentRows::save(m_connection, m_reports.asString(QStringLiteral("FileNo")), m_componentPage->rows());
}

void TfrmChildWin::ResetComponentGrid()
{
    m_componentPage->ResetComponentGrid();
}

void TfrmChildWin::saveReport()
{
    if (!m_modified)
        return;
    StoreReport(m_reports);
    const bool adds = m_reports.state() == DataSet::State::Append;
    if (!postShownReport([this] { dataModule().PostReport(m_reports, m_componentPage->rows()); }))
        return;
    setModified(false);
    // A new report (also one stored after a search that found nothing)
    // stands in the list like every other.
    if (adds) {
        FillReportList(m_reports);
        showCurrentEntry();
    }
}

void TfrmChildWin::storeFields()
{
    if (!m_modified)
        return;
    StoreReport(m_reports);
    postShownReport([this] { m_reports.post(); });
}

bool TfrmChildWin::deleteShownReport()
{
    if (m_reports.isEmpty())
        return dataModule().DeleteReport(m_reports); // tells that the table is empty
    const auto remove = [this](DataSet::IfChanged ifChanged) {
        m_reports.transaction([&] {
            if (m_modified) {
                StoreReport(m_reports);
                SaveComponentRows();
            }
            dataModule().DeleteReport(m_reports, ifChanged);
        });
    };
    try {
        remove(DataSet::IfChanged::Refuse);
    } catch (const RowConflict &) {
        if (!Prompt::confirm(QStringLiteral("这份鉴定报告在您载入之后已被他人保存。\n仍要删除吗?")))
            throw CommandCancelled();
        remove(DataSet::IfChanged::Delete);
    }
    return true;
}

bool TfrmChildWin::postShownReport(const std::function<void()> &post)
{
    try {
        post();
        return true;
    } catch (const RowConflict &conflict) {
        switch (askAboutConflict(conflict.kind())) {
        case ConflictChoice::Reload:
            reloadShownReport();
            return false;
        case ConflictChoice::StoreAsNew:
            storeAsNewReport();
            return false;
        case ConflictChoice::KeepEditing:
            break;
        }
        throw CommandCancelled();
    }
}

// The report as someone else saved it replaces the edits made here.
void TfrmChildWin::reloadShownReport()
{
    m_reports.cancel();
    m_reports.reloadCurrent();
    showReport(m_reports);
    FillReportList(m_reports);
    showCurrentEntry();
    setModified(false);
}

// The edits made here become a new report, under a number no other report
// uses, so that it takes no other report's component rows.
void TfrmChildWin::storeAsNewReport()
{
    m_reports.cancel();
    m_reports.append();
    StoreReport(m_reports);
    const QString number
        = TFrm_DataModule::UnusedReportNumber(m_connection, m_reports.asString(QStringLiteral("FileNo")));
    m_reports.setString(QStringLiteral("FileNo"), number);
    dataModule().PostReport(m_reports, m_componentPage->rows());
    showText(*ReportFields::find(QStringLiteral("FileNo")), number);
    FillReportList(m_reports);
    showCurrentEntry();
    setModified(false);
    Prompt::message(PromptIcon::Information,
        QStringLiteral("您的修改已另存为一份新鉴定报告，编号为 ") + number + QStringLiteral("。"));
}

void TfrmChildWin::search()
{
    m_search->setBusy(true);
    const auto idle = qScopeGuard([this] { m_search->setBusy(false); });

    saveReport();
    const QString statement = QStringLiteral("Select * from ProjectTab where ") + m_search->column()
        + QStringLiteral(" like :FieldValue");
    const SqlParams params { { QStringLiteral("FieldValue"), u'%' + m_search->term() + u'%' } };
    // The reports found replace the list only on a connection that works:
    // a lost one fails here, with the list and the shown report as they are.
    m_connection.ensureConnected();
    const DataSet::Bookmark shown = m_reports.bookmark();
    const QString previous = m_reports.statement();
    const SqlParams previousParams = m_reports.params();
    m_reports.close();
    m_reports.setStatement(statement, params);
    try {
        m_reports.open();
    } catch (const AppError &) {
        // The list keeps its entries: the data set goes back to them and
        // to the report shown.
        reopenAfterFailedSearch(previous, previousParams, shown);
        throw;
    }
    m_reports.first();
    QPlainTextEdit *memo = m_search->memo();
    FieldText::setText(memo, QString());
    FieldText::setText(memo,
        QStringLiteral("查出符合条件的鉴定报告共有 ") + QString::number(m_reports.recordCount())
            + QStringLiteral(" 份"));
    FillReportList(m_reports);
    if (m_reports.isEmpty()) {
        ClearReport();
        ResetComponentGrid();
    } else {
        showReport(m_reports);
    }
}

void TfrmChildWin::reopenAfterFailedSearch(
    const QString &statement, const SqlParams &params, DataSet::Bookmark shown)
{
    try {
        m_reports.open(statement, params);
        if (shown != DataSet::NoBookmark)
            m_reports.gotoBookmark(shown);
    } catch (const AppError &) {
        m_reports.close(); // drawing the list opens the whole table again
    }
}

bool TfrmChildWin::querySave()
{
    if (!m_modified)
        return true;
    const PromptButton answer = Prompt::message(PromptIcon::Question, QStringLiteral("数据已被更改,保存吗?"),
        PromptButton::Yes | PromptButton::No | PromptButton::Cancel);
    if (answer == PromptButton::Cancel) {
        EditorProcess.CloseCancelled = true;
        return false;
    }
    // A save that fails keeps the window and its edits.
    if (answer == PromptButton::Yes && !runReported([this] { saveReport(); })) {
        EditorProcess.CloseCancelled = true;
        return false;
    }
    return true;
}

void TfrmChildWin::closeEvent(QCloseEvent *event)
{
    if (!querySave()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    // A settings file that cannot be written must not keep the window open.
    runReported([this] { RememberOpenFile(RecentDatabases::displayText(m_fileName)); });
    EditorProcess.CloseCancelled = false;
    if (EditorProcess.LastOpenedWindow == this)
        EditorProcess.LastOpenedWindow = nullptr;
    emit closed(this);
}

void TfrmChildWin::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    m_splitter->setSizes({ 169, qMax(1, m_splitter->width() - 169) });
}

// Cascading gives each window its size hint: two thirds of the frame at
// most, so that cascaded windows stay inside it.
QSize TfrmChildWin::sizeHint() const
{
    QSize hint = QMdiSubWindow::sizeHint();
    if (QMdiArea *area = mdiArea())
        hint = hint.boundedTo(area->viewport()->size() * 2 / 3).expandedTo(minimumSizeHint());
    return hint;
}

void TfrmChildWin::activated()
{
    if (m_windowMenuItem)
        m_windowMenuItem->setChecked(true);
    EditorProcess.WindowOpening = false;
}

void TfrmChildWin::deactivated()
{
    if (m_windowMenuItem)
        m_windowMenuItem->setChecked(false);
    keepUnsavedEdits();
}

int TfrmChildWin::currentPage() const
{
    return m_tabSet->currentIndex();
}

void TfrmChildWin::showPage(int page)
{
    // The tab set's handler turns the notebook's page.
    m_tabSet->setCurrentIndex(page);
}

int TfrmChildWin::currentListTab() const
{
    return m_pageControl->currentIndex();
}

void TfrmChildWin::showListTab(int tab)
{
    m_pageControl->setCurrentIndex(tab);
}

// Shows a page of the notebook. Typing goes on in it: unless one of its
// fields already has the focus, the first field of the request or report
// page takes it, as a form's first field does. The component table is
// entered only by the user, since entering it counts as a change of the
// report: the focus leaves the page that goes for the tab set first, or
// the notebook would hand it to the first control of the new page (the
// table, or a scroll box). A window whose controls have not the focus
// (another window is in front) leaves the focus alone.
void TfrmChildWin::showNotebookPage(int page)
{
    const QWidget *focus = QApplication::focusWidget();
    const bool focusHere = focus && isAncestorOf(focus);
    if (focusHere && page != m_notebook->currentIndex() && m_notebook->currentWidget()->isAncestorOf(focus))
        m_tabSet->setFocus(Qt::OtherFocusReason);
    m_notebook->setCurrentIndex(page);
    auto *box = qobject_cast<PanelScrollBox *>(m_notebook->currentWidget());
    focus = QApplication::focusWidget();
    if (!focusHere || !box || box->panel()->isAncestorOf(focus))
        return;
    if (QWidget *first = box->firstField())
        first->setFocus(Qt::TabFocusReason);
}

void TfrmChildWin::setNavigatorVisible(bool visible)
{
    m_leftPanel->setVisible(visible);
}

// Both panels stand in the middle of the window while it is larger than
// they are; the report page starts at its top.
void TfrmChildWin::centrePanels()
{
    m_pages->reportBox()->scrollToTop();
    const int clientHeight = widget()->height();
    const int notebookWidth = m_notebook->width();
    for (PanelScrollBox *box : { m_pages->requestBox(), m_pages->reportBox() }) {
        const QSize panel = box->panel()->size();
        const int top
            = panel.height() < clientHeight ? int(std::nearbyint((clientHeight - panel.height()) / 2.0)) : 0;
        const int left
            = panel.width() < notebookWidth ? int(std::nearbyint((notebookWidth - panel.width()) / 2.0)) : 0;
        box->placePanel(left, top);
    }
}
