#pragma once

#include "db/connection.h"

#include <QCache>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>

// A data set over the rows of one table, opened with a statement of the form
// "select * from Table [where ...]". It keeps the row ids of the rows found
// (under a name of the row id that no column of the table hides), in the
// order the rows were added (row id order, whatever index the engine reads),
// and reads the rows themselves in blocks when they are needed, so that
// opening and stepping through a file of many long reports stays fast.
//
// Moves, edit, append, post and delete follow the usual data-set rules: a
// move posts a row being edited or appended; an appended row, once posted,
// is the last row of the set and stays current. Values of other connections
// are seen after the next open or refresh.
//
// The current row is read from the file when the set first shows it and
// kept as read until the set leaves it: what an edit starts from is what
// was shown. With a version column, writing the row or deleting it checks
// in the same statement that no other connection saved it since it was
// read (a null version counts as 0), and every write counts the version up;
// a row saved or deleted elsewhere meanwhile throws RowConflict.
class DataSet
{
public:
    enum class State { Inactive, Browse, Edit, Append };
    // When a post writes a new version: only when it writes a column, or
    // always (a save that rewrites what belongs to the row elsewhere).
    enum class Stamp { WhenWritten, Always };
    // What a delete does with a row saved elsewhere since it was read.
    enum class IfChanged { Refuse, Delete };
    // The row id of a row; NoBookmark when there is no current stored row.
    using Bookmark = qint64;
    static constexpr Bookmark NoBookmark = -1;

    explicit DataSet(Connection &connection);
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    // The statement and parameters used by open().
    void setStatement(const QString &sql, const SqlParams &params = {});
    // The column that counts the saves of a row (none: no check). Takes
    // effect at the next open; a table without it is not checked.
    void setVersionColumn(const QString &name) { m_versionColumn = name; }
    const QString &statement() const { return m_sql; }
    const SqlParams &params() const { return m_params; }
    // Runs the statement; the first row (if any) becomes current. Throws AppError.
    void open();
    void open(const QString &sql, const SqlParams &params = {});
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // What a refresh does with the current row: read it again, or keep it as
    // read (the version that edits to it started from) while it is there.
    enum class CurrentRow { ReadAgain, KeepAsRead };
    // Runs the statement again and returns to the current row when it is still there.
    void refresh(CurrentRow current = CurrentRow::ReadAgain);
    // Forgets the current row as read: it is read again from the file.
    void reloadCurrent();
    State state() const { return m_state; }

    void first();
    void prior();
    void next();
    void last();
    // Moves n rows (negative: backwards), stopping at either end; returns the
    // number of rows actually moved.
    int moveBy(int n);
    // 1 for the first row; 0 when the set is empty; recordCount() + 1 while
    // a new row is being appended.
    int recNo() const;
    int recordCount() const { return int(m_rowIds.size()); }
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const;

    void edit();
    void append();
    // Writes the row being edited or appended, as one transaction together
    // with the work added by addBeforePost. Throws RowConflict (see above).
    void post(Stamp stamp = Stamp::WhenWritten);
    void cancel();
    // Deletes the current row (dropping pending edits); the row after it, or
    // the new last row, becomes current. While appending, drops the new row.
    // A row saved elsewhere since it was read throws RowConflict unless
    // told to delete it anyway; one deleted elsewhere just leaves the set.
    void deleteRecord(IfChanged ifChanged = IfChanged::Refuse);

    Bookmark bookmark() const;
    void gotoBookmark(Bookmark bookmark);

    // Runs work as one transaction of the set's connection. When it throws,
    // nothing of it is stored and the set returns to its rows, current row,
    // state and pending values from before (a row posted inside is
    // forgotten again).
    void transaction(const std::function<void()> &work);
    // Work that belongs to every post: it runs inside the post's
    // transaction, before the row is written (the set is still in the edit
    // or append state), after the work added before it.
    void addBeforePost(std::function<void(DataSet &)> work) { m_beforePost.append(std::move(work)); }
    Connection &connection() const { return m_connection; }
    // Adds the columns (each "Name type") that the set's table lacks, and
    // makes them fields of the set, null in the row being edited or
    // appended. Inside transaction() the columns go again with the rest
    // when the work fails. Throws AppError.
    void addColumns(const QStringList &definitions);

    // Fields of the current row by column name (letter case ignored).
    QStringList fieldNames() const { return m_fields; }
    bool hasField(const QString &name) const;
    bool isNull(const QString &name) const;
    // Null gives an empty text; floats in their shortest form of at most 15
    // significant digits; dates as "yyyy-MM-dd" with " HH:mm:ss" unless midnight.
    QString asString(const QString &name) const;
    int asInteger(const QString &name) const; // null gives 0
    double asFloat(const QString &name) const; // null gives 0
    // Null or unreadable gives an invalid value.
    QDateTime asDateTime(const QString &name) const;
    QDate asDate(const QString &name) const;
    // The text of a column of the current row as the file holds it now
    // (read again), also while the row is being edited; empty while a new
    // row is appended or when the row is gone.
    QString storedString(const QString &name) const;
    // Whether the current row is still stored: another connection may have
    // deleted it. False while a new row is appended.
    bool isCurrentStored() const;

    // Writing needs the edit or append state. Texts for number and date
    // columns go through the column's own conversion.
    void setString(const QString &name, const QString &text);
    void setInteger(const QString &name, int value);
    void setFloat(const QString &name, double value);
    void setDateTime(const QString &name, const QDateTime &value);
    void setDate(const QString &name, const QDate &value);
    void setNull(const QString &name);
    // Empty text stores null, a decimal number stores that number, any other
    // text fails with "'text' is not a valid floating point value for field 'name'".
    void setFloatFromText(const QString &name, const QString &text);

    // The given columns of every row, as text, in the set's order: one query
    // instead of one read per row (report list, command-line listing).
    QList<QStringList> columnTexts(const QStringList &columns) const;
    // The same for the rows first .. first + count - 1 only (clipped to the
    // set): a list that shows a few of many rows reads just those.
    QList<QStringList> columnTexts(const QStringList &columns, int first, int count) const;

private:
    enum class Kind { Text, Integer, Float, DateTime };
    using Row = QList<QVariant>;

    void requireOpen() const;
    void requireEditing() const;
    void postIfEditing();
    void writeRow(Stamp stamp);
    void updateRow(qint64 rowId, const Row &stored, QList<int> fields, Stamp stamp);
    void insertRow(QList<int> fields);
    void announceChange(qint64 rowId) const;
    // The quoted names of the fields, each followed by suffix.
    QStringList quotedNames(const QList<int> &fields, const QString &suffix = QString()) const;
    QString versionGuard(const Row &stored, QVariantList &bound) const;
    const Row &currentRow() const;
    void pin(qint64 rowId, const Row &row) const;
    qint64 versionOf(const Row &row) const;
    void moveTo(int index);
    int fieldIndex(const QString &name) const;
    // The fields of the named columns; their quoted names, comma-separated,
    // go to selectList.
    QList<int> columnFields(const QStringList &columns, QString &selectList) const;
    // The texts of the fields of each row the query returns, by the row id
    // in the query's first column.
    QHash<qint64, QStringList> textsByRowId(QSqlQuery &query, const QList<int> &fields) const;
    QVariant value(int field) const;
    QString textOf(int field, const QVariant &value) const;
    void assign(const QString &name, const QVariant &value);
    QVariant fromText(int field, const QString &text) const;
    Row storedRow(int index) const;
    void fetchBlock(int index) const;
    void loadFields();
    void readRowIds();

    Connection &m_connection;
    QString m_sql;
    SqlParams m_params;
    QString m_table;
    QString m_condition; // everything after the table name
    QString m_rowId; // the name of the row id that no column hides

    QStringList m_fields;
    QList<Kind> m_kinds;
    QHash<QString, int> m_fieldIndex; // lower-case name to index

    QList<qint64> m_rowIds;
    int m_index = -1;
    bool m_bof = true;
    bool m_eof = true;
    State m_state = State::Inactive;

    Row m_buffer; // the row being edited or appended
    QList<bool> m_changed; // columns assigned in the buffer
    mutable QCache<qint64, Row> m_cache;
    QList<std::function<void(DataSet &)>> m_beforePost;

    QString m_versionColumn;
    int m_versionField = -1; // -1: no version check
    // The current row as first read, by its row id; none while no row is
    // pinned (every number, -1 too, may be a row's id).
    mutable std::optional<qint64> m_pinnedId;
    mutable Row m_pinned;
    qint64 m_baseVersion = 0; // the version an edit started from
};
