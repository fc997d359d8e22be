#pragma once

#include "db/componentrows.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A component table kept as text outside a database (hadtool grade
// --table): UTF-8 (a leading byte order mark is skipped), one row per line,
// lines ended by LF or CR LF, cells separated by tabs and taken as they are.
// Missing cells at the end of a line are empty; an empty line is an empty
// row, which is not counted.
namespace ComponentTableFile {

// The rows of the text, numbered from 1. name is how messages call the
// file. Throws AppError for text that is not UTF-8 or a line with more cells
// than a row has.
QList<ComponentRow> parse(const QByteArray &bytes, const QString &name);

} // namespace ComponentTableFile
