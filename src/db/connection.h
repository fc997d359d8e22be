#pragma once

#include "base/apperror.h"
#include "db/databaselocation.h"
#include "db/fileusemark.h"
#include "db/statementticks.h"

#include <QHash>
#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlDriver;
class QSqlError;

// Values of named statement parameters (":FileNo" is the parameter "FileNo"),
// always passed as text. Names match without regard to letter case.
using SqlParams = QMap<QString, QString>;

// One connection to one SQLite database file. Every report window owns its
// own; nothing is shared between them, even on the same file. Connections
// that write use a rollback journal and wait for each other's locks (busy
// timeout), so several of them, in this or other programs, can read and
// write one file in turn. Between two statements a connection holds no lock
// on the file: whatever else opens and closes the file in this process (a
// file dialog guessing its type) cannot drop a lock that protects a change.
//
// Opening checks before it writes: a file is first looked at through a
// connection that cannot write (is it a database, are the required tables and
// columns there), and only a file that passes is opened for writing. A file
// opened for reading only is never changed, not even its journal mode.
//
// A connection may also reach a PostgreSQL server (a location given as a
// "postgresql://" URL). Everything engine-specific (row ids, identifiers,
// case-blind LIKE, transactions, privileges) is decided here, so that the
// data sets and everything above them work the same on both.
//
// The connection to a server can break off (the server stops, the network
// goes away). The statement that finds it broken throws ConnectionLost, once;
// the next statement connects again to the same location, with the same
// password and the same subscriptions, or fails with the server's reason
// while it cannot be reached.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    enum class Access { ReadWrite, ReadOnly };

    // Tables that must be there, each with the columns it must have (letter
    // case ignored; further columns are allowed).
    using RequiredColumns = QHash<QString, QStringList>;

    // Opens an existing file, or a server database (location is then a
    // PostgreSQL URL); a missing file is never created. A file that
    // is no SQLite database or lacks one of the required tables or columns
    // is refused untouched. ReadOnly never writes to the file or beside it
    // (a file in write-ahead log mode is read as it is). ReadWrite falls
    // back to reading only when the user may not write the file or its
    // folder (isReadOnly() tells); it turns a file in write-ahead log mode
    // into one with a rollback journal, and refuses a file that another
    // program keeps open in that mode. Closes a previous file first.
    // Throws AppError.
    void open(const QString &path, const QStringList &requiredTables = {}, Access access = Access::ReadWrite,
        const RequiredColumns &requiredColumns = {});
    // Creates a new, empty database file and opens it. Throws AppError when
    // the file exists or cannot be created; a file created before the
    // failure is removed again.
    void create(const QString &path);
    void close();
    bool isOpen() const;
    // Whether the file is open for reading only: asked for, or the file
    // could not be written. Every write then fails with an AppError that
    // says the file is read-only.
    bool isReadOnly() const { return m_readOnly; }
    // The path or URL given to open or create.
    const QString &path() const { return m_path; }
    // Whether the database is on a server rather than in a file.
    bool isServer() const { return m_location.isServer(); }
    // The location as the user may read it (a URL without its password).
    QString displayText() const { return m_location.displayText(); }

    // A column of a table: its name, and its declared type (upper case).
    struct Column
    {
        QString name;
        QString type;
    };
    // The columns of a table in table order; empty when there is no such table.
    QList<Column> tableColumns(const QString &table) const;
    // The name by which statements select the row id of a table with the
    // given columns (lower-case names): a number that orders the rows as
    // they were stored. Throws AppError when a file's table hides it.
    QString rowIdName(const QString &table, const QStringList &lowerCaseColumns) const;
    // A table or column name as a statement quotes it.
    QString quoted(const QString &identifier) const;
    // Runs an insert with "?" placeholders and returns the new row's id.
    qint64 insert(const QString &table, const QStringList &quotedColumns, const QVariantList &values) const;
    // Calls tick now and then while a long statement runs, on this file and
    // on any file opened later; an empty tick stops the calls.
    void setStatementTick(std::function<void()> tick) { m_ticks.setTick(std::move(tick)); }

    // Runs a statement with named parameters and returns it positioned
    // before its first row (forward only). Throws AppError with the engine's
    // text.
    QSqlQuery run(const QString &sql, const SqlParams &params = {}) const;
    // The same with "?" placeholders bound in order to typed values.
    QSqlQuery runPositional(const QString &sql, const QVariantList &values) const;
    // Runs a statement that returns no rows; returns the number of rows it
    // changed.
    int execute(const QString &sql, const SqlParams &params = {}) const;

    // A statement with named parameters, prepared once and then run with one
    // set of values after another: the engine parses and plans it once (a
    // server: one round trip per run instead of three).
    class Statement
    {
    public:
        // Runs the statement with the given values. Throws AppError with the
        // engine's text.
        void execute(const SqlParams &params);

    private:
        friend class Connection;
        Statement(const Connection &connection, const QString &sql);

        const Connection &m_connection;
        QSqlQuery m_query;
        QStringList m_names;
    };
    // Prepares a statement of this connection, which must outlive it. Throws
    // AppError.
    Statement prepare(const QString &sql) const;
    // Runs work as one transaction: all of it is stored, or (when it throws)
    // none of it. Nested calls join the outer transaction.
    void transaction(const std::function<void()> &work);
    // The engine's check of the whole file: an empty list when every page,
    // index and constraint is sound, else what it found wrong. Throws
    // AppError when the check cannot run.
    QStringList integrityProblems() const;

    // Tells the other programs on a server database that a report changed
    // (its row id, or -1 for several). Inside a transaction the news goes out
    // when it commits, and not at all when it fails. A file has no listeners:
    // nothing happens.
    void announceReportChange(qint64 rowId) const;
    // The driver of the open database, for its news (the same driver after
    // a reconnection).
    QSqlDriver *driver() const;
    // Subscribes to a channel of a server's news, and subscribes again after
    // each reconnection. Throws AppError when the server refuses.
    void subscribe(const QString &channel);
    void unsubscribe(const QString &channel);
    // Called each time a lost server connection has been made again (news
    // sent meanwhile were missed); an empty hook stops the calls. It runs
    // inside the statement that connected: it must not run statements.
    void setReconnectedHook(std::function<void()> hook) { m_reconnected = std::move(hook); }

    // Whether the connection to the server has broken off and not been made
    // again yet. Readers that run on their own (drawing a list) leave a lost
    // connection alone: only the user's next action connects again.
    bool isLost() const;
    // Connects again when the connection is lost, as a statement would.
    // Throws ConnectionLost when it is found broken or cannot be made again.
    void ensureConnected() const { usableDatabase(); }

    // Whether some connection of this program has the file open.
    static bool isFileOpen(const QString &path);
    // Removes the journal files the engine may keep beside a database file.
    static void removeJournals(const QString &path);
    // Removes a database file that no connection of this program has open,
    // then its journal files. Returns false, removing nothing, when the file
    // is open or the system refuses to remove it.
    static bool removeFile(const QString &path);

    enum class Replace { Never, WhenUnused };
    // Makes a new database file at path in one step: build fills a new
    // database under a temporary name in the same folder, which then takes
    // the place of path. A failure removes the temporary file again and names
    // path in its message; path stays as it was. An empty path, a folder, a
    // missing folder or a journal name that is taken by something other than
    // a file are refused before anything is written. An existing file is
    // replaced only with Replace::WhenUnused, and only while no connection of
    // any program writes to it or has it open for writing: otherwise it
    // returns false and changes nothing. Throws AppError.
    static bool createFile(const QString &path, const std::function<void(Connection &)> &build,
        Replace replace = Replace::Never);
    // The refusals of createFile that need no file system change: an empty
    // path, a folder, a missing folder. Throws AppError.
    static void checkNewFilePath(const QString &path);

private:
    // How long a statement waits for another connection's lock.
    static constexpr int BusyTimeoutMs = 10000;

    void connect(const QString &path, const QString &mode, int busyTimeoutMs = BusyTimeoutMs);
    bool lockExclusively(const QString &path);
    void inspect(
        const QString &path, const QStringList &requiredTables, const RequiredColumns &requiredColumns);
    void requireSchema(const QStringList &tables, const RequiredColumns &columns) const;
    void useRollbackJournal();
    void failIfReadOnly() const;
    // Throws the failure of the query's last statement.
    [[noreturn]] void fail(const QSqlQuery &query) const;
    // The statement as this engine runs it, with "?" in place of each named
    // parameter, whose names are appended to names.
    QString positional(const QString &sql, QStringList *names) const;
    QSqlDatabase database() const;
    // The database for a statement: a lost server connection is made again
    // first, and one found broken throws ConnectionLost.
    QSqlDatabase usableDatabase() const;
    void reconnect(QSqlDatabase &db) const;
    [[noreturn]] void loseConnection(const QString &reason) const;

    void openServer(const RequiredColumns &requiredColumns);
    void requireServerSchema(const RequiredColumns &columns);

    QString m_name;
    DatabaseLocation m_location;
    QString m_path;
    QString m_registeredPath;
    bool m_readOnly = false;
    int m_transactionDepth = 0;
    // The server connection broke off: the next statement connects again.
    mutable bool m_lost = false;
    QStringList m_channels;
    std::function<void()> m_reconnected;
    // Held while the connection may write: the file is in use.
    FileUseMark m_useMark;
    StatementTicks m_ticks;
};

// The connection to a server database is broken: it broke off just now (the
// message says so, naming the database without password and the server's
// reason), or it cannot be made again (the message of a failed connect).
// The connection tries again at its next statement.
class ConnectionLost : public AppError
{
public:
    using AppError::AppError;
};

// Turns ":Name" parameters into positional ones, skipping quoted texts and
// comments. Returns the statement with "?" in their place and appends the
// names, in order of appearance, to names.
QString toPositionalParameters(const QString &sql, QStringList *names);

// SQLite names the columns of an update's set list without their table:
// "update T set T.A =:X where T.B=:Y" becomes "update T set A =:X where T.B=:Y".
QString withUnqualifiedSetColumns(const QString &sql);

// The engine's own text of a failure.
QString engineErrorText(const QSqlError &error);
