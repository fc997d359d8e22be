#include "app/apperror.h"
#include "app/cp936.h"
#include "app/inifile.h"
#include "testenv.h"

#include <QtTest>

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
    QCOMPARE(dir.readFile("config.ini"), QByteArray("[Commond]\nA=1\nC=3\n\n[Misc]\nB=2\n\n[PageSetup]\nD=4\n"));
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

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
