#pragma once

#include <QObject>
#include <QSqlDriver>

class Connection;

// Hears when another program saves, appends or deletes a report in the same
// server database (the news that Connection::announceReportChange sends).
// The connection's own news is left out: the driver tells it by the sending
// server process. On a file there is nothing to hear; the watch stays quiet.
class ReportChangeWatch : public QObject
{
    Q_OBJECT

public:
    // Listens on the open connection, which must outlive the watch.
    // Throws AppError when the server refuses the subscription.
    explicit ReportChangeWatch(Connection &connection, QObject *parent = nullptr);
    ~ReportChangeWatch() override;

    bool isListening() const { return m_listening; }

signals:
    // rowId is the report's row id, or -1 when it is not known.
    void reportChanged(qint64 rowId);
    // The connection was lost and has been made again: what others did
    // meanwhile was not heard. Sent once the statement that connected has
    // ended (queued).
    void newsMissed();

private:
    void notified(const QString &channel, QSqlDriver::NotificationSource source, const QVariant &payload);

    Connection &m_connection;
    bool m_listening = false;
};
