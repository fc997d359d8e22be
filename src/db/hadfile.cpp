#include "db/hadfile.h"

#include "db/connection.h"
#include "db/dataset.h"

#include <QRegularExpression>

namespace {

// SQLite keeps a value as it was given only in a column of the right
// affinity, so two types differ from the original statement: the engine's
// identity column is an INTEGER PRIMARY KEY AUTOINCREMENT (numbered 1, 2, 3
// and never reused), and Memo is TEXT (a "Memo" column would have numeric
// affinity and turn "00123" into 123). DATETIME columns hold ISO text
// ("2004-05-01T08:30:00"), which numeric affinity leaves as it is.
const QString CreateProjectTab = QStringLiteral(
    "Create Table ProjectTab (ID INTEGER PRIMARY KEY AUTOINCREMENT,FileNo varchar(20),Client varchar(40),"
    "TrustDate DATETIME,LinkMan varchar(10),LinkPhone varchar(20),Address varchar(60),"
    "PropertyRightMan varchar(60),BldgPurpose varchar(20),BuildYear varchar(12),StrucStyle varchar(20),"
    "BuildAreaHowff float,BuildAreaTrade float,BuildAreaGarage float,BuildAreaFactory float,"
    "BuildAreaOther float,PlaneShape varchar(20),Layers varchar(10),PropertyRightAttr varchar(10),"
    "PropertyRightCertificate varchar(30),Memory varchar(60),ApprPurpose varchar(40),DangerCircs TEXT,"
    "ApprCircs TEXT,ShatterReason0 TEXT,ShatterReason TEXT,ApprConclusion TEXT,DisposalAdvi TEXT,"
    "Surveyor varchar(20),ApprUnit varchar(20),Appraiser varchar(20),Assessor varchar(20),"
    "AuthorizedMan varchar(20),ApprDate DATETIME,PageStyle varchar(20),PageWidth int,PageHeight int,"
    "PageOrientation int,TopMargin int,BottomMargin int,LeftMargin int,RightMargin int,FooterMargin int,"
    "CovOffsetRightSpace int,CovOffsetBottomSpace int,CovRowSpace int,CovPrnSelAppraisor int,"
    "CovPrnSelAssessor int,CovPrnSelAuthorizedMan int,ApprCircsRowCount int,ShatterReasonRowCount int,"
    "ApprConclusionRowCount int,DisposalAdviRowCount int,RowMaxCharCount int,ClientWidth int,"
    "PhoneWidth int,version varchar(20))");

const QString CreateCalcuData = QStringLiteral(
    "Create Table CalcuData (FileNo varchar(20),PartNumber varchar(20),BldgConstitute varchar(20),"
    "ComponentName varchar(20),ComponentStructure varchar(20),ComponentTotal varchar(20),"
    "DangerComponentNumber varchar(20),correspondingFileItem varchar(20))");

// The column names, in order, of a Create Table statement.
QStringList columnsOf(const QString &createSql)
{
    const qsizetype open = createSql.indexOf(u'(');
    const QString body = createSql.mid(open + 1, createSql.size() - open - 2);
    QStringList names;
    static const QRegularExpression definition(QStringLiteral(R"((?:^|,)\s*(\w+)\s+[A-Za-z])"));
    auto it = definition.globalMatch(body);
    while (it.hasNext())
        names.append(it.next().captured(1));
    return names;
}

} // namespace

namespace HadFile {

const QString &createProjectTabSql()
{
    return CreateProjectTab;
}

const QString &createCalcuDataSql()
{
    return CreateCalcuData;
}

const QStringList &projectTabColumns()
{
    static const QStringList columns = columnsOf(CreateProjectTab);
    return columns;
}

const QStringList &calcuDataColumns()
{
    static const QStringList columns = columnsOf(CreateCalcuData);
    return columns;
}

const QStringList &gradeColumnDefinitions()
{
    static const QStringList definitions
        = { QStringLiteral("GradeStandard varchar(20)"), QStringLiteral("GroundDangerous int") };
    return definitions;
}

void addGradeColumns(DataSet &reports)
{
    reports.addColumns(gradeColumnDefinitions());
}

void createTables(Connection &connection)
{
    connection.transaction([&] {
        connection.execute(CreateProjectTab);
        connection.execute(CreateCalcuData);
    });
}

void createDatabaseFile(const QString &path)
{
    Connection::createFile(path, createTables);
}

bool replaceDatabaseFile(const QString &path)
{
    return Connection::createFile(path, createTables, Connection::Replace::WhenUnused);
}

void open(Connection &connection, const QString &path, Connection::Access access)
{
    static const Connection::RequiredColumns columns
        = { { ProjectTab, projectTabColumns() }, { CalcuData, calcuDataColumns() } };
    connection.open(path, {}, access, columns);
}

} // namespace HadFile
