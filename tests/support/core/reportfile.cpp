#include "reportfile.h"

#include "db/hadfile.h"
#include "db/serverschema.h"
#include "output/outputstate.h"
#include "output/pagesettingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

ReportFile::ReportFile(NoFileYet, const QString &relativePath)
    : path(dir.filePath(relativePath))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
}

ReportFile::ReportFile(int reportCount, const QString &relativePath)
    : ReportFile(Engine::File, reportCount, relativePath)
{ }

ReportFile::ReportFile(Engine engine, int reportCount, const QString &relativePath)
    : ReportFile(NoFileYet(), relativePath)
{
    if (engine == Engine::Server) {
        server = std::make_unique<TestServerDatabase>();
        path = server->url();
        ServerSchema::create(path);
    } else {
        HadFile::createDatabaseFile(path);
    }
    HadFile::open(connection, path);
    reports.open(HadFile::SelectAllReports);
    // One transaction: every commit waits for the disk.
    connection.transaction([&] {
        for (int i = 1; i <= reportCount; ++i) {
            reports.append();
            reports.setString("FileNo", QString::number(i));
            reports.post();
        }
    });
    if (reportCount > 0)
        reports.first();
}

QString ReportFile::current() const
{
    return reports.asString("FileNo");
}

void ReportFile::storePaper(const QString &style, int width, int height, int orientation)
{
    const TPageSettings current = OutputProcess.CurrentPageSettings;
    ResetPageSettingsToInitial();
    TPageSettings &page = OutputProcess.CurrentPageSettings;
    page.PageStyle = style;
    page.PageWidth = width;
    page.PageHeight = height;
    page.PageOrientation = orientation;
    reports.edit();
    StorePageSettingsToRow(reports);
    reports.post();
    OutputProcess.CurrentPageSettings = current;
}

QStringList reportTableColumns(const Connection &connection)
{
    QStringList names;
    QSqlQuery info = connection.run(QStringLiteral("PRAGMA table_info(ProjectTab)"));
    while (info.next())
        names << info.value(1).toString();
    return names;
}
