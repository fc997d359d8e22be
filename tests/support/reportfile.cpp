#include "reportfile.h"

#include "db/hadfile.h"

#include <QDir>
#include <QFileInfo>

ReportFile::ReportFile(NoFileYet, const QString &relativePath)
    : path(dir.filePath(relativePath))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
}

ReportFile::ReportFile(int reportCount, const QString &relativePath)
    : ReportFile(NoFileYet(), relativePath)
{
    HadFile::createDatabaseFile(path);
    HadFile::open(connection, path);
    reports.open(HadFile::SelectAllReports);
    for (int i = 1; i <= reportCount; ++i) {
        reports.append();
        reports.setString("FileNo", QString::number(i));
        reports.post();
    }
    if (reportCount > 0)
        reports.first();
}

QString ReportFile::current() const
{
    return reports.asString("FileNo");
}
