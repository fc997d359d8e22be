#include "base/apperror.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/lookupindexes.h"
#include "reportfile.h"
#include "testenv.h"

#include <QtTest>

#include <limits>

// Moves, editing and field conversions of the data set.
class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void movesStopAtBothEnds();
    void addedColumnsGoWithAFailedPost();
    void moveByStopsAtTheEnds_data();
    void moveByStopsAtTheEnds();
    void moveAfterEditPostsTheRow();
    void postWritesOnlyWhatChanged();
    void appendedRowStaysCurrentAtTheEnd();
    void cancelDropsChanges();
    void deleteKeepsANeighbourCurrent_data();
    void deleteKeepsANeighbourCurrent();
    void bookmarkReturnsToTheRow();
    void floatFromText_data();
    void floatFromText();
    void nullsReadAsEmptyAndZero();
    void writingNeedsEditState();
    void columnTextsListsEveryRowInOrder();
    void manyRowsAreReadInBlocks();
    void storedRealsOutOfRangeAreNoIntegers_data();
    void storedRealsOutOfRangeAreNoIntegers();
    void columnsNamedLikeTheRowIdDoNotMisleadIt();
    void rowsOfEveryIdAreRead_data();
    void rowsOfEveryIdAreRead();
    void tableHidingEveryRowIdNameIsRefused();
};

namespace {

using Fixture = ReportFile;

} // namespace

void TestDataSet::movesStopAtBothEnds()
{
    Fixture f(3);
    QVERIFY(f.reports.bof() && !f.reports.eof());
    QCOMPARE(f.reports.recNo(), 1);
    f.reports.prior();
    QVERIFY(f.reports.bof());
    QCOMPARE(f.current(), "1");
    f.reports.next();
    QVERIFY(!f.reports.bof() && !f.reports.eof());
    QCOMPARE(f.current(), "2");
    f.reports.last();
    QVERIFY(f.reports.eof());
    QCOMPARE(f.reports.recNo(), 3);
    f.reports.next();
    QVERIFY(f.reports.eof());
    QCOMPARE(f.current(), "3");
    f.reports.prior();
    QVERIFY(!f.reports.eof());
    QCOMPARE(f.current(), "2");

    Fixture empty;
    QVERIFY(empty.reports.isEmpty() && empty.reports.bof() && empty.reports.eof());
    QCOMPARE(empty.reports.recNo(), 0);
    empty.reports.next();
    empty.reports.last();
    QCOMPARE(empty.current(), QString());
}

void TestDataSet::moveByStopsAtTheEnds_data()
{
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("moved");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<bool>("eof");
    QTest::addColumn<bool>("bof");
    QTest::newRow("inside") << 2 << 2 << 3 << false << false;
    QTest::newRow("to the last") << 4 << 4 << 5 << false << false;
    QTest::newRow("past the end") << 9 << 4 << 5 << true << false;
    QTest::newRow("before the start") << -3 << 0 << 1 << false << true;
    QTest::newRow("huge") << INT_MAX << 4 << 5 << true << false;
}

void TestDataSet::moveByStopsAtTheEnds()
{
    QFETCH(int, by);
    QFETCH(int, moved);
    QFETCH(int, recNo);
    QFETCH(bool, eof);
    QFETCH(bool, bof);
    Fixture f(5);
    f.reports.next();
    f.reports.first();
    QCOMPARE(f.reports.moveBy(by), moved);
    QCOMPARE(f.reports.recNo(), recNo);
    QCOMPARE(f.reports.eof(), eof);
    QCOMPARE(f.reports.bof(), bof);
    QCOMPARE(f.current(), QString::number(recNo));
}

void TestDataSet::moveAfterEditPostsTheRow()
{
    Fixture f(2);
    f.reports.edit();
    f.reports.setString("Client", "张三");
    QCOMPARE(f.reports.state(), DataSet::State::Edit);
    f.reports.next();
    QCOMPARE(f.reports.state(), DataSet::State::Browse);
    DataSet other(f.connection);
    other.open(HadFile::SelectAllReports);
    QCOMPARE(other.asString("Client"), "张三");
    QCOMPARE(other.asString("FileNo"), "1");
}

// A row stored with the values the file holds (as a move stores the report
// it leaves) leaves the file as it was, also the indexes of its columns; a
// changed column is written.
void TestDataSet::postWritesOnlyWhatChanged()
{
    Fixture f(2);
    LookupIndexes::ensure(f.connection);
    const auto store = [&](const QString &client) {
        f.reports.edit();
        f.reports.setString("FileNo", "1");
        f.reports.setString("Client", client);
        f.reports.setString("LinkMan", "");
        f.reports.setFloatFromText("BuildAreaHowff", "120.5");
        f.reports.setFloatFromText("BuildAreaTrade", "");
        f.reports.setInteger("PageWidth", 210);
        f.reports.setDateTime("TrustDate", QDateTime(QDate(2004, 2, 16), QTime(10, 11, 12)));
        f.reports.post();
    };
    store("张三");
    QFile file(f.path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    store("张三");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    file.close();

    // What another connection wrote since is compared, not what was read
    // before.
    Connection second;
    HadFile::open(second, f.path);
    second.execute("update ProjectTab set Client = '王五' where FileNo = '1'");
    store("张三");
    DataSet other(f.connection);
    other.open(HadFile::SelectAllReports);
    QCOMPARE(other.asString("Client"), "张三");

    store("李四");
    other.refresh();
    QCOMPARE(other.asString("Client"), "李四");
    QCOMPARE(other.asString("BuildAreaHowff"), "120.5");
    QVERIFY(other.isNull("BuildAreaTrade"));
    QCOMPARE(other.asString("LinkMan"), "");
    QVERIFY(!other.isNull("LinkMan"));
}

void TestDataSet::appendedRowStaysCurrentAtTheEnd()
{
    Fixture f(3);
    f.reports.next();
    f.reports.append();
    QVERIFY(!f.reports.isEmpty());
    QCOMPARE(f.reports.recNo(), 4);
    f.reports.setString("FileNo", "new");
    f.reports.post();
    QCOMPARE(f.reports.recordCount(), 4);
    QCOMPARE(f.reports.recNo(), 4);
    QCOMPARE(f.current(), "new");
    f.reports.first();
    f.reports.moveBy(3);
    QCOMPARE(f.current(), "new");

    // An appended row stays in a search result it does not match.
    DataSet search(f.connection);
    search.open("select * from ProjectTab where FileNo like :FieldValue", { { "FieldValue", "%1%" } });
    search.append();
    search.setString("FileNo", "x");
    search.post();
    QCOMPARE(search.columnTexts({ "FileNo" }), QList<QStringList>({ { "1" }, { "x" } }));
}

void TestDataSet::cancelDropsChanges()
{
    Fixture f(2);
    f.reports.next();
    f.reports.edit();
    f.reports.setString("FileNo", "changed");
    f.reports.cancel();
    QCOMPARE(f.current(), "2");
    f.reports.append();
    f.reports.cancel();
    QCOMPARE(f.reports.recordCount(), 2);
    QCOMPARE(f.current(), "2");
}

void TestDataSet::deleteKeepsANeighbourCurrent_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("deleteAt");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("first of three") << 3 << 1 << "2";
    QTest::newRow("middle") << 3 << 2 << "3";
    QTest::newRow("last") << 3 << 3 << "2";
    QTest::newRow("only") << 1 << 1 << "";
}

void TestDataSet::deleteKeepsANeighbourCurrent()
{
    QFETCH(int, rows);
    QFETCH(int, deleteAt);
    QFETCH(QString, currentAfter);
    Fixture f(rows);
    f.reports.moveBy(deleteAt - 1);
    f.reports.edit();
    f.reports.setString("Client", "dropped");
    f.reports.deleteRecord();
    QCOMPARE(f.reports.recordCount(), rows - 1);
    QCOMPARE(f.current(), currentAfter);
    QCOMPARE(f.reports.isEmpty(), rows == 1);
    DataSet other(f.connection);
    other.open(HadFile::SelectAllReports);
    QCOMPARE(other.recordCount(), rows - 1);
    QVERIFY_THROWS_EXCEPTION(AppError, DataSet(f.connection).deleteRecord());
    if (rows == 1)
        QVERIFY_THROWS_EXCEPTION(AppError, f.reports.deleteRecord());
}

void TestDataSet::bookmarkReturnsToTheRow()
{
    Fixture f(4);
    f.reports.moveBy(2);
    const DataSet::Bookmark mark = f.reports.bookmark();
    f.reports.first();
    f.reports.gotoBookmark(mark);
    QCOMPARE(f.current(), "3");
    QCOMPARE(f.reports.recNo(), 3);
    f.reports.deleteRecord();
    QVERIFY_THROWS_EXCEPTION(AppError, f.reports.gotoBookmark(mark));
}

void TestDataSet::floatFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("integer") << "80" << true << "80";
    QTest::newRow("decimal") << "120.5" << true << "120.5";
    QTest::newRow("negative") << "-3.25" << true << "-3.25";
    QTest::newRow("blanks") << " 12 " << true << "12";
    QTest::newRow("leading point") << ".5" << true << "0.5";
    QTest::newRow("letters") << "x" << false << "";
    QTest::newRow("comma") << "1,5" << false << "";
    QTest::newRow("infinity") << "inf" << false << "";
    QTest::newRow("not a number") << "nan" << false << "";
    QTest::newRow("unit") << "12平方米" << false << "";
    QTest::newRow("only blanks") << "  " << false << "";
}

void TestDataSet::floatFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, stored);
    Fixture f(1);
    f.reports.edit();
    f.reports.setFloat("BuildAreaOther", 7);
    try {
        f.reports.setFloatFromText("BuildAreaOther", text);
        QVERIFY(valid);
    } catch (const AppError &e) {
        QVERIFY(!valid);
        QCOMPARE(
            e.message(), "'" + text + "' is not a valid floating point value for field 'BuildAreaOther'");
        QCOMPARE(f.reports.state(), DataSet::State::Edit);
        QCOMPARE(f.reports.asString("BuildAreaOther"), "7");
        return;
    }
    f.reports.post();
    QCOMPARE(f.reports.asString("BuildAreaOther"), stored);
    QCOMPARE(f.reports.isNull("BuildAreaOther"), text.isEmpty());
}

void TestDataSet::nullsReadAsEmptyAndZero()
{
    Fixture f(1);
    QCOMPARE(f.reports.asString("Client"), QString());
    QCOMPARE(f.reports.asInteger("PageWidth"), 0);
    QCOMPARE(f.reports.asFloat("BuildAreaHowff"), 0.0);
    QVERIFY(!f.reports.asDateTime("TrustDate").isValid());
    QVERIFY(f.reports.isNull("Client"));
    QVERIFY_THROWS_EXCEPTION(AppError, f.reports.asString("NoSuchColumn"));
    QCOMPARE(f.reports.asString("fileno"), "1");
}

void TestDataSet::writingNeedsEditState()
{
    Fixture f(1);
    QVERIFY_THROWS_EXCEPTION(AppError, f.reports.setString("Client", "x"));
    f.reports.edit();
    f.reports.setString("Client", QString());
    f.reports.setInteger("PageWidth", 210);
    QVERIFY_THROWS_EXCEPTION(AppError, f.reports.setString("PageHeight", "abc"));
    f.reports.post();
    QVERIFY(!f.reports.isNull("Client"));
    QCOMPARE(f.reports.asInteger("PageWidth"), 210);

    // Editing an empty set starts a new row.
    Fixture empty;
    empty.reports.edit();
    QCOMPARE(empty.reports.state(), DataSet::State::Append);
}

void TestDataSet::columnTextsListsEveryRowInOrder()
{
    Fixture f(3);
    f.reports.edit();
    f.reports.setString("Address", "地址\t1");
    f.reports.setFloat("BuildAreaHowff", 80);
    f.reports.post();
    const QList<QStringList> rows = f.reports.columnTexts({ "FileNo", "Address", "BuildAreaHowff" });
    QCOMPARE(rows, QList<QStringList>({ { "1", "地址\t1", "80" }, { "2", "", "" }, { "3", "", "" } }));
}

// Columns added while a row is edited are fields of the row at once; when
// the post's transaction fails they leave the file and the set again, with
// the row's pending values, and a later post adds them for good.
void TestDataSet::addedColumnsGoWithAFailedPost()
{
    Fixture f(1);
    f.reports.edit();
    f.reports.setString("Client", "甲");
    QVERIFY_THROWS_EXCEPTION(AppError, f.reports.transaction([&] {
        HadFile::addGradeColumns(f.reports);
        f.reports.setString("GradeStandard", "2016");
        f.reports.post();
        throw AppError("the save failed");
    }));
    QCOMPARE(reportTableColumns(f.connection), HadFile::projectTabColumns());
    QVERIFY(!f.reports.hasField("GradeStandard"));
    QCOMPARE(f.reports.state(), DataSet::State::Edit);
    QCOMPARE(f.reports.asString("Client"), "甲");

    f.reports.transaction([&] {
        HadFile::addGradeColumns(f.reports);
        // A set that read its fields before: the columns are there already.
        HadFile::addGradeColumns(f.reports);
        f.reports.setString("GradeStandard", "2016");
        f.reports.post();
    });
    QCOMPARE(reportTableColumns(f.connection),
        HadFile::projectTabColumns() + QStringList({ "GradeStandard", "GroundDangerous" }));
    QCOMPARE(f.reports.asString("GradeStandard"), "2016");
    QCOMPARE(f.reports.asString("Client"), "甲");
    QVERIFY(f.reports.isNull("GroundDangerous"));
}

void TestDataSet::manyRowsAreReadInBlocks()
{
    Fixture f;
    const int count = 300;
    f.connection.transaction([&] {
        for (int i = 1; i <= count; ++i)
            f.connection.execute(
                "insert into ProjectTab (FileNo) values (:No)", { { "No", QString::number(i) } });
    });
    f.reports.open(HadFile::SelectAllReports);
    QCOMPARE(f.reports.recordCount(), count);
    for (int i = 1; i <= count; ++i, f.reports.next())
        QCOMPARE(f.current(), QString::number(i));
    for (int i = count; i >= 1; --i, f.reports.prior())
        QCOMPARE(f.current(), QString::number(i));
    // Another window deletes a row: refresh drops it and keeps the current row.
    Connection other;
    HadFile::open(other, f.path);
    other.execute("delete from ProjectTab where FileNo = '150'");
    f.reports.moveBy(199);
    QCOMPARE(f.current(), "200");
    f.reports.refresh();
    QCOMPARE(f.reports.recordCount(), count - 1);
    QCOMPARE(f.current(), "200");
    QCOMPARE(f.reports.recNo(), 199);
}

void TestDataSet::storedRealsOutOfRangeAreNoIntegers_data()
{
    QTest::addColumn<QString>("stored"); // an SQL literal
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("half rounds away from zero") << "12.5" << true << 13;
    QTest::newRow("negative half") << "-12.5" << true << -13;
    QTest::newRow("just below the top") << "2147483647.4" << true << INT_MAX;
    QTest::newRow("rounds past the top") << "2147483647.5" << false << 0;
    QTest::newRow("just above the bottom") << "-2147483648.4" << true << INT_MIN;
    QTest::newRow("rounds past the bottom") << "-2147483648.5" << false << 0;
    QTest::newRow("ten thousand million and a half") << "10000000000.5" << false << 0;
    QTest::newRow("1e300") << "1e300" << false << 0;
    QTest::newRow("-1e300") << "-1e300" << false << 0;
    QTest::newRow("infinite") << "9e999" << false << 0;
    QTest::newRow("whole but too large") << "10000000000" << false << 0;
    QTest::newRow("text") << "'12x'" << false << 0;
}

void TestDataSet::storedRealsOutOfRangeAreNoIntegers()
{
    QFETCH(QString, stored);
    QFETCH(bool, valid);
    Fixture f(1);
    f.connection.execute("update ProjectTab set PageWidth = " + stored);
    f.reports.open();
    if (valid) {
        QTEST(f.reports.asInteger("PageWidth"), "value");
        return;
    }
    // The message the text path gives, with the stored value as text.
    const QString text = f.reports.asString("PageWidth");
    try {
        f.reports.asInteger("PageWidth");
        QFAIL("read as an integer");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "'" + text + "' is not a valid integer value");
    }
}

// A user column may be named like the engine's row id; the data set still
// finds, changes and deletes exactly the rows it means.
void TestDataSet::columnsNamedLikeTheRowIdDoNotMisleadIt()
{
    Fixture f;
    f.connection.execute("create table Shadow (rowid text, Name text)");
    DataSet rows(f.connection);
    rows.open("select * from Shadow");
    for (const char *name : { "a", "b", "c" }) {
        rows.append();
        rows.setString("rowid", "1");
        rows.setString("Name", name);
        rows.post();
    }
    rows.open();
    rows.moveBy(1);
    rows.edit();
    rows.setString("Name", "B");
    rows.post();
    rows.first();
    rows.deleteRecord();
    QCOMPARE(rows.columnTexts({ "rowid", "Name" }), QList<QStringList>({ { "1", "B" }, { "1", "c" } }));
    rows.open();
    QCOMPARE(rows.recordCount(), 2);
    QCOMPARE(rows.asString("Name"), "B");
    rows.next();
    QCOMPARE(rows.asString("Name"), "c");
}

void TestDataSet::rowsOfEveryIdAreRead_data()
{
    QTest::addColumn<qint64>("id");
    QTest::newRow("-1") << qint64(-1);
    QTest::newRow("0") << qint64(0);
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min();
    QTest::newRow("largest") << std::numeric_limits<qint64>::max();
}

// A row's id may be any 64-bit number (a damaged file's, or one written by
// another program): each reads as the row it is.
void TestDataSet::rowsOfEveryIdAreRead()
{
    QFETCH(qint64, id);
    Fixture f;
    f.connection.execute("create table Numbered (ID integer primary key, Name text)");
    f.connection.execute(QStringLiteral("insert into Numbered values (%1, 'first'), (1, 'second')").arg(id));
    DataSet rows(f.connection);
    rows.open("select * from Numbered");
    const auto shown = [&rows] { return rows.asString("ID") + ' ' + rows.asString("Name"); };
    const QString first = shown();
    rows.next();
    const QString second = shown();
    QCOMPARE(QStringList({ first, second }).filter(" first"), QStringList { QString::number(id) + " first" });
    QCOMPARE(QStringList({ first, second }).filter(" second"), QStringList { "1 second" });
    rows.prior();
    QCOMPARE(shown(), first);
}

void TestDataSet::tableHidingEveryRowIdNameIsRefused()
{
    Fixture f;
    f.connection.execute("create table Hidden (Rowid text, _ROWID_ text, oid text)");
    DataSet rows(f.connection);
    try {
        rows.open("select * from Hidden");
        QFAIL("opened");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "Table 'Hidden' hides its row id behind columns named rowid, _rowid_ and oid");
    }
    QVERIFY(!rows.isOpen());
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
