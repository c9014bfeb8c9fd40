// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktopnotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#include <QtDebug>

DesktopNotifications::DesktopNotifications(QObject *parent)
    : QObject(parent)
    // Connected now, at start-up: the first connection waits for the bus,
    // and no alert may wait for it later.
    , m_bus(QDBusConnection::sessionBus())
{
}

void DesktopNotifications::send(int key, const QString &summary, const QString &body)
{
    if (!m_bus.isConnected()) {
        emit undelivered(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(2))); // critical: stays until read
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("chatwatch"));
    // Most services take the body as markup: a file name must not become a tag.
    QString text = body;
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
    call << QStringLiteral("ChatWatch") << m_shown.value(key) << QStringLiteral("chatwatch") << summary << text
         << QStringList() << hints << qint32(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, ReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, key, summary, body] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            qDebug() << "notification not shown:" << reply.error().message();
            emit undelivered(summary, body);
            return;
        }
        m_shown.insert(key, reply.value());
    });
}
