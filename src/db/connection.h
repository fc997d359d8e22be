#pragma once

#include <QMap>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QSqlError;

// Values of named statement parameters (":FileNo" is the parameter "FileNo"),
// always passed as text. Names match without regard to letter case.
using SqlParams = QMap<QString, QString>;

// One connection to one SQLite database file. Every report window owns its
// own; nothing is shared between them, even on the same file. Connections
// run in WAL mode with a busy timeout, so several of them can read and write
// one file in turn.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    enum class Access { ReadWrite, ReadOnly };

    // Opens an existing file; a missing file is never created. A file that
    // is no SQLite database or lacks one of the required tables is refused
    // untouched. ReadOnly never writes to the file. Closes a previous file
    // first. Throws AppError.
    void open(const QString &path, const QStringList &requiredTables = {}, Access access = Access::ReadWrite);
    // Creates a new, empty database file and opens it. Throws AppError when
    // the file exists or cannot be created.
    void create(const QString &path);
    void close();
    bool isOpen() const;
    // The path given to open or create.
    const QString &path() const { return m_path; }

    // Runs a statement with named parameters and returns it positioned
    // before its first row (forward only). Throws AppError with the engine's
    // text.
    QSqlQuery run(const QString &sql, const SqlParams &params = {}) const;
    // The same with "?" placeholders bound in order to typed values.
    QSqlQuery runPositional(const QString &sql, const QVariantList &values) const;
    // Runs a statement that returns no rows; returns the number of rows it
    // changed.
    int execute(const QString &sql, const SqlParams &params = {}) const;
    // Runs work as one transaction: all of it is stored, or (when it throws)
    // none of it. Nested calls join the outer transaction.
    void transaction(const std::function<void()> &work);

    // Moves everything written so far from the write-ahead log into the
    // database file itself, e.g. before the file is copied.
    void checkpoint() const;
    // The same for a file by path, whoever has it open; call it before a
    // database file is copied (save as, backup). Does nothing without a log.
    static void checkpointFile(const QString &path);

    // Whether some connection of this program has the file open.
    static bool isFileOpen(const QString &path);

private:
    void connect(const QString &path, const QString &mode);
    void prepare(const QStringList &requiredTables, Access access);
    void requireTables(const QStringList &tables) const;
    QSqlDatabase database() const;

    QString m_name;
    QString m_path;
    QString m_registeredPath;
    int m_transactionDepth = 0;
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
