#pragma once

#include "db/componentrows.h"
#include "db/dataset.h"
#include "db/reportfields.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The unsaved edits of one report window: its report's fields as the
// controls hold them and its component table. While a window holds
// unsaved edits it keeps one such record in the program folder's Temp
// folder, so that a crash or a power cut loses nothing typed before the
// record was last written; the next start offers the records it finds.
//
// On disk a record is a small JSON document that names its database and
// report, so that it can be described without opening anything.
struct RecoveryRecord
{
    QString database; // the window's database file
    bool newReport = false; // appended in the window, never stored
    DataSet::Bookmark row = DataSet::NoBookmark; // the stored report's row
    QString storedNumber; // the stored report's number
    ReportTexts texts; // every bound column, dates included
    QList<ComponentRow> rows; // the component table
    QDateTime written;

    QByteArray toJson() const;
    // Throws AppError "恢复记录 <path> 已损坏: <reason>" for anything that is
    // not a whole record.
    static RecoveryRecord fromJson(const QByteArray &json, const QString &path);
};

namespace RecoveryRecords {

// Where a program folder keeps its records: its Temp folder.
QString folder(const QString &appDir);
// A record file name in that folder that no other window of any run uses.
QString newPath(const QString &appDir);
// The record files in the folder, oldest first.
QStringList found(const QString &appDir);

// Written whole or not at all (the previous record stays on a failure),
// into a folder made when missing.
// Throws AppError with the path and the system's reason.
void write(const QString &path, const RecoveryRecord &record);
// Throws AppError for an unreadable or damaged record.
RecoveryRecord read(const QString &path);
// Removes a record; one that is already gone is fine. Throws AppError when
// the file stays.
void remove(const QString &path);

// Where the report of a record stands now.
enum class Target {
    Report, // the stored report is there
    NewReport, // the edits were for a report never stored
    MissingDatabase, // the database file is gone
    DeletedReport, // the report is no longer in the database
};
// Reads the database without changing it. Throws AppError when it exists
// but cannot be read.
Target target(const RecoveryRecord &record);

} // namespace RecoveryRecords
