#pragma once

#include <span>

// The main window's menus and commands as data: names (the objectName of
// each menu and action), captions, hints, shortcuts, menu order with its
// separator lines, the tool bar's order, and which commands need an open
// report window. The main window builds its menus and tool bar from here.
namespace CommandTable {

struct Menu
{
    const char *name;
    const char *caption;
    const char *hint;
};

enum class Check {
    None, // not a checked item
    Toggles, // each use flips the check
    SetByHandler, // the command's handler decides the check
};

struct Command
{
    const char *name; // null: a separator line in `menu`
    const char *menu; // null: in no menu (shortcut-only or run by a dialog)
    const char *caption = "";
    const char *hint = "";
    const char *shortcut = ""; // portable key sequence text
    bool needsReportWindow = false;
    Check check = Check::None;
    bool checkedAtStart = false;
};

// The menus in menu bar order.
std::span<const Menu> menus();
// Every command, in menu order (commands outside the menus at the end of
// their group), with the separator lines.
std::span<const Command> commands();
// The tool bar's buttons in order.
struct ToolButton
{
    const char *command; // null: a separator
    const char *icon;    // icon theme name
};
std::span<const ToolButton> toolBar();

} // namespace CommandTable
