// Builds the sample database and the clause library from their SQL sources:
//
//   appraisal-databuilder reports <sample_reports.sql> <file.had>
//   appraisal-databuilder clauses <clauses.sql> <ApprStandar.mdb>
//
// The result is first written under a temporary name and renamed when it is
// complete, so that a failed run never leaves a half-built file behind that
// the build would take as up to date.

#include "sqlscript.h"

#include "base/apperror.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdio>

namespace {

QString readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

// Text as the program stores it: every line break as CR LF.
QString storedText(const QVariant &value)
{
    QString text = value.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

// An in-memory database whose untyped tables take the source's statements,
// so that the values arrive as written (text, number or NULL) before they
// are converted by the appraisal database's own columns.
class Staging
{
public:
    Staging()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open())
            throw AppError(db.lastError().text());
    }
    ~Staging() { QSqlDatabase::removeDatabase(Name); }

    void createTable(const QString &table, const QStringList &columns)
    {
        run(QStringLiteral("create table %1 (%2)").arg(table, columns.join(u',')));
    }

    QSqlQuery run(const QString &statement) const
    {
        QSqlQuery query(QSqlDatabase::database(Name, false));
        if (!query.exec(statement))
            throw AppError(QStringLiteral("%1\nin: %2").arg(query.lastError().text(), statement.left(200)));
        return query;
    }

private:
    static inline const QString Name = QStringLiteral("staging");
};

// Appends every staged row of the table to the appraisal database through a
// data set, column by column as text; NULL columns are left unset.
void copyRows(const Staging &staging, const QString &table, Connection &connection)
{
    DataSet target(connection);
    target.open(QStringLiteral("select * from ") + table);
    QSqlQuery rows = staging.run(QStringLiteral("select * from %1 order by rowid").arg(table));
    while (rows.next()) {
        const QSqlRecord record = rows.record();
        target.append();
        for (int i = 0; i < record.count(); ++i) {
            if (!record.isNull(i))
                target.setString(record.fieldName(i), storedText(record.value(i)));
        }
        target.post();
    }
}

void buildReports(const QString &source, const QString &path)
{
    Staging staging;
    staging.createTable(HadFile::ProjectTab, HadFile::projectTabColumns());
    staging.createTable(HadFile::CalcuData, HadFile::calcuDataColumns());
    for (const QString &statement : splitSqlStatements(readSource(source)))
        staging.run(statement);

    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    connection.transaction([&] {
        copyRows(staging, HadFile::ProjectTab, connection);
        copyRows(staging, HadFile::CalcuData, connection);
    });
}

void buildClauseLibrary(const QString &source, const QString &path)
{
    const QStringList statements = splitSqlStatements(readSource(source));
    Connection connection;
    connection.create(path);
    connection.transaction([&] {
        for (const QString &statement : statements)
            connection.execute(statement);
    });
}

void build(const QString &kind, const QString &source, const QString &target)
{
    if (kind != QLatin1String("reports") && kind != QLatin1String("clauses"))
        throw AppError(QStringLiteral("unknown kind \"%1\": reports or clauses").arg(kind));
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        throw AppError(QStringLiteral("cannot create the folder of %1").arg(target));

    const QString partial = target + QStringLiteral(".part");
    const auto removePartial = [&] {
        QFile::remove(partial);
        Connection::removeJournals(partial);
    };
    removePartial();
    try {
        if (kind == QLatin1String("reports"))
            buildReports(source, partial);
        else
            buildClauseLibrary(source, partial);
        QFile::remove(target);
        if (!QFile::rename(partial, target))
            throw AppError(QStringLiteral("cannot rename %1 to %2").arg(partial, target));
    } catch (...) {
        removePartial();
        throw;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: %s reports|clauses <source.sql> <target>\n", argv[0]);
        return 2;
    }
    try {
        build(args.at(1), args.at(2), args.at(3));
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(3)), qPrintable(error.message()));
        return 1;
    }
    return 0;
}
