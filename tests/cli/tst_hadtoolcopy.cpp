#include "runprogram.h"
#include "testenv.h"
#include "testserver.h"

#include <QtTest>

// hadtool new and copy on a server database: an office's two commands to
// move its archive onto the server, and back.
class TestHadtoolCopy : public QObject
{
    Q_OBJECT

private slots:
    void archiveMovesToTheServerAndBack();
    void newRefusesAServerDatabaseWithTables();
    void copyRefusesAFilledTargetUnlessAppending();
};

namespace {

const QString SampleName = QStringLiteral("2004年房屋安全鉴定报告.had");

void expectSuccess(const ProcessResult &result)
{
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
}

} // namespace

void TestHadtoolCopy::archiveMovesToTheServerAndBack()
{
    REQUIRE_TEST_SERVER();
    TestAppDir dir;
    TestServerDatabase db;
    const QString sample = copyOfBuilt(dir, SampleName);
    expectSuccess(runHadtool({ "new", db.url() }));
    const ProcessResult copied = runHadtool({ "copy", sample, db.url() });
    expectSuccess(copied);
    const ProcessResult fileList = runHadtool({ "list", sample });
    QVERIFY(copied.out.endsWith(QStringLiteral(" 份鉴定报告已复制\n")));
    QCOMPARE(copied.out.section(u' ', 0, 0).toInt(), fileList.out.count(u'\n'));
    // Not a terminal: no progress.
    QCOMPARE(copied.err, QString());
    const ProcessResult serverList = runHadtool({ "list", db.url() });
    expectSuccess(serverList);
    QCOMPARE(serverList.out, fileList.out);
    const QString back = dir.filePath("back.had");
    expectSuccess(runHadtool({ "copy", db.url(), back }));
    QCOMPARE(runHadtool({ "list", back }).out, fileList.out);
    const ProcessResult graded = runHadtool({ "grade", db.url(), "--index", "0" });
    expectSuccess(graded);
    QCOMPARE(graded.out, runHadtool({ "grade", sample, "--index", "0" }).out);
}

void TestHadtoolCopy::newRefusesAServerDatabaseWithTables()
{
    REQUIRE_TEST_SERVER();
    TestServerDatabase db;
    expectSuccess(runHadtool({ "new", db.url() }));
    const ProcessResult again = runHadtool({ "new", db.url() });
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains(QStringLiteral("中已有表 ProjectTab, 没有改变。")), qPrintable(again.err));
    QCOMPARE(runHadtool({ "new", db.url(), "--force" }).exitCode, 2);
}

void TestHadtoolCopy::copyRefusesAFilledTargetUnlessAppending()
{
    REQUIRE_TEST_SERVER();
    TestAppDir dir;
    TestServerDatabase db;
    const QString sample = copyOfBuilt(dir, SampleName);
    expectSuccess(runHadtool({ "copy", sample, db.url() }));
    const QString listed = runHadtool({ "list", db.url() }).out;
    const ProcessResult refused = runHadtool({ "copy", sample, db.url() });
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("请用 --append")), qPrintable(refused.err));
    QCOMPARE(runHadtool({ "list", db.url() }).out, listed);
    expectSuccess(runHadtool({ "copy", sample, db.url(), "--append" }));
    QCOMPARE(runHadtool({ "list", db.url() }).out, listed + listed);
}

QTEST_GUILESS_MAIN(TestHadtoolCopy)
#include "tst_hadtoolcopy.moc"
