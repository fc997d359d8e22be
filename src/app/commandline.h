#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks: run (with the databases to open),
// show the help or the version, or nothing sensible (a message and exit
// status 2). Without arguments the program starts as it always has.
struct CommandLine
{
    enum class Request { Run, Help, Version, Invalid };

    Request request = Request::Run;
    // Absolute paths (relative ones taken from the current folder), or
    // server addresses as given.
    QStringList databases;
    QString error; // Invalid only

    // The words after the program's name. "--" ends the options.
    static CommandLine parse(const QStringList &words, const QString &currentFolder);

    static QString helpText();
    static QString versionText();
};
