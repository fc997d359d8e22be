#include "databaseengine.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/rowconflict.h"
#include "reportfile.h"

#include <QSqlQuery>
#include <QtTest>

// Two connections on one database (a file or a server database), as two
// windows or two programs have it: a report saved or deleted through one is
// never overwritten through the other by a save that started from what it
// read before.
class TestRowVersions : public QObject
{
    Q_OBJECT

private slots:
    void staleWriteIsRefused_data();
    void staleWriteIsRefused();
    void everySaveCountsTheVersion_data() { addEngineRows(); }
    void everySaveCountsTheVersion();
    void deleteOfAReportSavedElsewhere_data() { addEngineRows(); }
    void deleteOfAReportSavedElsewhere();
    void deleteOfAReportDeletedElsewhere_data() { addEngineRows(); }
    void deleteOfAReportDeletedElsewhere();
    void unusedReportNumber_data();
    void unusedReportNumber();
};

namespace {

// A database with reports "1" and "2" (version null, as older files hold
// it) and two report sets on it, each on its own connection.
struct TwoSets : ReportFile
{
    explicit TwoSets(Engine engine)
        : ReportFile(engine, 2)
    {
        reports.close();
        for (DataSet *set : { &mine, &theirs })
            set->setVersionColumn(HadFile::VersionColumn);
        HadFile::open(otherConnection, path);
        mine.open(HadFile::SelectAllReports);
        theirs.open(HadFile::SelectAllReports);
    }

    // One column of the first report as the database holds it ("<null>" for null).
    QString stored(const QString &column)
    {
        QSqlQuery q
            = connection.run(QStringLiteral("select %1 from ProjectTab order by ID limit 1").arg(column));
        return !q.next()          ? QStringLiteral("<none>")
            : q.value(0).isNull() ? QStringLiteral("<null>")
                                  : q.value(0).toString();
    }

    Connection otherConnection;
    DataSet mine { connection };
    DataSet theirs { otherConnection };
};

} // namespace

void TestRowVersions::staleWriteIsRefused_data()
{
    addEngineColumn();
    QTest::addColumn<bool>("deletedElsewhere");
    QTest::addColumn<DataSet::Stamp>("stamp");
    QTest::addColumn<int>("kind");
    for (Engine engine : Engines) {
        newEngineRow(engine, "saved elsewhere, save")
            << false << DataSet::Stamp::Always << int(RowConflict::Kind::Changed);
        newEngineRow(engine, "saved elsewhere, move")
            << false << DataSet::Stamp::WhenWritten << int(RowConflict::Kind::Changed);
        newEngineRow(engine, "deleted elsewhere, save")
            << true << DataSet::Stamp::Always << int(RowConflict::Kind::Deleted);
        newEngineRow(engine, "deleted elsewhere, move")
            << true << DataSet::Stamp::WhenWritten << int(RowConflict::Kind::Deleted);
    }
}

// A saves 联系人; B, which showed the report before, stores 联系电话 (and the
// 联系人 it showed): the write is refused and A's 联系人 stays.
void TestRowVersions::staleWriteIsRefused()
{
    FETCH_ENGINE(engine);
    QFETCH(bool, deletedElsewhere);
    QFETCH(DataSet::Stamp, stamp);
    QFETCH(int, kind);
    TwoSets f(engine);
    QCOMPARE(f.mine.asString("LinkMan"), QString()); // the report is shown here

    if (deletedElsewhere) {
        f.theirs.deleteRecord();
    } else {
        f.theirs.edit();
        f.theirs.setString("LinkMan", "张三");
        f.theirs.post(DataSet::Stamp::Always);
    }

    f.mine.edit();
    f.mine.setString("LinkMan", "");
    f.mine.setString("LinkPhone", "13800000000");
    try {
        f.mine.post(stamp);
        QFAIL("the stale write was made");
    } catch (const RowConflict &conflict) {
        QCOMPARE(int(conflict.kind()), kind);
    }
    QCOMPARE(f.mine.state(), DataSet::State::Edit); // the edits are kept
    QCOMPARE(f.stored("FileNo"), deletedElsewhere ? "2" : "1");
    QCOMPARE(f.stored("LinkMan"), deletedElsewhere ? "<null>" : "张三");
    QCOMPARE(f.stored("LinkPhone"), "<null>");
}

void TestRowVersions::everySaveCountsTheVersion()
{
    FETCH_ENGINE(engine);
    TwoSets f(engine);
    QCOMPARE(f.stored("version"), "<null>");

    // A move that stores the report unchanged writes nothing.
    f.mine.edit();
    f.mine.setString("FileNo", "1");
    f.mine.post();
    QCOMPARE(f.stored("version"), "<null>");

    // A save counts, a null being 0; saving again after one's own save is
    // no conflict.
    f.mine.edit();
    f.mine.post(DataSet::Stamp::Always);
    QCOMPARE(f.stored("version"), "1");
    f.mine.edit();
    f.mine.setString("Client", "甲");
    f.mine.post();
    QCOMPARE(f.stored("version"), "2");

    // The other set read the report before: refused, then fine once read again.
    QCOMPARE(f.theirs.asString("Client"), "甲");
    f.mine.edit();
    f.mine.setString("Client", "乙");
    f.mine.post();
    f.theirs.edit();
    f.theirs.setString("Client", "丙");
    QVERIFY_THROWS_EXCEPTION(RowConflict, f.theirs.post());
    f.theirs.cancel();
    f.theirs.reloadCurrent();
    QCOMPARE(f.theirs.asString("Client"), "乙");
    f.theirs.edit();
    f.theirs.setString("Client", "丙");
    f.theirs.post();
    QCOMPARE(f.stored("Client"), "丙");
    QCOMPARE(f.stored("version"), "4");

    // A new report starts at 1.
    f.mine.append();
    f.mine.post();
    QCOMPARE(f.mine.asString("version"), "1");
}

void TestRowVersions::deleteOfAReportSavedElsewhere()
{
    FETCH_ENGINE(engine);
    TwoSets f(engine);
    QCOMPARE(f.mine.asString("FileNo"), "1");
    f.theirs.edit();
    f.theirs.setString("Client", "张三");
    f.theirs.post();

    QVERIFY_THROWS_EXCEPTION(RowConflict, f.mine.deleteRecord());
    QCOMPARE(f.mine.recordCount(), 2);
    QCOMPARE(f.stored("Client"), "张三");

    f.mine.deleteRecord(DataSet::IfChanged::Delete);
    QCOMPARE(f.mine.recordCount(), 1);
    QCOMPARE(f.stored("FileNo"), "2");
}

void TestRowVersions::deleteOfAReportDeletedElsewhere()
{
    FETCH_ENGINE(engine);
    TwoSets f(engine);
    QCOMPARE(f.mine.asString("FileNo"), "1");
    f.theirs.deleteRecord();
    f.mine.deleteRecord();
    QCOMPARE(f.mine.recordCount(), 1);
    QCOMPARE(f.mine.asString("FileNo"), "2");
    QCOMPARE(f.stored("FileNo"), "2");
}

void TestRowVersions::unusedReportNumber_data()
{
    addEngineColumn();
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected");
    for (Engine engine : Engines) {
        newEngineRow(engine, "free") << QStringList { "A-1" } << "A-2"
                                     << "A-2";
        newEngineRow(engine, "taken") << QStringList { "A-1" } << "A-1"
                                      << "A-1-2";
        newEngineRow(engine, "taken twice") << QStringList { "A-1", "A-1-2" } << "A-1"
                                            << "A-1-3";
        newEngineRow(engine, "empty") << QStringList { "" } << ""
                                      << "-2";
        newEngineRow(engine, "full width") << QStringList { "12345678901234567890" } << "12345678901234567890"
                                           << "123456789012345678-2";
        newEngineRow(engine, "wildcards are no match") << QStringList { "A%1", "A_1-2" } << "A%1"
                                                       << "A%1-2";
    }
}

void TestRowVersions::unusedReportNumber()
{
    FETCH_ENGINE(engine);
    QFETCH(QStringList, numbers);
    QFETCH(QString, wanted);
    QFETCH(QString, expected);
    ReportFile f(engine, 0);
    for (const QString &number : numbers) {
        f.reports.append();
        f.reports.setString("FileNo", number);
        f.reports.post();
    }
    QCOMPARE(TFrm_DataModule::UnusedReportNumber(f.connection, wanted), expected);
}

QTEST_GUILESS_MAIN(TestRowVersions)
#include "tst_rowversions.moc"
