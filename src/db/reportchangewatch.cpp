#include "db/reportchangewatch.h"

#include "base/apperror.h"
#include "db/connection.h"
#include "db/serverschema.h"

ReportChangeWatch::ReportChangeWatch(Connection &connection, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
{
    if (!connection.isServer())
        return;
    QSqlDriver *driver = connection.driver();
    if (!driver->subscribeToNotification(ServerSchema::NotificationChannel))
        throw AppError(QStringLiteral("不能接收服务器数据库 ") + connection.displayText()
            + QStringLiteral(" 上其他用户的修改通知。"));
    m_listening = true;
    connect(driver, &QSqlDriver::notification, this, &ReportChangeWatch::notified);
}

ReportChangeWatch::~ReportChangeWatch()
{
    if (m_listening && m_connection.isOpen())
        m_connection.driver()->unsubscribeFromNotification(ServerSchema::NotificationChannel);
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
