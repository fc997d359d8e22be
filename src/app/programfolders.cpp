#include "app/programfolders.h"

#include "app/apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList ProgramFolders::names()
{
    return {QStringLiteral("Data"), QStringLiteral("Backup"), QStringLiteral("Template"),
            QStringLiteral("Temp"), QStringLiteral("Resource")};
}

void ProgramFolders::ensure(const QString &appDir)
{
    const QDir dir(appDir);
    for (const QString &name : names()) {
        if (QFileInfo(dir.filePath(name)).isDir())
            continue;
        if (!dir.mkpath(name))
            throw AppError(QStringLiteral("不能创建文件夹 %1!").arg(QDir::toNativeSeparators(dir.filePath(name))));
    }
}

QString ProgramFolders::resolveAppDir()
{
    const QString home = qEnvironmentVariable("APPRAISAL_HOME");
    const QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
    return QDir::cleanPath(QDir(folder).absolutePath());
}
