#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <memory>

#include <unistd.h>

namespace {

// The first word of every hand-over, so that a stray connection is ignored.
constexpr quint32 HandOverMagic = 0x48414431; // "HAD1"
constexpr char Taken = '1';
constexpr int WaitMs = 5000;

} // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{ }

SingleInstance::~SingleInstance() = default;

// The runtime folder is the user's own; QStandardPaths would warn on
// standard error when XDG_RUNTIME_DIR is not set, so it is read here.
QString SingleInstance::nameFor(const QString &appDir)
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || !QDir(folder).exists())
        folder = QDir::tempPath();
    const QByteArray folderHash
        = QCryptographicHash::hash(QDir::cleanPath(appDir).toUtf8(), QCryptographicHash::Sha256)
              .toHex()
              .left(16);
    return QDir(folder).filePath(
        QStringLiteral("house-appraisal-%1-%2").arg(::getuid()).arg(QString::fromLatin1(folderHash)));
}

bool SingleInstance::handOver(const QStringList &locations) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(WaitMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << HandOverMagic << locations;
    socket.write(message);
    if (!socket.waitForBytesWritten(WaitMs))
        return false;
    while (socket.bytesAvailable() == 0)
        if (!socket.waitForReadyRead(WaitMs))
            return false;
    char answer = 0;
    return socket.getChar(&answer) && answer == Taken;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // Nobody answered on it (handOver came first): a leftover.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    return true;
}

// The message is read as it arrives; once it is whole the sender is
// answered first, and the databases are opened afterwards, so that a
// question shown while opening them does not keep the sender waiting.
void SingleInstance::takeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The stream lives as long as the connection that reads with it.
        auto in = std::make_shared<QDataStream>(socket);
        in->setVersion(QDataStream::Qt_6_0);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, in] {
            in->startTransaction();
            quint32 magic = 0;
            QStringList locations;
            *in >> magic >> locations;
            if (!in->commitTransaction())
                return; // more to come
            if (magic != HandOverMagic) {
                socket->abort();
                return;
            }
            socket->putChar(Taken);
            socket->flush();
            QTimer::singleShot(0, this, [this, locations] { emit handedOver(locations); });
        });
    }
}
