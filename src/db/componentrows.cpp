#include "db/componentrows.h"

#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QStringList calcuDataLowerCaseColumns()
{
    QStringList names;
    for (const QString &column : HadFile::calcuDataColumns())
        names.append(column.toLower());
    return names;
}

// The insert of count rows under one report number: the cells of row k
// are the parameters ":PartNumber_k", ":BldgConstitute_k" and so on.
QString insertStatement(int count)
{
    QStringList columns { QStringLiteral("PartNumber") };
    columns += ComponentRows::cellColumns();
    QStringList rows;
    for (int k = 0; k < count; ++k) {
        QStringList values;
        for (const QString &column : std::as_const(columns))
            values.append(QStringLiteral(":%1_%2").arg(column).arg(k));
        values.append(QStringLiteral(":FileNo"));
        rows.append(u'(' + values.join(u',') + u')');
    }
    return QStringLiteral("insert into CalcuData(%1,FileNo) values %2")
        .arg(columns.join(u','), rows.join(QStringLiteral(", ")));
}

// Adds the cells of a row as the parameters of row k of insertStatement.
void addRowParams(SqlParams &params, int k, const ComponentRow &row)
{
    const QString suffix = u'_' + QString::number(k);
    params.insert(QStringLiteral("PartNumber") + suffix, row[ComponentColumn::Number]);
    for (int c = 0; c < ComponentRows::cellColumns().size(); ++c)
        params.insert(ComponentRows::cellColumns().at(c) + suffix, row[c + 1]);
}

// A file: one insert per row, prepared once for all of them.
void insertOneByOne(Connection &connection, const QString &fileNo, const QList<ComponentRow> &rows)
{
    Connection::Statement insertRow = connection.prepare(insertStatement(1));
    for (const ComponentRow &row : rows) {
        SqlParams params { { QStringLiteral("FileNo"), fileNo } };
        addRowParams(params, 0, row);
        insertRow.execute(params);
    }
}

// A server: each statement is a round trip, so the rows go in statements of
// many rows each, in their order (the identity column numbers them so).
void insertInStatementsOfManyRows(
    Connection &connection, const QString &fileNo, const QList<ComponentRow> &rows)
{
    constexpr int RowsPerStatement = 250;
    for (qsizetype start = 0; start < rows.size(); start += RowsPerStatement) {
        const int count = int(qMin<qsizetype>(RowsPerStatement, rows.size() - start));
        SqlParams params { { QStringLiteral("FileNo"), fileNo } };
        for (int k = 0; k < count; ++k)
            addRowParams(params, k, rows.at(start + k));
        connection.execute(insertStatement(count), params);
    }
}

} // namespace

namespace ComponentRows {

const QList<QString> &cellColumns()
{
    static const QList<QString> columns = { "BldgConstitute", "ComponentName", "ComponentStructure",
        "ComponentTotal", "DangerComponentNumber", "correspondingFileItem" };
    return columns;
}

const QList<QString> &headers()
{
    static const QList<QString> texts
        = { "部位编号", "房屋组成部份", "构件名称", "构件结构", "构件总数", "危险构件数", "对应条文" };
    return texts;
}

QString cellName(int line, int column)
{
    return QStringLiteral("第 %1 行 %2").arg(line).arg(headers().value(column));
}

QList<ComponentRow> load(const Connection &connection, const QString &fileNo)
{
    // In the order they were stored, whatever index the engine reads.
    const QString order = connection.rowIdName(HadFile::CalcuData, calcuDataLowerCaseColumns());
    QSqlQuery query = connection.run(
        QStringLiteral("select * from CalcuData where FileNo = :MainFileNo order by ") + order,
        { { QStringLiteral("MainFileNo"), fileNo } });
    QList<int> fields;
    for (const QString &column : cellColumns())
        fields.append(query.record().indexOf(column));
    QList<ComponentRow> rows;
    while (query.next()) {
        ComponentRow row;
        row[ComponentColumn::Number] = QString::number(rows.size() + 1);
        for (int c = 0; c < fields.size(); ++c)
            row[c + 1] = query.value(fields.at(c)).toString();
        rows.append(row);
    }
    return rows;
}

void save(Connection &connection, const QString &fileNo, const QList<ComponentRow> &rows)
{
    connection.transaction([&] {
        connection.execute(QStringLiteral("delete from CalcuData where FileNo = :FileNo"),
            { { QStringLiteral("FileNo"), fileNo } });
        if (connection.isServer())
            insertInStatementsOfManyRows(connection, fileNo, rows);
        else
            insertOneByOne(connection, fileNo, rows);
    });
}

void renumber(const Connection &connection, const QString &newNo, const QString &oldNo)
{
    connection.execute(
        QStringLiteral("update CalcuData set CalcuData.FileNo =:Str where CalcuData.FileNo=:Str1"),
        { { QStringLiteral("Str"), newNo }, { QStringLiteral("Str1"), oldNo } });
}

void followReportNumbers(DataSet &reports)
{
    reports.addBeforePost([](const DataSet &set) {
        if (set.state() != DataSet::State::Edit)
            return;
        const QString stored = set.storedString(QStringLiteral("FileNo"));
        const QString number = set.asString(QStringLiteral("FileNo"));
        if (number != stored)
            renumber(set.connection(), number, stored);
    });
}

} // namespace ComponentRows
