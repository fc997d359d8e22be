#include "db/reportcopy.h"

#include "base/apperror.h"
#include "db/connection.h"
#include "db/databaselocation.h"
#include "db/hadfile.h"
#include "db/serverschema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

QStringList lowerCase(const QList<Connection::Column> &columns)
{
    QStringList names;
    for (const Connection::Column &column : columns)
        names.append(column.name.toLower());
    return names;
}

// The columns of a table that both databases have; a column of the source
// that the target lacks may only be empty.
QStringList sharedColumns(
    const Connection &source, const Connection &target, const QString &table, const QStringList &wanted)
{
    const QStringList targetColumns = lowerCase(target.tableColumns(table));
    QStringList shared;
    for (const QString &column : wanted) {
        if (targetColumns.contains(column)) {
            shared.append(column);
            continue;
        }
        QSqlQuery used = source.runPositional(QStringLiteral("select count(*) from %1 where %2 is not null")
                                                  .arg(source.quoted(table), source.quoted(column)),
            {});
        if (used.next() && used.value(0).toLongLong() > 0)
            throw AppError(QCoreApplication::translate(
                "ReportCopy", "目标数据库 %1 的表 %2 没有列 %3, 不能复制其中的数据!")
                               .arg(target.displayText(), table, column));
    }
    return shared;
}

qint64 rowCount(const Connection &connection, const QString &table)
{
    QSqlQuery count = connection.runPositional(
        QStringLiteral("select count(*) from %1").arg(connection.quoted(table)), {});
    return count.next() ? count.value(0).toLongLong() : 0;
}

// Copies the rows of one table in stored order; calls step after each row.
void copyTable(const Connection &source, const Connection &target, const QString &table,
    const QStringList &wanted, const std::function<void()> &step)
{
    const QStringList columns = sharedColumns(source, target, table, wanted);
    QStringList sourceList;
    QStringList targetList;
    for (const QString &column : columns) {
        sourceList.append(source.quoted(column));
        targetList.append(target.quoted(column));
    }
    const QString order = source.rowIdName(table, lowerCase(source.tableColumns(table)));
    QSqlQuery rows
        = source.runPositional(QStringLiteral("select %1 from %2 order by %3")
                                   .arg(sourceList.join(QStringLiteral(", ")), source.quoted(table), order),
            {});
    while (rows.next()) {
        QVariantList values;
        for (int i = 0; i < columns.size(); ++i)
            values.append(rows.value(i));
        target.insert(table, targetList, values);
        if (step)
            step();
    }
}

void copyInto(const Connection &source, Connection &target, ReportCopy::Mode mode,
    const ReportCopy::Progress &progress, int *copied)
{
    if (mode == ReportCopy::Mode::NewOrEmpty
        && (rowCount(target, HadFile::ProjectTab) > 0 || rowCount(target, HadFile::CalcuData) > 0))
        throw AppError(QCoreApplication::translate(
            "ReportCopy", "目标数据库 %1 中已有鉴定报告; 要加在它们后面, 请用 --append。")
                           .arg(target.displayText()));
    QStringList reportColumns = lowerCase(source.tableColumns(HadFile::ProjectTab));
    if (mode == ReportCopy::Mode::Append)
        reportColumns.removeAll(QStringLiteral("id"));
    QStringList componentColumns;
    for (const QString &column : HadFile::calcuDataColumns())
        componentColumns.append(column.toLower());
    const int total = int(rowCount(source, HadFile::ProjectTab));
    int done = 0;
    copyTable(source, target, HadFile::ProjectTab, reportColumns, [&] {
        ++done;
        if (progress)
            progress(done, total);
    });
    copyTable(source, target, HadFile::CalcuData, componentColumns, {});
    // Reports given their IDs: new ones are numbered after them.
    if (target.isServer() && mode == ReportCopy::Mode::NewOrEmpty)
        target.runPositional(QStringLiteral("select setval(pg_get_serial_sequence('projecttab', 'id'), "
                                            "coalesce(max(id), 0) + 1, false) from projecttab"),
            {});
    *copied = done;
}

} // namespace

namespace ReportCopy {

int copy(const QString &source, const QString &target, Mode mode, const Progress &progress)
{
    if (source == target)
        throw AppError(QCoreApplication::translate("ReportCopy", "不能把数据库复制到它自己: %1")
                           .arg(DatabaseLocation::parse(source).displayText()));
    Connection from;
    HadFile::open(from, source, Connection::Access::ReadOnly);
    int copied = 0;
    const bool server = DatabaseLocation::looksLikeServer(target);
    if (!server && !QFileInfo::exists(target)) {
        Connection::createFile(target, [&](Connection &to) {
            HadFile::createTables(to);
            to.transaction([&] { copyInto(from, to, mode, progress, &copied); });
        });
        return copied;
    }
    Connection to;
    if (!server) {
        HadFile::open(to, target);
        to.transaction([&] { copyInto(from, to, mode, progress, &copied); });
        return copied;
    }
    // A server database without tables is new: its tables come in the
    // copy's one transaction. One with tables is checked as any open does
    // (a role that may only read is refused before anything is read).
    to.open(target);
    if (!to.tableColumns(HadFile::ProjectTab).isEmpty() || !to.tableColumns(HadFile::CalcuData).isEmpty())
        HadFile::open(to, target);
    to.transaction([&] {
        if (to.tableColumns(HadFile::ProjectTab).isEmpty() && to.tableColumns(HadFile::CalcuData).isEmpty())
            for (const QString &statement : ServerSchema::createStatements())
                to.execute(statement);
        copyInto(from, to, mode, progress, &copied);
    });
    return copied;
}

} // namespace ReportCopy
