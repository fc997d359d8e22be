#pragma once

#include "testserver.h"

#include <QtTest>

// Where a test's database lives: a .had file, or a database of its own on
// the throwaway test server. Tests that must hold on both run once per
// engine, as rows of their data table.
enum class Engine { File, Server };

inline constexpr Engine Engines[] = { Engine::File, Engine::Server };

inline const char *engineName(Engine engine)
{
    return engine == Engine::File ? "file" : "server";
}

// Starts a data row for one engine, named "file: name" or "server: name",
// with the engine as its first column (added by addEngineColumn).
inline QTestData &newEngineRow(Engine engine, const char *name)
{
    return QTest::addRow("%s: %s", engineName(engine), name) << engine;
}

inline void addEngineColumn()
{
    QTest::addColumn<Engine>("engine");
}

// The data table of a test that takes nothing but the engine.
inline void addEngineRows()
{
    addEngineColumn();
    for (Engine engine : Engines)
        QTest::newRow(engineName(engine)) << engine;
}

// Fetches the row's engine; a server row is skipped, with the reason, when
// there is no test server.
#define FETCH_ENGINE(engine)                                                                                 \
    QFETCH(Engine, engine);                                                                                  \
    if (engine == Engine::Server)                                                                            \
    REQUIRE_TEST_SERVER()
