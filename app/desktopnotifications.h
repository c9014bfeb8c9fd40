// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESKTOPNOTIFICATIONS_H
#define DESKTOPNOTIFICATIONS_H

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

// Sends notifications to the desktop's notification service on the session
// bus. Every call is asynchronous: a missing, hung or slow service never
// holds up the caller, which may be in the middle of an alert.
class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    // How long an unanswered call is kept before it counts as undelivered.
    static const int ReplyTimeoutMs = 10000;

    explicit DesktopNotifications(QObject *parent = nullptr);

    // Shows `summary` and `body` (plain text). A later send with the same key
    // replaces the notification the service last showed for it, if any.
    void send(int key, const QString &summary, const QString &body);
    // The next send with `key` opens a new notification.
    void forget(int key) { m_shown.remove(key); }

signals:
    // No service took it: the caller may show it some other way.
    void undelivered(const QString &summary, const QString &body);

private:
    QDBusConnection m_bus;
    QHash<int, uint> m_shown;
};

#endif
