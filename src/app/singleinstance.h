#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

// One running program per user and program folder: a later start hands its
// databases to the running one through a local socket instead of opening a
// second frame, so that two frames never work on one file and one
// config.ini. The socket lies in the user's runtime folder (or the
// temporary folder) and only its owner may connect.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // name: the socket's file name, as nameFor() makes it.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket's name for the program folder, unique per user.
    static QString nameFor(const QString &appDir);

    // Hands the locations (possibly none) to a running program and waits
    // until it has taken them. False when no program answers.
    bool handOver(const QStringList &locations) const;

    // Starts taking hand-overs; a socket left behind by a program that
    // ended without removing it is replaced. False when the socket cannot
    // be made: the program then runs on its own.
    bool listen();

signals:
    // Emitted once the sender has its answer.
    void handedOver(const QStringList &locations);

private:
    void takeConnection();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
