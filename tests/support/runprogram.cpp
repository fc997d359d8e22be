#include "hadtoolprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

HadtoolResult runHadtool(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hadtool")), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}
