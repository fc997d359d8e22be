#include "app/fontsubstitutes.h"

#include <QFont>

namespace {
const FontSubstitutes::Entry Entries[] = {
    {QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC")},
    {QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC")},
    {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
};
}

std::span<const FontSubstitutes::Entry> FontSubstitutes::table()
{
    return Entries;
}

void FontSubstitutes::install()
{
    for (const Entry &e : Entries)
        QFont::insertSubstitution(e.requested, e.installed);
}
