#include "app/aboutbox.h"
#include "app/commandtable.h"
#include "app/launchers.h"
#include "app/mainform.h"
#include "base/appsettings.h"
#include "base/cp936.h"
#include "base/inifile.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "editor/childwin.h"
#include "editor/editorstate.h"
#include "testenv.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Records what the desktop was asked to open instead of opening it.
class RecordingOpener : public ExternalOpener
{
public:
    bool openUrl(const QUrl &url) override
    {
        opened << url.toString();
        return succeeds;
    }
    bool startProgram(const QString &program) override
    {
        opened << program;
        return succeeds;
    }
    QStringList opened;
    bool succeeds = true;
};

const QString SamplePath = QStringLiteral("Data/2004年房屋安全鉴定报告.had");

// The commands enabled only while a report window is open.
const QStringList ReportCommands
    = { "Actn_FileClose", "Actn_FileSave", "Actn_FileSaveAs", "Actn_FilePageSetup", "Actn_FilePreview",
          "Actn_FilePrint", "Actn_FileExportPdf", "actnBrowser", "actnEditInsertCharacter", "actnEditBrowser",
          "actnEditFind", "actnView0", "actnView1", "actnView2", "Actn_RecordAppend", "Actn_RecordInsert",
          "Actn_RecordDelete", "Actn_RecordSaveAsTemplate", "Actn_RecordInstead", "Actn_RecordFirst",
          "Actn_RecordPrior", "Actn_RecordNext", "Actn_RecordLast", "actnRecordCalcu", "Actn_WindowCascade",
          "Actn_WindowTileHorizontal", "Actn_WindowTileVertical", "Actn_WindowArrangeAll" };

// The edit commands follow the focused text field instead.
const QStringList EditCommands = { "EditUndo1", "EditCut1", "EditCopy1", "EditPaste1", "EditSelectAll1" };

// One frame on a fresh program folder.
class Frame
{
public:
    TMainForm *create()
    {
        form = frameOver(dir.path());
        return form.get();
    }
    // Creates and shows the frame and makes it the active window.
    TMainForm *show()
    {
        form = showFrameOver(dir.path());
        activateFrame(form.get());
        return form.get();
    }

    // An appraisal database to open (without reports: the window stores
    // its first one).
    QString file(const QString &relative)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!QFileInfo::exists(path))
            HadFile::createDatabaseFile(path);
        return path;
    }
    TfrmChildWin *open(const QString &relative) { return form->OpenReportWindow(file(relative)); }

    QAction *action(const char *name) const { return form->action(QString::fromLatin1(name)); }
    QString rememberedFile() const
    {
        return IniFile(dir.filePath("config.ini")).readString("Commond", "OpenFileName", "<none>");
    }

    TestAppDir dir;
    TestFrame form;
};

// A menu's entries as names, "-" for a separator line.
QString entriesOf(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *a : actions)
        names << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    return names.join(QLatin1Char(' '));
}

// The report window's own controls that the frame's page and list commands
// act on.
struct EditorControls
{
    explicit EditorControls(TfrmChildWin *window)
        : leftPanel(window->findChild<QWidget *>("LeftPanel"))
        , pageControl(window->findChild<QTabWidget *>("PageControl1"))
        , notebook(window->findChild<QStackedWidget *>("Notebook1"))
        , tabSet(window->findChild<QTabBar *>("TabSet1"))
        , edit(window->findChild<QLineEdit *>("labedtClient1"))
        , memo(window->findChild<QPlainTextEdit *>("memApprCircs"))
        , list(window->findChild<QWidget *>("ListView1"))
    { }
    QWidget *leftPanel;
    QTabWidget *pageControl;
    QStackedWidget *notebook;
    QTabBar *tabSet;
    QLineEdit *edit;
    QPlainTextEdit *memo;
    QWidget *list;
};

QStringList checkedOf(const Frame &frame, const QStringList &names)
{
    QStringList checked;
    for (const QString &name : names)
        if (frame.form->action(name)->isChecked())
            checked << name;
    return checked;
}

// The Client column of every report in a file.
QStringList storedClients(const QString &path)
{
    Connection connection;
    HadFile::open(connection, path, Connection::Access::ReadOnly);
    QStringList clients;
    QSqlQuery query = connection.run("select Client from ProjectTab");
    while (query.next())
        clients << query.value(0).toString();
    return clients;
}

const QStringList PageAndListCommands
    = { "actnView0", "actnView1", "actnView2", "actnEditBrowser", "actnEditFind" };

// A desktop icon theme made for one test, restored when it ends: none at
// all until provide() adds one picture to it.
class IconThemeForTest
{
public:
    IconThemeForTest()
        : m_name(QIcon::themeName())
        , m_searchPaths(QIcon::themeSearchPaths())
    {
        QIcon::setThemeSearchPaths({ m_themes.path() });
        QIcon::setThemeName(QString());
    }
    ~IconThemeForTest()
    {
        QIcon::setThemeSearchPaths(m_searchPaths);
        QIcon::setThemeName(m_name);
    }

    void provide(const char *icon, const QImage &picture)
    {
        QVERIFY(QDir(m_themes.path()).mkpath("desk/16x16/actions"));
        QFile index(m_themes.filePath("desk/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=desk\nDirectories=16x16/actions\n\n"
                    "[16x16/actions]\nSize=16\nType=Fixed\n");
        index.close();
        QVERIFY(picture.save(m_themes.filePath(QStringLiteral("desk/16x16/actions/%1.png").arg(icon))));
        QIcon::setThemeName("desk");
    }

private:
    const QString m_name;
    const QStringList m_searchPaths;
    QTemporaryDir m_themes;
};

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void commandsHaveTheirTexts_data();
    void commandsHaveTheirTexts();
    void menusToolBarAndHiddenCommands();
    void toolButtonsHavePictures_data();
    void toolButtonsHavePictures();
    void toolBarHoldsEveryCommand_data();
    void toolBarHoldsEveryCommand();
    void backgroundLinksRunTheirCommands();
    void backgroundLinksFollowTheTheme();
    void statusBarShowsTheHintUnderTheMouse();

    void startUpCreatesFoldersAndTitle();
    void folderThatCannotBeCreatedIsReported();
    void startupDatabase_data();
    void startupDatabase();
    void startupFileThatIsNoDatabase();

    void commandsNeedAReportWindow();
    void reportWindowCaptionAndState();
    void windowMenuBringsSameNamedWindowsInTurn();
    void activationChecksAndUnchecks();
    void viewToggles();
    void pageAndListCommands();
    void tiling_data();
    void tiling();
    void cascade();

    void closingAReportWindow_data();
    void closingAReportWindow();
    void closingTheProgramAsksEveryModifiedWindow_data();
    void closingTheProgramAsksEveryModifiedWindow();

    void editCommandsFollowTheFocusedField();

    void launchers_data();
    void launchers();
    void helpKeyOpensTheManualBesideTheProgram();
    void calculator();
    void aboutBoxClosesOnAClick();
    void optionsCommandOpensTheOptionsDialog();
    void shortcutsReachTheirCommands_data();
    void shortcutsReachTheirCommands();
    void shortcutsWinOverEveryField_data();
    void shortcutsWinOverEveryField();

private:
    RecordingOpener m_opener;
    QByteArray m_path;
};

void TestMainForm::initTestCase()
{
    ExternalOpener::install(&m_opener);
    m_path = qgetenv("PATH");
}

void TestMainForm::cleanupTestCase()
{
    ExternalOpener::install(nullptr);
    qputenv("PATH", m_path);
}

void TestMainForm::commandsHaveTheirTexts_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortcut");

    const char *const rows[][4] = {
        { "Actn_FileNew", "新建(&N)", "新建", "Ctrl+N" },
        { "Actn_FileOpen", "打开(&O)", "打开", "Ctrl+O" },
        { "Actn_FileOpenServer", "打开服务器数据库...", "打开服务器数据库", "" },
        { "Actn_FileClose", "关闭(&C)", "关闭", "" },
        { "Actn_FileSave", "保存(&S)", "保存", "Ctrl+S" },
        { "Actn_FileSaveAs", "另存为(&A)", "另存为", "" },
        { "Actn_FilePageSetup", "页面设置(&E)", "页面设置", "Ctrl+G" },
        { "Actn_FilePreview", "打印预览(&W)", "打印预览", "Ctrl+W" },
        { "Actn_FilePrint", "打印(&P)", "打印", "Ctrl+P" },
        { "Actn_FileExportPdf", "导出PDF(&D)...", "导出PDF", "" },
        { "Actn_FileExit", "退出(&X)", "关闭当前程序", "Alt+X" },
        { "EditUndo1", "撤消(&Z)", "撤消", "Alt+Backspace" },
        { "EditCut1", "剪切(&X)", "剪切", "Ctrl+X" },
        { "EditCopy1", "复制(&C)", "复制", "Ctrl+C" },
        { "EditPaste1", "粘贴(&P)", "粘贴", "Ctrl+V" },
        { "EditSelectAll1", "选择全部(&A)", "选择全部", "" },
        { "actnEditInsertCharacter", "插入字符(&I)", "插入字符", "" },
        { "actnEditBrowser", "浏览(&B)", "浏览", "" },
        { "actnEditFind", "查询(&F)", "查询", "F3" },
        { "Actn_ViewTools", "工具栏(&T)", "工具栏", "" },
        { "Actn_ViewStatus", "状态栏(&T)", "状态栏", "" },
        { "actnBrowser", "导航器(&B)", "导航器", "" },
        { "actnView0", "登记", "登记", "" },
        { "actnView1", "鉴定和计算", "鉴定和计算", "" },
        { "actnView2", "鉴定报告", "鉴定报告", "" },
        { "Actn_RecordAppend", "增加(&E)", "增加", "Ctrl+E" },
        { "Actn_RecordInsert", "插入(&I)", "插入", "Ctrl+I" },
        { "Actn_RecordDelete", "删除(&D)", "删除", "Ctrl+D" },
        { "Actn_RecordSaveAsTemplate", "当前鉴定报告保存为模板(&A)", "当前鉴定报告保存为模板", "" },
        { "Actn_RecordInstead", "模板替换当前鉴定报告(&T)", "模板替换当前鉴定报告", "" },
        { "Actn_RecordFirst", "第一份(&F)", "第一份", "Ctrl+F" },
        { "Actn_RecordPrior", "上一份(&P)", "上一份", "Ctrl+R" },
        { "Actn_RecordNext", "下一份(&P)", "下一份", "Ctrl+T" },
        { "Actn_RecordLast", "最后一份(&L)", "最后一份", "Ctrl+L" },
        { "actnRecordCalcu", "计算等级(&C)", "计算等级", "" },
        { "Actn_OptionConfig", "设置(&C)", "设置", "Ctrl+Y" },
        { "actnOptionCalcu", "计算器(&L)", "计算器", "" },
        { "actnArrangeChildWin", "重排窗口", "重排窗口", "" },
        { "Actn_WindowArrangeAll", "重排所有", "重排所有", "" },
        { "Actn_WindowTileHorizontal", "水平排列", "水平排列", "" },
        { "Actn_WindowTileVertical", "竖直排列", "竖直排列", "" },
        { "Actn_WindowCascade", "层叠", "层叠", "" },
        { "actnHelpManual", "帮助(&H)", "帮助", "F1" },
        { "HelpEmail", "有意见或建议请给我们写信(&M)", "有意见或建议请给我们写信", "" },
        { "actnHelpProductsList", "产品列表", "产品列表", "" },
        { "HelpAbout1", "关于(&A)", "显示软件信息", "Ctrl+H" },
        // The menus themselves.
        { "MI_File", "文件(&F)", "文件", "" },
        { "MI_Edit", "编辑(&E)", "编辑", "" },
        { "MI_View", "视图(&V)", "视图", "" },
        { "MI_Record", "鉴定报告(&R)", "鉴定报告", "" },
        { "MI_Option", "选项(&O)", "选项", "" },
        { "MI_Window", "窗口(&W)", "窗口", "" },
        { "MI_Help", "帮助(&H)", "帮助", "" },
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2])
                              << QString::fromUtf8(row[3]);
}

void TestMainForm::commandsHaveTheirTexts()
{
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, shortcut);
    Frame frame;
    frame.create();
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QAction *a = name.startsWith("MI_") ? frame.form->menu(name)->menuAction() : frame.form->action(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->statusTip(), hint);
    if (!name.startsWith("MI_"))
        QCOMPARE(a->toolTip(), hint);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut, QKeySequence::PortableText));
}

void TestMainForm::menusToolBarAndHiddenCommands()
{
    Frame frame;
    frame.create();
    TMainForm *form = frame.form.get();

    QCOMPARE(entriesOf(form->menuBar()->actions()),
        "MI_File MI_Edit MI_View MI_Record MI_Option MI_Window MI_Help");
    const std::pair<const char *, const char *> menus[] = {
        { "MI_File",
            "Actn_FileNew Actn_FileOpen Actn_FileOpenServer MI_FileRecent Actn_FileClose Actn_FileSave "
            "Actn_FileSaveAs - "
            "Actn_FilePageSetup "
            "Actn_FilePreview Actn_FilePrint Actn_FileExportPdf - Actn_FileExit" },
        { "MI_Edit",
            "EditUndo1 - EditCut1 EditCopy1 EditPaste1 - EditSelectAll1 - actnEditInsertCharacter - "
            "actnEditBrowser actnEditFind" },
        { "MI_View", "Actn_ViewTools Actn_ViewStatus - actnBrowser - actnView0 actnView1 actnView2" },
        { "MI_Record",
            "Actn_RecordAppend Actn_RecordDelete - Actn_RecordSaveAsTemplate Actn_RecordInstead - "
            "Actn_RecordFirst Actn_RecordPrior Actn_RecordNext Actn_RecordLast - actnRecordCalcu" },
        { "MI_Option", "Actn_OptionConfig - actnOptionCalcu" },
        { "MI_Window", "actnArrangeChildWin -" },
        { "MI_Help", "actnHelpManual - HelpEmail - actnHelpProductsList - HelpAbout1" },
    };
    for (const auto &[menu, entries] : menus)
        QCOMPARE(entriesOf(form->menu(menu)->actions()), QString::fromLatin1(entries));

    auto *toolBar = form->findChild<QToolBar *>("ToolBar");
    QVERIFY(toolBar);
    QCOMPARE(entriesOf(toolBar->actions()),
        "Actn_FileNew Actn_FileOpen Actn_FileSave Actn_FilePrint Actn_FilePreview Actn_FilePageSetup - "
        "EditUndo1 EditCut1 EditCopy1 EditPaste1 - actnBrowser - Actn_RecordAppend Actn_RecordDelete "
        "Actn_RecordFirst Actn_RecordPrior Actn_RecordNext Actn_RecordLast actnRecordCalcu");
    // Tool buttons read as the hint, without the menu's access key.
    for (QAction *command : toolBar->actions()) {
        if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(command)))
            QCOMPARE(button->text(), command->statusTip());
    }

    // In no menu, but reachable: by its shortcut, or from the arrangement dialog.
    for (const char *name : { "Actn_RecordInsert", "Actn_WindowArrangeAll", "Actn_WindowTileHorizontal",
             "Actn_WindowTileVertical", "Actn_WindowCascade" })
        QVERIFY2(form->actions().contains(frame.action(name)), name);

    // Checked items and their state at start.
    QCOMPARE(checkedOf(frame,
                 { "Actn_ViewTools", "Actn_ViewStatus", "actnBrowser", "actnEditBrowser", "actnEditFind",
                     "actnView0", "actnView1", "actnView2" }),
        QStringList({ "Actn_ViewTools", "Actn_ViewStatus", "actnBrowser" }));
    for (const char *name : { "actnEditBrowser", "actnEditFind", "actnView0", "actnView1", "actnView2" })
        QVERIFY2(frame.action(name)->isCheckable(), name);
    QVERIFY(form->statusBar()->objectName() == "StatusBar");
}

void TestMainForm::toolButtonsHavePictures_data()
{
    QTest::addColumn<bool>("themed"); // a desktop theme with document-new alone
    QTest::newRow("no icon theme") << false;
    QTest::newRow("theme lacking most icons") << true;
}

// Every tool button shows a picture: the desktop theme's where it has the
// icon, the program's own where there is no theme or the theme lacks it.
void TestMainForm::toolButtonsHavePictures()
{
    QFETCH(bool, themed);
    IconThemeForTest theme;
    QImage themePicture(16, 16, QImage::Format_ARGB32);
    themePicture.fill(Qt::magenta);
    if (themed)
        theme.provide("document-new", themePicture);

    Frame frame;
    frame.create();
    int buttons = 0;
    for (const CommandTable::ToolButton &button : CommandTable::toolBar()) {
        if (!button.command)
            continue;
        ++buttons;
        const QIcon icon = frame.action(button.command)->icon();
        const QImage picture = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!picture.isNull(), button.command);
        const bool fromTheme = themed && QLatin1String(button.icon) == "document-new";
        if (fromTheme) {
            QCOMPARE(picture.pixelColor(8, 8), QColor(Qt::magenta));
            continue;
        }
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 0 && picture.pixel(x, y) != themePicture.pixel(0, 0);
        QVERIFY2(drawn > 10, button.command);
    }
    QCOMPARE(buttons, 18);
}

void TestMainForm::toolBarHoldsEveryCommand_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1000 pixels") << 1000;
    QTest::newRow("1280 pixels") << 1280;
}

// With the program's own pictures the bar still shows every command's
// button, 计算等级 last, with its hint as text: none goes to the overflow.
void TestMainForm::toolBarHoldsEveryCommand()
{
    QFETCH(int, width);
    IconThemeForTest theme;
    Frame frame;
    TMainForm *form = frame.show();
    form->setWindowState(Qt::WindowNoState);
    form->resize(width, 700);
    QTRY_COMPARE(form->width(), width);
    auto *toolBar = form->findChild<QToolBar *>("ToolBar");
    QVERIFY(toolBar);
    for (const CommandTable::ToolButton &button : CommandTable::toolBar()) {
        if (!button.command)
            continue;
        QAction *command = frame.action(button.command);
        auto *tool = qobject_cast<QToolButton *>(toolBar->widgetForAction(command));
        QVERIFY2(tool && tool->isVisible(), button.command);
        QVERIFY2(toolBar->rect().contains(tool->geometry()), button.command);
        QCOMPARE(tool->text(), command->statusTip());
        QVERIFY2(!tool->icon().isNull(), button.command);
    }
}

void TestMainForm::backgroundLinksRunTheirCommands()
{
    Frame frame;
    frame.show();
    const std::pair<const char *, const char *> links[]
        = { { "Label2", "actnHelpProductsList" }, { "Label4", "HelpEmail" } };
    for (const auto &[labelName, command] : links) {
        auto *label = frame.form->findChild<QLabel *>(labelName);
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QSignalSpy triggered(frame.action(command), &QAction::triggered);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(triggered.count(), 1);
    }
    QCOMPARE(frame.form->findChild<QLabel *>("Label2")->text(), "产品列表");
    QCOMPARE(frame.form->findChild<QLabel *>("Label4")->text(), "有意见或建议请给我们写信");
}

// A dark theme with a larger font: the links take the theme's link colour
// and grow to show their whole text, still inside the frame.
void TestMainForm::backgroundLinksFollowTheTheme()
{
    const QPalette palette = QApplication::palette();
    const QFont font = QApplication::font();
    Frame frame;
    frame.show();
    QPalette dark(QColor(30, 30, 30));
    dark.setColor(QPalette::Link, QColor(140, 180, 255));
    QApplication::setPalette(dark);
    QApplication::setFont(QFont(font.family(), 24));
    const QRect area = frame.form->mdiArea()->viewport()->rect();
    for (const char *name : { "Label2", "Label4" }) {
        auto *label = frame.form->findChild<QLabel *>(name);
        QTRY_COMPARE(label->palette().color(label->foregroundRole()), QColor(140, 180, 255));
        QVERIFY(label->font().underline());
        QCOMPARE(label->font().pointSize(), 24);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), name);
        QVERIFY2(area.contains(label->geometry()), name);
    }
    QApplication::setPalette(palette);
    QApplication::setFont(font);
}

void TestMainForm::statusBarShowsTheHintUnderTheMouse()
{
    Frame frame;
    frame.show();
    auto *toolBar = frame.form->findChild<QToolBar *>("ToolBar");
    const std::pair<QWidget *, const char *> places[] = {
        { toolBar->widgetForAction(frame.action("Actn_FileNew")), "新建" },
        { toolBar->widgetForAction(frame.action("Actn_FileOpen")), "打开" },
        { frame.form->findChild<QLabel *>("Label4"), "有意见或建议请给我们写信" },
    };
    for (const auto &[widget, hint] : places) {
        QTest::mouseMove(widget);
        QTRY_COMPARE(frame.form->statusBar()->currentMessage(), QString::fromUtf8(hint));
    }
}

void TestMainForm::startUpCreatesFoldersAndTitle()
{
    Frame frame;
    QDir(frame.dir.path()).mkdir("Temp");
    frame.create();
    QCOMPARE(Process.AppDir, frame.dir.path());
    for (const char *folder : { "Data", "Backup", "Template", "Temp", "Resource" })
        QVERIFY2(QFileInfo(frame.dir.filePath(folder)).isDir(), folder);
    QCOMPARE(frame.form->windowTitle(), AppTitle);
    QVERIFY(Prompt::shown().isEmpty());
}

void TestMainForm::folderThatCannotBeCreatedIsReported()
{
    Frame frame;
    frame.dir.writeFile("Backup", "a file where the folder belongs");
    frame.create();
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    QVERIFY2(lastPromptText().contains(QDir::toNativeSeparators(frame.dir.filePath("Backup"))),
        qPrintable(lastPromptText()));
    // Start-up goes on: the frame is complete.
    QVERIFY(QFileInfo(frame.dir.filePath("Data")).isDir());
    QCOMPARE(frame.form->windowTitle(), AppTitle);
    QVERIFY(frame.action("Actn_FileNew")->isEnabled());
}

void TestMainForm::startupDatabase_data()
{
    QTest::addColumn<QString>("config"); // %1 stands for AppDir
    QTest::addColumn<QStringList>("files"); // files present under AppDir
    QTest::addColumn<QString>("opened"); // relative path, empty for none

    const QString other = QStringLiteral("Data/甲.had");
    QTest::newRow("no config.ini, sample present") << QString() << QStringList { SamplePath } << SamplePath;
    QTest::newRow("no config.ini, no sample") << QString() << QStringList {} << QString();
    QTest::newRow("remembered file") << QString("[Commond]\r\nOpenFileName=%1/Data/甲.had\r\n")
                                     << QStringList { SamplePath, other } << other;
    QTest::newRow("auto open off: sample")
        << QString("[Commond]\r\nAutoOpenItem=0\r\nOpenFileName=%1/Data/甲.had\r\n")
        << QStringList { SamplePath, other } << SamplePath;
    QTest::newRow("remembered file missing: nothing")
        << QString("[Commond]\r\nOpenFileName=%1/Data/gone.had\r\n") << QStringList { SamplePath }
        << QString();
    QTest::newRow("remembered path is a folder: nothing")
        << QString("[Commond]\r\nOpenFileName=%1/Data\r\n") << QStringList { SamplePath } << QString();
}

void TestMainForm::startupDatabase()
{
    QFETCH(QString, config);
    QFETCH(QStringList, files);
    QFETCH(QString, opened);
    Frame frame;
    if (!config.isEmpty())
        frame.dir.writeFile("config.ini", Cp936::encode(config.arg(frame.dir.path())));
    for (const QString &file : files)
        frame.file(file);

    frame.show();
    QVERIFY(frame.form->isMaximized());
    QVERIFY(Prompt::shown().isEmpty());
    if (opened.isEmpty()) {
        QVERIFY(frame.form->reportWindows().isEmpty());
        return;
    }
    QCOMPARE(frame.form->reportWindows().size(), 1);
    TfrmChildWin *window = frame.form->reportWindows().first();
    QCOMPARE(window->FileName(), frame.dir.filePath(opened));
    QCOMPARE(frame.form->activeReportWindow(), window);
    QVERIFY(window->isMaximized());
    QVERIFY(window->WindowMenuItem()->isChecked());
    QVERIFY(!EditorProcess.WindowOpening);
}

// A remembered file that is not one of ours is told once, left as it is,
// and leaves the frame without a window.
void TestMainForm::startupFileThatIsNoDatabase()
{
    Frame frame;
    frame.dir.writeFile("config.ini",
        Cp936::encode(QString("[Commond]\r\nOpenFileName=%1/Data/笔记.had\r\n").arg(frame.dir.path())));
    frame.dir.writeFile("Data/笔记.had", "plain notes, no database");
    frame.show();
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(lastPromptText(), "文件 " + frame.dir.filePath("Data/笔记.had") + " 不是本系统的数据库!");
    QVERIFY(frame.form->reportWindows().isEmpty());
    QVERIFY(frame.form->mdiArea()->subWindowList().isEmpty());
    QVERIFY(!EditorProcess.WindowOpening);
    QVERIFY(!frame.action("Actn_FileSave")->isEnabled());
    QCOMPARE(frame.dir.readFile("Data/笔记.had"), QByteArray("plain notes, no database"));
    QCOMPARE(entriesOf(frame.form->menu("MI_Window")->actions()), "actnArrangeChildWin -");
}

void TestMainForm::commandsNeedAReportWindow()
{
    Frame frame;
    frame.show();
    auto enabledOf = [&](const QStringList &names) {
        QStringList enabled;
        for (const QString &name : names)
            if (frame.form->action(name)->isEnabled())
                enabled << name;
        return enabled;
    };
    QStringList always;
    for (QAction *a : frame.form->findChildren<QAction *>())
        if (a->objectName().startsWith("Actn_") || a->objectName().startsWith("actn")
            || a->objectName().startsWith("Help"))
            if (!ReportCommands.contains(a->objectName()))
                always << a->objectName();
    QCOMPARE(
        always.size(), 13); // new, open, open server, exit, two bars, options, calculator, arrange, four help
    QVERIFY(enabledOf(ReportCommands).isEmpty());
    QCOMPARE(enabledOf(always), always);

    TfrmChildWin *first = frame.open("Data/甲.had");
    QCOMPARE(enabledOf(ReportCommands), ReportCommands);
    frame.open("Data/乙.had");
    QCOMPARE(enabledOf(ReportCommands), ReportCommands);

    frame.action("Actn_FileClose")->trigger(); // closes 乙, the active one
    deleteClosedWindows();
    QCOMPARE(frame.form->reportWindows(), QList<TfrmChildWin *> { first });
    QCOMPARE(enabledOf(ReportCommands), ReportCommands);

    frame.action("Actn_FileClose")->trigger();
    // Disabled at once, before the closed window is deleted...
    QVERIFY(enabledOf(ReportCommands).isEmpty());
    deleteClosedWindows();
    // ...and still after.
    QVERIFY(frame.form->reportWindows().isEmpty());
    QVERIFY(enabledOf(ReportCommands).isEmpty());
    QCOMPARE(enabledOf(always), always);
}

void TestMainForm::reportWindowCaptionAndState()
{
    Frame frame;
    frame.show();
    const QString path = frame.file("Data/二号楼.2024.had");
    TfrmChildWin *window = frame.form->OpenReportWindow(path);

    QCOMPARE(window->FileName(), path);
    QCOMPARE(window->windowTitle(), "二号楼.2024");
    QVERIFY(window->isMaximized());
    QCOMPARE(EditorProcess.LastOpenedWindow, window);
    QVERIFY(!EditorProcess.WindowOpening); // lowered when the window became active
    QVERIFY(!window->Modified());
    auto *timer = window->findChild<QTimer *>("timerAutoSave");
    QVERIFY(timer);
    // It runs at the configured interval, keeping unsaved edits for recovery.
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), Process.Settings.AutoSaveTime * 60 * 1000);

    QAction *entry = window->WindowMenuItem();
    QCOMPARE(entry->text(), "二号楼.2024& ");
    QCOMPARE(entry->statusTip(), "二号楼.2024");
    QVERIFY(entry->isChecked());
    QVERIFY(entry->actionGroup() && entry->actionGroup()->isExclusive());
    QCOMPARE(frame.form->menu("MI_Window")->actions().last(), entry);

    // Ctrl+F4 closes the window through its own close logic (Ctrl+W is the
    // preview's shortcut).
    QTest::keySequence(frame.form.get(), QKeySequence("Ctrl+F4"));
    QVERIFY(frame.form->reportWindows().isEmpty());
    QCOMPARE(frame.rememberedFile(), path);
    QCOMPARE(EditorProcess.LastOpenedWindow, nullptr);
    deleteClosedWindows();
    QCOMPARE(entriesOf(frame.form->menu("MI_Window")->actions()), "actnArrangeChildWin -");
}

void TestMainForm::windowMenuBringsSameNamedWindowsInTurn()
{
    Frame frame;
    frame.show();
    TfrmChildWin *dataCopy = frame.open("Data/甲.had");
    TfrmChildWin *backupCopy = frame.open("Backup/甲.had");
    TfrmChildWin *other = frame.open("Data/乙.had");

    QAction *dataEntry = dataCopy->WindowMenuItem();
    QAction *backupEntry = backupCopy->WindowMenuItem();
    QCOMPARE(dataEntry->text(), backupEntry->text());
    QCOMPARE(dataEntry->statusTip(), backupEntry->statusTip());

    // 乙 is in front; 甲 from Backup lies above 甲 from Data. Bringing both
    // forward topmost first ends with the lower one in front.
    dataEntry->trigger();
    QCOMPARE(frame.form->activeReportWindow(), dataCopy);
    backupEntry->trigger(); // either entry does the same
    QCOMPARE(frame.form->activeReportWindow(), backupCopy);
    dataEntry->trigger();
    QCOMPARE(frame.form->activeReportWindow(), dataCopy);
    dataEntry->trigger();
    QCOMPARE(frame.form->activeReportWindow(), backupCopy);

    QVERIFY(backupEntry->isChecked());
    QVERIFY(!dataEntry->isChecked());
    QVERIFY(!other->WindowMenuItem()->isChecked());

    other->WindowMenuItem()->trigger();
    QCOMPARE(frame.form->activeReportWindow(), other);
    // Choosing the entry of the window already in front keeps its check.
    other->WindowMenuItem()->trigger();
    QVERIFY(other->WindowMenuItem()->isChecked());
    QVERIFY(!backupEntry->isChecked());
}

void TestMainForm::activationChecksAndUnchecks()
{
    Frame frame;
    frame.show();
    TfrmChildWin *first = frame.open("Data/甲.had");
    EditorControls controls(first);
    controls.tabSet->setCurrentIndex(1);
    controls.pageControl->setCurrentIndex(1);
    TfrmChildWin *second = frame.open("Data/乙.had");
    QVERIFY(!first->WindowMenuItem()->isChecked());
    QVERIFY(second->WindowMenuItem()->isChecked());

    // Activation takes the checks from the window's tab set and page control.
    frame.form->mdiArea()->setActiveSubWindow(first);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView1", "actnEditFind" }));
    QVERIFY(first->WindowMenuItem()->isChecked());
    QVERIFY(!second->WindowMenuItem()->isChecked());

    // Each window brings its own page and sheet.
    frame.form->mdiArea()->setActiveSubWindow(second);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));
    // A tab clicked in the active window moves the checks along.
    EditorControls secondControls(second);
    secondControls.tabSet->setCurrentIndex(2);
    secondControls.pageControl->setCurrentIndex(1);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView2", "actnEditFind" }));
    secondControls.tabSet->setCurrentIndex(0);
    secondControls.pageControl->setCurrentIndex(0);
    // A tab switched in a window behind changes nothing.
    controls.tabSet->setCurrentIndex(2);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));
    controls.tabSet->setCurrentIndex(1);

    frame.form->mdiArea()->setActiveSubWindow(first);
    QCOMPARE(checkedOf(frame, PageAndListCommands).size(), 2);
    delete second; // not the active one: the checks stay the active window's
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView1", "actnEditFind" }));
    QCOMPARE(frame.form->reportWindows(), QList<TfrmChildWin *> { first });

    // The active window destroyed: the frame activates the one left.
    TfrmChildWin *third = frame.open("Data/丙.had");
    QCOMPARE(frame.form->activeReportWindow(), third);
    delete third;
    QCOMPARE(frame.form->reportWindows(), QList<TfrmChildWin *> { first });
    QCOMPARE(frame.form->activeReportWindow(), first);
    QVERIFY(first->WindowMenuItem()->isChecked());
    QVERIFY(frame.action("Actn_FileClose")->isEnabled());

    // A closed window is deleted after the next one became active: the
    // checks stay those of the active window.
    frame.open("Data/丁.had");
    frame.action("Actn_FileClose")->trigger();
    deleteClosedWindows();
    QCOMPARE(frame.form->activeReportWindow(), first);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView1", "actnEditFind" }));

    // The last window gone, nothing is checked.
    delete first;
    QVERIFY(checkedOf(frame, PageAndListCommands).isEmpty());
    first = frame.open("Data/甲.had");

    // A window being opened is marked as such until it becomes active.
    EditorProcess.WindowOpening = true;
    frame.form->mdiArea()->setActiveSubWindow(nullptr);
    frame.form->mdiArea()->setActiveSubWindow(first);
    QVERIFY(!EditorProcess.WindowOpening);
}

void TestMainForm::viewToggles()
{
    Frame frame;
    frame.show();
    auto *toolBar = frame.form->findChild<QToolBar *>("ToolBar");
    QAction *tools = frame.action("Actn_ViewTools");
    QAction *status = frame.action("Actn_ViewStatus");

    tools->trigger();
    QVERIFY(!toolBar->isVisible());
    QVERIFY(!tools->isChecked());
    tools->trigger();
    QVERIFY(toolBar->isVisible());
    QVERIFY(tools->isChecked());

    status->trigger();
    QVERIFY(!frame.form->statusBar()->isVisible());
    QVERIFY(!status->isChecked());
    status->trigger();
    QVERIFY(frame.form->statusBar()->isVisible());
    QVERIFY(status->isChecked());

    // The navigator check is one for the whole program.
    TfrmChildWin *first = frame.open("Data/甲.had");
    EditorControls firstControls(first);
    QVERIFY(firstControls.leftPanel->isVisible());
    QAction *browser = frame.action("actnBrowser");
    browser->trigger();
    QVERIFY(!browser->isChecked());
    QVERIFY(!firstControls.leftPanel->isVisible());

    TfrmChildWin *second = frame.open("Data/乙.had");
    EditorControls secondControls(second);
    QVERIFY(secondControls.leftPanel->isVisibleTo(second)); // a new window shows its pane
    QVERIFY(!browser->isChecked()); // and the check stays
    browser->trigger();
    QVERIFY(browser->isChecked());
    QVERIFY(secondControls.leftPanel->isVisibleTo(second));
    QVERIFY(!firstControls.leftPanel->isVisibleTo(first)); // only the active window follows
}

void TestMainForm::pageAndListCommands()
{
    Frame frame;
    frame.show();
    TfrmChildWin *window = frame.open("Data/甲.had");

    EditorControls controls(window);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));
    frame.action("actnView2")->trigger();
    QCOMPARE(controls.tabSet->currentIndex(), 2);
    QCOMPARE(controls.notebook->currentIndex(), 2);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView2", "actnEditBrowser" }));
    frame.action("actnView2")->trigger(); // a second use keeps the check
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView2", "actnEditBrowser" }));
    frame.action("actnView0")->trigger();
    QCOMPARE(controls.notebook->currentIndex(), 0);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));

    frame.action("actnEditFind")->trigger();
    QCOMPARE(controls.pageControl->currentIndex(), 1);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditFind" }));
    frame.action("actnEditFind")->trigger();
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditFind" }));
    frame.action("actnEditBrowser")->trigger();
    QCOMPARE(controls.pageControl->currentIndex(), 0);
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));

    // A tab the page commands do not know changes nothing.
    controls.tabSet->addTab("extra");
    controls.tabSet->setCurrentIndex(3);
    frame.form->UpdateViewChecks();
    QCOMPARE(checkedOf(frame, PageAndListCommands), QStringList({ "actnView0", "actnEditBrowser" }));
}

void TestMainForm::tiling_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("sideBySide");
    QTest::newRow("arrange all at start: one above the other")
        << QStringList { "Actn_WindowArrangeAll" } << false;
    QTest::newRow("horizontal") << QStringList { "Actn_WindowTileHorizontal" } << false;
    QTest::newRow("vertical") << QStringList { "Actn_WindowTileVertical" } << true;
    QTest::newRow("arrange all after vertical")
        << QStringList { "Actn_WindowTileVertical", "Actn_WindowCascade", "Actn_WindowArrangeAll" } << true;
    QTest::newRow("arrange all after vertical, then horizontal") << QStringList { "Actn_WindowTileVertical",
        "Actn_WindowTileHorizontal", "Actn_WindowArrangeAll" } << false;
}

void TestMainForm::tiling()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, sideBySide);
    Frame frame;
    frame.show();
    TfrmChildWin *first = frame.open("Data/甲.had");
    TfrmChildWin *second = frame.open("Data/乙.had");
    TfrmChildWin *third = frame.open("Data/丙.had");
    for (const QString &command : commands)
        frame.form->action(command)->trigger();

    const QRect area = frame.form->mdiArea()->viewport()->rect();
    QList<QRect> rects;
    for (TfrmChildWin *window : { third, second, first }) { // topmost first
        QVERIFY(!window->isMaximized());
        rects << window->geometry();
    }
    QCOMPARE(rects.first().topLeft(), area.topLeft());
    for (int i = 1; i < rects.size(); ++i) {
        if (sideBySide) {
            QCOMPARE(rects[i].left(), rects[i - 1].right() + 1);
            QCOMPARE(rects[i].top(), area.top());
            QCOMPARE(rects[i].height(), area.height());
        } else {
            QCOMPARE(rects[i].top(), rects[i - 1].bottom() + 1);
            QCOMPARE(rects[i].left(), area.left());
            QCOMPARE(rects[i].width(), area.width());
        }
    }
    const QRect last = rects.last();
    QCOMPARE(sideBySide ? last.right() : last.bottom(), sideBySide ? area.right() : area.bottom());
}

void TestMainForm::cascade()
{
    Frame frame;
    frame.show();
    TfrmChildWin *first = frame.open("Data/甲.had");
    TfrmChildWin *second = frame.open("Data/乙.had");
    frame.action("Actn_WindowCascade")->trigger();
    QVERIFY(!first->isMaximized() && !second->isMaximized());
    QVERIFY(first->geometry().topLeft() != second->geometry().topLeft());
    QVERIFY(first->geometry().intersects(second->geometry()));
}

void TestMainForm::closingAReportWindow_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer"); // PromptButton
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saves");
    QTest::newRow("unchanged") << false << int(PromptButton::None) << true << false;
    QTest::newRow("changed, yes") << true << int(PromptButton::Yes) << true << true;
    QTest::newRow("changed, no") << true << int(PromptButton::No) << true << false;
    QTest::newRow("changed, cancel") << true << int(PromptButton::Cancel) << false << false;
}

void TestMainForm::closingAReportWindow()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saves);
    Frame frame;
    frame.show();
    TfrmChildWin *window = frame.open("Data/甲.had");
    window->setControlText("Client", "改过");
    window->setModified(modified);
    EditorProcess.CloseCancelled = !closes; // a close always overwrites the flag
    if (modified)
        Prompt::setNextAnswer(PromptButton(answer));

    frame.action("Actn_FileClose")->trigger();
    deleteClosedWindows();

    if (modified) {
        QCOMPARE(Prompt::shown().size(), 1);
        const PromptRecord &asked = Prompt::shown().first();
        QCOMPARE(asked.text, "数据已被更改,保存吗?");
        QCOMPARE(asked.icon, PromptIcon::Question);
        QCOMPARE(asked.caption, AppTitle);
        QCOMPARE(asked.buttons, PromptButton::Yes | PromptButton::No | PromptButton::Cancel);
    } else {
        QVERIFY(Prompt::shown().isEmpty());
    }
    QCOMPARE(storedClients(frame.dir.filePath("Data/甲.had")), QStringList { saves ? "改过" : "" });
    QCOMPARE(frame.form->reportWindows().size(), closes ? 0 : 1);
    QCOMPARE(EditorProcess.CloseCancelled, !closes);
    QCOMPARE(frame.rememberedFile(), closes ? frame.dir.filePath("Data/甲.had") : QString("<none>"));
    QCOMPARE(EditorProcess.LastOpenedWindow.isNull(), closes);
}

void TestMainForm::closingTheProgramAsksEveryModifiedWindow_data()
{
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("windowsLeft");
    const int yes = int(PromptButton::Yes), no = int(PromptButton::No), cancel = int(PromptButton::Cancel);
    QTest::newRow("cancel at the active window") << QList<int> { cancel } << false << 4;
    QTest::newRow("no to all") << QList<int> { no, no, no } << true << 3;
    QTest::newRow("yes to all") << QList<int> { yes, yes, yes } << true << 3;
    QTest::newRow("cancel at another window") << QList<int> { no, cancel } << false << 3;
}

// The active window is asked and closed first and is the one remembered;
// every other modified window is asked in turn, unmodified ones are not.
void TestMainForm::closingTheProgramAsksEveryModifiedWindow()
{
    QFETCH(QList<int>, answers);
    QFETCH(bool, closes);
    QFETCH(int, windowsLeft);
    Frame frame;
    frame.show();
    for (const char *file : { "Data/甲.had", "Data/乙.had", "Data/丙.had", "Data/丁.had" })
        frame.open(QString::fromUtf8(file))->setControlText("Client", "改过");
    frame.form->reportWindows().at(3)->setModified(false);
    TfrmChildWin *active = frame.form->reportWindows().at(1);
    const QString activeFile = active->FileName();
    frame.form->mdiArea()->setActiveSubWindow(active);
    for (int answer : answers)
        Prompt::setNextAnswer(PromptButton(answer));
    frame.action("Actn_FileExit")->trigger();

    QCOMPARE(Prompt::shown().size(), answers.size());
    for (const PromptRecord &asked : Prompt::shown())
        QCOMPARE(asked.text, QString("数据已被更改,保存吗?"));
    int saved = 0;
    for (const char *file : { "Data/甲.had", "Data/乙.had", "Data/丙.had", "Data/丁.had" })
        saved += storedClients(frame.dir.filePath(QString::fromUtf8(file))) == QStringList { "改过" };
    QCOMPARE(saved, int(answers.count(int(PromptButton::Yes))));
    QCOMPARE(frame.form->isVisible(), !closes);
    QCOMPARE(EditorProcess.CloseCancelled, !closes);
    QCOMPARE(frame.form->reportWindows().size(), windowsLeft);
    QCOMPARE(frame.rememberedFile(),
        answers.first() == int(PromptButton::Cancel) ? QString("<none>") : activeFile);
    // Whatever is left goes with the frame, without a further prompt.
    const qsizetype asked = Prompt::shown().size();
    frame.form.reset();
    QCOMPARE(Prompt::shown().size(), asked);
}

void TestMainForm::editCommandsFollowTheFocusedField()
{
    Frame frame;
    frame.show();
    TfrmChildWin *window = frame.open("Data/甲.had");
    EditorControls controls(window);
    auto enabled = [&] {
        QStringList names;
        for (const QString &name : EditCommands)
            if (frame.form->action(name)->isEnabled())
                names << name;
        return names;
    };
    QGuiApplication::clipboard()->clear();

    controls.list->setFocus();
    QVERIFY(enabled().isEmpty());

    controls.edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), controls.edit);
    QVERIFY(enabled().isEmpty()); // empty field, empty clipboard

    QTest::keyClicks(controls.edit, "abc");
    QCOMPARE(enabled(), QStringList({ "EditUndo1", "EditSelectAll1" }));
    frame.action("EditSelectAll1")->trigger();
    QCOMPARE(controls.edit->selectedText(), "abc");
    QCOMPARE(enabled(), QStringList({ "EditUndo1", "EditCut1", "EditCopy1", "EditSelectAll1" }));
    frame.action("EditCut1")->trigger();
    QCOMPARE(controls.edit->text(), "");
    QCOMPARE(QGuiApplication::clipboard()->text(), "abc");
    QCOMPARE(enabled(), QStringList({ "EditUndo1", "EditPaste1" }));
    frame.action("EditUndo1")->trigger();
    QCOMPARE(controls.edit->text(), "abc");

    // The memo is the next target; paste lands there.
    window->showPage(2);
    controls.memo->setFocus();
    frame.action("EditPaste1")->trigger();
    QCOMPARE(controls.memo->toPlainText(), "abc");
    QCOMPARE(controls.edit->text(), "abc");
    QCOMPARE(enabled(), QStringList({ "EditUndo1", "EditPaste1", "EditSelectAll1" }));

    controls.memo->setReadOnly(true);
    controls.memo->selectAll();
    QCOMPARE(enabled(), QStringList({ "EditCopy1", "EditSelectAll1" }));

    // Focus leaving for a control that is no text field leaves no target.
    window->showPage(0);
    controls.list->setFocus();
    QVERIFY(enabled().isEmpty());
    frame.action("EditPaste1")->trigger(); // disabled: nothing happens
    QCOMPARE(controls.memo->toPlainText(), "abc");
}

void TestMainForm::launchers_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file"); // created under AppDir when not empty
    QTest::addColumn<bool>("opens"); // whether the desktop manages to open it
    QTest::addColumn<QString>("message"); // %1 stands for AppDir; empty: none
    QTest::addColumn<QString>("target"); // what the desktop was asked to open

    // The frame's installation has its share folder under AppDir here.
    const QString manual = QStringLiteral("share/doc/house-appraisal/manual/index.html");
    QTest::newRow("help missing") << "actnHelpManual" << QString() << true
                                  << "帮助文件 %1/" + manual + " 不存在!" << QString();
    QTest::newRow("help opened") << "actnHelpManual" << manual << true << QString() << "file://%1/" + manual;
    QTest::newRow("help not opened") << "actnHelpManual" << manual << false << "打开帮助文件错误!"
                                     << "file://%1/" + manual;
    QTest::newRow("product list missing")
        << "actnHelpProductsList" << QString() << true << "文件 %1/ProdList.htm 不存在!" << QString();
    QTest::newRow("product list opened") << "actnHelpProductsList"
                                         << "ProdList.htm" << true << QString() << "file://%1/ProdList.htm";
    QTest::newRow("product list not opened") << "actnHelpProductsList"
                                             << "ProdList.htm" << false << "打开浏览器错误!"
                                             << "file://%1/ProdList.htm";
    QTest::newRow("mail") << "HelpEmail" << QString() << true << QString()
                          << "mailto:" + Launchers::SupportMailAddress;
    QTest::newRow("mail not started") << "HelpEmail" << QString() << false << "启动电子邮件系统错误!"
                                      << "mailto:" + Launchers::SupportMailAddress;
}

void TestMainForm::launchers()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    QFETCH(QString, target);
    Frame frame;
    frame.create();
    Process.ShareDir = frame.dir.filePath("share");
    if (!file.isEmpty())
        frame.file(file);
    m_opener.opened.clear();
    m_opener.succeeds = opens;

    frame.form->action(command)->trigger();

    QCOMPARE(m_opener.opened,
        target.isEmpty() ? QStringList() : QStringList { QString(target).replace("%1", frame.dir.path()) });
    if (message.isEmpty()) {
        QVERIFY(Prompt::shown().isEmpty());
        return;
    }
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    QCOMPARE(lastPromptText(), QString(message).replace("%1", frame.dir.path()));
}

// F1, from a field of a report window, opens the start page of the manual
// that the build puts where an installed copy has it.
void TestMainForm::helpKeyOpensTheManualBesideTheProgram()
{
    Frame frame;
    frame.show();
    TfrmChildWin *window = frame.open("Data/甲.had");
    QLineEdit *field = window->findChild<QLineEdit *>("labedtClient1");
    field->setFocus();
    m_opener.opened.clear();
    m_opener.succeeds = true;

    QTest::keyClick(field, Qt::Key_F1);

    const QString manual
        = QCoreApplication::applicationDirPath() + "/../share/doc/house-appraisal/manual/index.html";
    QCOMPARE(m_opener.opened, QStringList { QUrl::fromLocalFile(QDir::cleanPath(manual)).toString() });
    QVERIFY2(QFileInfo(manual).isFile(), qPrintable(manual));
    QVERIFY(Prompt::shown().isEmpty());
}

void TestMainForm::calculator()
{
    Frame frame;
    frame.create();
    QDir(frame.dir.path()).mkpath("bin");
    const QString bin = frame.dir.filePath("bin");
    qputenv("PATH", bin.toUtf8());
    m_opener.opened.clear();
    m_opener.succeeds = true;

    frame.action("actnOptionCalcu")->trigger();
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Warning);
    QCOMPARE(lastPromptText(),
        "计算器程序文件 gnome-calculator、kcalc、mate-calc、galculator、qalculate-gtk、xcalc 不存在!");
    QVERIFY(m_opener.opened.isEmpty());

    // The first one found on PATH is started.
    for (const char *name : { "xcalc", "kcalc" }) {
        const QString program = QDir(bin).filePath(name);
        frame.dir.writeFile(QString("bin/") + name, "#!/bin/sh\n");
        QFile(program).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    Prompt::reset();
    frame.action("actnOptionCalcu")->trigger();
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(m_opener.opened, QStringList { QDir(bin).filePath("kcalc") });
    qputenv("PATH", m_path);
}

void TestMainForm::aboutBoxClosesOnAClick()
{
    Frame frame;
    frame.show();
    TAboutBox about(frame.form.get());
    frame.form->setAboutBox(&about);
    QVERIFY(!about.findChildren<QLabel *>().isEmpty());
    QCOMPARE(about.findChild<QLabel *>("ProductName")->text(), AppTitle);

    bool wasShown = false;
    QTimer::singleShot(0, &about, [&] {
        wasShown = about.isVisible() && about.isModal();
        QTest::mouseClick(about.findChild<QLabel *>("Version"), Qt::LeftButton);
    });
    frame.action("HelpAbout1")->trigger(); // returns once the click closed it
    QVERIFY(wasShown);
    QVERIFY(!about.isVisible());
}

void TestMainForm::optionsCommandOpensTheOptionsDialog()
{
    Frame frame;
    frame.show();
    QString shown;
    QTimer::singleShot(0, frame.form.get(), [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            shown = dialog->objectName();
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    QTest::keyClick(frame.form.get(), Qt::Key_Y, Qt::ControlModifier); // returns once the dialog closed
    QCOMPARE(shown, QString("FRM_Config"));
    QVERIFY(!QFileInfo::exists(frame.dir.filePath("config.ini"))); // Escape wrote nothing
}

void TestMainForm::shortcutsReachTheirCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("preview with a maximized window") << "Actn_FilePreview" << QKeySequence("Ctrl+W");
    QTest::newRow("insert, in no menu") << "Actn_RecordInsert" << QKeySequence("Ctrl+I");
    QTest::newRow("find") << "actnEditFind" << QKeySequence("F3");
    QTest::newRow("about") << "HelpAbout1" << QKeySequence("Ctrl+H");
    QTest::newRow("first") << "Actn_RecordFirst" << QKeySequence("Ctrl+F");
}

void TestMainForm::shortcutsReachTheirCommands()
{
    QFETCH(QString, command);
    QFETCH(QKeySequence, keys);
    Frame frame;
    frame.show();
    frame.open("Data/甲.had");
    QAction *a = frame.form->action(command);
    // Only the shortcut is tested: the command's own work stays out.
    a->disconnect(frame.form.get());
    QSignalSpy triggered(a, &QAction::triggered);
    QTest::keySequence(frame.form.get(), keys);
    QCOMPARE(triggered.count(), 1);
}

// Every shortcut of the frame reaches its command from every kind of field
// of a report window, also the keys a field would otherwise keep for itself
// (a one-line edit's own copy and paste, Ctrl+E as "end of line"). Commands
// that are disabled, such as the edit commands in a date picker, leave their
// keys to the field.
void TestMainForm::shortcutsWinOverEveryField_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("one-line edit") << "labedtClient1";
    QTest::newRow("date picker") << "dtpickTrustDate1";
    QTest::newRow("drop-down") << "cbbBldgPurpose";
    QTest::newRow("memo") << "memApprCircs";
    QTest::newRow("component table cell") << "StringGrid1";
}

void TestMainForm::shortcutsWinOverEveryField()
{
    QFETCH(QString, field);
    Frame frame;
    frame.show();
    TfrmChildWin *window = frame.open("Data/甲.had");
    QWidget *control = window->findChild<QWidget *>(field);
    showPageOf(window, control);
    if (auto *grid = qobject_cast<QTableWidget *>(control))
        control = editCell(grid, 0, 1);
    control->setFocus();
    QVERIFY(control->hasFocus());
    // Something to undo, cut and copy, and something to paste.
    QTest::keyClicks(control, "12");
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->lineEdit()->selectAll();
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->selectAll();
    QGuiApplication::clipboard()->setText("粘贴");

    for (const CommandTable::Command &c : CommandTable::commands()) {
        if (!c.name || !*c.shortcut)
            continue;
        QAction *command = frame.action(c.name);
        if (!command->isEnabled())
            continue;
        // Only the key is tested: the command's own work stays out.
        QObject::disconnect(command, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(command, &QAction::triggered);
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QString::fromLatin1(c.shortcut)));
        QVERIFY2(triggered.count() == 1, c.name);
    }
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
