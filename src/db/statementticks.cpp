#include "db/statementticks.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

// Engine steps between two looks at the clock: a look costs far less than
// the steps, and a statement is never more than a moment without one.
constexpr int StepsPerLook = 1000;
// The shortest time between two calls of the function.
constexpr qint64 TickIntervalMs = 40;

} // namespace

void StatementTicks::setTick(std::function<void()> tick)
{
    m_tick = std::move(tick);
    install();
}

void StatementTicks::attach(const QSqlDatabase &database)
{
    const QVariant handle = database.driver()->handle();
    m_handle = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
        ? *static_cast<sqlite3 *const *>(handle.constData())
        : nullptr;
    install();
}

void StatementTicks::install()
{
    if (!m_handle)
        return;
    sqlite3_progress_handler(static_cast<sqlite3 *>(m_handle), m_tick ? StepsPerLook : 0,
        m_tick ? &StatementTicks::onEngineStep : nullptr, this);
    m_sinceTick.invalidate();
}

int StatementTicks::onEngineStep(void *self)
{
    auto *ticks = static_cast<StatementTicks *>(self);
    if (!ticks->m_sinceTick.isValid() || ticks->m_sinceTick.elapsed() >= TickIntervalMs) {
        ticks->m_sinceTick.start();
        ticks->m_tick();
    }
    return 0; // never interrupts the statement
}
