#include "db/reportchangewatch.h"

#include "db/connection.h"
#include "db/serverschema.h"

ReportChangeWatch::ReportChangeWatch(Connection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
{
    if (!connection.isServer())
        return;
    // The connection subscribes again whenever it connects again; the
    // driver stays the same.
    connection.subscribe(ServerSchema::NotificationChannel);
    m_listening = true;
    connect(connection.driver(), &QSqlDriver::notification, this, &ReportChangeWatch::notified);
    connection.setReconnectedHook(
        [this] { QMetaObject::invokeMethod(this, &ReportChangeWatch::newsMissed, Qt::QueuedConnection); });
}

ReportChangeWatch::~ReportChangeWatch()
{
    m_connection.setReconnectedHook({});
    if (m_listening && m_connection.isOpen())
        m_connection.unsubscribe(ServerSchema::NotificationChannel);
}

void ReportChangeWatch::notified(
    const QString &channel, QSqlDriver::NotificationSource source, const QVariant &payload)
{
    if (channel != ServerSchema::NotificationChannel || source == QSqlDriver::SelfSource)
        return;
    bool ok = false;
    const qint64 rowId = payload.toString().toLongLong(&ok);
    emit reportChanged(ok ? rowId : -1);
}
