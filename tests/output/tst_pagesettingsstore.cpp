#include "base/inifile.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "output/outputstate.h"
#include "output/pagesettingsstore.h"
#include "reportfile.h"
#include "testenv.h"

#include <QtTest>

// The page settings travelling between config.ini, a report's row and the
// process-wide current settings.
class TestPageSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void newReportWithoutConfigGetsTheInitialValues();
    void defaultsReadEachKeyWithFallback();
    void savedDefaultsUseTheOrientationKey();
    void rowRoundTripUsesThePageOrientationColumn();
    void nullColumnsReadAsZeroAndEmpty();
    void loadFailureKeepsWhatWasReadBefore_data();
    void loadFailureKeepsWhatWasReadBefore();
    void storeFailureIsReported();
    void resetGivesTheInitialValues();
};

namespace {

using Fixture = ReportFile;

TPageSettings sample()
{
    TPageSettings s;
    s.PageStyle = "自定义纸张";
    int value = 1;
    s.PageWidth = ++value;
    s.PageHeight = ++value;
    s.PageOrientation = ++value;
    s.TopMargin = ++value;
    s.BottomMargin = ++value;
    s.LeftMargin = ++value;
    s.RightMargin = ++value;
    s.FooterMargin = ++value;
    s.CovOffsetRightSpace = ++value;
    s.CovOffsetBottomSpace = ++value;
    s.CovRowSpace = -(++value);
    s.CovPrnSelAppraisor = 0;
    s.CovPrnSelAssessor = 0;
    s.CovPrnSelAuthorizedMan = 0;
    s.ApprCircsRowCount = ++value;
    s.ShatterReasonRowCount = ++value;
    s.ApprConclusionRowCount = ++value;
    s.DisposalAdviRowCount = ++value;
    s.RowMaxCharCount = ++value;
    s.ClientWidth = ++value;
    s.PhoneWidth = ++value;
    return s;
}

} // namespace

void TestPageSettingsStore::newReportWithoutConfigGetsTheInitialValues()
{
    Fixture f;
    LoadPageDefaults();
    QCOMPARE(OutputProcess.CurrentPageSettings, TPageSettings());
    f.reports.append();
    StorePageSettingsToRow(f.reports);
    f.reports.post();
    OutputProcess.CurrentPageSettings = TPageSettings::unloaded();
    LoadPageSettingsFromRow(f.reports);
    const TPageSettings &s = OutputProcess.CurrentPageSettings;
    QCOMPARE(s, TPageSettings());
    QCOMPARE(s.PageStyle, "A4");
    QCOMPARE(QList<int>({s.PageWidth, s.PageHeight, s.PageOrientation, s.TopMargin, s.BottomMargin,
                         s.LeftMargin, s.RightMargin, s.FooterMargin}),
             QList<int>({210, 297, 0, 18, 25, 15, 15, 18}));
    QCOMPARE(QList<int>({s.ApprCircsRowCount, s.ShatterReasonRowCount, s.ApprConclusionRowCount,
                         s.DisposalAdviRowCount, s.RowMaxCharCount, s.ClientWidth, s.PhoneWidth}),
             QList<int>({88, 20, 20, 20, 49, 68, 28}));
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(!QFileInfo::exists(f.dir.filePath("config.ini")));
}

void TestPageSettingsStore::defaultsReadEachKeyWithFallback()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "[Commond]\r\nPageWidth=1\r\n"
                                "[PageSetup]\r\nPageStyle=B5\r\nPageWidth=182\r\nPageOrientation=7\r\n"
                                "Orientation=1\r\nTopMargin=abc\r\nCovRowSpace=-3\r\n");
    LoadPageDefaults();
    TPageSettings expected;
    expected.PageStyle = "B5";
    expected.PageWidth = 182;
    expected.PageOrientation = 1;
    expected.CovRowSpace = -3;
    QCOMPARE(OutputProcess.CurrentPageSettings, expected);
}

void TestPageSettingsStore::savedDefaultsUseTheOrientationKey()
{
    TestAppDir dir;
    dir.writeFile("config.ini", "; mine\r\n[Commond]\r\nAutoSaveTime=9\r\n");
    OutputProcess.CurrentPageSettings = sample();
    SavePageDefaults();
    const IniFile ini(dir.filePath("config.ini"));
    QCOMPARE(ini.readInteger("PageSetup", "Orientation", -1), sample().PageOrientation);
    QVERIFY(!ini.hasKey("PageSetup", "PageOrientation"));
    QCOMPARE(ini.readString("PageSetup", "PageStyle", ""), "自定义纸张");
    QCOMPARE(ini.readInteger("PageSetup", "PhoneWidth", -1), sample().PhoneWidth);
    QCOMPARE(ini.readInteger("Commond", "AutoSaveTime", -1), 9);
    QVERIFY(dir.readFile("config.ini").startsWith("; mine\r\n[Commond]\r\nAutoSaveTime=9\r\n"));

    OutputProcess.CurrentPageSettings = TPageSettings::unloaded();
    LoadPageDefaults();
    QCOMPARE(OutputProcess.CurrentPageSettings, sample());
}

void TestPageSettingsStore::rowRoundTripUsesThePageOrientationColumn()
{
    Fixture f;
    f.reports.append();
    f.reports.post();
    OutputProcess.CurrentPageSettings = sample();
    StorePageSettingsToRow(f.reports);
    QCOMPARE(f.reports.state(), DataSet::State::Edit);
    f.reports.post();
    QCOMPARE(f.reports.asInteger("PageOrientation"), sample().PageOrientation);

    DataSet again(f.connection);
    again.open(HadFile::SelectAllReports);
    OutputProcess.CurrentPageSettings = TPageSettings();
    LoadPageSettingsFromRow(again);
    QCOMPARE(OutputProcess.CurrentPageSettings, sample());
}

void TestPageSettingsStore::nullColumnsReadAsZeroAndEmpty()
{
    Fixture f;
    f.reports.append();
    f.reports.setString("FileNo", "1");
    f.reports.post();
    OutputProcess.CurrentPageSettings = sample();
    LoadPageSettingsFromRow(f.reports);
    QCOMPARE(OutputProcess.CurrentPageSettings, TPageSettings::unloaded());
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPageSettingsStore::loadFailureKeepsWhatWasReadBefore_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("styleAfter");
    QTest::addColumn<int>("widthAfter");
    QTest::newRow("missing column") << "PageStyle varchar(20), PageWidth int"
                                    << "'B5', 182" << "B5" << 182;
    QTest::newRow("unreadable number") << "PageStyle varchar(20), PageWidth int, PageHeight int"
                                       << "'B5', 182, 'tall'" << "B5" << 182;
    QTest::newRow("no page columns") << "Other int" << "1" << "自定义纸张" << sample().PageWidth;
}

void TestPageSettingsStore::loadFailureKeepsWhatWasReadBefore()
{
    QFETCH(QString, table);
    QFETCH(QString, row);
    QFETCH(QString, styleAfter);
    QFETCH(int, widthAfter);
    TestAppDir dir;
    Connection connection;
    connection.create(dir.filePath("pages.db"));
    connection.execute("create table Pages (" + table + ")");
    connection.execute("insert into Pages values (" + row + ")");
    DataSet pages(connection);
    pages.open("select * from Pages");
    OutputProcess.CurrentPageSettings = sample();
    LoadPageSettingsFromRow(pages);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, "读当前项目的页面设置数据错误!");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    TPageSettings expected = sample();
    expected.PageStyle = styleAfter;
    expected.PageWidth = widthAfter;
    QCOMPARE(OutputProcess.CurrentPageSettings, expected);
}

void TestPageSettingsStore::storeFailureIsReported()
{
    Fixture f;
    f.reports.close();
    StorePageSettingsToRow(f.reports);
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, "写当前项目的页面设置到数据库错误!");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
}

void TestPageSettingsStore::resetGivesTheInitialValues()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = sample();
    ResetPageSettingsToInitial();
    QCOMPARE(OutputProcess.CurrentPageSettings, TPageSettings());
}

QTEST_GUILESS_MAIN(TestPageSettingsStore)
#include "tst_pagesettingsstore.moc"
