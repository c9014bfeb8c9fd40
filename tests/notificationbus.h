// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOTIFICATIONBUS_H
#define NOTIFICATIONBUS_H

#include <QDBusContext>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

// A session bus of the test's own (a dbus-daemon it starts) and, on it, a
// desktop notification service that records what it is asked to show. It
// becomes the process's session bus: make it before any window.
class NotificationBus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    enum Service { Answers, NeverAnswers, Absent };

    NotificationBus();
    ~NotificationBus() override;
    bool isRunning() const { return !m_address.isEmpty(); }

    void setService(Service service);
    // Every Notify call's summary, in order.
    QStringList calls() const { return m_calls; }
    // What the desktop shows now: id -> "summary\nbody".
    QMap<uint, QString> shown() const { return m_shown; }
    void clear();

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout);

private:
    QProcess m_daemon;
    QString m_address;
    Service m_service = Absent;
    QStringList m_calls;
    QMap<uint, QString> m_shown;
    uint m_lastId = 0;
};

#endif
