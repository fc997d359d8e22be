// appraisal-concurrency-bench: several programs saving reports of one
// database at once, each save through the version check, as appraisers in
// one office do.
//
//   appraisal-concurrency-bench --file PATH [--server URL] [--processes P]
//                               [--saves S] [--reports N]
//
// The database (a new file at PATH, and the server database at URL, which
// must be empty) gets N reports (default 20, so that saves meet) with ten
// component rows each. P processes (default 8) then each save S random
// reports (default 500): read the report, count its counter column up by
// one, and save it with its component rows in one transaction. A save
// refused because another process saved the report since it was read is a
// conflict, and is not retried; any other failure is counted (and told) as
// well. Each process counts its successful saves per
// report; at the end every report's counter must equal the successful saves
// of that report over all processes, else updates were lost. Prints one
// line per database: saves per second, conflicts, lost updates.

#include "base/apperror.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/databaselocation.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/rowconflict.h"
#include "db/serverschema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The column that every successful save counts up. A page setting that
// nothing else in this benchmark writes.
const QString CounterColumn = QStringLiteral("ClientWidth");

QString reportNumber(int i)
{
    return QStringLiteral("B-%1").arg(i + 1, 4, 10, QLatin1Char('0'));
}

QList<ComponentRow> componentRows(int counter)
{
    QList<ComponentRow> rows;
    for (int r = 0; r < 10; ++r)
        rows.append({ QString::number(r + 1), QStringLiteral("承重结构"), QStringLiteral("墙段"),
            QStringLiteral("砌体"), QString::number(counter % 50 + r), QString::number(r % 3),
            QStringLiteral("4.3.2") });
    return rows;
}

void fill(const QString &location, int reports)
{
    if (DatabaseLocation::looksLikeServer(location))
        ServerSchema::create(location);
    else
        HadFile::createDatabaseFile(location);
    Connection connection;
    HadFile::open(connection, location);
    DataSet set(connection);
    set.open(HadFile::SelectAllReports);
    if (!set.isEmpty())
        throw AppError(location + QStringLiteral(" already holds reports"));
    connection.transaction([&] {
        for (int i = 0; i < reports; ++i) {
            set.append();
            set.setString(QStringLiteral("FileNo"), reportNumber(i));
            set.setInteger(CounterColumn, 0);
            set.post();
            ComponentRows::save(connection, reportNumber(i), componentRows(0));
        }
    });
}

// One process's work; prints its conflicts, its saves that failed for
// another reason, and then each report's successful saves, on one line. A
// failure other than a conflict is told on stderr with how long the save
// waited.
int work(const QString &location, int saves, int reports)
{
    Connection connection;
    HadFile::open(connection, location);
    DataSet report(connection);
    report.setVersionColumn(HadFile::VersionColumn);
    QString number;
    report.addBeforePost([&](DataSet &set) {
        ComponentRows::save(set.connection(), number, componentRows(set.asInteger(CounterColumn)));
    });
    std::vector<int> saved(reports, 0);
    int conflicts = 0;
    int failures = 0;
    for (int s = 0; s < saves; ++s) {
        const int i = int(QRandomGenerator::global()->bounded(reports));
        number = reportNumber(i);
        QElapsedTimer timer;
        timer.start();
        try {
            report.open(
                QStringLiteral("select * from ProjectTab where FileNo = :FileNo"), { { "FileNo", number } });
            report.edit();
            report.setInteger(CounterColumn, report.asInteger(CounterColumn) + 1);
            report.post(DataSet::Stamp::Always);
            ++saved[i];
        } catch (const RowConflict &) {
            ++conflicts;
        } catch (const AppError &e) {
            ++failures;
            std::fprintf(stderr, "save %d failed after %lld ms: %s\n", s, timer.elapsed(), e.what());
        }
        if (report.state() != DataSet::State::Browse && report.isOpen())
            report.cancel();
    }
    std::printf("%d %d", conflicts, failures);
    for (int count : saved)
        std::printf(" %d", count);
    std::printf("\n");
    return 0;
}

struct Result
{
    double savesPerSecond = 0;
    int saves = 0;
    int conflicts = 0;
    int failures = 0;
    int lostUpdates = 0;
};

Result run(const QString &program, const QString &location, int processes, int saves, int reports)
{
    fill(location, reports);
    std::vector<std::unique_ptr<QProcess>> workers;
    QElapsedTimer timer;
    timer.start();
    for (int p = 0; p < processes; ++p) {
        workers.push_back(std::make_unique<QProcess>());
        workers.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        workers.back()->start(program,
            { "--worker", location, "--saves", QString::number(saves), "--reports",
                QString::number(reports) });
    }
    Result result;
    std::vector<int> saved(reports, 0);
    for (auto &worker : workers) {
        worker->waitForFinished(-1);
        const QStringList numbers = QString::fromUtf8(worker->readAllStandardOutput()).split(u' ');
        if (worker->exitCode() != 0 || numbers.size() != reports + 2)
            throw AppError(QStringLiteral("a worker failed on ") + location);
        result.conflicts += numbers.at(0).toInt();
        result.failures += numbers.at(1).toInt();
        for (int i = 0; i < reports; ++i) {
            saved[i] += numbers.at(i + 2).toInt();
            result.saves += numbers.at(i + 2).toInt();
        }
    }
    result.savesPerSecond = result.saves / (timer.nsecsElapsed() / 1e9);

    Connection connection;
    HadFile::open(connection, location, Connection::Access::ReadOnly);
    DataSet set(connection);
    set.open(HadFile::SelectAllReports);
    for (set.first(); !set.eof(); set.next()) {
        const int i = set.asString(QStringLiteral("FileNo")).mid(2).toInt() - 1;
        result.lostUpdates += qAbs(saved.at(i) - set.asInteger(CounterColumn));
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString path;
    QString serverUrl;
    QString workerLocation;
    int processes = 8;
    int saves = 500;
    int reports = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &a = args.at(i);
        const QString &value = args.at(i + 1);
        if (a == "--file")
            path = QFileInfo(value).absoluteFilePath();
        else if (a == "--server")
            serverUrl = value;
        else if (a == "--worker")
            workerLocation = value;
        else if (a == "--processes")
            processes = value.toInt();
        else if (a == "--saves")
            saves = value.toInt();
        else if (a == "--reports")
            reports = value.toInt();
    }
    try {
        if (!workerLocation.isEmpty())
            return work(workerLocation, saves, reports);
        if (path.isEmpty() || processes < 1 || saves < 1 || reports < 1) {
            std::fprintf(stderr,
                "usage: %s --file PATH [--server URL] [--processes P] [--saves S] [--reports N]\n", argv[0]);
            return 2;
        }
        std::printf("database\tsaves/s\tsaves\tconflicts\tother failures\tlost updates\n");
        QStringList locations { path };
        if (!serverUrl.isEmpty())
            locations.append(serverUrl);
        for (const QString &location : locations) {
            const Result r = run(app.applicationFilePath(), location, processes, saves, reports);
            std::printf("%s\t%.0f\t%d\t%d\t%d\t%d\n", location == path ? "file" : "server", r.savesPerSecond,
                r.saves, r.conflicts, r.failures, r.lostUpdates);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
