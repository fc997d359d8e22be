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
    static const QString insert = QStringLiteral(
        "Insert into CalcuData(PartNumber,BldgConstitute,ComponentName, ComponentStructure, ComponentTotal, "
        "DangerComponentNumber, correspondingFileItem, FileNo)\n"
        " values(:PartNumber,:BldgConstitute,:ComponentName, :ComponentStructure, :ComponentTotal, "
        ":DangerComponentNumber, :correspondingFileItem, :FileNo)");
    connection.transaction([&] {
        connection.execute(QStringLiteral("delete from CalcuData where FileNo = :FileNo"),
            { { QStringLiteral("FileNo"), fileNo } });
        // Prepared once for all rows: a report may have hundreds of them.
        Connection::Statement insertRow = connection.prepare(insert);
        for (const ComponentRow &row : rows) {
            SqlParams params { { QStringLiteral("PartNumber"), row[ComponentColumn::Number] },
                { QStringLiteral("FileNo"), fileNo } };
            for (int c = 0; c < cellColumns().size(); ++c)
                params.insert(cellColumns().at(c), row[c + 1]);
            insertRow.execute(params);
        }
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
