// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QDeadlineTimer;

// One ChatWatch per settings folder: two would say every alert twice. The
// first start holds a lock in the folder and listens on a local socket named
// after it; a later start finds the lock and asks the first to show itself.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum Start {
        First,     // this process is now the one for the folder
        Activated, // the running one answered: it shows itself
        Blocked,   // a live process holds the lock but did not answer
    };

    explicit SingleInstance(const QString &configDir, QObject *parent = nullptr);

    // Takes the lock, or asks the running one to bring its window forward,
    // for at most `timeoutMs`. A lock whose holder is gone, or whose holder
    // cannot be known while nobody answers, is taken over. A folder that
    // cannot be locked at all (read-only, say) does not stop the program:
    // First, with a warning.
    Start start(int timeoutMs = 3000);

    static QString lockPath(const QString &configDir);
    static QString serverName(const QString &configDir);

signals:
    void activationRequested();

private:
    void listen();
    bool askRunning(const QDeadlineTimer &deadline);
    bool holderAlive() const;

    QString m_configDir;
    QLockFile m_lock;
    QLocalServer m_server;
};

#endif
