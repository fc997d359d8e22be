#pragma once

#include "db/componentrows.h"
#include "db/dataset.h"

#include <QList>
#include <QString>

#include <functional>

class Connection;
class DataSet;

// The data module: creates appraisal database files and runs the record
// operations of a report window on its report data set. One instance lives
// for the whole run; it holds no connection between calls.
class TFrm_DataModule
{
public:
    TFrm_DataModule();
    ~TFrm_DataModule();
    TFrm_DataModule(const TFrm_DataModule &) = delete;
    TFrm_DataModule &operator=(const TFrm_DataModule &) = delete;

    // The instance created at start-up, or null before start-up.
    static TFrm_DataModule *instance();

    // Creates an empty .had file with both tables. An existing file is
    // replaced only after the user agreed and only when no connection of
    // this or another program has it open. Returns false when the user
    // declined or the old file could not be deleted (the user was told);
    // throws AppError with the path and the engine's text when creating
    // fails, and for an empty path or a folder before anything is asked.
    bool CreateDatabase(const QString &path);

    // Appends a new row and lets the caller fill its page columns with the
    // new report's page defaults; it stays in the append state (the caller
    // posts it). A row being edited is posted first.
    bool AppendReport(DataSet &dataSet, const std::function<void(DataSet &)> &storePageDefaults);
    // Posts the report row being edited or appended and makes the given
    // rows the component rows stored under its number, as one transaction:
    // after a failure (or a crash) the file holds the old report with its
    // old rows, and the data set is as it was before. A report saved or
    // deleted elsewhere since it was loaded is refused with RowConflict
    // (its rows untouched). Throws AppError.
    void PostReport(DataSet &dataSet, const QList<ComponentRow> &rows);
    // Deletes the current row without asking; false (with a warning) when
    // the set is empty. A report saved elsewhere since it was loaded is
    // deleted only when told so, else refused with RowConflict.
    bool DeleteReport(DataSet &dataSet, DataSet::IfChanged ifChanged = DataSet::IfChanged::Refuse);
    // The wanted report number when no report uses it, else the first of
    // wanted-2, wanted-3, ... (cut to the column's 20 characters) that none
    // uses: a report stored under it takes no other report's component rows.
    static QString UnusedReportNumber(const Connection &connection, const QString &wanted);

    // Moves that post a row being edited first. A failing move is reported
    // with "移动记录错误!" and returns false; a lost server connection is
    // thrown on (ConnectionLost) for the command to tell.
    bool MoveFirst(DataSet &dataSet);
    bool MovePrior(DataSet &dataSet);
    bool MoveNext(DataSet &dataSet);
    bool MoveLast(DataSet &dataSet);
    // Goes to the first row and n rows forward (row n + 1, zero-based n);
    // past the end the last row stays current.
    bool MoveToReport(DataSet &dataSet, int n);
};
