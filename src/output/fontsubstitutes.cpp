#include "output/fontsubstitutes.h"

#include <QFont>

namespace {

const QString SongFace = QStringLiteral("Noto Serif CJK SC");
const QString HeiFace = QStringLiteral("Noto Sans CJK SC");

struct Entry
{
    QString requested;
    QStringList installed;
};

const Entry Entries[] = {
    { QStringLiteral("宋体"), { SongFace } },
    { QStringLiteral("黑体"), { HeiFace } },
    { QStringLiteral("Times New Roman"), { QStringLiteral("Liberation Serif"), SongFace } },
};

} // namespace

QStringList FontSubstitutes::families(const QString &requested)
{
    for (const Entry &e : Entries) {
        if (e.requested == requested)
            return e.installed;
    }
    return { requested, SongFace };
}

void FontSubstitutes::install()
{
    for (const Entry &e : Entries)
        QFont::insertSubstitutions(e.requested, e.installed);
}
