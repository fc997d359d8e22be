#pragma once

#include "databaseengine.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "testenv.h"

#include <QString>
#include <QStringList>

#include <memory>

// An appraisal database in a fresh program folder, open as a report window
// opens it. It holds the given number of reports, numbered "1", "2", ...
// with the first one current; with NoFileYet the path is left free for a
// test that creates the file itself. On Engine::Server the database is one
// of its own on the test server instead, and path is its URL.
struct ReportFile
{
    struct NoFileYet
    {
    };

    explicit ReportFile(int reportCount = 0, const QString &relativePath = QStringLiteral("test.had"));
    ReportFile(Engine engine, int reportCount, const QString &relativePath = QStringLiteral("test.had"));
    ReportFile(NoFileYet, const QString &relativePath);

    // FileNo of the current report.
    QString current() const;

    // Stores the initial page settings with the given paper into the current
    // report's row and posts it. The current page settings are left as they
    // were.
    void storePaper(const QString &style, int width, int height, int orientation);

    TestAppDir dir;
    std::unique_ptr<TestServerDatabase> server;
    QString path;
    Connection connection;
    DataSet reports { connection };
};

// The columns ProjectTab has now, in table order.
QStringList reportTableColumns(const Connection &connection);
