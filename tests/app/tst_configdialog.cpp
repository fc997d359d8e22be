#include "app/configdialog.h"
#include "base/appsettings.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "editor/editorstate.h"
#include "testenv.h"
#include "widgets/numberedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace {

// The non-blank lines of config.ini, as text.
QStringList configLines(const TestAppDir &dir)
{
    QStringList lines;
    for (const QByteArray &line : dir.readFile("config.ini").split('\n'))
        if (!line.trimmed().isEmpty())
            lines.append(QString::fromUtf8(line.trimmed()));
    return lines;
}

// The dialog with handles on the controls the tests drive.
struct ConfigDialog
{
    TFRM_Config dialog;
    NumberEdit *autoSaveTime = dialog.findChild<NumberEdit *>("SpinEdit_AutoSaveTime");
    QCheckBox *autoOpenItem = dialog.findChild<QCheckBox *>("chkboxAutoOpenItem");
    QCheckBox *printSoftMess = dialog.findChild<QCheckBox *>("CB_IsPrintSoftMess");
    QCheckBox *defaultConfig = dialog.findChild<QCheckBox *>("CheckBox_DefaultConfig");
    QPushButton *ok = dialog.findChild<QPushButton *>("BitBtn1");
    QPushButton *cancel = dialog.findChild<QPushButton *>("BitBtn2");

    // Shows the dialog and gives the interval field the keyboard focus.
    bool focusAutoSaveTime()
    {
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            return false;
        autoSaveTime->setFocus();
        QTest::keyClick(autoSaveTime, Qt::Key_End);
        return autoSaveTime->hasFocus();
    }
};

// Interval 12, both switches off.
const QByteArray SwitchedOff
    = "[Commond]\r\nAutoSaveTime=12\r\nAutoOpenItem=0\r\n[Misc]\r\nIsPrintSoftMess=0\r\n";
const QByteArray OtherKeys = "[Commond]\r\nOpenFileName=D:\\Data\\a.had\r\n[PageSetup]\r\nTopMargin=25\r\n";

// Stands in for the report window opened last: only its automatic-saving
// timer matters to the dialog.
struct LastOpenedWindow
{
    LastOpenedWindow()
    {
        timer->setObjectName("timerAutoSave");
        timer->setInterval(1);
        EditorProcess.LastOpenedWindow = &window;
    }

    QObject window;
    QTimer *timer = new QTimer(&window);
};

} // namespace

class TestConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndTexts();
    void showsStoredSettingsAndWritesThemBack_data();
    void showsStoredSettingsAndWritesThemBack();
    void okAppliesToTheRunningProgram();
    void okThatCannotWriteKeepsDialogAndSettings();
    void dismissingWritesNothing_data();
    void dismissingWritesNothing();
    void defaultSettings_data();
    void defaultSettings();
    void typedTextThatIsNoNumberIsRefused();
    void defaultGradeStandard();
    void userChangeOfIntervalLeavesDefaults_data();
    void userChangeOfIntervalLeavesDefaults();
};

void TestConfigDialog::controlsAndTexts()
{
    TestAppDir dir;
    ConfigDialog d;
    QCOMPARE(d.dialog.objectName(), QStringLiteral("FRM_Config"));
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("配置"));
    QCOMPARE(d.dialog.font().family(), QStringLiteral("宋体"));
    QCOMPARE(d.dialog.font().pointSize(), 9);
    QVERIFY(d.dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(d.dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    auto *pages = d.dialog.findChild<QTabWidget *>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(0), QStringLiteral("常用"));
    QCOMPARE(pages->tabText(1), QStringLiteral("其它"));
    QVERIFY(pages->widget(0)->isAncestorOf(d.autoOpenItem));
    QVERIFY(pages->widget(1)->isAncestorOf(d.printSoftMess));

    QCOMPARE(d.autoOpenItem->text(), QStringLiteral("启动时自动打开最后关闭的数据库"));
    auto *group = d.dialog.findChild<QGroupBox *>("GroupBox1");
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("自动保存"));
    QVERIFY(!group->isHidden());
    QVERIFY(group->isAncestorOf(d.autoSaveTime));
    QVERIFY(group->findChild<QLabel *>("Label1"));
    QCOMPARE(group->findChild<QLabel *>("Label1")->text(), QStringLiteral("自动保存间隔时间(分)"));
    auto *note = group->findChild<QLabel *>("labAutoSaveNote");
    QVERIFY(note);
    QVERIFY(note->text().contains(QStringLiteral("未保存的修改会另存为恢复记录")));
    QVERIFY(note->text().contains(QStringLiteral("报告仍只在保存时写入数据库")));
    QCOMPARE(d.autoSaveTime->minimum(), 1);
    QCOMPARE(d.autoSaveTime->maximum(), 30);
    QCOMPARE(d.printSoftMess->text(), QStringLiteral("打印软件信息"));
    QCOMPARE(d.defaultConfig->text(), QStringLiteral("默认设置"));
    QVERIFY(!d.defaultConfig->isChecked());
    QCOMPARE(d.ok->text(), QStringLiteral("确定"));
    QVERIFY(d.ok->isDefault());
    QCOMPARE(d.cancel->text(), QStringLiteral("取消"));
}

void TestConfigDialog::showsStoredSettingsAndWritesThemBack_data()
{
    QTest::addColumn<QByteArray>("config"); // empty: no config.ini
    QTest::addColumn<QString>("shownInterval");
    QTest::addColumn<bool>("shownAutoOpen");
    QTest::addColumn<bool>("shownPrintMark");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("no config.ini") << QByteArray() << "5" << true << true
                                   << QStringList { "[Commond]", "AutoSaveTime=5", "AutoOpenItem=1",
                                          "DefaultGradeStandard=2016", "[Misc]", "IsPrintSoftMess=1" };
    QTest::newRow("interval above the range")
        << QByteArray("[Commond]\r\nAutoSaveTime=45\r\n") << "30" << true << true
        << QStringList { "[Commond]", "AutoSaveTime=30", "AutoOpenItem=1", "DefaultGradeStandard=2016",
               "[Misc]", "IsPrintSoftMess=1" };
    QTest::newRow("interval below the range")
        << QByteArray("[Commond]\r\nAutoSaveTime=0\r\n") << "1" << true << true
        << QStringList { "[Commond]", "AutoSaveTime=1", "AutoOpenItem=1", "DefaultGradeStandard=2016",
               "[Misc]", "IsPrintSoftMess=1" };
    QTest::newRow("interval not an integer")
        << QByteArray("[Commond]\r\nAutoSaveTime=abc\r\n") << "5" << true << true
        << QStringList { "[Commond]", "AutoSaveTime=5", "AutoOpenItem=1", "DefaultGradeStandard=2016",
               "[Misc]", "IsPrintSoftMess=1" };
    QTest::newRow("all switched off") << SwitchedOff << "12" << false << false
                                      << QStringList { "[Commond]", "AutoSaveTime=12", "AutoOpenItem=0",
                                             "DefaultGradeStandard=2016", "[Misc]", "IsPrintSoftMess=0" };
    QTest::newRow("other keys stay") << OtherKeys << "5" << true << true
                                     << QStringList { "[Commond]", "OpenFileName=D:\\Data\\a.had",
                                            "AutoSaveTime=5", "AutoOpenItem=1", "DefaultGradeStandard=2016",
                                            "[PageSetup]", "TopMargin=25", "[Misc]", "IsPrintSoftMess=1" };
}

void TestConfigDialog::showsStoredSettingsAndWritesThemBack()
{
    QFETCH(QByteArray, config);
    TestAppDir dir;
    if (!config.isNull())
        dir.writeFile("config.ini", config);
    Process.Settings.AutoSaveTime = 17; // the dialog reads the file, not these
    Process.Settings.IsPrintSoftMess = false;

    ConfigDialog d;
    QTEST(d.autoSaveTime->text(), "shownInterval");
    QTEST(d.autoOpenItem->isChecked(), "shownAutoOpen");
    QTEST(d.printSoftMess->isChecked(), "shownPrintMark");
    QVERIFY(!d.defaultConfig->isChecked());

    d.dialog.show();
    QTest::mouseClick(d.ok, Qt::LeftButton);
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QVERIFY(Prompt::shown().isEmpty());
    QTEST(configLines(dir), "written");
}

void TestConfigDialog::okAppliesToTheRunningProgram()
{
    TestAppDir dir;
    dir.writeFile("config.ini", SwitchedOff);
    LastOpenedWindow reportWindow;
    QTimer *timer = reportWindow.timer;

    ConfigDialog d;
    d.dialog.show();
    QTest::mouseClick(d.ok, Qt::LeftButton);

    QCOMPARE(Process.Settings.AutoSaveTime, 12);
    QCOMPARE(Process.Settings.IsPrintSoftMess, false);
    QCOMPARE(Process.Settings.AutoOpenItem, true); // takes effect at the next start
    QCOMPARE(timer->interval(), 12 * 60 * 1000);
    QVERIFY(!timer->isActive());
}

void TestConfigDialog::okThatCannotWriteKeepsDialogAndSettings()
{
    TestAppDir dir;
    QVERIFY(QDir(dir.path()).mkdir("config.ini")); // a folder where the file should be
    LastOpenedWindow reportWindow;
    QTimer *timer = reportWindow.timer;

    ConfigDialog d;
    d.autoSaveTime->setValue(9);
    d.printSoftMess->setChecked(false);
    d.dialog.show();
    QTest::mouseClick(d.ok, Qt::LeftButton);

    // Reading the folder for the dialog reported it once; OK's write is refused.
    QCOMPARE(Prompt::shown().size(), 2);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    QVERIFY(lastPromptText().contains(dir.filePath("config.ini")));
    QVERIFY(d.dialog.isVisible());
    QCOMPARE(Process.Settings.AutoSaveTime, 5);
    QCOMPARE(Process.Settings.IsPrintSoftMess, true);
    QCOMPARE(timer->interval(), 1);
}

void TestConfigDialog::dismissingWritesNothing_data()
{
    QTest::addColumn<QByteArray>("config"); // empty: no config.ini
    QTest::addColumn<QString>("how");
    for (const char *how : { "cancel button", "escape", "close box" }) {
        QTest::addRow("stored, %s", how) << SwitchedOff << how;
        QTest::addRow("no config.ini, %s", how) << QByteArray() << how;
    }
}

void TestConfigDialog::dismissingWritesNothing()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, how);
    TestAppDir dir;
    if (!config.isNull())
        dir.writeFile("config.ini", config);
    Process.Settings.AutoSaveTime = 12;
    Process.Settings.IsPrintSoftMess = false;

    ConfigDialog d;
    d.dialog.show();
    d.defaultConfig->setChecked(true);
    if (how == "cancel button")
        QTest::mouseClick(d.cancel, Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(&d.dialog, Qt::Key_Escape);
    else
        d.dialog.close();

    QVERIFY(!d.dialog.isVisible());
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    QCOMPARE(QFileInfo::exists(dir.filePath("config.ini")), !config.isNull());
    QCOMPARE(dir.readFile("config.ini"), config);
    QCOMPARE(Process.Settings.AutoSaveTime, 12);
    QCOMPARE(Process.Settings.IsPrintSoftMess, false);
}

void TestConfigDialog::defaultSettings_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("action"); // what happens after 默认设置 was checked
    QTest::addColumn<bool>("defaultChecked");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<bool>("printMark");

    const QByteArray defaults = "[Commond]\r\nAutoSaveTime=5\r\n";
    QTest::newRow("checking applies the defaults and stays checked")
        << SwitchedOff << "" << true << "5" << true << true;
    QTest::newRow("checking when the interval already is 5") << defaults << "" << true << "5" << true << true;
    QTest::newRow("unchecking changes nothing else")
        << SwitchedOff << "uncheck default" << false << "5" << true << true;
    QTest::newRow("unchecking automatic opening leaves the defaults")
        << SwitchedOff << "uncheck auto open" << false << "5" << false << true;
    QTest::newRow("product mark does not touch the defaults")
        << SwitchedOff << "uncheck print mark" << true << "5" << true << false;
}

void TestConfigDialog::defaultSettings()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, action);
    TestAppDir dir;
    dir.writeFile("config.ini", config);

    ConfigDialog d;
    d.dialog.show();
    QTest::mouseClick(d.defaultConfig, Qt::LeftButton);
    if (action == "uncheck default")
        QTest::mouseClick(d.defaultConfig, Qt::LeftButton);
    else if (action == "uncheck auto open")
        QTest::mouseClick(d.autoOpenItem, Qt::LeftButton);
    else if (action == "uncheck print mark")
        QTest::mouseClick(d.printSoftMess, Qt::LeftButton);

    QTEST(d.defaultConfig->isChecked(), "defaultChecked");
    QTEST(d.autoSaveTime->text(), "interval");
    QTEST(d.autoOpenItem->isChecked(), "autoOpen");
    QTEST(d.printSoftMess->isChecked(), "printMark");
    QVERIFY(Prompt::shown().isEmpty());
}

void TestConfigDialog::typedTextThatIsNoNumberIsRefused()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\r\nAutoSaveTime=12\r\n");
    ConfigDialog d;
    QVERIFY(d.focusAutoSaveTime());

    QTest::keyClick(d.autoSaveTime, Qt::Key_Minus);

    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &shown = Prompt::shown().first();
    QCOMPARE(shown.text, QStringLiteral("\"12-\" 不是正确的数字格式!"));
    QCOMPARE(shown.icon, PromptIcon::Error);
    QCOMPARE(shown.caption, AppTitle);
    QCOMPARE(d.autoSaveTime->text(), QStringLiteral("12"));
    QVERIFY(d.autoSaveTime->hasFocus());

    QTest::keyClick(d.ok, Qt::Key_Space);
    QCOMPARE(configLines(dir).mid(0, 2), QStringList({ "[Commond]", "AutoSaveTime=12" }));
}

// The standard of new reports: shown as config.ini holds it, back to
// JGJ 125-2016 with the default settings, written and applied by OK.
void TestConfigDialog::defaultGradeStandard()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\r\nDefaultGradeStandard=1999\r\n");
    ConfigDialog d;
    auto *standard = d.dialog.findChild<QComboBox *>("cbbDefaultGradeStandard");
    QVERIFY(standard);
    QCOMPARE(standard->currentText(), "JGJ 125-99");
    QCOMPARE(standard->count(), 2);

    d.defaultConfig->setChecked(true);
    QCOMPARE(standard->currentText(), "JGJ 125-2016");
    standard->setCurrentIndex(standard->findText("JGJ 125-99"));
    emit standard->activated(standard->currentIndex());
    QVERIFY(!d.defaultConfig->isChecked());

    d.dialog.show();
    QTest::mouseClick(d.ok, Qt::LeftButton);
    QVERIFY(configLines(dir).contains("DefaultGradeStandard=1999"));
    QCOMPARE(Process.Settings.DefaultGradeStandard, AppraisalStandard::Jgj125_99);
    QCOMPARE(readAppSettings().DefaultGradeStandard, AppraisalStandard::Jgj125_99);

    dir.writeFile("config.ini", "[Commond]\r\nDefaultGradeStandard=2023\r\n");
    QCOMPARE(readAppSettings().DefaultGradeStandard, AppraisalStandard::Jgj125_2016);
}

void TestConfigDialog::userChangeOfIntervalLeavesDefaults_data()
{
    QTest::addColumn<QString>("typed"); // after the text the field had on entry
    QTest::addColumn<bool>("selectAllFirst");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<bool>("defaultChecked");
    QTest::newRow("another value") << "0" << false << "50" << false;
    QTest::newRow("back to the same value") << "5" << true << "5" << true;
    QTest::newRow("refused text") << "-" << false << "5" << true;
}

void TestConfigDialog::userChangeOfIntervalLeavesDefaults()
{
    QFETCH(QString, typed);
    QFETCH(bool, selectAllFirst);
    TestAppDir dir;
    ConfigDialog d;
    d.defaultConfig->setChecked(true);
    QVERIFY(d.focusAutoSaveTime());

    if (selectAllFirst) // typing then replaces the whole text at once
        QTest::keyClick(d.autoSaveTime, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(d.autoSaveTime, typed);

    QTEST(d.autoSaveTime->text(), "interval");
    QTEST(d.defaultConfig->isChecked(), "defaultChecked");
}

QTEST_MAIN(TestConfigDialog)
#include "tst_configdialog.moc"
