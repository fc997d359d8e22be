#include "db/recoveryrecord.h"

#include "base/apperror.h"
#include "base/dateconventions.h"
#include "base/filebytes.h"
#include "db/connection.h"
#include "db/databaselocation.h"
#include "db/hadfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace {

const QString Format = QStringLiteral("house-appraisal unsaved edits");
constexpr int Version = 1;
const QString FilePattern = QStringLiteral("unsaved-*.json");

const QString TrustDate = QStringLiteral("TrustDate");
const QString ApprDate = QStringLiteral("ApprDate");

QDate &dateOf(ReportTexts &texts, const QString &column)
{
    return column == TrustDate ? texts.trustDate : texts.apprDate;
}

// What is wrong with a record, for the message that names its file.
struct Damage
{
    QString reason;
};

QString stringAt(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        throw Damage { QStringLiteral("\"%1\" 不是文字").arg(key) };
    return value.toString();
}

ReportTexts textsFrom(const QJsonObject &fields)
{
    ReportTexts texts;
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        const QString text = stringAt(fields, b.column);
        if (b.kind != ReportFields::Kind::Date) {
            texts.setText(b.column, text);
            continue;
        }
        const QDate date = QDate::fromString(text, DateConventions::ShortDateFormat);
        if (!date.isValid())
            throw Damage { QStringLiteral("日期 \"%1\" 无效").arg(text) };
        dateOf(texts, b.column) = date;
    }
    return texts;
}

QList<ComponentRow> rowsFrom(const QJsonValue &value)
{
    if (!value.isArray())
        throw Damage { QStringLiteral("没有构件表") };
    QList<ComponentRow> rows;
    for (const QJsonValue &line : value.toArray()) {
        const QJsonArray cells = line.toArray();
        ComponentRow row;
        if (!line.isArray() || cells.size() != qsizetype(row.size()))
            throw Damage { QStringLiteral("构件表的一行不是 %1 格").arg(row.size()) };
        for (int c = 0; c < int(row.size()); ++c) {
            if (!cells.at(c).isString())
                throw Damage { QStringLiteral("构件表的一格不是文字") };
            row[c] = cells.at(c).toString();
        }
        rows.append(row);
    }
    return rows;
}

} // namespace

QByteArray RecoveryRecord::toJson() const
{
    QJsonObject fields;
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date) {
            const QDate date = b.column == TrustDate ? texts.trustDate : texts.apprDate;
            fields.insert(b.column, date.toString(DateConventions::ShortDateFormat));
        } else {
            fields.insert(b.column, texts.text(b.column));
        }
    }
    QJsonArray components;
    for (const ComponentRow &row : rows) {
        QJsonArray cells;
        for (const QString &cell : row)
            cells.append(cell);
        components.append(cells);
    }
    const QJsonObject report { { QStringLiteral("new"), newReport }, { QStringLiteral("row"), row },
        { QStringLiteral("number"), storedNumber } };
    const QJsonObject document { { QStringLiteral("format"), Format }, { QStringLiteral("version"), Version },
        { QStringLiteral("database"), database },
        { QStringLiteral("written"), written.toString(Qt::ISODateWithMs) },
        { QStringLiteral("report"), report }, { QStringLiteral("fields"), fields },
        { QStringLiteral("components"), components } };
    return QJsonDocument(document).toJson();
}

RecoveryRecord RecoveryRecord::fromJson(const QByteArray &json, const QString &path)
{
    try {
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
        if (parsed.error != QJsonParseError::NoError)
            throw Damage { parsed.errorString() };
        const QJsonObject top = document.object();
        if (top.value(QStringLiteral("format")).toString() != Format
            || top.value(QStringLiteral("version")).toInt() != Version)
            throw Damage { QStringLiteral("不是本程序的恢复记录") };
        RecoveryRecord record;
        record.database = stringAt(top, QStringLiteral("database"));
        if (record.database.isEmpty())
            throw Damage { QStringLiteral("没有数据库") };
        record.written = QDateTime::fromString(stringAt(top, QStringLiteral("written")), Qt::ISODateWithMs);
        const QJsonObject report = top.value(QStringLiteral("report")).toObject();
        record.newReport = report.value(QStringLiteral("new")).toBool();
        record.row = report.value(QStringLiteral("row")).toInteger(DataSet::NoBookmark);
        record.storedNumber = stringAt(report, QStringLiteral("number"));
        record.texts = textsFrom(top.value(QStringLiteral("fields")).toObject());
        record.rows = rowsFrom(top.value(QStringLiteral("components")));
        return record;
    } catch (const Damage &damage) {
        throw AppError(
            QStringLiteral("恢复记录 %1 已损坏: %2").arg(QDir::toNativeSeparators(path), damage.reason));
    }
}

namespace RecoveryRecords {

QString folder(const QString &appDir)
{
    return QDir(appDir).filePath(QStringLiteral("Temp"));
}

QString newPath(const QString &appDir)
{
    return QDir(folder(appDir))
        .filePath(QStringLiteral("unsaved-%1.json").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)));
}

QStringList found(const QString &appDir)
{
    const QDir dir(folder(appDir));
    QStringList paths;
    for (const QString &name : dir.entryList({ FilePattern }, QDir::Files, QDir::Time | QDir::Reversed))
        paths << dir.filePath(name);
    return paths;
}

void write(const QString &path, const RecoveryRecord &record)
{
    // The folder is made at start-up; one removed since is made again.
    QDir().mkpath(QFileInfo(path).absolutePath());
    FileBytes::write(path, record.toJson());
}

RecoveryRecord read(const QString &path)
{
    return RecoveryRecord::fromJson(FileBytes::read(path), path);
}

void remove(const QString &path)
{
    QFile file(path);
    if (!file.remove() && file.exists())
        throw AppError(
            QStringLiteral("不能删除文件 %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

Target target(const RecoveryRecord &record)
{
    if (!DatabaseLocation::looksLikeServer(record.database) && !QFileInfo(record.database).isFile())
        return Target::MissingDatabase;
    if (record.newReport)
        return Target::NewReport;
    Connection connection;
    HadFile::open(connection, record.database, Connection::Access::ReadOnly);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    try {
        reports.gotoBookmark(record.row);
    } catch (const AppError &) {
        return Target::DeletedReport;
    }
    return reports.asString(QStringLiteral("FileNo")) == record.storedNumber ? Target::Report
                                                                             : Target::DeletedReport;
}

} // namespace RecoveryRecords
