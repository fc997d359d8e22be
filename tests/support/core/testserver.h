#pragma once

#include <QString>

// A database of its own on the throwaway test server (scripts/test-cluster.sh)
// for one test: created empty, dropped again at the end. The server's URL
// comes from APPRAISAL_TEST_PG_URL, or from the url file the cluster script
// wrote into APPRAISAL_TEST_PG_STATE.
class TestServerDatabase
{
public:
    // Why no server can be used, or an empty text when one can.
    static QString unavailableReason();

    TestServerDatabase();
    ~TestServerDatabase();
    TestServerDatabase(const TestServerDatabase &) = delete;
    TestServerDatabase &operator=(const TestServerDatabase &) = delete;

    // The database's URL, as the superuser or as another role.
    QString url(const QString &user = {}) const;
    // Runs statements as the superuser on this database; fails the test
    // program loudly when they fail.
    void admin(const QString &sql) const;

private:
    QString m_name;
};

// Skips the calling test function, with the reason, when there is no server.
#define REQUIRE_TEST_SERVER()                                                                                \
    do {                                                                                                     \
        const QString why = TestServerDatabase::unavailableReason();                                         \
        if (!why.isEmpty())                                                                                  \
            QSKIP(qPrintable(why));                                                                          \
    } while (false)
