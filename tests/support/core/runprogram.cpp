#include "runprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

ProcessResult runProcess(QProcess &process, const RunOptions &options)
{
    if (!options.workingFolder.isEmpty())
        process.setWorkingDirectory(options.workingFolder);
    if (!options.environment.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : options.environment)
            environment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        process.setProcessEnvironment(environment);
    }
    process.start();
    process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(options.timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return { -1, QString(), process.errorString() };
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}

ProcessResult runProgram(const QString &program, const QStringList &arguments, const RunOptions &options)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    return runProcess(process, options);
}

QString hadtoolPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("hadtool"));
}

const QString ChineseLocale = QStringLiteral("LC_ALL=zh_CN.UTF-8");

QProcessEnvironment chineseEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChineseLocale.section(u'=', 0, 0), ChineseLocale.section(u'=', 1));
    return environment;
}

ProcessResult runHadtool(const QStringList &arguments, const RunOptions &options)
{
    // The options' own values come later and win.
    RunOptions withLocale = options;
    withLocale.environment.prepend(ChineseLocale);
    return runProgram(hadtoolPath(), arguments, withLocale);
}
