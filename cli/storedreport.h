#pragma once

#include "db/connection.h"
#include "db/dataset.h"

#include <QString>

#include <optional>

class Arguments;

// Which stored report a command acts on: "--index N" (zero-based position
// in query order) or "--file-no NO" (the first report with that number).
struct ReportChoice
{
    std::optional<int> index;
    std::optional<QString> fileNo;

    // Takes the two options; exactly one must be given (UsageError).
    static ReportChoice take(Arguments &arguments);
};

// A .had file opened for reading only, with its report query ("select *
// from ProjectTab") on the chosen report.
class StoredReport
{
public:
    // Throws AppError when the file cannot be read or holds no such report.
    StoredReport(const QString &path, const ReportChoice &choice);
    // Every report of the file in turn, starting with the first (reports()
    // is empty for an empty file).
    explicit StoredReport(const QString &path);

    const QString &path() const { return m_path; }
    Connection &connection() { return m_connection; }
    DataSet &reports() { return m_reports; }

private:
    QString m_path;
    Connection m_connection;
    DataSet m_reports { m_connection };
};

// The absolute form of a path given on the command line; empty when it is
// empty.
QString absolutePath(const QString &path);
