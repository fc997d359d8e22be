#pragma once

#include <QString>

#include <functional>

// Copying an archive of reports between databases, file or server, in
// either direction: every report row with every column, in the order the
// reports were stored, and every component row.
namespace ReportCopy {

enum class Mode {
    // The target is new (a file that does not exist yet, a server database
    // without tables) or holds no rows; reports keep their ID.
    NewOrEmpty,
    // The reports are added after those the target holds; they get new IDs.
    Append,
};

// Called after each report copied: done of total.
using Progress = std::function<void(int done, int total)>;

// Copies all or nothing: the target's one transaction (a new file appears
// only when complete). A column of the source that the target lacks is
// refused when it holds a value. Returns the number of reports copied.
// Throws AppError naming what went wrong.
int copy(const QString &source, const QString &target, Mode mode, const Progress &progress = {});

} // namespace ReportCopy
