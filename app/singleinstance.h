// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One ChatWatch per settings folder: two would say every alert twice. The
// first start holds a lock in the folder and listens on a local socket named
// after it; a later start finds the lock and asks the first to show itself.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &configDir, QObject *parent = nullptr);

    // True when this process is now the one for the folder. A lock left by a
    // process that is gone is taken over. A folder that cannot be locked at
    // all (read-only, say) does not stop the program: true, with a warning.
    bool claim();
    // Asks the running one to bring its window forward; false if it does not
    // answer within `timeoutMs`.
    bool activateRunning(int timeoutMs = 3000);

    static QString lockPath(const QString &configDir);
    static QString serverName(const QString &configDir);

signals:
    void activationRequested();

private:
    void listen();

    QString m_configDir;
    QLockFile m_lock;
    QLocalServer m_server;
};

#endif
