// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QtDebug>

namespace {
const char ActivateMessage[] = "activate\n";
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
                if (socket->read(sizeof ActivateMessage - 1) == ActivateMessage)
                    emit activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
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

bool SingleInstance::claim()
{
    if (m_lock.tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock.error() == QLockFile::LockFailedError)
        return false;
    qWarning("Cannot lock %s (error %d): another ChatWatch with these settings would not be noticed",
             qPrintable(lockPath(m_configDir)), int(m_lock.error()));
    return true;
}

void SingleInstance::listen()
{
    // We hold the lock, so a socket of that name was left by a crash.
    QLocalServer::removeServer(serverName(m_configDir));
    if (!m_server.listen(serverName(m_configDir)))
        qWarning("Cannot listen on %s: a second start cannot bring this window forward (%s)",
                 qPrintable(serverName(m_configDir)), qPrintable(m_server.errorString()));
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    // The running one may have taken the lock a moment ago and not listen yet.
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName(m_configDir));
        if (socket.waitForConnected(qMax(1, timeoutMs - int(elapsed.elapsed())))) {
            socket.write(ActivateMessage);
            // Once written it is read, even after we are gone.
            if (socket.waitForBytesWritten(qMax(1, timeoutMs - int(elapsed.elapsed()))))
                return true;
        }
        QThread::msleep(100);
    } while (elapsed.elapsed() < timeoutMs);
    return false;
}
