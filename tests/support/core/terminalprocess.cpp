#include "terminalprocess.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TerminalProcess::~TerminalProcess()
{
    if (m_pid > 0 && !m_finished) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &m_status, 0);
    }
    if (m_terminal >= 0)
        ::close(m_terminal);
}

bool TerminalProcess::start(
    const QString &program, const QStringList &arguments, const QStringList &environment)
{
    // Everything the child needs is made before the fork: after it, only
    // calls that are safe in a child of a threaded process.
    std::vector<QByteArray> words { program.toLocal8Bit() };
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    QProcessEnvironment merged = QProcessEnvironment::systemEnvironment();
    for (const QString &entry : environment)
        merged.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    std::vector<QByteArray> entries;
    for (const QString &entry : merged.toStringList())
        entries.push_back(entry.toLocal8Bit());
    std::vector<char *> envp;
    for (QByteArray &entry : entries)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    m_pid = ::forkpty(&m_terminal, nullptr, nullptr, nullptr);
    if (m_pid < 0)
        return false;
    if (m_pid == 0) {
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    return true;
}

bool TerminalProcess::readSome(int timeoutMs)
{
    pollfd ready { m_terminal, POLLIN, 0 };
    if (::poll(&ready, 1, timeoutMs) <= 0)
        return true;
    char buffer[4096];
    const ssize_t got = ::read(m_terminal, buffer, sizeof buffer);
    if (got > 0)
        m_output.append(buffer, got);
    // EIO: the program has closed its end of the terminal.
    return got > 0 || (got < 0 && errno == EINTR);
}

bool TerminalProcess::waitForOutput(const QString &text, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired() || !readSome(int(qMax<qint64>(1, deadline.remainingTime()))))
            return output().contains(text);
    }
    return true;
}

bool TerminalProcess::waitForFinished(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && readSome(int(qMax<qint64>(1, deadline.remainingTime()))))
        ;
    while (!m_finished && !deadline.hasExpired()) {
        const pid_t ended = ::waitpid(m_pid, &m_status, WNOHANG);
        m_finished = ended == m_pid;
        if (!m_finished)
            ::usleep(10000);
    }
    return m_finished;
}

void TerminalProcess::kill(int signal) const
{
    ::kill(m_pid, signal);
}

QString TerminalProcess::output() const
{
    return QString::fromUtf8(m_output).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
