#include "db/dataset.h"

#include "base/apperror.h"
#include "base/dateconventions.h"
#include "db/rowconflict.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int BlockSize = 64;
constexpr int CachedRows = 512;

QString formatFloat(double value)
{
    return QString::number(value, 'g', 15);
}

// A decimal number as the user may type it: sign, digits with at most one
// decimal point, an optional exponent; blanks around it are allowed.
bool parseDecimal(const QString &text, double *value)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!pattern.match(text).hasMatch())
        return false;
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok;
}

bool parseInteger(const QString &text, qint64 *value)
{
    bool ok = false;
    *value = text.trimmed().toLongLong(&ok);
    return ok;
}

QString storedDateTime(const QDateTime &value)
{
    const QTime t = value.time();
    return value.toString(
        t.msec() ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz") : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QDateTime readDateTime(const QString &text)
{
    QString iso = text.trimmed();
    if (iso.size() > 10 && iso.at(10) == u' ')
        iso[10] = u'T';
    QDateTime value = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!value.isValid()) {
        const QDate date = QDate::fromString(iso, Qt::ISODate);
        if (date.isValid())
            value = date.startOfDay();
    }
    return value;
}

// Whether a value to be written equals the one stored: both null, or the
// same value (numbers by their value).
bool sameValue(const QVariant &given, const QVariant &stored)
{
    if (given.isNull() || stored.isNull())
        return given.isNull() && stored.isNull();
    return given == stored;
}

// The rows of a table with the given row ids as the file holds them now,
// each with its fieldCount columns, by row id.
QHash<qint64, QList<QVariant>> readRows(const Connection &connection, const QString &table,
    const QString &rowIdName, qsizetype fieldCount, const QVariantList &ids)
{
    const QString marks = QStringList(ids.size(), QStringLiteral("?")).join(u',');
    QSqlQuery query = connection.runPositional(QStringLiteral("select %2, * from %1 where %2 in (%3)")
                                                   .arg(connection.quoted(table), rowIdName, marks),
        ids);
    QHash<qint64, QList<QVariant>> rows;
    while (query.next()) {
        QList<QVariant> row(fieldCount);
        for (int i = 0; i < fieldCount; ++i)
            row[i] = query.value(i + 1);
        rows.insert(query.value(0).toLongLong(), row);
    }
    return rows;
}

AppError notValid(const QString &what, const QString &text, const QString &field)
{
    return AppError(QStringLiteral("'%1' is not a valid %2 for field '%3'").arg(text, what, field));
}

} // namespace

DataSet::DataSet(Connection &connection)
    : m_connection(connection)
    , m_cache(CachedRows)
{ }

void DataSet::setStatement(const QString &sql, const SqlParams &params)
{
    m_sql = sql;
    m_params = params;
}

void DataSet::open(const QString &sql, const SqlParams &params)
{
    setStatement(sql, params);
    open();
}

void DataSet::open()
{
    close();
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+([A-Za-z_][A-Za-z0-9_]*)(.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto match = form.match(m_sql);
    if (!match.hasMatch())
        throw AppError(QStringLiteral("Unsupported data set statement: ") + m_sql);
    m_table = match.captured(1);
    m_condition = match.captured(2);
    loadFields();
    readRowIds();
    m_state = State::Browse;
    m_index = m_rowIds.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rowIds.isEmpty();
}

void DataSet::loadFields()
{
    m_fields.clear();
    m_kinds.clear();
    m_fieldIndex.clear();
    for (const Connection::Column &column : m_connection.tableColumns(m_table)) {
        const QString &name = column.name;
        const QString &type = column.type;
        Kind kind = Kind::Text;
        if (type.contains(u"INT"))
            kind = Kind::Integer;
        else if (type.contains(u"REAL") || type.contains(u"FLOA") || type.contains(u"DOUB"))
            kind = Kind::Float;
        else if (type.contains(u"DATE") || type.contains(u"TIME"))
            kind = Kind::DateTime;
        m_fieldIndex.insert(name.toLower(), int(m_fields.size()));
        m_fields.append(name);
        m_kinds.append(kind);
    }
    if (m_fields.isEmpty())
        throw AppError(QStringLiteral("no such table: ") + m_table);
    m_rowId = m_connection.rowIdName(m_table, m_fieldIndex.keys());
    m_versionField = m_versionColumn.isEmpty() ? -1 : int(m_fieldIndex.value(m_versionColumn.toLower(), -1));
}

void DataSet::addColumns(const QStringList &definitions)
{
    requireOpen();
    m_connection.transaction([&] {
        QSet<QString> present;
        for (const Connection::Column &column : m_connection.tableColumns(m_table))
            present.insert(column.name.toLower());
        for (const QString &definition : definitions) {
            // Another connection may have added a column since this set read its fields.
            if (!present.contains(definition.section(u' ', 0, 0).toLower()))
                m_connection.execute(QStringLiteral("alter table %1 add column %2")
                                         .arg(m_connection.quoted(m_table), definition));
        }
    });
    loadFields();
    const qsizetype added = m_fields.size() - m_buffer.size();
    if ((m_state == State::Edit || m_state == State::Append) && added > 0) {
        m_buffer.append(Row(added));
        m_changed.append(QList<bool>(added, false));
    }
    // Rows read before hold fewer values than the set now has fields.
    m_cache.clear();
}

void DataSet::readRowIds()
{
    m_rowIds.clear();
    m_cache.clear();
    QSqlQuery query = m_connection.run(
        QStringLiteral("select %1.%2 from %1").arg(m_connection.quoted(m_table), m_rowId) + m_condition,
        m_params);
    while (query.next())
        m_rowIds.append(query.value(0).toLongLong());
    // The engine returns the rows in the order of whatever it reads: a
    // search scans the small index of its column rather than the reports
    // with their long texts, and so finds them in that column's order. An
    // "order by" would make it read the reports themselves.
    std::sort(m_rowIds.begin(), m_rowIds.end());
}

void DataSet::close()
{
    m_state = State::Inactive;
    m_rowIds.clear();
    m_cache.clear();
    m_buffer.clear();
    m_changed.clear();
    m_index = -1;
    m_bof = m_eof = true;
    m_pinnedId.reset();
    m_pinned.clear();
}

void DataSet::refresh(CurrentRow current)
{
    requireOpen();
    postIfEditing();
    const Bookmark shown = bookmark();
    readRowIds();
    const int found = int(m_rowIds.indexOf(shown));
    if (current == CurrentRow::ReadAgain || found < 0)
        m_pinnedId.reset();
    m_index = found >= 0 ? found : (m_rowIds.isEmpty() ? -1 : 0);
    m_bof = m_index <= 0;
    m_eof = m_rowIds.isEmpty();
}

void DataSet::reloadCurrent()
{
    requireOpen();
    if (const Bookmark current = bookmark(); current != NoBookmark)
        m_cache.remove(current);
    m_pinnedId.reset();
    m_pinned.clear();
}

void DataSet::requireOpen() const
{
    if (m_state == State::Inactive)
        throw AppError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void DataSet::requireEditing() const
{
    if (m_state != State::Edit && m_state != State::Append)
        throw AppError(QStringLiteral("Dataset not in edit or insert mode"));
}

void DataSet::postIfEditing()
{
    if (m_state == State::Edit || m_state == State::Append)
        post();
}

void DataSet::moveTo(int index)
{
    m_index = index;
    m_bof = m_eof = false;
}

void DataSet::first()
{
    requireOpen();
    postIfEditing();
    m_index = m_rowIds.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rowIds.isEmpty();
}

void DataSet::last()
{
    requireOpen();
    postIfEditing();
    m_index = int(m_rowIds.size()) - 1;
    m_eof = true;
    m_bof = m_rowIds.isEmpty();
}

void DataSet::next()
{
    moveBy(1);
}

void DataSet::prior()
{
    moveBy(-1);
}

int DataSet::moveBy(int n)
{
    requireOpen();
    postIfEditing();
    if (n == 0 || m_rowIds.isEmpty()) {
        if (n > 0)
            m_eof = true;
        else if (n < 0)
            m_bof = true;
        return 0;
    }
    const qint64 wanted = qint64(m_index) + n;
    const int target = int(qBound<qint64>(0, wanted, m_rowIds.size() - 1));
    const int moved = target - m_index;
    moveTo(target);
    if (wanted > target)
        m_eof = true;
    else if (wanted < target)
        m_bof = true;
    return moved;
}

int DataSet::recNo() const
{
    if (m_state == State::Append)
        return recordCount() + 1;
    return m_index + 1;
}

bool DataSet::isEmpty() const
{
    return m_rowIds.isEmpty() && m_state != State::Append;
}

void DataSet::edit()
{
    requireOpen();
    if (m_state == State::Edit || m_state == State::Append)
        return;
    if (m_rowIds.isEmpty()) {
        append();
        return;
    }
    m_buffer = currentRow();
    m_changed = QList<bool>(m_fields.size(), false);
    m_baseVersion = versionOf(m_buffer);
    m_state = State::Edit;
}

void DataSet::append()
{
    requireOpen();
    postIfEditing();
    m_buffer = Row(m_fields.size());
    m_changed = QList<bool>(m_fields.size(), false);
    m_state = State::Append;
    m_bof = m_eof = false;
}

void DataSet::post(Stamp stamp)
{
    requireEditing();
    transaction([this, stamp] {
        for (const auto &work : m_beforePost)
            work(*this);
        writeRow(stamp);
    });
}

void DataSet::writeRow(Stamp stamp)
{
    // A column given the value the file holds already is left alone: a
    // report stored unchanged (as every move stores the report it leaves)
    // writes nothing, and no index of an unchanged column is rewritten. The
    // row is read again: the one read earlier may have been changed since by
    // another connection.
    Row stored(m_fields.size());
    if (m_state == State::Edit) {
        const qint64 rowId = m_rowIds.at(m_index);
        const QHash<qint64, Row> rows = readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId });
        if (rows.contains(rowId))
            stored = rows.value(rowId);
        else if (m_versionField >= 0)
            throw RowConflict(RowConflict::Kind::Deleted);
    }
    QList<int> fields;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (i != m_versionField && m_changed.at(i)
            && (m_state == State::Append || !sameValue(m_buffer.at(i), stored.at(i))))
            fields.append(i);
    }
    if (m_state == State::Edit)
        updateRow(m_rowIds.at(m_index), stored, fields, stamp);
    else
        insertRow(fields);
    m_state = State::Browse;
    m_buffer.clear();
    m_changed.clear();
}

QStringList DataSet::quotedNames(const QList<int> &fields, const QString &suffix) const
{
    QStringList names;
    for (int field : fields)
        names.append(m_connection.quoted(m_fields.at(field)) + suffix);
    return names;
}

// Writes the given fields of the buffer over a stored row, and with a
// version column the next version, but only while the row still holds the
// version this set read: the check and the write are one statement.
void DataSet::updateRow(qint64 rowId, const Row &stored, QList<int> fields, Stamp stamp)
{
    const bool versioned = m_versionField >= 0 && (stamp == Stamp::Always || !fields.isEmpty());
    if (fields.isEmpty() && !versioned)
        return;
    Row written = stored; // the row as the file holds it after the update
    for (int field : fields)
        written[field] = m_buffer.at(field);
    QString guard;
    QVariantList guardValues;
    if (versioned) {
        if (versionOf(stored) != m_baseVersion)
            throw RowConflict(RowConflict::Kind::Changed);
        fields.append(m_versionField);
        written[m_versionField] = fromText(m_versionField, QString::number(m_baseVersion + 1));
        guard = versionGuard(stored, guardValues);
    }
    QVariantList bound;
    for (int field : fields)
        bound.append(written.at(field));
    bound.append(rowId);
    bound.append(guardValues);
    const QString sql
        = QStringLiteral("update %1 set %2 where %3 = ?")
              .arg(m_connection.quoted(m_table),
                  quotedNames(fields, QStringLiteral(" = ?")).join(QStringLiteral(", ")), m_rowId)
        + guard;
    const QSqlQuery q = m_connection.runPositional(sql, bound);
    if (q.numRowsAffected() == 0) {
        // Another connection got in between the reading and the writing.
        if (versioned)
            throw RowConflict(RowConflict::Kind::Changed);
        throw AppError(QStringLiteral("Row cannot be located for updating. Some values may "
                                      "have been changed since it was last read."));
    }
    m_cache.remove(rowId);
    pin(rowId, written);
    announceChange(rowId);
}

// The condition that a row still holds the version it had when it was
// read as stored; its value, if any, is appended to bound.
QString DataSet::versionGuard(const Row &stored, QVariantList &bound) const
{
    const QVariant version = stored.at(m_versionField);
    if (version.isNull())
        return QStringLiteral(" and %1 is null").arg(m_connection.quoted(m_fields.at(m_versionField)));
    bound.append(version);
    return QStringLiteral(" and %1 = ?").arg(m_connection.quoted(m_fields.at(m_versionField)));
}

// Inserts the given fields of the buffer as a new row (with a version
// column, the first version), which becomes the current row as read.
void DataSet::insertRow(QList<int> fields)
{
    Row given = m_buffer;
    if (m_versionField >= 0) {
        fields.append(m_versionField);
        given[m_versionField] = fromText(m_versionField, QStringLiteral("1"));
    }
    QVariantList bound;
    for (int field : fields)
        bound.append(given.at(field));
    const qint64 rowId = m_connection.insert(m_table, quotedNames(fields), bound);
    m_rowIds.append(rowId);
    m_index = int(m_rowIds.size()) - 1;
    m_bof = m_eof = false;
    pin(rowId, readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId }).value(rowId, given));
    announceChange(rowId);
}

// Rows that count their saves are the ones other programs keep on screen:
// they hear of each write.
void DataSet::announceChange(qint64 rowId) const
{
    if (m_versionField >= 0)
        m_connection.announceReportChange(rowId);
}

void DataSet::cancel()
{
    if (m_state != State::Edit && m_state != State::Append)
        return;
    if (m_state == State::Append) {
        m_bof = m_index <= 0;
        m_eof = m_rowIds.isEmpty();
    }
    m_state = State::Browse;
    m_buffer.clear();
    m_changed.clear();
}

void DataSet::deleteRecord(IfChanged ifChanged)
{
    requireOpen();
    if (m_state == State::Append) {
        cancel();
        return;
    }
    if (m_rowIds.isEmpty())
        throw AppError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    const qint64 rowId = m_rowIds.at(m_index);
    QString sql = QStringLiteral("delete from %1 where %2 = ?").arg(m_connection.quoted(m_table), m_rowId);
    QVariantList bound { rowId };
    if (m_versionField >= 0 && ifChanged == IfChanged::Refuse) {
        const qint64 base = m_state == State::Edit ? m_baseVersion : versionOf(currentRow());
        const QHash<qint64, Row> rows = readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId });
        // A row deleted elsewhere already is gone: there is nothing to refuse.
        if (rows.contains(rowId)) {
            if (versionOf(rows.value(rowId)) != base)
                throw RowConflict(RowConflict::Kind::Changed);
            sql += versionGuard(rows.value(rowId), bound);
            if (m_connection.runPositional(sql, bound).numRowsAffected() == 0)
                throw RowConflict(RowConflict::Kind::Changed);
        }
    } else {
        m_connection.runPositional(sql, bound);
    }
    announceChange(rowId);
    m_state = State::Browse;
    m_buffer.clear();
    m_changed.clear();
    m_cache.remove(rowId);
    m_rowIds.removeAt(m_index);
    if (m_index >= m_rowIds.size())
        m_index = int(m_rowIds.size()) - 1;
    m_bof = m_rowIds.isEmpty();
    m_eof = m_rowIds.isEmpty();
}

void DataSet::transaction(const std::function<void()> &work)
{
    const QList<qint64> rowIds = m_rowIds;
    const int index = m_index;
    const bool bof = m_bof;
    const bool eof = m_eof;
    const State state = m_state;
    const Row buffer = m_buffer;
    const QList<bool> changed = m_changed;
    const QStringList fields = m_fields;
    const QList<Kind> kinds = m_kinds;
    const QHash<QString, int> fieldIndex = m_fieldIndex;
    const std::optional<qint64> pinnedId = m_pinnedId;
    const Row pinned = m_pinned;
    const int versionField = m_versionField;
    try {
        m_connection.transaction(work);
    } catch (...) {
        m_fields = fields;
        m_kinds = kinds;
        m_fieldIndex = fieldIndex;
        m_versionField = versionField;
        m_rowIds = rowIds;
        m_index = index;
        m_bof = bof;
        m_eof = eof;
        m_state = state;
        m_buffer = buffer;
        m_changed = changed;
        m_pinnedId = pinnedId;
        m_pinned = pinned;
        // Rows read inside may hold values that were undone.
        m_cache.clear();
        throw;
    }
}

DataSet::Bookmark DataSet::bookmark() const
{
    if (m_state == State::Append || m_index < 0)
        return NoBookmark;
    return m_rowIds.at(m_index);
}

void DataSet::gotoBookmark(Bookmark bookmark)
{
    requireOpen();
    postIfEditing();
    const qsizetype index = m_rowIds.indexOf(bookmark);
    if (index < 0)
        throw AppError(QStringLiteral("Record not found"));
    moveTo(int(index));
}

int DataSet::fieldIndex(const QString &name) const
{
    const auto it = m_fieldIndex.constFind(name.toLower());
    if (it == m_fieldIndex.cend())
        throw AppError(QStringLiteral("Field '%1' not found").arg(name));
    return *it;
}

bool DataSet::hasField(const QString &name) const
{
    return m_fieldIndex.contains(name.toLower());
}

QVariant DataSet::value(int field) const
{
    if (m_state == State::Edit || m_state == State::Append)
        return m_buffer.at(field);
    if (m_index < 0)
        return QVariant();
    return currentRow().at(field);
}

// The current row as read when the set first showed it, read now when it
// is shown first; a row deleted by another connection reads as null.
const DataSet::Row &DataSet::currentRow() const
{
    const qint64 rowId = m_rowIds.at(m_index);
    if (m_pinnedId != rowId) {
        const QHash<qint64, Row> rows = readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId });
        pin(rowId, rows.value(rowId, Row(m_fields.size())));
    }
    return m_pinned;
}

void DataSet::pin(qint64 rowId, const Row &row) const
{
    m_pinnedId = rowId;
    m_pinned = row;
}

// The number of saves a row has seen: null (never counted) is 0.
qint64 DataSet::versionOf(const Row &row) const
{
    if (m_versionField < 0)
        return 0;
    return row.at(m_versionField).toString().trimmed().toLongLong();
}

bool DataSet::isNull(const QString &name) const
{
    return value(fieldIndex(name)).isNull();
}

QString DataSet::asString(const QString &name) const
{
    const int field = fieldIndex(name);
    return textOf(field, value(field));
}

QString DataSet::textOf(int field, const QVariant &v) const
{
    if (v.isNull())
        return QString();
    switch (m_kinds.at(field)) {
    case Kind::Float:
        if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong)
            return formatFloat(v.toDouble());
        break;
    case Kind::DateTime: {
        const QDateTime dt = readDateTime(v.toString());
        if (!dt.isValid())
            break;
        if (dt.time() == QTime(0, 0))
            return DateConventions::formatDate(dt.date());
        return DateConventions::formatDate(dt.date()) + u' ' + dt.time().toString(QStringLiteral("HH:mm:ss"));
    }
    default:
        break;
    }
    return v.toString();
}

int DataSet::asInteger(const QString &name) const
{
    const QVariant v = value(fieldIndex(name));
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double) {
        // A real number is rounded to the nearest integer, halves away from
        // zero; one that leaves the range is as wrong as such a text.
        const double rounded = std::round(v.toDouble());
        if (!(rounded >= INT_MIN && rounded <= INT_MAX))
            throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
        return int(rounded);
    }
    qint64 number = 0;
    if (!parseInteger(v.toString(), &number) || number < INT_MIN || number > INT_MAX)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
    return int(number);
}

double DataSet::asFloat(const QString &name) const
{
    const QVariant v = value(fieldIndex(name));
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong)
        return v.toDouble();
    double number = 0;
    if (!parseDecimal(v.toString(), &number))
        throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
    return number;
}

QDateTime DataSet::asDateTime(const QString &name) const
{
    const QVariant v = value(fieldIndex(name));
    return v.isNull() ? QDateTime() : readDateTime(v.toString());
}

QDate DataSet::asDate(const QString &name) const
{
    return asDateTime(name).date();
}

QString DataSet::storedString(const QString &name) const
{
    const int field = fieldIndex(name);
    if (m_state == State::Append || m_index < 0)
        return QString();
    const qint64 rowId = m_rowIds.at(m_index);
    const Row row = readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId }).value(rowId);
    return row.isEmpty() ? QString() : textOf(field, row.at(field));
}

bool DataSet::isCurrentStored() const
{
    if (m_state == State::Append || m_index < 0)
        return false;
    const qint64 rowId = m_rowIds.at(m_index);
    return readRows(m_connection, m_table, m_rowId, m_fields.size(), { rowId }).contains(rowId);
}

void DataSet::assign(const QString &name, const QVariant &value)
{
    requireEditing();
    const int field = fieldIndex(name);
    m_buffer[field] = value;
    m_changed[field] = true;
}

// A text converted the way the column's type wants it.
QVariant DataSet::fromText(int field, const QString &text) const
{
    const QString &name = m_fields.at(field);
    switch (m_kinds.at(field)) {
    case Kind::Text:
        // An empty text stays an empty text, never null.
        return text.isNull() ? QString(QLatin1String("")) : text;
    case Kind::Integer: {
        qint64 number = 0;
        if (text.isEmpty())
            return QVariant();
        if (!parseInteger(text, &number))
            throw notValid(QStringLiteral("integer value"), text, name);
        return number;
    }
    case Kind::Float: {
        double number = 0;
        if (text.isEmpty())
            return QVariant();
        if (!parseDecimal(text, &number))
            throw notValid(QStringLiteral("floating point value"), text, name);
        return number;
    }
    case Kind::DateTime: {
        if (text.isEmpty())
            return QVariant();
        QDateTime value = readDateTime(text);
        if (!value.isValid()) {
            const QDate date = DateConventions::parseDate(text);
            if (date.isValid())
                value = date.startOfDay();
        }
        if (!value.isValid())
            throw notValid(QStringLiteral("date and time"), text, name);
        return storedDateTime(value);
    }
    }
    return text;
}

void DataSet::setString(const QString &name, const QString &text)
{
    requireEditing();
    assign(name, fromText(fieldIndex(name), text));
}

void DataSet::setFloatFromText(const QString &name, const QString &text)
{
    requireEditing();
    const int field = fieldIndex(name);
    if (m_kinds.at(field) != Kind::Float)
        throw AppError(QStringLiteral("Field '%1' is not a floating point field").arg(name));
    assign(name, fromText(field, text));
}

void DataSet::setInteger(const QString &name, int value)
{
    const Kind kind = m_kinds.at(fieldIndex(name));
    if (kind == Kind::DateTime)
        throw AppError(QStringLiteral("Field '%1' is not an integer field").arg(name));
    assign(name, kind == Kind::Text ? QVariant(QString::number(value)) : QVariant(qint64(value)));
}

void DataSet::setFloat(const QString &name, double value)
{
    const Kind kind = m_kinds.at(fieldIndex(name));
    if (kind == Kind::DateTime)
        throw AppError(QStringLiteral("Field '%1' is not a floating point field").arg(name));
    assign(name, kind == Kind::Text ? QVariant(formatFloat(value)) : QVariant(value));
}

void DataSet::setDateTime(const QString &name, const QDateTime &value)
{
    assign(name, value.isValid() ? QVariant(storedDateTime(value)) : QVariant());
}

void DataSet::setDate(const QString &name, const QDate &value)
{
    setDateTime(name, value.isValid() ? value.startOfDay() : QDateTime());
}

void DataSet::setNull(const QString &name)
{
    assign(name, QVariant());
}

DataSet::Row DataSet::storedRow(int index) const
{
    const qint64 rowId = m_rowIds.at(index);
    if (!m_cache.contains(rowId))
        fetchBlock(index);
    if (const Row *row = m_cache.object(rowId))
        return *row;
    // Deleted by another connection since the set was opened: reads as null.
    return Row(m_fields.size());
}

// Reads the aligned block of rows around index in one statement.
void DataSet::fetchBlock(int index) const
{
    const int start = index / BlockSize * BlockSize;
    const int end = qMin<int>(start + BlockSize, int(m_rowIds.size()));
    QVariantList ids;
    for (int i = start; i < end; ++i)
        if (!m_cache.contains(m_rowIds.at(i)))
            ids.append(m_rowIds.at(i));
    const QHash<qint64, Row> rows = readRows(m_connection, m_table, m_rowId, m_fields.size(), ids);
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        m_cache.insert(it.key(), new Row(it.value()));
}

QList<int> DataSet::columnFields(const QStringList &columns, QString &selectList) const
{
    QList<int> fields;
    QStringList quoted;
    for (const QString &c : columns) {
        fields.append(fieldIndex(c));
        quoted.append(m_connection.quoted(m_fields.at(fields.last())));
    }
    selectList = quoted.join(QStringLiteral(", "));
    return fields;
}

QHash<qint64, QStringList> DataSet::textsByRowId(QSqlQuery &query, const QList<int> &fields) const
{
    QHash<qint64, QStringList> byRowId;
    while (query.next()) {
        QStringList texts;
        for (int i = 0; i < fields.size(); ++i)
            texts.append(textOf(fields.at(i), query.value(i + 1)));
        byRowId.insert(query.value(0).toLongLong(), texts);
    }
    return byRowId;
}

QList<QStringList> DataSet::columnTexts(const QStringList &columns) const
{
    requireOpen();
    QString selectList;
    const QList<int> fields = columnFields(columns, selectList);
    QSqlQuery query = m_connection.run(
        QStringLiteral("select %1.%2, %3 from %1").arg(m_connection.quoted(m_table), m_rowId, selectList)
            + m_condition,
        m_params);
    const QHash<qint64, QStringList> byRowId = textsByRowId(query, fields);
    QList<QStringList> result;
    result.reserve(m_rowIds.size());
    for (int index = 0; index < m_rowIds.size(); ++index) {
        const auto found = byRowId.constFind(m_rowIds.at(index));
        if (found != byRowId.cend()) {
            result.append(*found);
            continue;
        }
        // A row appended here that the statement's condition does not select.
        const Row row = storedRow(index);
        QStringList texts;
        for (int field : fields)
            texts.append(textOf(field, row.at(field)));
        result.append(texts);
    }
    return result;
}

QList<QStringList> DataSet::columnTexts(const QStringList &columns, int first, int count) const
{
    requireOpen();
    first = qMax(0, first);
    const int end = int(qMin<qint64>(qint64(first) + qMax(0, count), m_rowIds.size()));
    QList<QStringList> result;
    if (first >= end)
        return result;
    QString selectList;
    const QList<int> fields = columnFields(columns, selectList);
    QVariantList ids;
    for (int i = first; i < end; ++i)
        ids.append(m_rowIds.at(i));
    const QString marks = QStringList(ids.size(), QStringLiteral("?")).join(u',');
    const QString sql = QStringLiteral("select %1, %2 from %3 where %1 in (%4)")
                            .arg(m_rowId, selectList, m_connection.quoted(m_table), marks);
    QSqlQuery query = m_connection.runPositional(sql, ids);
    const QHash<qint64, QStringList> byRowId = textsByRowId(query, fields);
    result.reserve(end - first);
    for (int i = first; i < end; ++i)
        // A row deleted by another connection since the set was opened reads as empty.
        result.append(byRowId.value(m_rowIds.at(i), QStringList(fields.size(), QString())));
    return result;
}
