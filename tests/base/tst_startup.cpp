#include "base/apperror.h"
#include "base/appsettings.h"
#include "base/cp936.h"
#include "base/dateconventions.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/hadfile.h"
#include "output/outputstate.h"
#include "output/pagesettingsstore.h"
#include "testenv.h"

#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void twoDigitYearsLieInTheWindow_data();
    void twoDigitYearsLieInTheWindow();
    void parsesShortDates_data();
    void parsesShortDates();
    void createsMissingFoldersInOrder();
    void startupDatabasePath_data();
    void startupDatabasePath();
    void rememberedPathReadsBackExactly_data();
    void rememberedPathReadsBackExactly();
    void settingsFallBackToDefaults_data();
    void settingsFallBackToDefaults();
    void unreadableConfigGivesDefaultsAndStaysAsItWas();
    void startupFileThatIsNoDatabaseIsRefusedUntouched_data();
    void startupFileThatIsNoDatabaseIsRefusedUntouched();
};

void TestStartup::twoDigitYearsLieInTheWindow_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("currentYear");
    QTest::addColumn<int>("year");
    QTest::newRow("53 in 2024") << 53 << 2024 << 2053;
    QTest::newRow("54 in 2024") << 54 << 2024 << 1954;
    QTest::newRow("0 in 2024") << 0 << 2024 << 2000;
    QTest::newRow("99 in 2024") << 99 << 2024 << 1999;
    QTest::newRow("56 in 2026") << 56 << 2026 << 1956;
    QTest::newRow("55 in 2026") << 55 << 2026 << 2055;
    QTest::newRow("century base 2070") << 0 << 2070 << 2000;
    QTest::newRow("four digits stay") << 1954 << 2024 << 1954;
}

void TestStartup::twoDigitYearsLieInTheWindow()
{
    QFETCH(int, written);
    QFETCH(int, currentYear);
    QFETCH(int, year);
    QCOMPARE(DateConventions::expandYear(written, currentYear), year);
}

void TestStartup::parsesShortDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("full") << "2004-03-09" << QDate(2004, 3, 9);
    QTest::newRow("no leading zeros") << "2004-3-9" << QDate(2004, 3, 9);
    QTest::newRow("two-digit year") << "53-1-2" << QDate(2053, 1, 2);
    QTest::newRow("two-digit year, old") << "54-1-2" << QDate(1954, 1, 2);
    QTest::newRow("slashes") << "2004/03/09" << QDate();
    QTest::newRow("no such day") << "2004-02-30" << QDate();
    QTest::newRow("words") << "today" << QDate();
    QTest::newRow("signed part") << "2004-+3-9" << QDate();
}

void TestStartup::parsesShortDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(DateConventions::parseDate(text, 2024), date);
    if (date.isValid())
        QCOMPARE(DateConventions::parseDate(DateConventions::formatDate(date), 2024), date);
}

void TestStartup::createsMissingFoldersInOrder()
{
    TestAppDir dir;
    QDir(dir.path()).mkdir("Template");
    ProgramFolders::ensure(dir.path());
    for (const char *name : { "Data", "Backup", "Template", "Temp", "Resource" })
        QVERIFY2(QFileInfo(dir.filePath(name)).isDir(), qPrintable(name));
    QCOMPARE(ProgramFolders::names(), QStringList({ "Data", "Backup", "Template", "Temp", "Resource" }));
}

void TestStartup::startupDatabasePath_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("expected"); // relative to AppDir, or absolute

    const QString sample = "Data/2004年房屋安全鉴定报告.had";
    QTest::newRow("no config.ini") << QByteArray() << sample;
    QTest::newRow("auto open, remembered file")
        << QByteArray("[Commond]\r\nAutoOpenItem=1\r\nOpenFileName=/home/office/甲.had\r\n")
        << "/home/office/甲.had";
    QTest::newRow("auto open by default")
        << QByteArray("[Commond]\r\nOpenFileName=/home/office/乙.had\r\n") << "/home/office/乙.had";
    QTest::newRow("auto open off") << QByteArray(
        "[Commond]\r\nAutoOpenItem=0\r\nOpenFileName=/home/office/甲.had\r\n")
                                   << sample;
    QTest::newRow("auto open, key missing") << QByteArray("[Commond]\r\nAutoOpenItem=1\r\n") << sample;
}

void TestStartup::startupDatabasePath()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, expected);
    TestAppDir dir;
    if (!config.isEmpty())
        dir.writeFile("config.ini", Cp936::encode(QString::fromUtf8(config)));
    const QString path = QDir::isAbsolutePath(expected) ? expected : dir.filePath(expected);
    QCOMPARE(::startupDatabasePath(), path);
}

// Whatever the name of the file closed last, the next start looks for that
// very file: a name that one line of code page 936 can carry is kept as it
// is (older files hold it so), any other in a form that reads back exactly
// and never splits the line.
void TestStartup::rememberedPathReadsBackExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain"); // kept as it is
    QTest::newRow("Chinese name") << "甲 报告.had" << true;
    QTest::newRow("line break with a key after it")
        << "x.had\nAutoOpenItem=0\n[Misc]\nIsPrintSoftMess=0" << false;
    QTest::newRow("carriage return") << "x\r.had" << false;
    QTest::newRow("outside code page 936") << "한국 😀 ñ.had" << false;
    QTest::newRow("blank at the end") << "x.had " << false;
    QTest::newRow("percent, hash and question mark") << "100%#?.had" << true;
    QTest::newRow("tab") << "a\tb.had" << false;
}

void TestStartup::rememberedPathReadsBackExactly()
{
    QFETCH(QString, name);
    QFETCH(bool, plain);
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\r\nAutoOpenItem=1\r\n");
    const QString path = dir.filePath("Data/" + name);
    RememberOpenFile(path);

    QCOMPARE(::startupDatabasePath(), path);
    const QByteArray content = dir.readFile("config.ini");
    QCOMPARE(content.count('\n'), 3); // the section, AutoOpenItem and OpenFileName
    QCOMPARE(content.contains(Cp936::encode("OpenFileName=" + path + "\r\n")), plain);
    QVERIFY(readAppSettings().AutoOpenItem);
    QVERIFY(readAppSettings().IsPrintSoftMess);
    QVERIFY(Prompt::shown().isEmpty());
}

void TestStartup::settingsFallBackToDefaults_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("autoSaveTime");
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<bool>("printMark");
    QTest::newRow("no file") << QByteArray() << 5 << true << true;
    QTest::newRow("all set") << QByteArray(
        "[Commond]\nAutoSaveTime=12\nAutoOpenItem=0\n[Misc]\nIsPrintSoftMess=0\n")
                             << 12 << false << false;
    QTest::newRow("not integers") << QByteArray(
        "[Commond]\nAutoSaveTime=abc\nAutoOpenItem=yes\n[Misc]\nIsPrintSoftMess=\n")
                                  << 5 << true << true;
    QTest::newRow("any non-zero is true") << QByteArray("[Misc]\nIsPrintSoftMess=-3\n") << 5 << true << true;
}

void TestStartup::settingsFallBackToDefaults()
{
    QFETCH(QByteArray, config);
    TestAppDir dir;
    if (!config.isEmpty())
        dir.writeFile("config.ini", config);
    LoadSettings();
    QTEST(Process.Settings.AutoSaveTime, "autoSaveTime");
    QTEST(Process.Settings.AutoOpenItem, "autoOpen");
    QTEST(Process.Settings.IsPrintSoftMess, "printMark");
}

// A config.ini larger than any settings file: one message at start-up, the
// built-in settings for the run, and no write of any key.
void TestStartup::unreadableConfigGivesDefaultsAndStaysAsItWas()
{
    TestAppDir dir;
    const QByteArray content
        = "[Commond]\r\nAutoSaveTime=12\r\nAutoOpenItem=0\r\nOpenFileName=/office/甲.had\r\n"
        + QByteArray(2 * 1024 * 1024, ';');
    dir.writeFile("config.ini", content);
    LoadSettings();
    QCOMPARE(Process.Settings.AutoSaveTime, 5);
    QVERIFY(Process.Settings.AutoOpenItem);
    QCOMPARE(::startupDatabasePath(), sampleDatabasePath());
    LoadPageDefaults();
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, TPageSettings().PageStyle);
    // Saving settings is refused with a message; closing a window says nothing.
    const QString refusal = "配置文件 " + configIniPath() + " 不能读取, 本次运行不会写入它!";
    for (const auto &save : { std::function<void()>([] { writeAppSettings(TAppSettings()); }),
             std::function<void()>([] { SavePageDefaults(); }) }) {
        try {
            save();
            QFAIL("written");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), refusal);
        }
    }
    RememberOpenFile(dir.filePath("Data/乙.had"));
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text,
        "不能读取配置文件 " + configIniPath()
            + " (文件大于 1 MiB)!\n本次运行使用默认设置, 不会写入这个文件。");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(dir.readFile("config.ini"), content);
}

void TestStartup::startupFileThatIsNoDatabaseIsRefusedUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("text") << QByteArray("[Commond]\r\nOpenFileName=x\r\n");
    QTest::newRow("other SQLite database") << QByteArray("other");
}

// "OpenFileName" naming a file that is no appraisal database: opening it
// (as the start-up does) gives the file's message and writes nothing.
void TestStartup::startupFileThatIsNoDatabaseIsRefusedUntouched()
{
    QFETCH(QByteArray, content);
    TestAppDir dir;
    const QString path = dir.filePath("Data/notes.had");
    QVERIFY(QDir().mkpath(dir.filePath("Data")));
    if (content == "other") {
        Connection other;
        other.create(path);
        other.run("PRAGMA journal_mode=DELETE");
        other.execute("create table ProjectTab (FileNo text)");
    } else {
        dir.writeFile("Data/notes.had", content);
    }
    dir.writeFile("config.ini", Cp936::encode("[Commond]\r\nOpenFileName=" + path + "\r\n"));
    QCOMPARE(::startupDatabasePath(), path);
    const QByteArray before = dir.readFile("Data/notes.had");
    Connection connection;
    try {
        HadFile::open(connection, ::startupDatabasePath());
        QFAIL("opened");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "文件 " + path + " 不是本系统的数据库!");
    }
    QCOMPARE(dir.readFile("Data/notes.had"), before);
    QCOMPARE(QDir(dir.filePath("Data")).entryList(QDir::Files | QDir::Hidden), QStringList { "notes.had" });
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
