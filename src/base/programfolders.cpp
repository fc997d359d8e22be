#include "base/programfolders.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString FolderName = QStringLiteral("house-appraisal");
// A user's own clause library, which the program reads instead of the shared one.
const QString LibraryCopy = QStringLiteral("Resource/ApprStandar.mdb");

QString absoluteClean(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// A dangling link counts as present too: copying over it would write
// wherever it points.
bool present(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QStringList ProgramFolders::names()
{
    return { QStringLiteral("Data"), QStringLiteral("Backup"), QStringLiteral("Template"),
        QStringLiteral("Temp"), QStringLiteral("Resource") };
}

void ProgramFolders::ensure(const QString &appDir)
{
    const QDir dir(appDir);
    for (const QString &name : names()) {
        if (QFileInfo(dir.filePath(name)).isDir())
            continue;
        if (!dir.mkpath(name))
            throw AppError(QStringLiteral("不能创建文件夹 %1!").arg(native(dir.filePath(name))));
    }
}

bool ProgramFolders::isBuildTree(const QString &executableDir)
{
    return QFileInfo(QDir(executableDir).filePath(BuildTreeMarker)).isFile();
}

QString ProgramFolders::resolveAppDir(const QProcessEnvironment &environment, const QString &executableDir)
{
    const QString home = environment.value(QStringLiteral("APPRAISAL_HOME"));
    if (!home.isEmpty())
        return absoluteClean(home);
    if (isBuildTree(executableDir))
        return absoluteClean(executableDir);
    // A relative XDG_DATA_HOME is invalid and is ignored, as the XDG base
    // directory rules require.
    QString dataHome = environment.value(QStringLiteral("XDG_DATA_HOME"));
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        // Without a home folder the per-user folder would land under the
        // root folder or the working folder; the program writes nothing then.
        const QString userHome = environment.value(QStringLiteral("HOME"));
        if (userHome.isEmpty() || QDir::isRelativePath(userHome))
            throw AppError(QStringLiteral(
                "没有设置用户的主文件夹 (环境变量 HOME 为空或不是绝对路径), 也没有用环境变量 APPRAISAL_HOME "
                "指定程序文件夹: 设置和鉴定报告无处保存, 程序不能启动!"));
        dataHome = QDir(userHome).filePath(QStringLiteral(".local/share"));
    }
    return absoluteClean(QDir(dataHome).filePath(FolderName));
}

QString ProgramFolders::resolveAppDir()
{
    return resolveAppDir(QProcessEnvironment::systemEnvironment(), QCoreApplication::applicationDirPath());
}

QString ProgramFolders::shareDir(const QString &executableDir)
{
    return absoluteClean(QDir(executableDir).filePath(QStringLiteral("../share")));
}

QString ProgramFolders::shareDir()
{
    return shareDir(QCoreApplication::applicationDirPath());
}

QString ProgramFolders::sharedDataDir(const QString &shareDir)
{
    return QDir(shareDir).filePath(FolderName);
}

QString ProgramFolders::sharedDataDir()
{
    return sharedDataDir(shareDir());
}

QString ProgramFolders::manualStartPage(const QString &shareDir)
{
    return QDir(shareDir).filePath(QStringLiteral("doc/%1/manual/index.html").arg(FolderName));
}

QString ProgramFolders::clauseLibrary(const QString &appDir, const QString &sharedDir)
{
    const QString own = QDir(appDir).filePath(LibraryCopy);
    return present(own) ? own : QDir(sharedDir).filePath(QFileInfo(LibraryCopy).fileName());
}

QStringList ProgramFolders::seededFiles()
{
    return { QStringLiteral("Data/2004年房屋安全鉴定报告.had") };
}

void ProgramFolders::seed(const QString &appDir, const QString &sharedDir)
{
    QStringList failures;
    for (const QString &relative : seededFiles()) {
        const QString target = QDir(appDir).filePath(relative);
        if (present(target))
            continue;
        const QString source = QDir(sharedDir).filePath(QFileInfo(relative).fileName());
        if (!QFileInfo(source).isFile()) {
            failures.append(QStringLiteral("程序的共享数据文件 %1 不存在!").arg(native(source)));
            continue;
        }
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) {
            failures.append(QStringLiteral("不能把 %1 复制到 %2!").arg(native(source), native(target)));
            continue;
        }
        // The shared copy is read-only for the user; the working copy is not.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    }
    if (!failures.isEmpty())
        throw AppError(failures.join(u'\n'));
}

void ProgramFolders::removeUnchangedLibraryCopy(const QString &appDir, const QString &sharedDir)
{
    const QString copy = QDir(appDir).filePath(LibraryCopy);
    QFile own(copy);
    QFile shared(QDir(sharedDir).filePath(QFileInfo(LibraryCopy).fileName()));
    // A link is no copy the program made.
    if (QFileInfo(copy).isSymLink() || own.size() != shared.size())
        return;
    if (!own.open(QIODevice::ReadOnly) || !shared.open(QIODevice::ReadOnly))
        return;
    if (own.readAll() != shared.readAll())
        return;
    own.close();
    own.remove();
}
