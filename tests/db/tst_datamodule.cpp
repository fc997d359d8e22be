#include "base/apperror.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "output/pagesettingsstore.h"
#include "reportfile.h"
#include "testenv.h"

#include <QtTest>

// The data module's file creation and record operations, with the exact
// prompts they show.
class TestDataModule : public QObject
{
    Q_OBJECT

private slots:
    void createsAnEmptyDatabase();
    void existingFileIsReplacedOnlyOnYes_data();
    void existingFileIsReplacedOnlyOnYes();
    void refusesToReplaceAFileThatIsOpen();
    void creationFailureRaisesTheEngineText();
    void refusesToReplaceAFileAnotherConnectionReads();
    void appendedReportGetsTheDefaultPageSettings();
    void deleteUntilEmptyThenWarn();
    void movesReportAndPost();
    void moveToReport_data();
    void moveToReport();
    void failingMoveIsReported();
};

namespace {

const QString ExistsQuestion = QStringLiteral(" 已存在!\n删除并创建吗?");

// Without a report count the file does not exist yet.
struct Fixture : ReportFile
{
    Fixture()
        : ReportFile(NoFileYet(), QStringLiteral("Data/报告.had"))
    { }
    explicit Fixture(int reportCount)
        : ReportFile(reportCount, QStringLiteral("Data/报告.had"))
    { }

    TFrm_DataModule module;
};

} // namespace

void TestDataModule::createsAnEmptyDatabase()
{
    Fixture f;
    QVERIFY(f.module.CreateDatabase(f.path));
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(!Connection::isFileOpen(f.path));
    HadFile::open(f.connection, f.path);
    f.reports.open(HadFile::SelectAllReports);
    QVERIFY(f.reports.isEmpty());
    QCOMPARE(TFrm_DataModule::instance(), &f.module);
}

void TestDataModule::existingFileIsReplacedOnlyOnYes_data()
{
    QTest::addColumn<PromptButton>("answer");
    QTest::newRow("no") << PromptButton::No;
    QTest::newRow("yes") << PromptButton::Yes;
}

void TestDataModule::existingFileIsReplacedOnlyOnYes()
{
    QFETCH(PromptButton, answer);
    Fixture f;
    f.dir.writeFile("Data/报告.had", "old content");
    Prompt::setNextAnswer(answer);
    QCOMPARE(f.module.CreateDatabase(f.path), answer == PromptButton::Yes);
    QCOMPARE(Prompt::shown().size(), 1);
    const PromptRecord &question = Prompt::shown().first();
    QCOMPARE(question.text, "数据库 " + f.path + ExistsQuestion);
    QCOMPARE(question.caption, AppTitle);
    QCOMPARE(question.icon, PromptIcon::Warning);
    QCOMPARE(question.buttons, PromptButton::Yes | PromptButton::No);
    QCOMPARE(question.defaultButton, PromptButton::No);
    if (answer == PromptButton::No) {
        QCOMPARE(f.dir.readFile("Data/报告.had"), QByteArray("old content"));
    } else {
        HadFile::open(f.connection, f.path);
        f.reports.open(HadFile::SelectAllReports);
        QVERIFY(f.reports.isEmpty());
    }
}

void TestDataModule::refusesToReplaceAFileThatIsOpen()
{
    Fixture f(2);
    Prompt::setNextAnswer(PromptButton::Yes);
    // Another spelling of the same file is the same file.
    const QString otherSpelling = f.dir.filePath("Data/../Data/报告.had");
    QVERIFY(!f.module.CreateDatabase(otherSpelling));
    QCOMPARE(Prompt::shown().size(), 2);
    const PromptRecord &refusal = Prompt::shown().last();
    QCOMPARE(refusal.text, "不能删除数据库 " + otherSpelling);
    QCOMPARE(refusal.caption, "删除数据库错误!");
    QCOMPARE(refusal.icon, PromptIcon::Error);
    f.reports.refresh();
    QCOMPARE(f.reports.recordCount(), 2);

    f.connection.close();
    Prompt::setNextAnswer(PromptButton::Yes);
    QVERIFY(f.module.CreateDatabase(f.path));
}

void TestDataModule::creationFailureRaisesTheEngineText()
{
    Fixture f;
    const QString path = f.dir.filePath("NoSuchFolder/x.had");
    try {
        f.module.CreateDatabase(path);
        QFAIL("created");
    } catch (const AppError &e) {
        QCOMPARE(e.message(),
            "不能创建数据库 " + path + "\n文件夹 " + f.dir.filePath("NoSuchFolder") + " 不存在!");
    }
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(Prompt::shown().isEmpty());
}

// A connection outside the report windows (another program's, here one of
// this test) that reads the file keeps it from being replaced.
void TestDataModule::refusesToReplaceAFileAnotherConnectionReads()
{
    Fixture f(2);
    f.connection.close();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other program");
        other.setDatabaseName(f.path);
        QVERIFY(other.open());
        QSqlQuery read(other);
        QVERIFY(read.exec("BEGIN"));
        QVERIFY(read.exec("select count(*) from ProjectTab") && read.next());
        Prompt::setNextAnswer(PromptButton::Yes);
        QVERIFY(!f.module.CreateDatabase(f.path));
        QCOMPARE(lastPromptText(), "不能删除数据库 " + f.path);
        QCOMPARE(Prompt::shown().last().caption, "删除数据库错误!");
        read.finish();
        QVERIFY(read.exec("COMMIT"));
    }
    QSqlDatabase::removeDatabase("other program");
    HadFile::open(f.connection, f.path);
    f.reports.open();
    QCOMPARE(f.reports.recordCount(), 2);
}

void TestDataModule::appendedReportGetsTheDefaultPageSettings()
{
    Fixture f(1);
    f.dir.writeFile("config.ini", "[PageSetup]\r\nPageStyle=B5\r\nOrientation=1\r\nTopMargin=x\r\n");
    f.reports.edit();
    f.reports.setString("Client", "pending");
    QVERIFY(f.module.AppendReport(f.reports, StorePageDefaultsToRow));
    QCOMPARE(f.reports.state(), DataSet::State::Append);
    QCOMPARE(f.reports.asString("PageStyle"), "B5");
    QCOMPARE(f.reports.asInteger("PageOrientation"), 1);
    QCOMPARE(f.reports.asInteger("TopMargin"), 18);
    QCOMPARE(f.reports.asInteger("PhoneWidth"), 28);
    QVERIFY(f.reports.isNull("FileNo"));
    f.reports.post();
    QCOMPARE(f.reports.recordCount(), 2);
    QCOMPARE(f.reports.recNo(), 2);
    f.reports.first();
    QCOMPARE(f.reports.asString("Client"), "pending");
    QVERIFY(f.reports.isNull("PageStyle"));
}

void TestDataModule::deleteUntilEmptyThenWarn()
{
    Fixture f(2);
    f.reports.last();
    QVERIFY(f.module.DeleteReport(f.reports));
    QCOMPARE(f.reports.asString("FileNo"), "1");
    QVERIFY(f.module.DeleteReport(f.reports));
    QVERIFY(f.reports.isEmpty());
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(!f.module.DeleteReport(f.reports));
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, "数据表已空，不能删除!");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Warning);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
}

void TestDataModule::movesReportAndPost()
{
    Fixture f(3);
    QVERIFY(f.module.MoveLast(f.reports));
    QVERIFY(f.module.MoveNext(f.reports));
    QVERIFY(f.reports.eof());
    QCOMPARE(f.reports.asString("FileNo"), "3");
    f.reports.edit();
    f.reports.setString("FileNo", "3b");
    QVERIFY(f.module.MovePrior(f.reports));
    QCOMPARE(f.reports.asString("FileNo"), "2");
    QVERIFY(f.module.MoveFirst(f.reports));
    QVERIFY(f.module.MovePrior(f.reports));
    QVERIFY(f.reports.bof());
    QCOMPARE(f.reports.asString("FileNo"), "1");
    QVERIFY(f.module.MoveLast(f.reports));
    QCOMPARE(f.reports.asString("FileNo"), "3b");
    QVERIFY(Prompt::shown().isEmpty());
}

void TestDataModule::moveToReport_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("eof");
    QTest::newRow("first") << 0 << "1" << false;
    QTest::newRow("third") << 2 << "3" << false;
    QTest::newRow("last") << 3 << "4" << false;
    QTest::newRow("past the end") << 10 << "4" << true;
}

void TestDataModule::moveToReport()
{
    QFETCH(int, n);
    QFETCH(QString, current);
    QFETCH(bool, eof);
    Fixture f(4);
    f.reports.moveBy(2);
    QVERIFY(f.module.MoveToReport(f.reports, n));
    QCOMPARE(f.reports.asString("FileNo"), current);
    QCOMPARE(f.reports.eof(), eof);
}

void TestDataModule::failingMoveIsReported()
{
    Fixture f(2);
    Connection other;
    HadFile::open(other, f.path);
    other.execute("delete from ProjectTab where FileNo = '1'");
    f.reports.edit();
    f.reports.setString("Client", "x");
    QVERIFY(!f.module.MoveNext(f.reports));
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, "移动记录错误!");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    QCOMPARE(f.reports.recNo(), 1);
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
