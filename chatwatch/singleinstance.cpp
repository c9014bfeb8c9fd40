// SPDX-License-Identifier: GPL-3.0-or-later
#include "chatwatch/singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QtDebug>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <signal.h>
#endif

namespace {
const char ActivateMessage[] = "activate\n";
const char Answer[] = "shown\n";
}

SingleInstance::SingleInstance(const QString &configDir, QObject *parent)
    : QObject(parent)
    , m_configDir(configDir)
    , m_lock(lockPath(configDir))
{
    // Never stale by age: a lock held for days by a running ChatWatch is
    // still held. Only a lock whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->bytesAvailable() < qint64(sizeof ActivateMessage - 1))
                    return;
                if (socket->read(sizeof ActivateMessage - 1) == ActivateMessage) {
                    emit activationRequested();
                    socket->write(Answer);
                }
                socket->disconnectFromServer();
            });
        }
    });
    // One that quits must not tell a second start it runs on. Connected
    // before the window is made, so before anything at quit waits.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            m_server.close();
            qDeleteAll(m_server.findChildren<QLocalSocket *>());
        });
    }
}

QString SingleInstance::lockPath(const QString &configDir)
{
    return QDir(configDir).filePath(QStringLiteral("chatwatch.lock"));
}

QString SingleInstance::serverName(const QString &configDir)
{
    QFileInfo info(configDir);
    // The same folder reached through a link is the same folder.
    const QString path = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(20);
    return QStringLiteral("chatwatch-") + QString::fromLatin1(hash);
}

SingleInstance::Start SingleInstance::start(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // One that is quitting lets go of the lock a moment after it stops
    // answering; one that just started listens a moment after it took it.
    for (;;) {
        if (m_lock.tryLock(0)) {
            listen();
            return First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            qWarning("Cannot lock %s (error %d): another ChatWatch with these settings would not be noticed",
                     qPrintable(lockPath(m_configDir)), int(m_lock.error()));
            return First;
        }
        if (askRunning(deadline))
            return Activated;
        // On Unix Qt removes only a file no process holds a file-system lock
        // on: never a live holder's.
        if (!holderAlive() && m_lock.removeStaleLockFile())
            continue;
        if (deadline.hasExpired())
            return Blocked;
        QThread::msleep(100);
    }
}

void SingleInstance::listen()
{
    // We hold the lock, so a socket of that name was left by a crash.
    QLocalServer::removeServer(serverName(m_configDir));
    if (!m_server.listen(serverName(m_configDir)))
        qWarning("Cannot listen on %s: a second start cannot bring this window forward (%s)",
                 qPrintable(serverName(m_configDir)), qPrintable(m_server.errorString()));
}

bool SingleInstance::askRunning(const QDeadlineTimer &deadline)
{
    const auto left = [&deadline] { return int(qBound(qint64(1), deadline.remainingTime(), qint64(60000))); };
    QLocalSocket socket;
    socket.connectToServer(serverName(m_configDir));
    if (!socket.waitForConnected(left()))
        return false;
    socket.write(ActivateMessage);
    // Bytes written reach one that is quitting too: only an answer says it
    // runs on.
    while (socket.bytesAvailable() < qint64(sizeof Answer - 1) && socket.waitForReadyRead(left())) {
    }
    return socket.read(sizeof Answer - 1) == Answer;
}

// The lock names a process of this host that still runs. Contents that
// cannot be read (cut short by a power loss, garbage, another host's) name
// none that could answer.
bool SingleInstance::holderAlive() const
{
    qint64 pid = 0;
    QString host, application;
    if (!m_lock.getLockInfo(&pid, &host, &application) || host != QSysInfo::machineHostName())
        return false;
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    return true;
#endif
}
