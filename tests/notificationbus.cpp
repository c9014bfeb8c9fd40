// SPDX-License-Identifier: GPL-3.0-or-later
#include "notificationbus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtDebug>

namespace {
const char ServiceName[] = "org.freedesktop.Notifications";
const char Connection[] = "chatwatch-test-notifications";
}

NotificationBus::NotificationBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address"});
    if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000)) {
        qWarning("dbus-daemon did not start: %s", qPrintable(m_daemon.errorString()));
        return;
    }
    m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    QDBusConnection bus = QDBusConnection::connectToBus(m_address, QLatin1String(Connection));
    bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
    setService(Answers);
}

NotificationBus::~NotificationBus()
{
    QDBusConnection::disconnectFromBus(QLatin1String(Connection));
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
}

void NotificationBus::setService(Service service)
{
    QDBusConnection bus{QLatin1String(Connection)};
    if (service == Absent)
        bus.unregisterService(QLatin1String(ServiceName));
    else if (m_service == Absent && !bus.registerService(QLatin1String(ServiceName)))
        qWarning("cannot own %s: %s", ServiceName, qPrintable(bus.lastError().message()));
    m_service = service;
}

void NotificationBus::clear()
{
    m_calls.clear();
    m_shown.clear();
}

uint NotificationBus::Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                             const QString &body, const QStringList &, const QVariantMap &, int)
{
    m_calls << summary;
    if (m_service == NeverAnswers) {
        setDelayedReply(true);
        return 0;
    }
    const uint id = m_shown.contains(replacesId) ? replacesId : ++m_lastId;
    // Shown as a markup-aware desktop shows it.
    QString text = body;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    m_shown.insert(id, summary + QLatin1Char('\n') + text);
    return id;
}
