// SPDX-License-Identifier: GPL-3.0-or-later
#include "notificationbus.h"

#include <QDBusConnection>

static const QString Connection = QStringLiteral("test-notifications");

NotificationBus::NotificationBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
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
                             const QString &body, const QStringList &, const QVariantMap &, int)
{
    calls << summary;
    if (m_service == NeverAnswers) {
        setDelayedReply(true);
        return 0;
    }
    // Read as a desktop that takes the body as markup reads it.
    QString text = body;
    text.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    if (replacesId == 0 || replacesId > uint(shown.size()))
        shown << QString();
    const uint id = replacesId ? replacesId : uint(shown.size());
    shown[int(id) - 1] = summary + '\n' + text;
    return id;
}
