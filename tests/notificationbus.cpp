// SPDX-License-Identifier: GPL-3.0-or-later
#include "notificationbus.h"

#include <QDBusConnection>
#include <QFile>

static const QString Connection = QStringLiteral("test-notifications");

NotificationBus::NotificationBus()
{
    // The desktop's session bus without its service folders: a notification
    // daemon installed on the machine must not be started in place of the
    // test's own service.
    QStringList options{"--session"};
    QFile system(QStringLiteral("/usr/share/dbus-1/session.conf"));
    QFile config(m_config.filePath(QStringLiteral("session.conf")));
    if (system.open(QIODevice::ReadOnly) && config.open(QIODevice::WriteOnly)) {
        config.write(system.readAll().replace("<standard_session_servicedirs />", ""));
        options = QStringList{"--config-file=" + config.fileName()};
    }
    config.close();
    m_daemon.start(QStringLiteral("dbus-daemon"), options + QStringList{"--nofork", "--print-address"});
    m_started = m_daemon.waitForReadyRead(5000);
    const QByteArray address = m_daemon.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection::connectToBus(QString::fromUtf8(address), Connection)
        .registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
    setService(Answers);
}

NotificationBus::~NotificationBus()
{
    QDBusConnection::disconnectFromBus(Connection);
    m_daemon.kill();
    m_daemon.waitForFinished();
}

void NotificationBus::setService(Service service)
{
    QDBusConnection bus{Connection};
    if (service == Absent)
        bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    else if (m_service == Absent)
        m_started = m_started && bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    m_service = service;
}

uint NotificationBus::Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                             const QString &body, const QStringList &, const QVariantMap &hints, int)
{
    calls << summary;
    if (m_service == NeverAnswers) {
        setDelayedReply(true);
        return 0;
    }
    // Read as a desktop that takes the body as markup reads it.
    QString text = body;
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    // A closed one is not brought back: a new one opens.
    const uint id = m_open.contains(replacesId) ? replacesId : ++m_lastId;
    seen << (replacesId ? "=" + QString::number(replacesId) : "+" + QString::number(id))
            + (hints.value("urgency").toInt() == 2 ? "! " : " ") + summary;
    m_open[id] = summary + '\n' + text;
    shown = m_open.values();
    return id;
}

void NotificationBus::CloseNotification(uint id)
{
    seen << "-" + QString::number(id);
    m_open.remove(id);
    shown = m_open.values();
}
