#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// A program run on a pseudo-terminal of its own: its standard input, output
// and error are the terminal, as when a user starts it in a terminal
// window. What it writes is read from the terminal's other end.
class TerminalProcess
{
public:
    TerminalProcess() = default;
    ~TerminalProcess();
    TerminalProcess(const TerminalProcess &) = delete;
    TerminalProcess &operator=(const TerminalProcess &) = delete;

    // Starts program with arguments; environment holds "NAME=value" entries
    // added to the test's own. Returns false when it cannot be started.
    bool start(const QString &program, const QStringList &arguments, const QStringList &environment = {});
    // Reads what the program writes until text has come or timeoutMs has
    // passed; returns whether text came.
    bool waitForOutput(const QString &text, int timeoutMs = 60000);
    // Reads until the program ends and returns whether it ended in time.
    bool waitForFinished(int timeoutMs = 60000);
    void kill(int signal) const;

    // Everything read so far, with the terminal's line ends ("\r\n") as "\n".
    QString output() const;
    // The wait status of the ended program (WIFEXITED, WIFSIGNALED...).
    int status() const { return m_status; }
    pid_t pid() const { return m_pid; }

private:
    // Reads what is there within timeoutMs; false once the terminal is closed.
    bool readSome(int timeoutMs);

    pid_t m_pid = -1;
    int m_terminal = -1;
    int m_status = 0;
    bool m_finished = false;
    QByteArray m_output;
};
