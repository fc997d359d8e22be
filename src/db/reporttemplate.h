#pragma once

#include "db/componentrows.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Connection;
class DataSet;
struct ReportTexts;

// A report template (".Btp"): the texts of one report without its number,
// dates and page settings, and the lines of its component table without
// their line numbers.
//
// The file: bytes 55 AA, the version 3 as a 32-bit integer, 28 text records
// (the fields, in the order of columns()), the table's row count N with its
// header row, then (N + 1) x 7 cell records, row by row, columns 1 to 7.
// Integers are 32-bit signed little-endian; a text record is its byte count
// followed by that many bytes of code page 936 text, without terminator.
// Only the cells of rows 1 to N - 1 and columns 1 to 6 belong to the table;
// the other records are written empty and dropped on reading.
struct ReportTemplate
{
    // The ProjectTab columns of the 28 fields, in file order.
    static const QStringList &columns();
    // The report window's control a field is written from: the mirror where
    // the column has one (it always equals its request field), else the
    // control itself.
    static QString writtenFrom(const QString &column);
    // The controls a field is read into: the control and, where the column
    // has one, its mirror.
    static QStringList readInto(const QString &column);

    // The 28 field texts, in the order of columns(). Line breaks are CR LF,
    // as everywhere the program keeps text.
    QStringList texts = QStringList(columns().size());
    // The table's lines 1 to N - 1; cells 1 to 6 are used, cell 0 (the line
    // number) is not part of a template and stays empty.
    QList<ComponentRow> lines;

    // The text of a field by its column; empty for a column not in a template.
    QString text(const QString &column) const;
    void setText(const QString &column, const QString &text);

    // N: the table's row count with its header row.
    int rowCount() const { return int(lines.size()) + 1; }
    // Cell (column, row) of the table, row 1 being its first line: the text
    // a window puts there for 1 <= column <= 6 and 1 <= row <= N - 1, empty
    // for any other cell.
    QString cell(int column, int row) const;

    // The template of a report whose fields show the given texts and whose
    // table has the given lines (their line numbers are dropped).
    static ReportTemplate fromTexts(const ReportTexts &shown, QList<ComponentRow> lines);
    // The template of a stored report: the current row of a report data set
    // (its texts as the report window shows them) and the component rows
    // stored under its number. Throws AppError.
    static ReportTemplate fromStored(const DataSet &reports, const Connection &connection);

    bool operator==(const ReportTemplate &other) const = default;
};

namespace ReportTemplateFile {

// The bytes of a template file. Lone LF line breaks are written as CR LF;
// characters code page 936 cannot express are written as '?'.
QByteArray encode(const ReportTemplate &value);
// Reads a whole template from its bytes, checking every count against what
// is left before it reads: a wrong magic number, a negative length, a record
// or a row count running past the end throw RecordFile::FormatError. The
// version is not checked; bytes after the last record are ignored.
ReportTemplate decode(const QByteArray &bytes);

// Writes a template file, replacing an existing file only once the new one
// is complete: a failed write leaves the old file as it was. Throws AppError.
void write(const QString &path, const ReportTemplate &value);
// Reads a template file whole. Throws AppError when the file cannot be read
// or is no template (RecordFile::FormatError).
ReportTemplate read(const QString &path);

} // namespace ReportTemplateFile
