#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a run of the built hadtool gave: its exit status and its output
// decoded as UTF-8. exitCode is -1 when it crashed or did not finish.
struct HadtoolResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the hadtool built beside the test with the given arguments and
// standard input, and waits for it to end.
HadtoolResult runHadtool(const QStringList &arguments, const QByteArray &input = {});
