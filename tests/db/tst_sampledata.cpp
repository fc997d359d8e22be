#include "base/prompt.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "grade/dangergrade.h"
#include "output/outputstate.h"
#include "output/pagesettings.h"
#include "output/pagesettingsstore.h"
#include "testenv.h"

#include <QtTest>

// The sample database and the clause library that the build makes from the
// SQL sources in data/.
class TestSampleData : public QObject
{
    Q_OBJECT

private slots:
    void sampleHasTheProgramSchema();
    void everyReportHasItsComponentRows();
    void reportsAreFilledAsTheReportWindowStoresThem();
    void textsFitTheirColumns();
    void componentCountsAreReadable();
    void sampleClausesExistInTheLibrary();
    void libraryCoversEveryChoice_data();
    void libraryCoversEveryChoice();
    void sampleYieldsEveryGrade_data();
    void sampleYieldsEveryGrade();
};

namespace {

const QString SampleName = QStringLiteral("2004年房屋安全鉴定报告.had");
const QString LibraryName = QStringLiteral("ApprStandar.mdb");

// The words the component table's choice list offers.
const QStringList ChoiceParts = { "地基基础", "承重结构", "围护结构" };
const QStringList ChoiceStructures = { "地基", "基础", "砌体", "混凝土", "木结构", "钢结构", "简易结构" };

// The sample database, opened as the report window opens it.
struct Sample
{
    TestAppDir dir;
    Connection connection;
    DataSet reports { connection };
    DataSet components { connection };

    Sample()
    {
        HadFile::open(connection, copyOfBuilt(dir, SampleName));
        reports.open(HadFile::SelectAllReports);
        components.open("select * from CalcuData");
    }

    // The component rows of a report, each as its 8 column texts.
    QList<QStringList> componentRows(const QString &fileNo)
    {
        DataSet rows(connection);
        rows.open("select * from CalcuData where FileNo = :MainFileNo", { { "MainFileNo", fileNo } });
        return rows.columnTexts(HadFile::calcuDataColumns());
    }
};

// The declared width of every varchar(n) column of a Create Table statement.
QHash<QString, int> textWidths(const QString &createSql)
{
    QHash<QString, int> widths;
    static const QRegularExpression column(
        R"((\w+) varchar\((\d+)\))", QRegularExpression::CaseInsensitiveOption);
    auto it = column.globalMatch(createSql);
    while (it.hasNext()) {
        const auto match = it.next();
        widths.insert(match.captured(1), match.captured(2).toInt());
    }
    return widths;
}

void checkWidths(DataSet &set, const QString &createSql)
{
    const QHash<QString, int> widths = textWidths(createSql);
    QVERIFY(!widths.isEmpty());
    for (set.first(); !set.eof(); set.next()) {
        for (auto it = widths.begin(); it != widths.end(); ++it) {
            const QString text = set.asString(it.key());
            QVERIFY2(text.size() <= it.value(),
                qPrintable(QString("%1 of row %2 has %3 characters: %4")
                               .arg(it.key())
                               .arg(set.recNo())
                               .arg(text.size())
                               .arg(text)));
        }
    }
}

// Name and statement of every table, as the engine keeps them.
QStringList tableDefinitions(const Connection &connection)
{
    QStringList definitions;
    QSqlQuery tables
        = connection.run("select name, sql from sqlite_master where type = 'table' order by name");
    while (tables.next())
        definitions << tables.value(0).toString() + ": " + tables.value(1).toString();
    return definitions;
}

} // namespace

void TestSampleData::sampleHasTheProgramSchema()
{
    Sample sample;
    QCOMPARE(sample.reports.fieldNames(), HadFile::projectTabColumns());
    QCOMPARE(sample.components.fieldNames(), HadFile::calcuDataColumns());

    // The tables are the very ones the program's own file creation makes.
    const QString fresh = sample.dir.filePath("fresh.had");
    HadFile::createDatabaseFile(fresh);
    Connection reference;
    HadFile::open(reference, fresh);
    QCOMPARE(tableDefinitions(sample.connection), tableDefinitions(reference));
}

void TestSampleData::everyReportHasItsComponentRows()
{
    Sample sample;
    QVERIFY(sample.reports.recordCount() >= 8);

    QSet<QString> fileNos;
    for (sample.reports.first(); !sample.reports.eof(); sample.reports.next()) {
        const QString fileNo = sample.reports.asString("FileNo");
        QVERIFY2(!fileNo.isEmpty(), "report without number");
        QVERIFY2(!fileNos.contains(fileNo), qPrintable("number used twice: " + fileNo));
        fileNos.insert(fileNo);

        // Rows numbered 1, 2, ... in the order the table returns them.
        const QList<QStringList> rows = sample.componentRows(fileNo);
        QVERIFY2(!rows.isEmpty(), qPrintable("no component rows: " + fileNo));
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows.at(i).at(1), QString::number(i + 1));
    }

    // No component row belongs to a report that is not there.
    for (const QStringList &row : sample.components.columnTexts({ "FileNo" }))
        QVERIFY2(fileNos.contains(row.first()), qPrintable("row of no report: " + row.first()));
}

void TestSampleData::reportsAreFilledAsTheReportWindowStoresThem()
{
    Sample sample;
    const QStringList filled = { "FileNo", "Client", "LinkMan", "LinkPhone", "Address", "PropertyRightMan",
        "BldgPurpose", "BuildYear", "StrucStyle", "PlaneShape", "Layers", "PropertyRightAttr", "ApprPurpose",
        "ApprCircs", "ShatterReason0", "ApprConclusion", "DisposalAdvi", "Surveyor", "ApprUnit", "Appraiser",
        "Assessor", "AuthorizedMan" };
    const QStringList memos = { "ApprCircs", "ShatterReason0", "ApprConclusion", "DisposalAdvi" };
    const QStringList areas
        = { "BuildAreaHowff", "BuildAreaTrade", "BuildAreaGarage", "BuildAreaFactory", "BuildAreaOther" };
    // Columns 35 to 56 hold the report's page settings.
    const QStringList pageColumns = HadFile::projectTabColumns().mid(34, 22);
    QCOMPARE(pageColumns.first(), "PageStyle");
    QCOMPARE(pageColumns.last(), "PhoneWidth");

    DataSet &report = sample.reports;
    int id = 0;
    for (report.first(); !report.eof(); report.next()) {
        const QString fileNo = report.asString("FileNo");
        QCOMPARE(report.asInteger("ID"), ++id);
        for (const char *never : { "version", "DangerCircs", "ShatterReason" })
            QVERIFY2(report.isNull(never), qPrintable(fileNo + ": " + never + " is set"));
        for (const QString &column : filled)
            QVERIFY2(!report.isNull(column), qPrintable(fileNo + ": " + column + " is null"));

        // Memos of several lines, each line ended by CR LF as the memo controls write them.
        for (const QString &column : memos) {
            const QString text = report.asString(column);
            QVERIFY2(!text.isEmpty(), qPrintable(fileNo + ": " + column + " is empty"));
            QVERIFY2(!QString(text).remove("\r\n").contains(QRegularExpression("[\r\n]")),
                qPrintable(fileNo + ": " + column + " has a line break other than CR LF"));
        }
        QVERIFY2(report.asString("ApprCircs").count("\r\n") >= 2, qPrintable(fileNo));

        const QDate trust = report.asDate("TrustDate");
        const QDate appraised = report.asDate("ApprDate");
        QVERIFY2(trust.year() == 2004 && appraised.year() == 2004, qPrintable(fileNo));
        QVERIFY2(trust <= appraised, qPrintable(fileNo));

        double area = 0;
        for (const QString &column : areas)
            area += report.asFloat(column);
        QVERIFY2(area > 0, qPrintable(fileNo + ": no floor area"));

        for (const QString &column : pageColumns)
            QVERIFY2(!report.isNull(column), qPrintable(fileNo + ": " + column + " is null"));
        LoadPageSettingsFromRow(report);
        QVERIFY2(Prompt::shown().isEmpty(), qPrintable(lastPromptText()));
        QVERIFY2(
            OutputProcess.CurrentPageSettings == TPageSettings(), qPrintable(fileNo + ": other page settings"));
    }
}

void TestSampleData::textsFitTheirColumns()
{
    Sample sample;
    checkWidths(sample.reports, HadFile::createProjectTabSql());
    checkWidths(sample.components, HadFile::createCalcuDataSql());
}

void TestSampleData::componentCountsAreReadable()
{
    Sample sample;
    const auto rows = sample.components.columnTexts(
        { "FileNo", "BldgConstitute", "ComponentName", "ComponentTotal", "DangerComponentNumber" });
    for (const QStringList &row : rows) {
        bool totalOk = false;
        bool dangerousOk = false;
        const int total = row.at(3).toInt(&totalOk);
        const int dangerous = row.at(4).toInt(&dangerousOk);
        QVERIFY2(totalOk && dangerousOk && total > 0 && dangerous >= 0 && dangerous <= total,
            qPrintable(row.join(" | ")));
        QVERIFY2(ChoiceParts.contains(row.at(1)), qPrintable(row.join(" | ")));
    }
}

void TestSampleData::sampleClausesExistInTheLibrary()
{
    Sample sample;
    Connection library;
    library.open(copyOfBuilt(sample.dir, LibraryName), { "ApprStandar" });
    const auto rows = sample.components.columnTexts({ "FileNo", "BldgConstitute", "ComponentStructure",
        "DangerComponentNumber", "correspondingFileItem" });
    for (const QStringList &row : rows) {
        const QString clause = row.at(4);
        // A row with dangerous components names the clause that makes them so.
        QCOMPARE(clause.isEmpty(), row.at(3) == "0");
        if (clause.isEmpty())
            continue;
        QSqlQuery found = library.run("select * from ApprStandar where Part = :Part and Struct = :Struct and "
                                      "\"No\" = :No",
            { { "Part", row.at(1) }, { "Struct", row.at(2) }, { "No", clause } });
        QVERIFY2(found.next(), qPrintable(row.join(" | ")));
    }
}

void TestSampleData::libraryCoversEveryChoice_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("structure");
    for (const QString &part : ChoiceParts)
        for (const QString &structure : ChoiceStructures)
            QTest::addRow("%s %s", qPrintable(part), qPrintable(structure)) << part << structure;
}

void TestSampleData::libraryCoversEveryChoice()
{
    QFETCH(QString, part);
    QFETCH(QString, structure);
    TestAppDir dir;
    Connection library;
    library.open(copyOfBuilt(dir, LibraryName), { "ApprStandar" });

    // The clause picker's own query.
    QSqlQuery clauses = library.run("select * from ApprStandar where Part like :MainFileNo and Struct like "
                                    ":MainFileNo1",
        { { "MainFileNo", part }, { "MainFileNo1", structure } });
    QSet<QString> numbers;
    while (clauses.next()) {
        const QString number = clauses.value("No").toString();
        QVERIFY(!number.isEmpty() && number.size() <= 20);
        QVERIFY(!clauses.value("FileItem").toString().isEmpty());
        QVERIFY2(!numbers.contains(number), qPrintable("clause listed twice: " + number));
        numbers.insert(number);
    }
    QVERIFY(!numbers.isEmpty());
}

void TestSampleData::sampleYieldsEveryGrade_data()
{
    // The grades the sample's component tables yield; the comments of
    // data/sample_reports.sql show the working.
    QTest::addColumn<QString>("fileNo");
    QTest::addColumn<QString>("grade");
    QTest::newRow("A, enclosure barely touched") << "2004-008"
                                                 << "A级";
    QTest::newRow("B, shares up to 5%") << "2004-015"
                                        << "B级";
    QTest::newRow("B, timber house") << "2004-027"
                                     << "B级";
    QTest::newRow("C, half of 0.125 rounds up") << "2004-036"
                                                << "C级";
    QTest::newRow("C, tie with D") << "2004-042"
                                   << "C级";
    QTest::newRow("D, largest degree") << "2004-057"
                                       << "D级";
    QTest::newRow("special D, foundation") << "2004-063"
                                           << "D";
    QTest::newRow("special D, load-bearing") << "2004-071"
                                             << "D";
    QTest::newRow("A, nothing dangerous") << "2004-088"
                                          << "A级";
    QTest::newRow("B, foundation at 5%") << "2004-095"
                                         << "B级";
}

void TestSampleData::sampleYieldsEveryGrade()
{
    QFETCH(QString, fileNo);
    QFETCH(QString, grade);
    Sample sample;
    const QList<ComponentRow> rows = ComponentRows::load(sample.connection, fileNo);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(EvaluateDangerGrade(CountDangerComponents(rows)).grade, grade);
}

QTEST_GUILESS_MAIN(TestSampleData)
#include "tst_sampledata.moc"
