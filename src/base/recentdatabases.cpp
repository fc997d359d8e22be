#include "base/recentdatabases.h"

#include "base/appsettings.h"
#include "base/inifile.h"

#include <QUrl>
#include <QUrlQuery>

namespace RecentDatabases {

namespace {

const QString Section = QStringLiteral("RecentFiles");

QString keyOf(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// Writes the whole list at once: either every key or, on a failure, none.
void write(const QStringList &locations)
{
    IniFile ini(configIniPath(), IniFile::WriteMode::OnCommit);
    if (ini.isUnreadable())
        return;
    for (int i = 0; i < MaxEntries; ++i)
        ini.writeString(Section, keyOf(i), i < locations.size() ? storedPath(locations.at(i)) : QString());
    ini.commit();
}

} // namespace

QStringList read()
{
    const IniFile ini(configIniPath());
    QStringList locations;
    for (int i = 0; i < MaxEntries; ++i) {
        const QString location = pathFromStored(ini.readString(Section, keyOf(i), QString()));
        if (!location.isEmpty() && !locations.contains(location))
            locations.append(location);
    }
    return locations;
}

void add(const QString &location)
{
    QStringList locations = read();
    locations.removeAll(location);
    locations.prepend(location);
    write(locations.mid(0, MaxEntries));
}

void remove(const QString &location)
{
    QStringList locations = read();
    if (locations.removeAll(location) > 0)
        write(locations);
}

bool isServerLocation(const QString &location)
{
    const QUrl url(location, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile() && location.contains(u"://");
}

QString displayText(const QString &location)
{
    if (!isServerLocation(location))
        return location;
    QUrl url(location, QUrl::StrictMode);
    QUrlQuery query(url);
    query.removeAllQueryItems(QStringLiteral("password"));
    url.setQuery(query);
    return url.toDisplayString(QUrl::RemovePassword);
}

} // namespace RecentDatabases
