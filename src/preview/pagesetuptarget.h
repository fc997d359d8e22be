#pragma once

#include <functional>

class DataSet;

// What the page setup dialog needs of an open print preview window: the
// preview implements it (or wraps itself in it) and the opener hands it over
// while the preview window exists.
class PreviewHooks
{
public:
    virtual ~PreviewHooks() = default;

    // Lays the preview out anew for the current page settings: printer
    // set-up, picture size and page files. Leaves the repainting suspended
    // and the page picture hidden; the dialog restores both once it has
    // closed. Reports its own failures.
    virtual void relayout() = 0;
    virtual void setPictureVisible(bool visible) = 0;
    virtual void setRepaintingSuspended(bool suspended) = 0;
};

// The report whose page settings the dialog edits, given by its opener.
struct PageSetupTarget
{
    // The active report window's query over its reports, positioned on the
    // report shown; 确定 stores the settings into its current row.
    DataSet *reports = nullptr;
    // Sets the active report window's Modified flag.
    std::function<void()> markModified;
    // The preview window opened last, or null when there is none.
    PreviewHooks *preview = nullptr;
};
