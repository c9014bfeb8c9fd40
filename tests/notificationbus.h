// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOTIFICATIONBUS_H
#define NOTIFICATIONBUS_H

#include <QDBusContext>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QStringList>
#include <QVariantMap>

// A dbus-daemon of the test's own, made the process's session bus (so made
// before any window), with a notification service that records each call.
class NotificationBus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    enum Service { Answers, NeverAnswers, Absent };

    NotificationBus();
    ~NotificationBus() override;
    bool isRunning() const { return m_started; }
    void setService(Service service);
    void clear() { setService(Answers); calls.clear(); shown.clear(); seen.clear(); m_open.clear(); m_lastId = 0; }

    QStringList calls;  // each call's summary
    QStringList shown;  // "summary\nbody" as shown now, in the order opened
    QStringList seen;   // "+id summary" opened, "=id summary" asked to replace, "-id" closed; "!": critical

public slots:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &hints, int);
    void CloseNotification(uint id);

private:
    QTemporaryDir m_config;
    QProcess m_daemon;
    bool m_started = false;
    Service m_service = Absent;
    QMap<uint, QString> m_open;
    uint m_lastId = 0;
};

#endif
