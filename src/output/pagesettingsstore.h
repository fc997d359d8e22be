#pragma once

#include "output/outputstate.h"

class DataSet;

// Moves the process-wide page settings (OutputProcess.CurrentPageSettings) between
// their stores: the defaults for new reports in config.ini section
// "PageSetup", and each report's own copy in its ProjectTab row.

// Reads the 22 keys; a missing or non-numeric key gives its initial value.
void LoadPageDefaults();
// Writes the 22 keys (the orientation under "Orientation"). Throws AppError
// when config.ini cannot be written.
void SavePageDefaults();
// Reads the 22 columns of the data set's current row (NULL reads as 0 or an
// empty text). On a failure shows "读当前项目的页面设置数据错误!"; the fields
// read before it keep their new values.
void LoadPageSettingsFromRow(DataSet &dataSet);
// Puts the data set into edit state and assigns the 22 columns; does not
// post. On a failure shows "写当前项目的页面设置到数据库错误!".
void StorePageSettingsToRow(DataSet &dataSet);
// The defaults for new reports (LoadPageDefaults) become the current page
// settings and are stored into the data set's current row
// (StorePageSettingsToRow).
void StorePageDefaultsToRow(DataSet &dataSet);
// All 22 fields back to their built-in initial values.
void ResetPageSettingsToInitial();
