#include "testenv.h"

#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "output/outputstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void resetCoreState()
{
    resetProcessState();
    resetOutputState();
}

void (*resetState)() = resetCoreState;

} // namespace

void TestAppDir::resetStateWith(void (*reset)())
{
    resetState = reset;
}

// A set-up that failed stops the test program: a test must not pass on a
// program folder or a file it never got.
TestAppDir::TestAppDir()
    : m_path(QDir::cleanPath(m_dir.path()))
{
    if (!m_dir.isValid())
        qFatal("TestAppDir: cannot create a temporary folder: %s", qPrintable(m_dir.errorString()));
    resetState();
    Prompt::reset();
    Process.AppDir = m_path;
    Process.ShareDir = ProgramFolders::shareDir();
}

TestAppDir::~TestAppDir()
{
    resetState();
    Prompt::reset();
}

QString TestAppDir::filePath(const QString &relative) const
{
    return QDir(m_path).filePath(relative);
}

void TestAppDir::writeFile(const QString &relative, const QByteArray &content) const
{
    const QString path = filePath(relative);
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly)
        || file.write(content) != content.size() || !file.flush())
        qFatal("TestAppDir: cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
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
