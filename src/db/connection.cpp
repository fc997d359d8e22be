#include "db/connection.h"

#include "base/apperror.h"
#include "base/newfile.h"
#include "db/serverpasswords.h"
#include "db/serverschema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// How long replacing a file waits for another program's lock: long enough
// for a short read to end, short enough not to hang on a file kept open.
constexpr int ReplaceLockTimeoutMs = 1000;

// SQLite's result codes. Extended codes carry the primary code in their low
// byte.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteNotADatabase = 26;
constexpr int SqliteReadOnlyRollback = SqliteReadOnly | (3 << 8);

const QStringList JournalSuffixes
    = { QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal") };

// PostgreSQL's states (SQLSTATE) of a refused write.
const QString InsufficientPrivilege = QStringLiteral("42501");
const QString ReadOnlyTransaction = QStringLiteral("25006");
// The classes of states that end a session: 08 connection exception, 57P
// shutdown or crash of the server, a session timeout.
const QString ConnectionException = QStringLiteral("08");
const QString OperatorIntervention = QStringLiteral("57P");

// A failure of the engine: the engine's own text, and its result code
// (SQLite) or state (PostgreSQL).
class EngineError : public AppError
{
public:
    EngineError(const QString &message, const QString &reason, int code, const QString &state = {})
        : AppError(message)
        , reason(reason)
        , code(code)
        , state(state)
    { }
    int primaryCode() const { return code & 0xff; }

    QString reason; // the engine's text alone
    int code; // -1 on a server
    QString state; // empty for a file
};

int resultCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

EngineError engineError(const QSqlError &error, bool server)
{
    const QString reason = engineErrorText(error);
    if (server)
        return EngineError(reason, reason, -1, error.nativeErrorCode());
    return EngineError(reason, reason, resultCode(error));
}

// "x like :p" on a server: without regard to letter case, as SQLite's LIKE,
// and with no escape character (PostgreSQL's default is the backslash), so
// that a backslash in a search text is a backslash. "%" and "_" stay
// wildcards on both engines. Written as lower(x) like lower(p), which is
// what ilike does on a multi-byte database, but lowers the pattern once
// instead of once a row: a search through many reports takes half the time.
QString serverLike(const QString &sql)
{
    static const QRegularExpression like(QStringLiteral(R"(\b([A-Za-z_][\w.]*)(\s+not)?\s+like\s+(:\w+|\?))"),
        QRegularExpression::CaseInsensitiveOption);
    QString out = sql;
    out.replace(like, QStringLiteral("lower(\\1)\\2 like lower(\\3) escape ''"));
    return out;
}

QString cannotConnect(const DatabaseLocation &location, const QString &reason)
{
    return QCoreApplication::translate("Connection", "不能连接服务器数据库 %1\n%2")
        .arg(location.displayText(), reason);
}

// Subscribes the driver of a server database to a channel of its news.
void subscribeTo(QSqlDriver *driver, const QString &channel, const DatabaseLocation &location)
{
    if (!driver->subscribeToNotification(channel))
        throw AppError(QStringLiteral("不能接收服务器数据库 ") + location.displayText()
            + QStringLiteral(" 上其他用户的修改通知。"));
}

// The first bytes of a file, as far as opening needs them.
struct FileHeader
{
    qint64 size = 0;
    bool isSqlite = false;
    bool isWal = false; // the file is in write-ahead log mode
};

FileHeader readHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QCoreApplication::translate("Connection", "不能打开数据库 %1\n%2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(100);
    FileHeader header;
    header.size = file.size();
    header.isSqlite = bytes.size() == 100 && bytes.startsWith(QByteArrayLiteral("SQLite format 3\0"));
    header.isWal = header.isSqlite && (bytes.at(18) == 2 || bytes.at(19) == 2);
    return header;
}

// Whether this user may change the file: write it, and create its journal
// files beside it. A read-only mount denies both.
bool mayWrite(const QString &path)
{
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QString readOnlyMessage(const QString &path)
{
    return QCoreApplication::translate("Connection", "数据库文件 %1 是只读文件, 不能保存修改!").arg(path);
}

QString cannotCreate(const QString &path)
{
    return QCoreApplication::translate("Connection", "不能创建数据库 %1\n").arg(path);
}

void removeWithJournals(const QString &path)
{
    QFile::remove(path);
    Connection::removeJournals(path);
}

// Journal files left by a database that is gone (or, under its exclusive
// lock, by the one being replaced) would be taken for the journal of the new
// file. Names taken by anything but a file block the new database.
void clearJournalNames(const QString &path)
{
    for (const QString &suffix : JournalSuffixes) {
        const QString journal = path + suffix;
        const QFileInfo info(journal);
        if (!info.exists() && !info.isSymLink())
            continue;
        if (!info.isFile() || info.isSymLink())
            throw AppError(cannotCreate(path)
                + QCoreApplication::translate("Connection", "%1 不是文件, 不能作为它的日志文件!")
                      .arg(journal));
        if (!QFile::remove(journal))
            throw AppError(cannotCreate(path)
                + QCoreApplication::translate("Connection", "不能删除旧的日志文件 %1!").arg(journal));
    }
}

// A file open in this program: its number of connections, and whether it is
// in WAL mode.
struct OpenFile
{
    int connections = 0;
    bool wal = false;
};

// The files open in this program, by canonical path.
QHash<QString, OpenFile> &openFiles()
{
    static QHash<QString, OpenFile> files;
    return files;
}

// The header of a file this program may have open already. Reading the file
// through a descriptor of its own would, on closing it, drop every lock that
// SQLite holds on the file in this process (POSIX locks belong to the
// process and the file, not to the descriptor): an open file is known by
// what its connections found.
FileHeader headerOf(const QString &path)
{
    const auto open = openFiles().constFind(QFileInfo(path).canonicalFilePath());
    if (open == openFiles().cend())
        return readHeader(path);
    FileHeader header;
    header.size = QFileInfo(path).size();
    header.isSqlite = true;
    header.isWal = open->wal;
    return header;
}

QString uniqueConnectionName()
{
    static quint64 counter = 0;
    return QStringLiteral("had-connection-%1").arg(++counter);
}

QString alreadyExists(const QString &path)
{
    return QCoreApplication::translate("Connection", "数据库 %1 已存在!").arg(path);
}

QString noFileName()
{
    return QCoreApplication::translate("Connection", "没有给出数据库文件名!");
}

QString notOurDatabase(const QString &path)
{
    return QCoreApplication::translate("Connection", "文件 %1 不是本系统的数据库!").arg(path);
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

namespace {

// A file that only a writer can bring into a readable state: a rollback
// journal of an unfinished change, or a write-ahead log whose index cannot
// be built in a read-only folder.
struct NeedsRecovery
{
    QString message;
};

} // namespace

void Connection::open(const QString &path, const QStringList &requiredTables, Access access,
    const RequiredColumns &requiredColumns)
{
    close();
    m_location = DatabaseLocation::parse(path);
    if (isServer()) {
        RequiredColumns required = requiredColumns;
        for (const QString &table : requiredTables)
            required.insert(table, required.value(table));
        openServer(required);
        if (access == Access::ReadOnly)
            m_readOnly = true;
        return;
    }
    if (path.isEmpty())
        throw AppError(noFileName());
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(QCoreApplication::translate("Connection", "数据库文件 %1 不存在!").arg(path));
    if (!info.isFile())
        throw AppError(notOurDatabase(path));
    const bool writable = access == Access::ReadWrite && mayWrite(path);
    bool recovering = false;
    try {
        inspect(path, requiredTables, requiredColumns);
        if (!writable) {
            m_readOnly = true;
            return;
        }
        close();
    } catch (const NeedsRecovery &e) {
        if (!writable)
            throw AppError(e.message);
        recovering = true;
    }
    connect(path, QStringLiteral("mode=rw"));
    try {
        // A file that needed recovering has not had its schema checked yet.
        if (recovering)
            requireSchema(requiredTables, requiredColumns);
        useRollbackJournal();
        m_useMark.share(path);
    } catch (const EngineError &e) {
        close();
        // The file system refused writing after all (a mount that tells
        // only when written to): the file is read, not changed.
        if (e.primaryCode() != SqliteReadOnly || recovering)
            throw;
        inspect(path, requiredTables, requiredColumns);
        m_readOnly = true;
    } catch (...) {
        close();
        throw;
    }
}

// Opens the file through a connection that cannot write and checks that it
// is a database with the required schema. The connection stays open when
// the file passes. Throws AppError, or NeedsRecovery.
void Connection::inspect(
    const QString &path, const QStringList &requiredTables, const RequiredColumns &requiredColumns)
{
    const FileHeader header = headerOf(path);
    if (header.size > 0 && !header.isSqlite)
        throw AppError(notOurDatabase(path));
    const QString wal = path + QStringLiteral("-wal");
    const QFileInfo walInfo(wal);
    const bool walHasFrames = walInfo.exists() && walInfo.size() > 0;
    QString mode = QStringLiteral("mode=ro");
    // A file in WAL mode whose log is missing (or empty, and open nowhere)
    // holds everything in itself. Reading it as immutable needs no log and
    // no index beside it, which reading it otherwise would create.
    if (header.isWal
        && (!walInfo.exists() || (!walHasFrames && !QFileInfo::exists(path + QStringLiteral("-shm")))))
        mode += QStringLiteral("&immutable=1");
    connect(path, mode);
    openFiles()[m_registeredPath].wal = header.isWal;
    m_readOnly = true;
    try {
        requireSchema(requiredTables, requiredColumns);
    } catch (const EngineError &e) {
        close();
        if (e.code == SqliteReadOnlyRollback)
            throw NeedsRecovery { QCoreApplication::translate(
                "Connection", "数据库文件 %1 有一次未完成的修改(日志文件 %1-journal), 只读打开时不能恢复!")
                                      .arg(path) };
        if (e.primaryCode() == SqliteCantOpen && header.isWal && walHasFrames)
            throw NeedsRecovery { QCoreApplication::translate("Connection",
                "数据库文件 %1 的预写日志 %2 中有尚未写入数据库的修改, 它所在的文件夹是只读的, 不能读取!")
                                      .arg(path, wal) };
        if (e.primaryCode() == SqliteNotADatabase)
            throw AppError(notOurDatabase(path));
        throw AppError(
            QCoreApplication::translate("Connection", "不能打开数据库 %1\n%2").arg(path, e.reason));
    } catch (...) {
        close();
        throw;
    }
}

void Connection::create(const QString &path)
{
    close();
    if (DatabaseLocation::looksLikeServer(path))
        throw AppError(
            QCoreApplication::translate("Connection", "服务器数据库由 hadtool new 创建: %1").arg(path));
    createFile(path, {});
    open(path);
}

void Connection::checkNewFilePath(const QString &path)
{
    if (path.isEmpty())
        throw AppError(noFileName());
    const QFileInfo info(path);
    if (info.isDir() || info.fileName().isEmpty())
        throw AppError(
            QCoreApplication::translate("Connection", "数据库 %1 是文件夹, 不能作为数据库文件!").arg(path));
    if (!QFileInfo(info.absolutePath()).isDir())
        throw AppError(cannotCreate(path)
            + QCoreApplication::translate("Connection", "文件夹 %1 不存在!")
                  .arg(QDir::toNativeSeparators(info.absolutePath())));
}

bool Connection::createFile(
    const QString &path, const std::function<void(Connection &)> &build, Replace replace)
{
    checkNewFilePath(path);
    const QFileInfo info(path);
    const bool exists = info.exists() || info.isSymLink();
    if (exists && replace == Replace::Never)
        throw AppError(alreadyExists(path));
    // Holds the old file's exclusive lock until the new file has taken its place.
    Connection holder;
    if (exists && (isFileOpen(path) || !holder.lockExclusively(path)))
        return false;
    clearJournalNames(path);
    // An empty file of the user's usual permissions, which the engine then
    // fills; the journal files it makes take the same permissions.
    const QString temporary = [&] {
        try {
            return NewFile::createTemporaryBeside(path);
        } catch (const AppError &e) {
            throw AppError(cannotCreate(path) + e.message());
        }
    }();
    try {
        {
            Connection connection;
            connection.connect(temporary, QStringLiteral("mode=rwc"));
            connection.useRollbackJournal();
            if (build)
                build(connection);
        }
        if (exists) {
            if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData())
                != 0)
                throw AppError(QString::fromLocal8Bit(std::strerror(errno)));
        } else {
            QFile file(temporary);
            if (!file.rename(path))
                throw AppError(QFileInfo::exists(path) ? alreadyExists(path) : file.errorString());
        }
    } catch (const EngineError &e) {
        removeWithJournals(temporary);
        throw AppError(cannotCreate(path) + e.reason);
    } catch (const AppError &e) {
        removeWithJournals(temporary);
        throw AppError(cannotCreate(path) + e.message());
    } catch (...) {
        removeWithJournals(temporary);
        throw;
    }
    return true;
}

// Takes the file's use mark alone and SQLite's exclusive lock on an
// existing file and keeps both until the connection closes. Returns false
// when another connection (of any program) may write the file or is reading
// it, or when the file cannot be locked at all (no right to write it). A file
// that is no database (or a damaged one) cannot be in use as one: true,
// without SQLite's lock.
bool Connection::lockExclusively(const QString &path)
{
    // The mark first: giving it up again closes a descriptor of the file,
    // which would drop SQLite's lock.
    if (!m_useMark.takeAlone(path))
        return false;
    try {
        connect(path, QStringLiteral("mode=rw"), ReplaceLockTimeoutMs);
        run(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        // Leaving WAL mode needs the exclusive lock and moves the log into
        // the file; without a journal nothing is left beside it.
        run(QStringLiteral("PRAGMA journal_mode=OFF"));
        execute(QStringLiteral("BEGIN EXCLUSIVE"));
        execute(QStringLiteral("COMMIT"));
        return true;
    } catch (const EngineError &e) {
        close();
        return e.primaryCode() == SqliteNotADatabase || e.primaryCode() == SqliteCorrupt;
    } catch (const AppError &) {
        close();
        return false;
    }
}

// A rollback journal exists only while a change is being written, and the
// connection holds no lock on the file between two statements. A write-ahead
// log would keep a lock for as long as the connection is open, which any
// close of another descriptor of the file in this process drops without a
// word; another program then takes the log for abandoned and removes it
// under this connection, and later changes are lost.
void Connection::useRollbackJournal()
{
    bool changed = false;
    try {
        QSqlQuery mode = run(QStringLiteral("PRAGMA journal_mode=DELETE"));
        changed = mode.next() && mode.value(0).toString().compare(u"delete", Qt::CaseInsensitive) == 0;
    } catch (const EngineError &e) {
        if (e.primaryCode() != SqliteBusy && e.primaryCode() != SqliteLocked)
            throw;
    }
    // Leaving write-ahead logging needs the file alone.
    if (!changed)
        throw AppError(QCoreApplication::translate(
            "Connection", "数据库文件 %1 正被其他程序以预写日志方式打开, 不能打开! 请先关闭那个程序。")
                           .arg(m_path));
    openFiles()[m_registeredPath].wal = false;
    run(QStringLiteral("PRAGMA synchronous=FULL"));
}

void Connection::connect(const QString &path, const QString &mode, int busyTimeoutMs)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with an explicit mode: "rw" and "ro" never create a missing file.
    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(mode);
    db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw EngineError(QStringLiteral("不能打开数据库 ") + path + u'\n' + engineErrorText(error),
            engineErrorText(error), resultCode(error));
    }
    m_ticks.attach(db);
    m_path = path;
    m_readOnly = false;
    m_registeredPath = QFileInfo(path).canonicalFilePath();
    ++openFiles()[m_registeredPath].connections;
}

void Connection::requireSchema(const QStringList &tables, const RequiredColumns &columns) const
{
    QSqlQuery query
        = runPositional(QStringLiteral("select name from sqlite_master where type = 'table'"), {});
    QStringList present;
    while (query.next())
        present.append(query.value(0).toString());
    query.finish();
    QStringList wanted = tables;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        wanted.append(it.key());
    for (const QString &table : std::as_const(wanted))
        if (!present.contains(table, Qt::CaseInsensitive))
            throw AppError(notOurDatabase(m_path));
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        QSqlQuery info = runPositional(QStringLiteral("PRAGMA table_info(\"%1\")").arg(it.key()), {});
        QStringList names;
        while (info.next())
            names.append(info.value(1).toString());
        for (const QString &column : it.value())
            if (!names.contains(column, Qt::CaseInsensitive))
                throw AppError(notOurDatabase(m_path));
    }
}

void Connection::close()
{
    if (!m_path.isEmpty()) {
        m_ticks.detach();
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
        auto &files = openFiles();
        if (!isServer() && --files[m_registeredPath].connections <= 0)
            files.remove(m_registeredPath);
        m_path.clear();
        m_registeredPath.clear();
        m_readOnly = false;
        m_transactionDepth = 0;
        m_lost = false;
        m_channels.clear();
    }
    // After the engine has let go: the mark's descriptor closes last.
    m_useMark.release();
    m_location = DatabaseLocation();
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

QSqlDriver *Connection::driver() const
{
    return database().driver();
}

void Connection::subscribe(const QString &channel)
{
    subscribeTo(driver(), channel, m_location);
    m_channels.append(channel);
}

void Connection::unsubscribe(const QString &channel)
{
    if (m_channels.removeAll(channel) > 0 && !isLost())
        driver()->unsubscribeFromNotification(channel);
}

bool Connection::isLost() const
{
    // The driver tells that the server connection broke off as soon as it
    // reads the end of it, also while waiting for news.
    return m_lost || (isServer() && isOpen() && !database().isOpen());
}

QSqlDatabase Connection::usableDatabase() const
{
    QSqlDatabase db = database();
    if (!isServer())
        return db;
    if (m_lost)
        reconnect(db);
    else if (!db.isOpen())
        loseConnection(QStringLiteral("服务器关闭了连接"));
    return db;
}

// The same driver connects again: the news it has been asked for reach the
// same listeners once the channels are subscribed again.
void Connection::reconnect(QSqlDatabase &db) const
{
    // Closing lets go of the broken connection and of its subscriptions.
    db.close();
    if (!db.open()) {
        const QString reason = engineErrorText(db.lastError()).trimmed();
        db.close();
        throw ConnectionLost(cannotConnect(m_location, reason));
    }
    m_lost = false;
    for (const QString &channel : m_channels)
        subscribeTo(db.driver(), channel, m_location);
    if (m_reconnected)
        m_reconnected();
}

void Connection::loseConnection(const QString &reason) const
{
    m_lost = true;
    throw ConnectionLost(QStringLiteral("与服务器数据库 ") + displayText() + QStringLiteral(" 的连接已断开: ")
        + reason + QStringLiteral("。未保存的修改仍保留在窗口中, 下一次操作时将重新连接。"));
}

void Connection::announceReportChange(qint64 rowId) const
{
    if (isServer())
        runPositional(QStringLiteral("select pg_notify(?, ?)"),
            { ServerSchema::NotificationChannel, QString::number(rowId) });
}

void Connection::failIfReadOnly() const
{
    if (!m_readOnly)
        return;
    if (isServer())
        throw AppError(QCoreApplication::translate("Connection", "服务器数据库 %1 只允许读取, 不能保存修改!")
                           .arg(m_path));
    throw AppError(readOnlyMessage(m_path));
}

namespace {

// The values of the named parameters in the order of names. Parameters are
// texts: a null text is bound as an empty one, never as NULL.
QVariantList valuesInOrder(const QStringList &names, const SqlParams &params)
{
    QHash<QString, QString> byName;
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        byName.insert(it.key().toLower(), it.value());
    QVariantList values;
    for (const QString &name : names) {
        const auto value = byName.constFind(name.toLower());
        if (value == byName.cend())
            throw AppError(QStringLiteral("No value given for one or more required parameters."));
        values.append(value->isNull() ? QStringLiteral("") : *value);
    }
    return values;
}

} // namespace

QString Connection::positional(const QString &sql, QStringList *names) const
{
    const QString statement = toPositionalParameters(withUnqualifiedSetColumns(sql), names);
    return isServer() ? serverLike(statement) : statement;
}

QSqlQuery Connection::run(const QString &sql, const SqlParams &params) const
{
    QStringList names;
    const QString statement = positional(sql, &names);
    return runPositional(statement, valuesInOrder(names, params));
}

void Connection::fail(const QSqlQuery &query) const
{
    const EngineError error = engineError(query.lastError(), isServer());
    // The statement failed because the server connection broke off: libpq
    // read its end, or the server said it ends the session (a connection
    // exception, or an operator intervention: shutdown, crash, restart). The
    // first line of the server's or libpq's text says why.
    if (isServer()
        && (!database().isOpen() || error.state.startsWith(ConnectionException)
            || error.state.startsWith(OperatorIntervention)))
        loseConnection(error.reason.trimmed().section(u'\n', 0, 0).trimmed());
    // A file open for reading only refuses every write with the engine's
    // plain "readonly" code; the user reads what it means for the file.
    if (m_readOnly
        && (error.code == SqliteReadOnly || error.state == InsufficientPrivilege
            || error.state == ReadOnlyTransaction))
        failIfReadOnly();
    throw error;
}

QStringList Connection::integrityProblems() const
{
    QStringList problems;
    QSqlQuery check = run(QStringLiteral("PRAGMA integrity_check"));
    while (check.next())
        problems << check.value(0).toString();
    if (problems == QStringList { QStringLiteral("ok") })
        return {};
    return problems;
}

QSqlQuery Connection::runPositional(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(usableDatabase());
    query.setForwardOnly(true);
    // A server prepares only queries and changes of rows: a statement
    // without values (transactions, tables) runs as it is.
    if (isServer() && values.isEmpty()) {
        if (!query.exec(sql))
            fail(query);
        return query;
    }
    if (!query.prepare(sql))
        fail(query);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(query);
    return query;
}

Connection::Statement Connection::prepare(const QString &sql) const
{
    return Statement(*this, sql);
}

Connection::Statement::Statement(const Connection &connection, const QString &sql)
    : m_connection(connection)
    , m_query(connection.usableDatabase())
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(connection.positional(sql, &m_names)))
        connection.fail(m_query);
}

void Connection::Statement::execute(const SqlParams &params)
{
    const QVariantList values = valuesInOrder(m_names, params);
    for (int i = 0; i < values.size(); ++i)
        m_query.bindValue(i, values.at(i));
    if (!m_query.exec())
        m_connection.fail(m_query);
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
    failIfReadOnly();
    // IMMEDIATE takes the write lock at once, so a second connection waits
    // for it instead of failing half-way.
    execute(isServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    m_transactionDepth = 1;
    try {
        work();
        execute(QStringLiteral("COMMIT"));
        m_transactionDepth = 0;
    } catch (...) {
        m_transactionDepth = 0;
        // A server whose connection broke off has dropped the transaction
        // with it; rolling back would connect again.
        if (!m_lost) {
            try {
                execute(QStringLiteral("ROLLBACK"));
            } catch (const AppError &) {
                // The engine may already have rolled back; the first failure is the one to report.
            }
        }
        throw;
    }
}

bool Connection::isFileOpen(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && openFiles().contains(canonical);
}

void Connection::removeJournals(const QString &path)
{
    for (const QString &suffix : JournalSuffixes)
        QFile::remove(path + suffix);
}

bool Connection::removeFile(const QString &path)
{
    if (isFileOpen(path) || !QFile::remove(path))
        return false;
    removeJournals(path);
    return true;
}

namespace {

// Whether libpq or the server refused the connection for want of the right
// password (libpq's own text, or the server's state invalid_password).
bool wantsPassword(const QSqlError &error)
{
    const QString text = error.driverText() + u'\n' + error.databaseText();
    return text.contains(QLatin1String("no password supplied"))
        || text.contains(QLatin1String("password authentication failed"))
        || error.nativeErrorCode() == QLatin1String("28P01");
}

} // namespace

void Connection::openServer(const RequiredColumns &requiredColumns)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    if (!db.isValid()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        throw AppError(cannotConnect(m_location,
            QCoreApplication::translate(
                "Connection", "没有 PostgreSQL 数据库驱动 (QPSQL), 请安装 libqt6sql6-psql。")));
    }
    db.setHostName(m_location.host());
    db.setPort(m_location.port());
    db.setDatabaseName(m_location.database());
    db.setUserName(m_location.user());
    // No password at all leaves libpq to find one (~/.pgpass, PGPASSFILE).
    const QString password = m_location.password().isEmpty() ? ServerPasswords::find(m_location.displayText())
                                                             : m_location.password();
    if (!password.isEmpty())
        db.setPassword(password);
    db.setConnectOptions(m_location.connectOptions());
    if (!db.open()) {
        const QSqlError error = db.lastError();
        const QString reason = engineErrorText(error).trimmed();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        if (wantsPassword(error))
            throw ServerPasswordNeeded(cannotConnect(m_location, reason));
        throw AppError(cannotConnect(m_location, reason));
    }
    // Never the password: the path is what messages and titles show.
    m_path = m_location.displayText();
    m_readOnly = false;
    try {
        requireServerSchema(requiredColumns);
    } catch (...) {
        close();
        throw;
    }
}

void Connection::requireServerSchema(const RequiredColumns &columns)
{
    QStringList tables;
    QStringList names = columns.keys();
    names.sort(Qt::CaseInsensitive);
    for (const QString &table : std::as_const(names)) {
        const QStringList &required = columns[table];
        const QList<Column> present = tableColumns(table);
        if (present.isEmpty())
            throw AppError(QCoreApplication::translate(
                "Connection", "服务器数据库 %1 中没有表 %2, 不是本系统的数据库! (用 hadtool new 创建)")
                               .arg(m_path, table));
        QStringList presentNames;
        for (const Column &column : present)
            presentNames.append(column.name);
        for (const QString &column : required)
            if (!presentNames.contains(column, Qt::CaseInsensitive))
                throw AppError(QCoreApplication::translate(
                    "Connection", "服务器数据库 %1 的表 %2 没有列 %3, 不是本系统的数据库!")
                                   .arg(m_path, table, column));
        tables.append(table.toLower());
    }
    // A role that may only read these tables (or a server that only reads)
    // gets what a read-only file gets.
    QSqlQuery writable = runPositional(
        QStringLiteral("select current_setting('transaction_read_only') = 'off' and coalesce(bool_and("
                       "has_table_privilege(t, 'INSERT') and has_table_privilege(t, 'UPDATE') and "
                       "has_table_privilege(t, 'DELETE')), true) from unnest(string_to_array(?, ',')) as t"),
        { tables.join(u',') });
    m_readOnly = !(writable.next() && writable.value(0).toBool());
}

QList<Connection::Column> Connection::tableColumns(const QString &table) const
{
    QList<Column> columns;
    if (isServer()) {
        // A domain names the column's meaning where the stored type is
        // plain text (dates kept as the text a file holds). Read from the
        // catalog: information_schema.columns takes several milliseconds
        // to answer, and every open asks it more than once. The columns
        // are those information_schema.columns would list.
        QSqlQuery query = runPositional(
            QStringLiteral("select a.attname, upper(format_type(a.atttypid, null)) from pg_attribute a "
                           "join pg_class c on c.oid = a.attrelid "
                           "join pg_namespace n on n.oid = c.relnamespace "
                           "where n.nspname = current_schema() and c.relname = lower(?) "
                           "and c.relkind in ('r', 'v', 'f', 'p') and a.attnum > 0 and not a.attisdropped "
                           "and (pg_has_role(c.relowner, 'USAGE') or "
                           "has_column_privilege(c.oid, a.attnum, 'SELECT, INSERT, UPDATE, REFERENCES')) "
                           "order by a.attnum"),
            { table });
        while (query.next())
            columns.append({ query.value(0).toString(), query.value(1).toString() });
        return columns;
    }
    QSqlQuery info = runPositional(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table), {});
    while (info.next())
        columns.append({ info.value(1).toString(), info.value(2).toString().toUpper() });
    return columns;
}

QString Connection::rowIdName(const QString &table, const QStringList &lowerCaseColumns) const
{
    // Every table of a server database has an identity column ID.
    if (isServer())
        return QStringLiteral("id");
    // SQLite knows the row id by three names, and a column of the same name
    // hides it: take one that no column of this table uses.
    for (const QString &name : { QStringLiteral("rowid"), QStringLiteral("_rowid_"), QStringLiteral("oid") })
        if (!lowerCaseColumns.contains(name))
            return name;
    throw AppError(
        QStringLiteral("Table '%1' hides its row id behind columns named rowid, _rowid_ and oid").arg(table));
}

QString Connection::quoted(const QString &identifier) const
{
    // A server folds the unquoted names of its schema to lower case.
    return u'"' + (isServer() ? identifier.toLower() : identifier) + u'"';
}

qint64 Connection::insert(
    const QString &table, const QStringList &quotedColumns, const QVariantList &values) const
{
    const QString marks = QStringList(quotedColumns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    QString sql = quotedColumns.isEmpty()
        ? QStringLiteral("insert into %1 default values").arg(quoted(table))
        : QStringLiteral("insert into %1 (%2) values (%3)")
              .arg(quoted(table), quotedColumns.join(QStringLiteral(", ")), marks);
    if (!isServer())
        return runPositional(sql, values).lastInsertId().toLongLong();
    QSqlQuery query = runPositional(sql + QStringLiteral(" returning id"), values);
    return query.next() ? query.value(0).toLongLong() : -1;
}
