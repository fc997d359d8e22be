#pragma once

#include <QString>

#include <span>

// The Windows font names that the reports and windows ask for, mapped to the
// faces installed on Linux (Noto CJK and a face with Times metrics).
namespace FontSubstitutes {

struct Entry
{
    QString requested;
    QString installed;
};

// The table: "宋体", "黑体" and "Times New Roman".
std::span<const Entry> table();

// Registers the table with Qt's font matching; call once, after the
// QGuiApplication exists.
void install();

} // namespace FontSubstitutes
