#include "db/databaselocation.h"

#include "base/apperror.h"

#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString Schemes[] = { QStringLiteral("postgresql://"), QStringLiteral("postgres://") };

AppError badUrl(const QString &text, const QString &why)
{
    return AppError(QStringLiteral("服务器数据库地址 ") + text + QStringLiteral(" 不正确: ") + why);
}

// A value in libpq's connection string: quoted, with quotes and
// backslashes escaped.
QString quotedValue(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + escaped + u'\'';
}

int portNumber(const QString &text, const QString &url)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        throw badUrl(url, QStringLiteral("端口 ") + text + QStringLiteral(" 不是 1 到 65535 之间的数"));
    return port;
}

} // namespace

bool DatabaseLocation::looksLikeServer(const QString &text)
{
    for (const QString &scheme : Schemes)
        if (text.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    return false;
}

QString DatabaseLocation::identity(const QString &text)
{
    if (!looksLikeServer(text))
        return QFileInfo(text).absoluteFilePath();
    try {
        return parse(text).displayText();
    } catch (const AppError &) {
        return text; // not a URL that can be opened: kept as written
    }
}

QString DatabaseLocation::serverUrl(
    const QString &host, int port, const QString &database, const QString &user)
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    // A socket folder is no host name: it goes into the host parameter,
    // which stands in for the URL's host.
    const bool socketFolder = host.startsWith(u'/');
    url.setHost(socketFolder ? QStringLiteral("localhost") : host);
    if (port > 0)
        url.setPort(port);
    if (!user.isEmpty())
        url.setUserName(user);
    url.setPath(u'/' + database);
    if (socketFolder)
        url.setQuery(QUrlQuery({ { QStringLiteral("host"), host } }));
    return url.toString(QUrl::FullyEncoded);
}

DatabaseLocation DatabaseLocation::parse(const QString &text)
{
    DatabaseLocation location;
    location.m_text = text;
    if (!looksLikeServer(text))
        return location;
    location.m_server = true;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        throw badUrl(text, url.errorString());
    location.m_host = url.host(QUrl::FullyDecoded);
    if (url.port() != -1)
        location.m_port = url.port();
    location.m_database = url.path(QUrl::FullyDecoded).mid(1);
    location.m_user = url.userName(QUrl::FullyDecoded);
    location.m_password = url.password(QUrl::FullyDecoded);
    bool timeoutGiven = false;
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == u"host")
            location.m_host = value;
        else if (key == u"port")
            location.m_port = portNumber(value, text);
        else if (key == u"dbname")
            location.m_database = value;
        else if (key == u"user")
            location.m_user = value;
        else if (key == u"password")
            location.m_password = value;
        else if (key.isEmpty() || value.contains(u';'))
            throw badUrl(text, QStringLiteral("参数 ") + key + QStringLiteral(" 不正确"));
        else
            location.m_options.append({ key, value });
        timeoutGiven = timeoutGiven || key == u"connect_timeout";
    }
    if (!timeoutGiven)
        location.m_options.append(
            { QStringLiteral("connect_timeout"), QString::number(DefaultConnectTimeoutSeconds) });
    return location;
}

QString DatabaseLocation::displayText() const
{
    if (!m_server)
        return m_text;
    QUrl url(m_text);
    url.setPassword(QString());
    QUrlQuery query(url);
    query.removeAllQueryItems(QStringLiteral("password"));
    url.setQuery(query);
    return url.toString(QUrl::RemovePassword);
}

QString DatabaseLocation::connectOptions() const
{
    QStringList words;
    for (const auto &[key, value] : m_options)
        words.append(key + u'=' + quotedValue(value));
    return words.join(u';');
}
