#include "db/serverpasswords.h"

#include "db/databaselocation.h"

#include <QHash>

namespace {

QHash<QString, QString> &passwords()
{
    static QHash<QString, QString> byLocation;
    return byLocation;
}

QString key(const QString &location)
{
    return DatabaseLocation::parse(location).displayText();
}

} // namespace

void ServerPasswords::set(const QString &location, const QString &password)
{
    passwords().insert(key(location), password);
}

QString ServerPasswords::find(const QString &location)
{
    return passwords().value(key(location));
}

void ServerPasswords::forget(const QString &location)
{
    passwords().remove(key(location));
}
