#pragma once

#include "db/reporttemplate.h"

#include <QString>

class TfrmChildWin;

// Report templates on a report window: its report and component table
// written into a template file, or filled from one.

// The folder Template under AppDir, created when it is missing (a folder
// that cannot be created is left to the file operation that needs it).
QString TemplateFolder();

// The template of what a window shows: each field from the control a
// template is written from, the table's lines with cells 1 to 6 (also what
// is being typed into a cell), without their line numbers.
ReportTemplate ReportTemplateOf(const TfrmChildWin &window);

// Puts a template into a window: each text through the window's own
// setter, so that mirrors, the list entry, the area total and Modified
// follow as after typing; then the table's row count becomes N and the
// cells of lines 1 to N - 1, columns 1 to 6, get the template's texts.
// Column 0 keeps its line numbers; lines added by a larger count have
// none. The report number, the dates and Memo1 are not touched, and
// nothing is written to the database. The report counts as modified
// afterwards (outside window opening) even where no text changed, so that
// a replaced table is never dropped without the save question.
void ApplyReportTemplate(TfrmChildWin &window, const ReportTemplate &value);

// Writes the window's report and component table as a template file,
// replacing an existing file once the new one is complete. Throws AppError.
void WriteReportTemplate(const TfrmChildWin &window, const QString &path);

// Fills the window's report and component table from a template file. The
// whole file is read and checked first: a file that cannot be read, or is
// no template or a damaged one ("文件格式不对..."), throws AppError before
// anything in the window changes.
void ReadReportTemplate(TfrmChildWin &window, const QString &path);
