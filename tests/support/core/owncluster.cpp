#include "owncluster.h"

#include "runprogram.h"

#include <QFile>

#include <stdexcept>

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

} // namespace

OwnTestCluster::OwnTestCluster()
{
    run(QStringLiteral("start"));
    m_url = readFile(m_dir.filePath(QStringLiteral("url")));
    m_skip = readFile(m_dir.filePath(QStringLiteral("skip")));
    if (m_url.isEmpty() && m_skip.isEmpty())
        m_skip = QStringLiteral("the test cluster gave no URL");
    m_running = m_skip.isEmpty();
}

OwnTestCluster::~OwnTestCluster()
{
    try {
        run(QStringLiteral("stop"));
    } catch (const std::exception &e) {
        qWarning("cannot stop the test cluster: %s", e.what());
    }
}

void OwnTestCluster::admin(const QString &sql) const
{
    const ProcessResult result = runProgram(QStringLiteral("psql"),
        { QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
            QStringLiteral("-c"), sql, m_url });
    if (result.exitCode != 0)
        throw std::runtime_error(QStringLiteral("psql failed: %1").arg(result.err).toStdString());
}

void OwnTestCluster::stop()
{
    run(QStringLiteral("pause"));
    m_running = false;
}

void OwnTestCluster::start()
{
    if (m_running)
        return;
    run(QStringLiteral("resume"));
    m_running = true;
}

void OwnTestCluster::run(const QString &action) const
{
    const ProcessResult result = runProgram(
        QStringLiteral("sh"), { QStringLiteral(APPRAISAL_TEST_CLUSTER_SCRIPT), action, m_dir.path() });
    if (result.exitCode != 0)
        throw std::runtime_error(
            QStringLiteral("test-cluster.sh %1 failed: %2").arg(action, result.err).toStdString());
}
