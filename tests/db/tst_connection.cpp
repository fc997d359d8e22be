#include "base/apperror.h"
#include "base/workprogress.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/databasecopy.h"
#include "db/hadfile.h"
#include "reportfile.h"
#include "testenv.h"

#include <QtTest>

// Statement rewriting, prepared statements, the registry of open files,
// and the progress of long statements.
class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void namedParametersBecomePositional_data();
    void namedParametersBecomePositional();
    void setColumnsLoseTheirTable_data();
    void setColumnsLoseTheirTable();
    void registryCountsEveryConnection();
    void missingFileIsNeverCreated();
    void committedWriteIsInTheFileAlone();
    void longStatementsTick();
    void copyReportsHowFarItHasCome();
    void preparedStatementRunsWithEachSetOfValues_data() { addEngineRows(); }
    void preparedStatementRunsWithEachSetOfValues();
    void likeMatchesAlikeOnBothEngines_data();
    void likeMatchesAlikeOnBothEngines();
};

void TestConnection::namedParametersBecomePositional_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("positional");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("after =") << "where FileNo=:Str1"
                             << "where FileNo=?" << QStringList { "Str1" };
    QTest::newRow("after = and blank") << "set FileNo =:Str"
                                       << "set FileNo =?" << QStringList { "Str" };
    QTest::newRow("prefix names") << "Part like :MainFileNo and Struct like :MainFileNo1"
                                  << "Part like ? and Struct like ?"
                                  << QStringList { "MainFileNo", "MainFileNo1" };
    QTest::newRow("values list") << "values(:A,:B, :C)"
                                 << "values(?,?, ?)" << QStringList { "A", "B", "C" };
    QTest::newRow("repeated") << ":A or :A"
                              << "? or ?" << QStringList { "A", "A" };
    QTest::newRow("quoted text") << "x = ':A' and y = :B"
                                 << "x = ':A' and y = ?" << QStringList { "B" };
    QTest::newRow("quoted name") << "\"a:b\" = :B"
                                 << "\"a:b\" = ?" << QStringList { "B" };
    QTest::newRow("comment") << "x = :A -- :B\n"
                             << "x = ? -- :B\n"
                             << QStringList { "A" };
    QTest::newRow("time literal") << "'10:30'"
                                  << "'10:30'" << QStringList();
    QTest::newRow("colon and digit") << "x = :1"
                                     << "x = :1" << QStringList();
}

void TestConnection::namedParametersBecomePositional()
{
    QFETCH(QString, sql);
    QFETCH(QString, positional);
    QFETCH(QStringList, names);
    QStringList found;
    QCOMPARE(toPositionalParameters(sql, &found), positional);
    QCOMPARE(found, names);
}

void TestConnection::setColumnsLoseTheirTable_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("rewritten");
    QTest::newRow("statement of the report window")
        << "update CalcuData set CalcuData.FileNo =:Str where CalcuData.FileNo=:Str1"
        << "update CalcuData set FileNo =:Str where CalcuData.FileNo=:Str1";
    QTest::newRow("two columns, other case") << "UPDATE t SET T.a = 1, t.b=2 WHERE t.a = 0"
                                             << "UPDATE t SET a = 1, b=2 WHERE t.a = 0";
    QTest::newRow("unqualified") << "update t set a = 1"
                                 << "update t set a = 1";
    QTest::newRow("not an update") << "select t.a = 1 from t"
                                   << "select t.a = 1 from t";
}

void TestConnection::setColumnsLoseTheirTable()
{
    QFETCH(QString, sql);
    QFETCH(QString, rewritten);
    QCOMPARE(withUnqualifiedSetColumns(sql), rewritten);
}

void TestConnection::registryCountsEveryConnection()
{
    TestAppDir dir;
    const QString path = dir.filePath("a.had");
    HadFile::createDatabaseFile(path);
    QVERIFY(!Connection::isFileOpen(path));
    {
        Connection first;
        Connection second;
        HadFile::open(first, path);
        HadFile::open(second, dir.filePath("./a.had"));
        QVERIFY(Connection::isFileOpen(path));
        first.close();
        QVERIFY(Connection::isFileOpen(path));
        QVERIFY(!first.isOpen() && second.isOpen());
        QVERIFY(!Connection::isFileOpen(dir.filePath("b.had")));
    }
    QVERIFY(!Connection::isFileOpen(path));
}

void TestConnection::missingFileIsNeverCreated()
{
    TestAppDir dir;
    Connection connection;
    const QString path = dir.filePath("缺少 #1?.had");
    QVERIFY_THROWS_EXCEPTION(AppError, connection.open(path));
    QVERIFY(!QFileInfo::exists(path));
    connection.create(path);
    QVERIFY(QFileInfo::exists(path));
    QVERIFY_THROWS_EXCEPTION(AppError, Connection().create(path));
    connection.close();
    connection.open(path);
    QVERIFY(connection.isOpen());
}

// What a connection has written is in the database file itself as soon as
// the statement ends, while the connection stays open: a copy of the file
// alone holds it, and nothing lies beside the file.
void TestConnection::committedWriteIsInTheFileAlone()
{
    TestAppDir dir;
    const QString path = dir.filePath("a.had");
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    connection.execute("insert into CalcuData (FileNo) values (:No)", { { "No", "A-1" } });
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "a.had" });
    const QString copy = dir.filePath("copy.had");
    QVERIFY(QFile::copy(path, copy));
    Connection copied;
    HadFile::open(copied, copy);
    QSqlQuery q = copied.run("select FileNo from CalcuData");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), "A-1");
}

// A statement that runs for many engine steps calls the tick from inside;
// the tick follows the connection to the next file it opens, and stops
// when taken away.
void TestConnection::longStatementsTick()
{
    TestAppDir dir;
    const QString path = dir.filePath("a.had");
    HadFile::createDatabaseFile(path);
    Connection connection;
    int ticks = 0;
    connection.setStatementTick([&] { ++ticks; });
    const auto countToAMillion = [&] {
        QSqlQuery q = connection.run("with recursive n(i) as (select 1 union all select i + 1 from n "
                                     "where i < 1000000) select count(*) from n");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1000000);
    };
    HadFile::open(connection, path);
    QCOMPARE(ticks, 0);
    countToAMillion();
    QVERIFY(ticks > 0);

    HadFile::open(connection, path);
    const int beforeReopen = ticks;
    countToAMillion();
    QVERIFY(ticks > beforeReopen);

    connection.setStatementTick({});
    const int beforeStop = ticks;
    countToAMillion();
    QCOMPARE(ticks, beforeStop);
}

// A copy tells how many bytes of about how many it has written: from none
// to all, never going back, and all once the copy is in place.
void TestConnection::copyReportsHowFarItHasCome()
{
    struct Recorder : WorkProgress
    {
        QList<QPair<qint64, qint64>> calls;
        void advanced(qint64 done, qint64 total) override { calls.append({ done, total }); }
    } recorder;
    TestAppDir dir;
    const QString source = dir.filePath("a.had");
    HadFile::createDatabaseFile(source);
    {
        Connection connection;
        HadFile::open(connection, source);
        connection.execute("insert into CalcuData (FileNo) values (:No)", { { "No", "A-1" } });
        // Enough pages for the copy to report from inside its statement.
        connection.execute(
            "insert into CalcuData (FileNo, BldgConstitute) with recursive n(i) as (select 1 union all "
            "select i + 1 from n where i < 20000) select 'B-' || i, hex(randomblob(100)) from n");
    }
    DatabaseCopy::copy(source, dir.filePath("b.had"), &recorder);

    QVERIFY(recorder.calls.size() > 2);
    QCOMPARE(recorder.calls.first(), qMakePair(qint64(0), QFileInfo(source).size()));
    QCOMPARE(recorder.calls.last(), qMakePair(qint64(1), qint64(1)));
    double before = 0;
    for (const auto &[done, total] : std::as_const(recorder.calls)) {
        QVERIFY(total > 0 && done >= 0 && done <= total);
        QVERIFY(double(done) / total >= before);
        before = double(done) / total;
    }
    Connection copied;
    HadFile::open(copied, dir.filePath("b.had"), Connection::Access::ReadOnly);
    QSqlQuery q = copied.run("select count(*), sum(FileNo = 'A-1') from CalcuData");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 20001);
    QCOMPARE(q.value(1).toInt(), 1);
}

// A statement prepared once stores each run's own values, names matched
// without regard to letter case; a run that lacks a value stores nothing
// and leaves the statement usable.
void TestConnection::preparedStatementRunsWithEachSetOfValues()
{
    FETCH_ENGINE(engine);
    ReportFile f(engine, 0);
    Connection::Statement insert = f.connection.prepare(
        "insert into CalcuData (FileNo, BldgConstitute, ComponentName) values (:FileNo, :Part, :Name)");
    insert.execute({ { "FileNo", "A-1" }, { "part", "地基基础" }, { "Name", "O'Brien \\ 50%_off" } });
    try {
        insert.execute({ { "FileNo", "A-1" }, { "Part", "缺少名称" } });
        QFAIL("a run without all its values was made");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "No value given for one or more required parameters.");
    }
    insert.execute({ { "FileNo", "A-1" }, { "Part", "承重结构" }, { "Name", QString() } });
    QStringList stored;
    for (const ComponentRow &row : ComponentRows::load(f.connection, "A-1"))
        stored << row[ComponentColumn::Part] + u'|' + row[ComponentColumn::Name];
    QCOMPARE(stored, QStringList({ "地基基础|O'Brien \\ 50%_off", "承重结构|" }));
}

void TestConnection::likeMatchesAlikeOnBothEngines_data()
{
    addEngineColumn();
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("like");
    for (Engine engine : Engines) {
        newEngineRow(engine, "letter case") << "WALL%" << QStringList { "Wall 墙", "wall" };
        newEngineRow(engine, "wildcards") << "5_\\%" << QStringList { "50\\%" };
        newEngineRow(engine, "backslash") << "%\\%" << QStringList { "50\\%" };
        newEngineRow(engine, "Chinese") << "%墙" << QStringList { "Wall 墙" };
    }
}

// "like" and "not like" ignore the letter case of ASCII letters and take a
// backslash literally, "%" and "_" as wildcards, on a file as on a server.
void TestConnection::likeMatchesAlikeOnBothEngines()
{
    FETCH_ENGINE(engine);
    QFETCH(QString, pattern);
    QFETCH(QStringList, like);
    ReportFile f(engine, 0);
    const QStringList names = { "Wall 墙", "wall", "50\\%", "柱" };
    for (const QString &name : names)
        f.connection.execute(
            "insert into CalcuData (FileNo, ComponentName) values ('A', :Name)", { { "Name", name } });
    const auto matching = [&](const QString &condition) {
        QStringList found;
        QSqlQuery q = f.connection.run(
            "select ComponentName from CalcuData where CalcuData.ComponentName " + condition + " :p",
            { { "p", pattern } });
        while (q.next())
            found << q.value(0).toString();
        found.sort();
        return found;
    };
    QStringList unlike = names;
    for (const QString &name : like)
        unlike.removeOne(name);
    unlike.sort();
    QCOMPARE(matching("like"), like);
    QCOMPARE(matching("not  like"), unlike);
}

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
