#include "base/apperror.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/hadfile.h"
#include "reportfile.h"
#include "testenv.h"

#include <QtTest>

// Statement rewriting, prepared statements and the registry of open files.
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
    void preparedStatementRunsWithEachSetOfValues_data() { addEngineRows(); }
    void preparedStatementRunsWithEachSetOfValues();
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

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
