#include "base/apperror.h"
#include "base/cp936.h"
#include "base/inifile.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "otheruser.h"
#include "testenv.h"

#include <QtTest>

#include <sys/stat.h>

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readsValuesWithDefaults_data();
    void readsValuesWithDefaults();
    void writingOneKeyKeepsEveryOtherLineByteForByte();
    void writingAddsKeyToItsSectionOrANewSection();
    void writingCreatesAMissingFile();
    void groupedWritesReachTheFileTogether();
    void textIsCodePage936();
    void unwritableFileRaisesAnError();
    void lineBreakIsRefusedAndNothingWritten_data();
    void lineBreakIsRefusedAndNothingWritten();
    void lineEndsOfEveryLineStay_data();
    void lineEndsOfEveryLineStay();
    void unreadableFileIsReportedOnceAndNeverWritten_data();
    void unreadableFileIsReportedOnceAndNeverWritten();
    void fileWithoutReadPermissionIsNeverWritten();
    void fileOfTheLimitIsRead();
};

void TestIniFile::readsValuesWithDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("flag");

    QTest::newRow("missing key") << QByteArray("[Commond]\r\nOther=3\r\n") << 5 << true;
    QTest::newRow("integer") << QByteArray("[Commond]\r\nValue=12\r\n") << 12 << true;
    QTest::newRow("blanks and case") << QByteArray("[ commond ]\r\n  value = -7 \r\n") << -7 << true;
    QTest::newRow("zero is false") << QByteArray("[Commond]\nValue=0\n") << 0 << false;
    QTest::newRow("not an integer") << QByteArray("[Commond]\r\nValue=abc\r\n") << 5 << true;
    QTest::newRow("trailing garbage") << QByteArray("[Commond]\r\nValue=12x\r\n") << 5 << true;
    QTest::newRow("decimal point") << QByteArray("[Commond]\r\nValue=1.5\r\n") << 5 << true;
    QTest::newRow("empty value") << QByteArray("[Commond]\r\nValue=\r\n") << 5 << true;
    QTest::newRow("other section") << QByteArray("[Misc]\r\nValue=9\r\n") << 5 << true;
    QTest::newRow("commented out") << QByteArray("[Commond]\r\n;Value=9\r\n") << 5 << true;
    QTest::newRow("first of two") << QByteArray("[Commond]\r\nValue=1\r\nValue=2\r\n") << 1 << true;
}

void TestIniFile::readsValuesWithDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(int, integer);
    QFETCH(bool, flag);
    TestAppDir dir;
    dir.writeFile("config.ini", content);
    const IniFile ini(dir.filePath("config.ini"));
    QCOMPARE(ini.readInteger("Commond", "Value", 5), integer);
    QCOMPARE(ini.readBool("Commond", "Value", true), flag);
}

void TestIniFile::writingOneKeyKeepsEveryOtherLineByteForByte()
{
    TestAppDir dir;
    const QByteArray before = "; settings of the appraisal program\r\n"
                              "[Commond]\r\n"
                              "AutoSaveTime = 7 \r\n"
                              "Unknown=\xb1\xa3\xc1\xf4\r\n"
                              "\r\n"
                              "[PageSetup]\r\n"
                              "PageStyle=A4\r\n"
                              "  odd line without equals\r\n";
    dir.writeFile("config.ini", before);
    IniFile(dir.filePath("config.ini")).writeInteger("commond", "autosavetime", 30);
    const QByteArray expected = QByteArray(before).replace("AutoSaveTime = 7 ", "autosavetime=30");
    QCOMPARE(dir.readFile("config.ini"), expected);
}

void TestIniFile::writingAddsKeyToItsSectionOrANewSection()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\nA=1\n\n[Misc]\nB=2\n");
    IniFile ini(dir.filePath("config.ini"));
    ini.writeString("Commond", "C", "3");
    ini.writeString("PageSetup", "D", "4");
    QCOMPARE(
        dir.readFile("config.ini"), QByteArray("[Commond]\nA=1\nC=3\n\n[Misc]\nB=2\n\n[PageSetup]\nD=4\n"));
    // A fresh reader sees what was written.
    const IniFile again(dir.filePath("config.ini"));
    QCOMPARE(again.readString("Commond", "C", ""), QString("3"));
    QCOMPARE(again.readString("PageSetup", "D", ""), QString("4"));
}

void TestIniFile::writingCreatesAMissingFile()
{
    TestAppDir dir;
    IniFile ini(dir.filePath("config.ini"));
    QVERIFY(!ini.hasKey("Commond", "AutoSaveTime"));
    ini.writeBool("Commond", "AutoOpenItem", true);
    QCOMPARE(dir.readFile("config.ini"), QByteArray("[Commond]\r\nAutoOpenItem=1\r\n"));
}

void TestIniFile::groupedWritesReachTheFileTogether()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\r\nA=1\r\n");
    IniFile ini(dir.filePath("config.ini"), IniFile::WriteMode::OnCommit);
    ini.writeString("Commond", "A", "2");
    ini.writeString("Misc", "B", "3");
    QCOMPARE(dir.readFile("config.ini"), QByteArray("[Commond]\r\nA=1\r\n"));
    ini.commit();
    QCOMPARE(dir.readFile("config.ini"), QByteArray("[Commond]\r\nA=2\r\n\r\n[Misc]\r\nB=3\r\n"));
}

void TestIniFile::textIsCodePage936()
{
    TestAppDir dir;
    const QString path = QStringLiteral("D:/房屋/Data/甲.had");
    IniFile(dir.filePath("config.ini")).writeString("Commond", "OpenFileName", path);
    QVERIFY(dir.readFile("config.ini").contains(Cp936::encode(path)));
    QVERIFY(!dir.readFile("config.ini").contains(path.toUtf8()));
    QCOMPARE(IniFile(dir.filePath("config.ini")).readString("Commond", "OpenFileName", ""), path);
}

void TestIniFile::unwritableFileRaisesAnError()
{
    TestAppDir dir;
    IniFile ini(dir.filePath("no-such-folder/config.ini"));
    QVERIFY_THROWS_EXCEPTION(AppError, ini.writeString("Commond", "A", "1"));
}

// No value can end its line early and add keys of its own ("a page style
// typed as A4 and a line break, then AutoOpenItem=0"); nothing is written.
void TestIniFile::lineBreakIsRefusedAndNothingWritten_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("LF in a value") << "PageSetup"
                                   << "PageStyle"
                                   << "A4\n[Commond]\nAutoOpenItem=0";
    QTest::newRow("CR in a value") << "PageSetup"
                                   << "PageStyle"
                                   << "A4\rX=1";
    QTest::newRow("line break in a key") << "Commond"
                                         << "A\nB"
                                         << "1";
    QTest::newRow("line break in a section") << "Com\nmond"
                                             << "A"
                                             << "1";
}

void TestIniFile::lineBreakIsRefusedAndNothingWritten()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TestAppDir dir;
    const QByteArray before = "[Commond]\r\nAutoOpenItem=1\r\n";
    dir.writeFile("config.ini", before);
    IniFile ini(dir.filePath("config.ini"));
    try {
        ini.writeString(section, key, value);
        QFAIL("written");
    } catch (const AppError &e) {
        QCOMPARE(e.message(),
            "配置项 [" + section + "] " + key + " 的值含有换行, 不能写入配置文件 "
                + dir.filePath("config.ini") + "!");
    }
    QCOMPARE(dir.readFile("config.ini"), before);
}

void TestIniFile::lineEndsOfEveryLineStay_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("line feeds only") << QByteArray("[Commond]\nA=1\n[Misc]\nB=2\n")
                                     << QByteArray("[Commond]\nA=9\nC=3\n[Misc]\nB=2\n\n[New]\nD=4\n");
    QTest::newRow("mixed, CR LF first")
        << QByteArray("[Commond]\r\nA=1\n[Misc]\nB=2\r\n")
        << QByteArray("[Commond]\r\nA=9\nC=3\r\n[Misc]\nB=2\r\n\r\n[New]\r\nD=4\r\n");
    QTest::newRow("mixed, LF first") << QByteArray("[Commond]\nA=1\r\n[Misc]\r\nB=2\n")
                                     << QByteArray("[Commond]\nA=9\r\nC=3\n[Misc]\r\nB=2\n\n[New]\nD=4\n");
    QTest::newRow("no line end at the end") << QByteArray("[Commond]\nA=1\n[Misc]\nB=2")
                                            << QByteArray("[Commond]\nA=9\nC=3\n[Misc]\nB=2\n\n[New]\nD=4\n");
}

// Each line keeps its own line end; new lines take the first line's.
void TestIniFile::lineEndsOfEveryLineStay()
{
    QFETCH(QByteArray, before);
    TestAppDir dir;
    dir.writeFile("config.ini", before);
    IniFile ini(dir.filePath("config.ini"));
    ini.writeString("Commond", "A", "9");
    ini.writeString("Commond", "C", "3");
    ini.writeString("New", "D", "4");
    QTEST(dir.readFile("config.ini"), "after");
}

namespace {

QString unreadableMessage(const QString &path, const QString &reason)
{
    return "不能读取配置文件 " + path + " (" + reason + ")!\n本次运行使用默认设置, 不会写入这个文件。";
}

// Reads a key with its default, tries to write keys in both ways, and
// checks that exactly one prompt told the user about the file.
void readAndWriteUnreadable(const QString &path, const QString &reason)
{
    const QString refusal = "配置文件 " + path + " 不能读取, 本次运行不会写入它!";
    const auto refused = [&](const std::function<void()> &write) {
        try {
            write();
        } catch (const AppError &e) {
            return e.message() == refusal;
        }
        return false;
    };
    for (int attempt = 0; attempt < 2; ++attempt) {
        IniFile ini(path);
        QVERIFY(ini.isUnreadable());
        QCOMPARE(ini.readInteger("Commond", "AutoSaveTime", 5), 5);
        QVERIFY(refused([&] { ini.writeInteger("Commond", "AutoSaveTime", 30); }));
        IniFile grouped(path, IniFile::WriteMode::OnCommit);
        QVERIFY(refused([&] { grouped.writeString("Misc", "IsPrintSoftMess", "0"); }));
        QVERIFY(refused([&] { grouped.commit(); }));
    }
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &report = Prompt::shown().first();
    QCOMPARE(report.text, unreadableMessage(path, reason));
    QCOMPARE(report.icon, PromptIcon::Error);
    QCOMPARE(report.caption, AppTitle);
}

} // namespace

void TestIniFile::unreadableFileIsReportedOnceAndNeverWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << "folder"
                            << "不是普通文件";
    QTest::newRow("FIFO") << "fifo"
                          << "不是普通文件";
    QTest::newRow("link to /dev/zero") << "zero"
                                       << "不是普通文件";
    QTest::newRow("over 1 MiB") << "large"
                                << "文件大于 1 MiB";
}

void TestIniFile::unreadableFileIsReportedOnceAndNeverWritten()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestAppDir dir;
    const QString path = dir.filePath("config.ini");
    const QByteArray large = "[Commond]\r\nAutoSaveTime=7\r\n" + QByteArray(IniFile::MaxSize, ';');
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else
        dir.writeFile("config.ini", large);
    readAndWriteUnreadable(path, reason);
    // Still what it was.
    const QFileInfo info(path);
    if (kind == "folder")
        QVERIFY(info.isDir());
    else if (kind == "fifo")
        QVERIFY(info.exists() && !info.isFile() && !info.isDir());
    else if (kind == "zero")
        QCOMPARE(info.symLinkTarget(), "/dev/zero");
    else
        QCOMPARE(dir.readFile("config.ini"), large);
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
        QStringList { "config.ini" });
}

void TestIniFile::fileWithoutReadPermissionIsNeverWritten()
{
    RUN_AS_OTHER_USER();
    TestAppDir dir;
    const QByteArray content = "[Commond]\r\nAutoSaveTime=7\r\n[Other]\r\nKey=kept\r\n";
    dir.writeFile("config.ini", content);
    const QString path = dir.filePath("config.ini");
    QFile::setPermissions(path, QFile::WriteOwner);
    readAndWriteUnreadable(path, "Permission denied");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(dir.readFile("config.ini"), content);
}

void TestIniFile::fileOfTheLimitIsRead()
{
    TestAppDir dir;
    QByteArray content = "[Commond]\r\nAutoSaveTime=7\r\n";
    content += QByteArray(IniFile::MaxSize - content.size() - 2, ';') + "\r\n";
    QCOMPARE(content.size(), IniFile::MaxSize);
    dir.writeFile("config.ini", content);
    IniFile ini(dir.filePath("config.ini"));
    QVERIFY(!ini.isUnreadable());
    QCOMPARE(ini.readInteger("Commond", "AutoSaveTime", 5), 7);
    QVERIFY(Prompt::shown().isEmpty());
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
