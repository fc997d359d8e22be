#include "db/connection.h"

#include "app/apperror.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QUrl>

namespace {

constexpr int BusyTimeoutMs = 10000;
// SQLite's result code for a file that is not a database.
const QString NotADatabaseCode = QStringLiteral("26");

// Canonical paths of the files open in this program, with their number of
// connections.
QHash<QString, int> &openFiles()
{
    static QHash<QString, int> files;
    return files;
}

QString uniqueConnectionName()
{
    static quint64 counter = 0;
    return QStringLiteral("had-connection-%1").arg(++counter);
}

QString notOurDatabase(const QString &path)
{
    return QStringLiteral("文件 ") + path + QStringLiteral(" 不是本系统的数据库!");
}

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

QString withUnqualifiedSetColumns(const QString &sql)
{
    static const QRegularExpression update(
        QStringLiteral(R"(^\s*update\s+(\w+)\s+set\s)"), QRegularExpression::CaseInsensitiveOption);
    const auto match = update.match(sql);
    if (!match.hasMatch())
        return sql;
    static const QRegularExpression where(
        QStringLiteral(R"(\swhere\s)"), QRegularExpression::CaseInsensitiveOption);
    const auto whereMatch = where.match(sql, match.capturedEnd());
    const qsizetype setEnd = whereMatch.hasMatch() ? whereMatch.capturedStart() : sql.size();
    QString setList = sql.mid(match.capturedEnd(), setEnd - match.capturedEnd());
    const QRegularExpression qualifier(QStringLiteral(R"(\b%1\.(\w+\s*=))").arg(match.captured(1)),
        QRegularExpression::CaseInsensitiveOption);
    setList.replace(qualifier, QStringLiteral("\\1"));
    return sql.left(match.capturedEnd()) + setList + sql.mid(setEnd);
}

QString engineErrorText(const QSqlError &error)
{
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.isEmpty() ? QStringLiteral("Unknown database error") : text;
}

QString toPositionalParameters(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        QChar closing;
        if (c == u'\'' || c == u'"' || c == u'`')
            closing = c;
        else if (c == u'[')
            closing = u']';
        if (!closing.isNull()) {
            const qsizetype end = sql.indexOf(closing, i + 1);
            const qsizetype stop = end < 0 ? n : end + 1;
            out += sql.mid(i, stop - i);
            i = stop;
            continue;
        }
        if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? n : end;
            out += sql.mid(i, stop - i);
            i = stop;
            continue;
        }
        if (c == u':' && i + 1 < n && isIdentifierStart(sql.at(i + 1)) && (i == 0 || sql.at(i - 1) != u':')) {
            qsizetype end = i + 1;
            while (end < n && isIdentifierChar(sql.at(end)))
                ++end;
            names->append(sql.mid(i + 1, end - i - 1));
            out += u'?';
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

Connection::Connection()
    : m_name(uniqueConnectionName())
{ }

Connection::~Connection()
{
    close();
}

void Connection::open(const QString &path, const QStringList &requiredTables, Access access)
{
    close();
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(QStringLiteral("数据库文件 ") + path + QStringLiteral(" 不存在!"));
    if (!info.isFile())
        throw AppError(notOurDatabase(path));
    connect(path, access == Access::ReadOnly ? QStringLiteral("ro") : QStringLiteral("rw"));
    prepare(requiredTables, access);
}

void Connection::create(const QString &path)
{
    close();
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        throw AppError(QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在!"));
    connect(path, QStringLiteral("rwc"));
    prepare({}, Access::ReadWrite);
}

// Checks the tables the caller needs and switches to write-ahead logging, so
// that the report windows on one file do not lock each other out. A file
// that fails here is closed again.
void Connection::prepare(const QStringList &requiredTables, Access access)
{
    try {
        requireTables(requiredTables);
        if (access == Access::ReadOnly)
            return;
        run(QStringLiteral("PRAGMA journal_mode=WAL"));
        run(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } catch (...) {
        close();
        throw;
    }
}

void Connection::connect(const QString &path, const QString &mode)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with an explicit mode: "rw" and "ro" never create a missing file.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=") + mode);
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open()) {
        const QString reason = engineErrorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw AppError(QStringLiteral("不能打开数据库 ") + path + u'\n' + reason);
    }
    m_path = path;
    m_registeredPath = QFileInfo(path).canonicalFilePath();
    ++openFiles()[m_registeredPath];
}

void Connection::requireTables(const QStringList &tables) const
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("select name from sqlite_master where type = 'table'"))) {
        if (query.lastError().nativeErrorCode() == NotADatabaseCode)
            throw AppError(notOurDatabase(m_path));
        throw AppError(engineErrorText(query.lastError()));
    }
    QStringList present;
    while (query.next())
        present.append(query.value(0).toString());
    for (const QString &table : tables)
        if (!present.contains(table, Qt::CaseInsensitive))
            throw AppError(notOurDatabase(m_path));
}

void Connection::close()
{
    if (m_path.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    auto &files = openFiles();
    if (--files[m_registeredPath] <= 0)
        files.remove(m_registeredPath);
    m_path.clear();
    m_registeredPath.clear();
    m_transactionDepth = 0;
}

bool Connection::isOpen() const
{
    return !m_path.isEmpty();
}

QSqlDatabase Connection::database() const
{
    if (!isOpen())
        throw AppError(QStringLiteral("Connection is not open"));
    return QSqlDatabase::database(m_name, false);
}

QSqlQuery Connection::run(const QString &sql, const SqlParams &params) const
{
    QStringList names;
    const QString positional = toPositionalParameters(withUnqualifiedSetColumns(sql), &names);
    QHash<QString, QString> byName;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        byName.insert(it.key().toLower(), it.value());
    QVariantList values;
    for (const QString &name : names) {
        const auto value = byName.constFind(name.toLower());
        if (value == byName.cend())
            throw AppError(QStringLiteral("No value given for one or more required parameters."));
        // Parameters are texts: a null text is bound as an empty one, never as NULL.
        values.append(value->isNull() ? QStringLiteral("") : *value);
    }
    return runPositional(positional, values);
}

QSqlQuery Connection::runPositional(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw AppError(engineErrorText(query.lastError()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw AppError(engineErrorText(query.lastError()));
    return query;
}

int Connection::execute(const QString &sql, const SqlParams &params) const
{
    QSqlQuery query = run(sql, params);
    return query.numRowsAffected();
}

void Connection::transaction(const std::function<void()> &work)
{
    if (m_transactionDepth > 0) {
        work();
        return;
    }
    // IMMEDIATE takes the write lock at once, so a second connection waits
    // for it instead of failing half-way.
    execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_transactionDepth = 1;
    try {
        work();
        execute(QStringLiteral("COMMIT"));
        m_transactionDepth = 0;
    } catch (...) {
        m_transactionDepth = 0;
        try {
            execute(QStringLiteral("ROLLBACK"));
        } catch (const AppError &) {
            // The engine may already have rolled back; the first failure is the one to report.
        }
        throw;
    }
}

void Connection::checkpoint() const
{
    run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

void Connection::checkpointFile(const QString &path)
{
    if (!QFileInfo::exists(path + QStringLiteral("-wal")))
        return;
    Connection connection;
    connection.open(path);
    connection.checkpoint();
}

bool Connection::isFileOpen(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && openFiles().contains(canonical);
}
