#pragma once

#include "db/reportfields.h"

#include <QString>

// A report's title: its number and address ("2004-008 广州市…"), each with
// its blanks simplified, or "鉴定报告" for a report with neither.
QString ReportTitle(const ReportTexts &texts);

// The name proposed for a report's PDF file: its title ("2004-008
// 广州市….pdf"), characters that a file name cannot hold replaced by "_",
// "鉴定报告.pdf" for a report with neither number nor address.
QString ProposedPdfName(const ReportTexts &texts);
