#pragma once

#include <QString>
#include <QTemporaryDir>

// A throwaway PostgreSQL cluster for one test alone (scripts/test-cluster.sh
// in a folder of its own), which the test may stop and start again while
// its programs stay connected: a server that goes away mid-session and comes
// back. Stopped and removed at the end.
class OwnTestCluster
{
public:
    OwnTestCluster();
    ~OwnTestCluster();
    OwnTestCluster(const OwnTestCluster &) = delete;
    OwnTestCluster &operator=(const OwnTestCluster &) = delete;

    // Why the cluster could not be started, or an empty text when it runs.
    const QString &unavailableReason() const { return m_skip; }
    // The URL of its database postgres, as the superuser.
    const QString &url() const { return m_url; }

    // Runs a statement as the superuser on its database postgres. Throws
    // std::runtime_error.
    void admin(const QString &sql) const;

    // Stops the server (a fast shutdown: its connections are closed), and
    // starts it again on the same socket and port with the same data (when
    // stopped).
    void stop();
    void start();

private:
    void run(const QString &action) const;

    QTemporaryDir m_dir;
    QString m_url;
    QString m_skip;
    bool m_running = false;
};
