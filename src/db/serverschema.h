#pragma once

#include <QString>
#include <QStringList>

class Connection;

// The appraisal database on a PostgreSQL server: the tables of a .had file
// with the types the server needs.
//  - ProjectTab.ID and CalcuData.ID are identity columns; they order the
//    rows as they were stored (CalcuData's exists on the server only).
//  - DATETIME columns keep the text a file holds ("2004-05-01" or
//    "2004-05-01T08:30:00"), in a domain named datetime that tells their
//    meaning; a copy to the server and back gives the very same text.
//  - ProjectTab.version is an integer (in a file: varchar(20)); null
//    reads as 0.
//  - The columns that files get later (GradeStandard, GroundDangerous) are
//    there from the start.
namespace ServerSchema {

// The channel on which programs tell each other that reports changed.
inline const QString NotificationChannel = QStringLiteral("appraisal_reports");

// The statements that create the schema, in order.
QStringList createStatements();

// Creates the schema in the database the URL names, which must not hold
// ProjectTab or CalcuData yet. Throws AppError.
void create(const QString &url);

} // namespace ServerSchema
