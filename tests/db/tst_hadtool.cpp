#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "hadtoolprocess.h"
#include "testenv.h"

#include <QtTest>

// hadtool new and list, run as the built program.
class TestHadtool : public QObject
{
    Q_OBJECT

private slots:
    void newThenListPrintsEveryReportInOrder();
    void newRefusesAnExistingFileUnlessForced();
    void failures_data();
    void failures();
};

namespace {

void addReport(DataSet &reports, const QStringList &values)
{
    reports.append();
    for (int i = 0; i < values.size(); ++i)
        reports.setString(HadFile::ReportListColumns.at(i), values.at(i));
    reports.post();
}

} // namespace

void TestHadtool::newThenListPrintsEveryReportInOrder()
{
    TestAppDir dir;
    const QString path = dir.filePath("报告 2004.had");
    const HadtoolResult created = runHadtool({"new", path});
    QCOMPARE(created.exitCode, 0);
    QCOMPARE(created.err, QString());
    const HadtoolResult empty = runHadtool({"list", path});
    QCOMPARE(empty.exitCode, 0);
    QCOMPARE(empty.out, QString());
    {
        Connection connection;
        HadFile::open(connection, path);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        addReport(reports, {"2004-001", "解放路1号", "王五", "张三"});
        addReport(reports, {"2004-002", "多行\r\n地址\t有\\符号", "", "李四"});
        addReport(reports, {});
    }
    const HadtoolResult listed = runHadtool({"list", path});
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, "2004-001\t解放路1号\t王五\t张三\n"
                         "2004-002\t多行\\r\\n地址\\t有\\\\符号\t\t李四\n"
                         "\t\t\t\n");
}

void TestHadtool::newRefusesAnExistingFileUnlessForced()
{
    TestAppDir dir;
    dir.writeFile("old.had", "old");
    const QString path = dir.filePath("old.had");
    const HadtoolResult refused = runHadtool({"new", path});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("数据库 " + path + " 已存在!"), qPrintable(refused.err));
    QCOMPARE(dir.readFile("old.had"), QByteArray("old"));

    const HadtoolResult forced = runHadtool({"new", "--force", path});
    QCOMPARE(forced.exitCode, 0);
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    QVERIFY(reports.isEmpty());
}

void TestHadtool::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no arguments") << QStringList() << 2 << "usage: hadtool";
    QTest::newRow("unknown command") << QStringList{"drop", "x.had"} << 2 << "usage: hadtool";
    QTest::newRow("missing file name") << QStringList{"list"} << 2 << "usage: hadtool";
    QTest::newRow("force on list") << QStringList{"list", "x.had", "--force"} << 2 << "usage: hadtool";
    QTest::newRow("missing file") << QStringList{"list", "missing.had"} << 1 << " 不存在!";
    QTest::newRow("not a database") << QStringList{"list", "text.had"} << 1 << " 不是本系统的数据库!";
    QTest::newRow("missing folder") << QStringList{"new", "no/such/folder.had"} << 1 << "不能打开数据库 ";
}

void TestHadtool::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestAppDir dir;
    dir.writeFile("text.had", "just text");
    if (arguments.size() > 1)
        arguments[1] = dir.filePath(arguments[1]);
    const HadtoolResult result = runHadtool(arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(dir.readFile("text.had"), QByteArray("just text"));
}

QTEST_GUILESS_MAIN(TestHadtool)
#include "tst_hadtool.moc"
