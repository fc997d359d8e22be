#pragma once

#include <QList>
#include <QString>

#include <array>

class Connection;
class DataSet;

// One line of a report's danger-grade table, cell for cell as the component
// table shows it: 0 line number, 1 part of the building, 2 component,
// 3 structure, 4 number of components, 5 number of dangerous components,
// 6 clause. Stored as one CalcuData row under the report's number.
using ComponentRow = std::array<QString, 7>;

namespace ComponentColumn {
enum : int { Number = 0, Part, Name, Structure, Total, Dangerous, Clause };
}

// The component rows of the reports in a .had file. A report's rows are the
// CalcuData rows whose FileNo equals the report's number.
namespace ComponentRows {

// The CalcuData columns of cells 1 to 6.
const QList<QString> &cellColumns();

// The component table's column headers, cells 0 to 6.
const QList<QString> &headers();

// A cell as messages name it: line 3 and cell 5 give "第 3 行 危险构件数".
QString cellName(int line, int column);

// The rows stored under a report number, in the order the engine returns
// them, numbered 1, 2, ... in cell 0 (the stored PartNumber is not read).
// Throws AppError.
QList<ComponentRow> load(const Connection &connection, const QString &fileNo);

// Replaces the rows stored under a report number with the given ones (cell
// 0 is stored as PartNumber), all or nothing: when any statement fails, the
// old rows stay. Throws AppError.
void save(Connection &connection, const QString &fileNo, const QList<ComponentRow> &rows);

// Moves the rows stored under oldNo to newNo. Throws AppError.
void renumber(const Connection &connection, const QString &newNo, const QString &oldNo);

// From now on, a report row of the set posted with a changed number takes
// the rows stored under its old number along, in the post's transaction: a
// number typed and then dropped with the report's other edits moves
// nothing.
void followReportNumbers(DataSet &reports);

} // namespace ComponentRows
