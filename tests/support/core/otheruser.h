#pragma once

// Tests of files a user may only read. Root passes every permission check,
// so a test that runs as root runs its program as the user "nobody" instead;
// a test that runs as another user needs nothing of this.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace OtherUser {

inline bool isRoot()
{
    return ::geteuid() == 0;
}

// Why permission checks cannot be tried here, or an empty text.
inline QString unavailable()
{
    if (!isRoot())
        return QString();
    if (!::getpwnam("nobody"))
        return QStringLiteral("running as root, and there is no user nobody to run as");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("running as root, and setpriv is missing to run as nobody");
    return QString();
}

// Sets up process to run program with permission checks: as nobody when
// this process is root, as it is otherwise.
inline void prepare(QProcess &process, const QString &program, const QStringList &arguments)
{
    if (!isRoot()) {
        process.setProgram(program);
        process.setArguments(arguments);
        return;
    }
    const passwd *nobody = ::getpwnam("nobody");
    process.setProgram(QStandardPaths::findExecutable(QStringLiteral("setpriv")));
    process.setArguments(
        QStringList { QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
            QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"), program }
        + arguments);
}

// Lets every user into folder (a test's temporary folder is its owner's alone).
inline void openFolder(const QString &folder)
{
    QFile::setPermissions(folder,
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther);
}

// Runs the current test function (and data row) again in a child process
// as nobody. Returns the child's output when it failed, or an empty text.
inline QString rerunCurrentTest()
{
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (const char *tag = QTest::currentDataTag())
        function += u':' + QString::fromUtf8(tag);
    QProcess child;
    prepare(child, QCoreApplication::applicationFilePath(), { function });
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start();
    if (!child.waitForFinished(120000))
        return QStringLiteral("the child did not finish: ") + child.errorString();
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return QString();
    return QString::fromUtf8(child.readAll());
}

} // namespace OtherUser

// At the start of a test function that needs permission checks: as root it
// runs the function again as nobody and ends here with the child's verdict.
#define RUN_AS_OTHER_USER()                                                                                  \
    do {                                                                                                     \
        if (OtherUser::isRoot()) {                                                                           \
            if (!OtherUser::unavailable().isEmpty())                                                         \
                QSKIP(qPrintable(OtherUser::unavailable()));                                                 \
            const QString failure = OtherUser::rerunCurrentTest();                                           \
            QVERIFY2(failure.isEmpty(), qPrintable(failure));                                                \
            return;                                                                                          \
        }                                                                                                    \
    } while (false)
