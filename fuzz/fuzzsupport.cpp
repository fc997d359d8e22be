#include "fuzzsupport.h"

#include "base/processstate.h"
#include "base/prompt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace FuzzSupport {

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

void start()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("APPRAISAL_HOME", folder().path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    new QGuiApplication(argc, argv); // lives as long as the process
    resetProcessState();
    Process.AppDir = folder().path();
    Prompt::setBackend(nullptr);
}

QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

QString scratchFile(const QString &name, const QByteArray &content)
{
    const QString path = QDir(folder().path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        std::abort(); // the fuzzer's own folder failing is no finding
    return path;
}

void forgetPrompts()
{
    Prompt::reset();
}

} // namespace FuzzSupport
