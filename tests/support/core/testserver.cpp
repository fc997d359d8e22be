#include "testserver.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

#include <stdexcept>

namespace {

QString readState(const QString &name)
{
    const QString state = qEnvironmentVariable("APPRAISAL_TEST_PG_STATE");
    if (state.isEmpty())
        return {};
    QFile file(QDir(state).filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

QString serverUrl()
{
    const QString url = qEnvironmentVariable("APPRAISAL_TEST_PG_URL");
    return url.isEmpty() ? readState(QStringLiteral("url")) : url;
}

QString withDatabase(const QString &url, const QString &database, const QString &user)
{
    QUrl changed(url);
    changed.setPath(u'/' + database);
    if (!user.isEmpty())
        changed.setUserName(user);
    return changed.toString();
}

// Runs statements through a connection of the test's own.
void runAdmin(const QString &url, const QString &sql)
{
    const QString name = QStringLiteral("test-server-admin");
    {
        const QUrl parsed(url);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(QUrlQuery(parsed).queryItemValue(QStringLiteral("host")));
        db.setPort(parsed.port());
        db.setDatabaseName(parsed.path().mid(1));
        db.setUserName(parsed.userName());
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        QSqlQuery query(db);
        if (!query.exec(sql))
            throw std::runtime_error((sql + u'\n' + query.lastError().text()).toStdString());
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

QString TestServerDatabase::unavailableReason()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("Qt's PostgreSQL driver QPSQL is not installed");
    if (!serverUrl().isEmpty())
        return {};
    const QString skip = readState(QStringLiteral("skip"));
    return skip.isEmpty() ? QStringLiteral("no test server: APPRAISAL_TEST_PG_URL is not set") : skip;
}

TestServerDatabase::TestServerDatabase()
    : m_name(QStringLiteral("test_") + QUuid::createUuid().toString(QUuid::Id128))
{
    runAdmin(serverUrl(), QStringLiteral("create database ") + m_name);
}

TestServerDatabase::~TestServerDatabase()
{
    try {
        runAdmin(serverUrl(), QStringLiteral("drop database if exists %1 with (force)").arg(m_name));
    } catch (const std::exception &e) {
        qWarning("cannot drop the test database %s: %s", qPrintable(m_name), e.what());
    }
}

QString TestServerDatabase::url(const QString &user) const
{
    return withDatabase(serverUrl(), m_name, user);
}

void TestServerDatabase::admin(const QString &sql) const
{
    runAdmin(url(), sql);
}
