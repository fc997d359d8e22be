#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;
class QProcessEnvironment;

// What a run of a program gave: its exit status and its output decoded as
// UTF-8. exitCode is -1 when it crashed or did not finish; err then says why.
struct ProcessResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

struct RunOptions
{
    QByteArray input {}; // written to its standard input, which is then closed
    QString workingFolder {}; // the test's own when empty
    int timeoutMs = 60000;
    QStringList environment {}; // "NAME=value" in place of the test's own values
};

// Starts a process set up with its program, arguments and anything else it
// needs, and waits for it to end.
ProcessResult runProcess(QProcess &process, const RunOptions &options = {});

// Runs program with the given arguments and waits for it to end.
ProcessResult runProgram(
    const QString &program, const QStringList &arguments, const RunOptions &options = {});

// The hadtool built beside the test.
QString hadtoolPath();

// The Chinese locale as an environment entry ("LC_ALL=..."): under it
// hadtool prints the texts of its sources, as Hadtool::run does inside the
// test.
extern const QString ChineseLocale;

// The test's environment under the Chinese locale.
QProcessEnvironment chineseEnvironment();

// Runs the hadtool built beside the test with the given arguments, under a
// Chinese locale unless the options' environment sets LC_ALL.
ProcessResult runHadtool(const QStringList &arguments, const RunOptions &options = {});
