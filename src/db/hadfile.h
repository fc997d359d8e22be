#pragma once

#include "db/connection.h"

#include <QString>
#include <QStringList>

class DataSet;

// The appraisal database file (.had): an SQLite file with the tables
// ProjectTab (one row per report) and CalcuData (the rows of the reports'
// component tables).
namespace HadFile {

inline const QString ProjectTab = QStringLiteral("ProjectTab");
inline const QString CalcuData = QStringLiteral("CalcuData");

// The ProjectTab column that counts the saves of each report.
inline const QString VersionColumn = QStringLiteral("version");

// The statement of the report query before any search.
inline const QString SelectAllReports = QStringLiteral("select * from ProjectTab");

// The columns of the report list: number, address, owner, client.
inline const QStringList ReportListColumns = { QStringLiteral("FileNo"), QStringLiteral("Address"),
    QStringLiteral("PropertyRightMan"), QStringLiteral("Client") };

// The statements that create the two tables.
const QString &createProjectTabSql();
const QString &createCalcuDataSql();

// Column names of the two tables, in table order (57 and 8).
const QStringList &projectTabColumns();
const QStringList &calcuDataColumns();

// The columns of ProjectTab beyond the original 57 that record how a report
// is graded, each as "Name type": GradeStandard varchar(20) (null or "1999":
// JGJ 125-99, "2016": JGJ 125-2016) and GroundDangerous int (null or 0: the
// ground is not dangerous, else dangerous). A file made by an older program
// lacks them; reading takes a missing column as null.
const QStringList &gradeColumnDefinitions();

// Gives the report set's table the grade columns it lacks; a table that has
// them is left as it is. Meant for the transaction of the save that first
// stores a value in them: a file that only is read never changes. Throws
// AppError.
void addGradeColumns(DataSet &reports);

// Creates both tables on an open connection, as one transaction.
void createTables(Connection &connection);

// Creates a new .had file with both tables and no rows. The file must not
// exist. The file appears complete or not at all: it is built under a
// temporary name beside it. Throws AppError with the path and the engine's
// text.
void createDatabaseFile(const QString &path);

// The same over an existing file, which is replaced only while no
// connection of any program has it open; false (nothing changed) when it is
// in use. Throws AppError.
bool replaceDatabaseFile(const QString &path);

// Opens an existing .had file; refuses, untouched, a file that is not one
// (not SQLite, or a table or column missing). Reading (listing, grading,
// printing from the command line) opens it ReadOnly. A ReadWrite open of a
// file the user may only read gives a read-only connection.
void open(
    Connection &connection, const QString &path, Connection::Access access = Connection::Access::ReadWrite);

} // namespace HadFile
