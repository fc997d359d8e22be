#include "testenv.h"

#include "app/programstate.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestAppDir::TestAppDir()
    : m_path(QDir::cleanPath(m_dir.path()))
{
    resetProgramState();
    Prompt::reset();
    Process.AppDir = m_path;
    Process.ShareDir = ProgramFolders::shareDir();
}

TestAppDir::~TestAppDir()
{
    resetProgramState();
    Prompt::reset();
}

QString TestAppDir::filePath(const QString &relative) const
{
    return QDir(m_path).filePath(relative);
}

void TestAppDir::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray TestAppDir::readFile(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString copyOfBuilt(const TestAppDir &dir, const QString &name)
{
    const QString built = QDir(ProgramFolders::sharedDataDir()).filePath(name);
    const QString copy = dir.filePath(name);
    if (!QFile::copy(built, copy))
        qFatal("%s was not built", qPrintable(built));
    return copy;
}

QString lastPromptText()
{
    const auto &shown = Prompt::shown();
    return shown.isEmpty() ? QString() : shown.last().text;
}
