#include "base/apperror.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "otheruser.h"
#include "testenv.h"

#include <QtTest>

// The .had file: its schema, what its columns keep, parameters, LIKE, and
// the refusal of files that are not appraisal databases.
class TestHadFile : public QObject
{
    Q_OBJECT

private slots:
    void newFileHasExactlyTheTwoColumnLists();
    void textColumnsKeepEveryText_data();
    void textColumnsKeepEveryText();
    void floatColumnsKeepDoublesExactly();
    void dateTimeColumnsKeepDateAndTime();
    void identityNumbersRowsFromOne();
    void namedParametersBindInEveryWriting_data();
    void namedParametersBindInEveryWriting();
    void likeIgnoresLetterCaseWithWildcards_data();
    void likeIgnoresLetterCaseWithWildcards();
    void refusesFilesThatAreNoAppraisalDatabase_data();
    void refusesFilesThatAreNoAppraisalDatabase();
    void twoConnectionsWriteOneFileInTurn();
    void failedChangeLeavesTheFileAsItWas();
    void fileTheUserMayOnlyReadOpensForReading_data();
    void fileTheUserMayOnlyReadOpensForReading();
};

namespace {

struct Fixture
{
    TestAppDir dir;
    QString path = dir.filePath("test.had");
    Connection connection;

    Fixture()
    {
        HadFile::createDatabaseFile(path);
        HadFile::open(connection, path);
    }
};

QStringList tableColumns(Connection &connection, const QString &table)
{
    QStringList names;
    QSqlQuery q = connection.run("PRAGMA table_info(" + table + ")");
    while (q.next())
        names << q.value(1).toString();
    return names;
}

} // namespace

void TestHadFile::newFileHasExactlyTheTwoColumnLists()
{
    Fixture f;
    const QStringList project = { "ID", "FileNo", "Client", "TrustDate", "LinkMan", "LinkPhone", "Address",
        "PropertyRightMan", "BldgPurpose", "BuildYear", "StrucStyle", "BuildAreaHowff", "BuildAreaTrade",
        "BuildAreaGarage", "BuildAreaFactory", "BuildAreaOther", "PlaneShape", "Layers", "PropertyRightAttr",
        "PropertyRightCertificate", "Memory", "ApprPurpose", "DangerCircs", "ApprCircs", "ShatterReason0",
        "ShatterReason", "ApprConclusion", "DisposalAdvi", "Surveyor", "ApprUnit", "Appraiser", "Assessor",
        "AuthorizedMan", "ApprDate", "PageStyle", "PageWidth", "PageHeight", "PageOrientation", "TopMargin",
        "BottomMargin", "LeftMargin", "RightMargin", "FooterMargin", "CovOffsetRightSpace",
        "CovOffsetBottomSpace", "CovRowSpace", "CovPrnSelAppraisor", "CovPrnSelAssessor",
        "CovPrnSelAuthorizedMan", "ApprCircsRowCount", "ShatterReasonRowCount", "ApprConclusionRowCount",
        "DisposalAdviRowCount", "RowMaxCharCount", "ClientWidth", "PhoneWidth", "version" };
    const QStringList calcu = { "FileNo", "PartNumber", "BldgConstitute", "ComponentName",
        "ComponentStructure", "ComponentTotal", "DangerComponentNumber", "correspondingFileItem" };
    QCOMPARE(project.size(), 57);
    QCOMPARE(tableColumns(f.connection, "ProjectTab"), project);
    QCOMPARE(tableColumns(f.connection, "CalcuData"), calcu);
    QCOMPARE(HadFile::projectTabColumns(), project);
    QCOMPARE(HadFile::calcuDataColumns(), calcu);

    DataSet reports(f.connection);
    reports.open(HadFile::SelectAllReports);
    QVERIFY(reports.isEmpty());
    QCOMPARE(reports.fieldNames(), project);
    DataSet rows(f.connection);
    rows.open("select * from CalcuData");
    QCOMPARE(rows.recordCount(), 0);
}

void TestHadFile::textColumnsKeepEveryText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("leading zeros") << "00123";
    QTest::newRow("number with exponent") << "1e5";
    QTest::newRow("decimal") << "12.50";
    QTest::newRow("date") << "2004-05-01";
    QTest::newRow("blanks") << "  两端有空格  ";
    QTest::newRow("empty") << "";
    QTest::newRow("memo with CR LF") << QString("第一行\r\n第二行\r\n\r\n").repeated(2000);
    QTest::newRow("quotes and colon") << "it's \"x\" :FileNo";
}

void TestHadFile::textColumnsKeepEveryText()
{
    QFETCH(QString, text);
    Fixture f;
    QStringList textColumns;
    for (const QString &c : HadFile::projectTabColumns())
        if (tableColumns(f.connection, "ProjectTab").contains(c) && c != "ID" && c != "TrustDate"
            && c != "ApprDate" && !c.startsWith("BuildArea") && !(c.startsWith("Page") && c != "PageStyle")
            && !c.endsWith("Margin") && !c.startsWith("Cov") && !c.endsWith("Count") && !c.endsWith("Width"))
            textColumns << c;
    QCOMPARE(textColumns.size(), 57 - 1 - 2 - 5 - 21);
    {
        DataSet reports(f.connection);
        reports.open(HadFile::SelectAllReports);
        reports.append();
        for (const QString &c : textColumns)
            reports.setString(c, text);
        reports.post();
        DataSet rows(f.connection);
        rows.open("select * from CalcuData");
        rows.append();
        for (const QString &c : HadFile::calcuDataColumns())
            rows.setString(c, text);
        rows.post();
    }
    Connection other;
    HadFile::open(other, f.path);
    DataSet reports(other);
    reports.open(HadFile::SelectAllReports);
    for (const QString &c : textColumns) {
        QCOMPARE(reports.asString(c), text);
        QVERIFY(!reports.isNull(c));
    }
    DataSet rows(other);
    rows.open("select * from CalcuData where FileNo = :FileNo", { { "FileNo", text } });
    QCOMPARE(rows.recordCount(), 1);
    for (const QString &c : HadFile::calcuDataColumns())
        QCOMPARE(rows.asString(c), text);
}

void TestHadFile::floatColumnsKeepDoublesExactly()
{
    Fixture f;
    const QList<double> values = { 0.1, 120.5, 1.0 / 3.0, 1e-300, 123456789.123456789, -0.0 };
    const QStringList columns
        = { "BuildAreaHowff", "BuildAreaTrade", "BuildAreaGarage", "BuildAreaFactory", "BuildAreaOther" };
    DataSet reports(f.connection);
    reports.open(HadFile::SelectAllReports);
    for (double v : values) {
        reports.append();
        for (const QString &c : columns)
            reports.setFloat(c, v);
        reports.post();
    }
    DataSet again(f.connection);
    again.open(HadFile::SelectAllReports);
    for (double v : values) {
        for (const QString &c : columns)
            QVERIFY(again.asFloat(c) == v);
        again.next();
    }
    again.first();
    QCOMPARE(again.asString("BuildAreaTrade"), "0.1");
    again.next();
    QCOMPARE(again.asString("BuildAreaTrade"), "120.5");
}

void TestHadFile::dateTimeColumnsKeepDateAndTime()
{
    Fixture f;
    const QDateTime withTime(QDate(2004, 5, 1), QTime(8, 30, 15));
    const QDateTime withMs(QDate(1999, 12, 31), QTime(23, 59, 59, 123));
    DataSet reports(f.connection);
    reports.open(HadFile::SelectAllReports);
    reports.append();
    reports.setDateTime("TrustDate", withTime);
    reports.setDateTime("ApprDate", withMs);
    reports.post();
    reports.append();
    reports.setDate("TrustDate", QDate(2004, 1, 2));
    reports.post();

    DataSet again(f.connection);
    again.open(HadFile::SelectAllReports);
    QCOMPARE(again.asDateTime("TrustDate"), withTime);
    QCOMPARE(again.asDateTime("ApprDate"), withMs);
    QCOMPARE(again.asString("TrustDate"), "2004-05-01 08:30:15");
    again.next();
    QCOMPARE(again.asString("TrustDate"), "2004-01-02");
    QVERIFY(!again.asDateTime("ApprDate").isValid());
    QSqlQuery q = f.connection.run("select typeof(TrustDate) from ProjectTab");
    while (q.next())
        QCOMPARE(q.value(0).toString(), "text");
}

void TestHadFile::identityNumbersRowsFromOne()
{
    Fixture f;
    DataSet reports(f.connection);
    reports.open(HadFile::SelectAllReports);
    for (int i = 0; i < 3; ++i) {
        reports.append();
        reports.post();
    }
    reports.last();
    reports.deleteRecord();
    reports.append();
    reports.post();
    QList<int> ids;
    reports.first();
    while (true) {
        ids << reports.asInteger("ID");
        QVERIFY(
            reports.isNull("version") && reports.isNull("DangerCircs") && reports.isNull("ShatterReason"));
        if (reports.recNo() == reports.recordCount())
            break;
        reports.next();
    }
    QCOMPARE(ids, QList<int>({ 1, 2, 4 }));
}

void TestHadFile::namedParametersBindInEveryWriting_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("no blanks") << "update CalcuData set CalcuData.FileNo =:Str where CalcuData.FileNo=:Str1";
    QTest::newRow("blanks") << "update CalcuData set FileNo = :Str where FileNo = :Str1";
    QTest::newRow("other case") << "update CalcuData set FileNo=:str where FileNo=:STR1";
}

void TestHadFile::namedParametersBindInEveryWriting()
{
    QFETCH(QString, sql);
    Fixture f;
    const QString insert
        = "Insert into CalcuData(PartNumber,BldgConstitute,ComponentName, ComponentStructure, "
          "ComponentTotal, DangerComponentNumber, correspondingFileItem, FileNo)\r\n"
          " values(:PartNumber,:BldgConstitute,:ComponentName, :ComponentStructure, "
          ":ComponentTotal, :DangerComponentNumber, :correspondingFileItem, :FileNo)";
    SqlParams row = { { "PartNumber", "1" }, { "BldgConstitute", "承重结构" }, { "ComponentName", "柱" },
        { "ComponentStructure", "砌体" }, { "ComponentTotal", "010" }, { "DangerComponentNumber", "2" },
        { "correspondingFileItem", "4.3.2" }, { "FileNo", "A-1" } };
    f.connection.execute(insert, row);
    row["FileNo"] = "B-1";
    f.connection.execute(insert, row);
    QCOMPARE(f.connection.execute(sql, { { "Str", "A-2" }, { "Str1", "A-1" } }), 1);

    DataSet rows(f.connection);
    rows.open("select * from CalcuData where FileNo = :MainFileNo", { { "MainFileNo", "A-2" } });
    QCOMPARE(rows.recordCount(), 1);
    QCOMPARE(rows.asString("ComponentTotal"), "010");
    QCOMPARE(rows.asString("correspondingFileItem"), "4.3.2");
    QVERIFY_THROWS_EXCEPTION(AppError, f.connection.execute(sql, { { "Str", "x" } }));
}

void TestHadFile::likeIgnoresLetterCaseWithWildcards_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("found");
    const QString all = "abc|ABC-2004|2004号|鉴定2004甲|a_c|100%|";
    Q_UNUSED(all);
    QTest::newRow("contains, any case") << "%abc%" << QStringList { "abc", "ABC-2004" };
    QTest::newRow("upper pattern") << "%ABC%" << QStringList { "abc", "ABC-2004" };
    QTest::newRow("number anywhere") << "%2004%" << QStringList { "ABC-2004", "2004号", "鉴定2004甲" };
    QTest::newRow("chinese") << "%鉴定%" << QStringList { "鉴定2004甲" };
    QTest::newRow("one chinese character") << "2004_" << QStringList { "2004号" };
    QTest::newRow("underscore is any one") << "a_c" << QStringList { "abc", "a_c" };
    QTest::newRow("percent in term") << "%100%%" << QStringList { "100%" };
    QTest::newRow("empty term matches non-null")
        << "%%" << QStringList { "abc", "ABC-2004", "2004号", "鉴定2004甲", "a_c", "100%", "" };
    QTest::newRow("exact without wildcards") << "abc" << QStringList { "abc" };
}

void TestHadFile::likeIgnoresLetterCaseWithWildcards()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, found);
    Fixture f;
    DataSet reports(f.connection);
    reports.open(HadFile::SelectAllReports);
    for (const char *no : { "abc", "ABC-2004", "2004号", "鉴定2004甲", "a_c", "100%", "" }) {
        reports.append();
        reports.setString("FileNo", no);
        reports.post();
    }
    reports.append(); // FileNo null: never matches
    reports.post();
    DataSet search(f.connection);
    search.open("Select * from ProjectTab where FileNo like :FieldValue", { { "FieldValue", pattern } });
    QStringList numbers;
    for (const QStringList &row : search.columnTexts({ "FileNo" }))
        numbers << row.first();
    QCOMPARE(numbers, found);
}

void TestHadFile::refusesFilesThatAreNoAppraisalDatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("messageEnd");
    QTest::newRow("text file")
        << QByteArray("这不是数据库 not a database at all, just some text\n").repeated(200)
        << " 不是本系统的数据库!";
    QTest::newRow("empty file") << QByteArray() << " 不是本系统的数据库!";
    QTest::newRow("other tables") << QByteArray("other") << " 不是本系统的数据库!";
    QTest::newRow("missing") << QByteArray("missing") << " 不存在!";
}

void TestHadFile::refusesFilesThatAreNoAppraisalDatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, messageEnd);
    TestAppDir dir;
    const QString path = dir.filePath("bad.had");
    if (content == "other") {
        Connection c;
        c.create(path);
        c.execute("create table Other (x int)");
    } else if (content != "missing") {
        dir.writeFile("bad.had", content);
    }
    const QByteArray before = dir.readFile("bad.had");
    Connection connection;
    try {
        HadFile::open(connection, path);
        QFAIL("opened");
    } catch (const AppError &e) {
        QVERIFY2(e.message().endsWith(messageEnd), qPrintable(e.message()));
        QVERIFY(e.message().contains(path));
    }
    QVERIFY(!connection.isOpen());
    QVERIFY(!Connection::isFileOpen(path));
    QCOMPARE(dir.readFile("bad.had"), before);
    QCOMPARE(QFileInfo::exists(path), content != "missing");
}

void TestHadFile::twoConnectionsWriteOneFileInTurn()
{
    Fixture f;
    Connection second;
    HadFile::open(second, f.path);
    DataSet first(f.connection);
    DataSet other(second);
    first.open(HadFile::SelectAllReports);
    other.open(HadFile::SelectAllReports);
    for (int i = 0; i < 5; ++i) {
        first.append();
        first.setString("FileNo", QString("first-%1").arg(i));
        first.post();
        other.append();
        other.setString("FileNo", QString("other-%1").arg(i));
        other.post();
        first.edit();
        first.setString("Client", "甲");
        other.refresh();
        other.edit();
        other.setString("Client", "乙");
        other.post();
        first.post();
    }
    DataSet all(f.connection);
    all.open(HadFile::SelectAllReports);
    QCOMPARE(all.recordCount(), 10);
    all.first();
    QCOMPARE(all.asString("FileNo"), "first-0");
    QCOMPARE(all.asString("Client"), "甲");
    all.next();
    QCOMPARE(all.asString("FileNo"), "other-0");
    QCOMPARE(all.asString("Client"), "乙");
}

void TestHadFile::failedChangeLeavesTheFileAsItWas()
{
    Fixture f;
    f.connection.execute("insert into CalcuData (FileNo, PartNumber) values ('A', '1')");
    QVERIFY_THROWS_EXCEPTION(AppError, f.connection.transaction([&] {
        f.connection.execute("delete from CalcuData where FileNo = :FileNo", { { "FileNo", "A" } });
        f.connection.execute("insert into NoSuchTable values (1)");
    }));
    QSqlQuery q = f.connection.run("select count(*) from CalcuData");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    try {
        f.connection.execute("insert into NoSuchTable values (1)");
        QFAIL("no failure");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "no such table: NoSuchTable");
    }
}

void TestHadFile::fileTheUserMayOnlyReadOpensForReading_data()
{
    QTest::addColumn<bool>("readOnlyAccess");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("folderWritable");
    QTest::newRow("read-only file") << false << false << true;
    QTest::newRow("read-only folder") << false << true << false;
    QTest::newRow("opened for reading") << true << true << true;
}

// The report window opens such a file for reading; the first write says
// why it fails and leaves what was typed in the row being edited.
void TestHadFile::fileTheUserMayOnlyReadOpensForReading()
{
    RUN_AS_OTHER_USER();
    QFETCH(bool, readOnlyAccess);
    QFETCH(bool, fileWritable);
    QFETCH(bool, folderWritable);
    TestAppDir dir;
    const QString folder = dir.filePath("Data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath("报告.had");
    HadFile::createDatabaseFile(path);
    {
        Connection writer;
        HadFile::open(writer, path);
        writer.execute("insert into ProjectTab (FileNo, Client) values ('1', '甲')");
    }
    const QFileDevice::Permissions readable = QFile::ReadOwner | QFile::ExeOwner;
    QFile::setPermissions(path, fileWritable ? readable | QFile::WriteOwner : readable);
    QFile::setPermissions(folder, folderWritable ? readable | QFile::WriteOwner : readable);
    const QByteArray before = dir.readFile("Data/报告.had");

    Connection connection;
    HadFile::open(
        connection, path, readOnlyAccess ? Connection::Access::ReadOnly : Connection::Access::ReadWrite);
    QVERIFY(connection.isReadOnly());
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    QCOMPARE(reports.recordCount(), 1);
    reports.edit();
    reports.setString("Client", "乙");
    const QString readOnly = "数据库文件 " + path + " 是只读文件, 不能保存修改!";
    const std::function<void()> writes[] = {
        [&] { reports.post(); },
        [&] { connection.transaction([] {}); },
        [&] { connection.execute("delete from CalcuData"); },
    };
    for (const auto &write : writes) {
        try {
            write();
            QFAIL("written");
        } catch (const AppError &e) {
            QCOMPARE(e.message(), readOnly);
        }
    }
    QCOMPARE(reports.state(), DataSet::State::Edit);
    QCOMPARE(reports.asString("Client"), "乙");
    connection.close();

    QFile::setPermissions(folder, readable | QFile::WriteOwner);
    QCOMPARE(dir.readFile("Data/报告.had"), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList { "报告.had" });
}

QTEST_GUILESS_MAIN(TestHadFile)
#include "tst_hadfile.moc"
