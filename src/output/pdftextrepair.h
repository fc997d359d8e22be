#pragma once

#include <QString>

class PdfTextLog;

// Makes the text of a PDF file read back exactly as it was drawn, after
// Qt's PDF writer has written it: each face's map from glyph numbers to
// characters (its ToUnicode map) is rebuilt from the job's PdfTextLog, and a
// glyph drawn for another text than its number stands for (a face that
// draws two characters alike, both on the pages) carries its own text as
// marked content (ActualText).
namespace PdfTextRepair {

// Repairs the file at the path: the new maps and page contents are appended
// to it as an incremental update, so the time it takes does not grow with
// the pages. Throws AppError when the file cannot be read or written, or
// when its glyphs are not those the log recorded; the file is then not to
// be used.
void apply(const QString &path, const PdfTextLog &log);

// Throws AppError, with the system's reason where it gives one, when the
// file does not end as a PDF does: the PDF engine carries on when its
// writes fail (a full disk, the file size limit) and leaves a file cut short.
void requireComplete(const QString &path);

} // namespace PdfTextRepair
