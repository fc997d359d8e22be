#pragma once

#include <QString>
#include <QStringList>

// The Windows font names that the reports and windows ask for, mapped to the
// faces installed on Linux (Noto CJK and a face with Times metrics).
//
// Chinese characters are always drawn in a Simplified Chinese face, named
// explicitly: left to the system's fallback they take whatever face the
// locale prefers (the Japanese forms of Noto CJK under LANG=C).
namespace FontSubstitutes {

// The installed faces for a requested face ("宋体", "黑体", "Times New
// Roman"), in the order they are tried for each character: the face itself,
// then, for the Latin face, the Song face, as Windows links 宋体 to Times New
// Roman. A face not among the three is tried itself, then the Song face.
QStringList families(const QString &requested);

// Registers the table with Qt's font matching, for the windows' own fonts;
// call once, after the QGuiApplication exists.
void install();

} // namespace FontSubstitutes
