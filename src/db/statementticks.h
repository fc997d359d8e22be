#pragma once

#include <QElapsedTimer>

#include <functional>

class QSqlDatabase;

// Calls a function now and then while the engine runs a statement on a
// connection, so that a long statement (an index over many reports, a copy
// of a large file) can show that it is still at work. The calls come from
// inside the statement, at most every few hundredths of a second; the
// function must not use the connection.
class StatementTicks
{
public:
    StatementTicks() = default;
    StatementTicks(const StatementTicks &) = delete;
    StatementTicks &operator=(const StatementTicks &) = delete;

    // The function to call; an empty one stops the calls. Takes effect on
    // the connection attached last and on every one attached later.
    void setTick(std::function<void()> tick);
    // Hooks the calls into an open connection.
    void attach(const QSqlDatabase &database);
    // Forgets a connection about to be closed.
    void detach() { m_handle = nullptr; }

private:
    static int onEngineStep(void *self);
    void install();

    std::function<void()> m_tick;
    void *m_handle = nullptr;
    QElapsedTimer m_sinceTick;
};
