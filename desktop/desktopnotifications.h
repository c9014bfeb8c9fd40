// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESKTOPNOTIFICATIONS_H
#define DESKTOPNOTIFICATIONS_H

#include <QDBusConnection>
#include <QMap>
#include <QObject>
#include <QString>

class QDBusPendingCall;
class QEventLoop;

// Sends notifications to the desktop's notification service on the session
// bus. Every call is asynchronous: a missing, hung or slow service never
// holds up the caller, which may be in the middle of an alert.
class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    // How long an unanswered call is kept before it counts as undelivered.
    static const int ReplyTimeoutMs = 10000;
    // How long a quit waits for the service to take them off the desktop.
    static const int QuitWaitMs = 1000;

    explicit DesktopNotifications(QObject *parent = nullptr);

    // Shows `summary` and `body` (plain text); a critical one stays until
    // read. A later send with the same key replaces it.
    void send(int key, const QString &summary, const QString &body, bool critical);
    // Takes the key's notification off the desktop; the next send with the
    // key opens a new one.
    void withdraw(int key);
    // Withdraws every one, waiting at most QuitWaitMs for the service.
    void withdrawAll();

signals:
    // No service took it: the caller may show it some other way.
    void undelivered(const QString &summary, const QString &body);

private:
    struct Note
    {
        uint id = 0;         // the service's, once it answered
        quint64 asking = 0;  // the send that awaits its answer, if any
        bool held = false;   // a newer content waits for that answer
        QString summary, body;
        bool critical = false;
    };

    void notify(int key);
    void answered(int key, quint64 serial, const QDBusPendingCall &call, const QString &summary, const QString &body);
    void close(uint id);
    QDBusPendingCall call(const QString &method, const QVariantList &arguments, int timeoutMs);
    void settled();

    QDBusConnection m_bus;
    QMap<int, Note> m_notes;
    quint64 m_serial = 0;
    int m_unanswered = 0;
    QEventLoop *m_quitting = nullptr;
    bool m_closed = false; // withdrawn at quit: nothing new is shown
};

#endif
