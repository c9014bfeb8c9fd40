// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopnotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <QtDebug>

DesktopNotifications::DesktopNotifications(QObject *parent)
    : QObject(parent)
    // Connected now, at start-up: the first connection waits for the bus,
    // and no alert may wait for it later.
    , m_bus(QDBusConnection::sessionBus())
{
}

void DesktopNotifications::send(int key, const QString &summary, const QString &body, bool critical)
{
    // The program goes on for a moment while its notifications are withdrawn.
    if (m_closed)
        return;
    if (!m_bus.isConnected()) {
        emit undelivered(summary, body);
        return;
    }
    Note &note = m_notes[key];
    note.summary = summary;
    note.body = body;
    note.critical = critical;
    // Which one to replace is known only from the answer: a send before it
    // would open a second notification.
    if (note.asking)
        note.held = true;
    else
        notify(key);
}

void DesktopNotifications::notify(int key)
{
    Note &note = m_notes[key];
    note.held = false;
    note.asking = ++m_serial;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(note.critical ? 2 : 1)));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("chatwatch"));
    // Most services take the body as markup: a file name must not become a tag.
    QString text = note.body;
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
    const QDBusPendingCall pending =
        call(QStringLiteral("Notify"),
             {QStringLiteral("ChatWatch"), note.id, QStringLiteral("chatwatch"), note.summary, text, QStringList(),
              hints, qint32(-1)},
             ReplyTimeoutMs);
    auto *watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, key, serial = note.asking, summary = note.summary, body = note.body] {
                watcher->deleteLater();
                answered(key, serial, *watcher, summary, body);
            });
}

void DesktopNotifications::answered(int key, quint64 serial, const QDBusPendingCall &call, const QString &summary,
                                    const QString &body)
{
    const QDBusPendingReply<uint> reply = call;
    const auto note = m_notes.find(key);
    if (note == m_notes.end() || note->asking != serial) {
        // Its warning cleared while the service was asked.
        if (!reply.isError())
            close(reply.value());
    } else {
        note->asking = 0;
        if (!reply.isError())
            note->id = reply.value();
        if (note->held) {
            notify(key);
        } else if (reply.isError()) {
            qDebug() << "notification not shown:" << reply.error().message();
            emit undelivered(summary, body);
        }
    }
    settled();
}

void DesktopNotifications::withdraw(int key)
{
    const auto note = m_notes.find(key);
    if (note == m_notes.end())
        return;
    if (note->id)
        close(note->id);
    // A send still asked is closed when its answer comes.
    m_notes.erase(note);
}

void DesktopNotifications::withdrawAll()
{
    m_closed = true;
    const QList<int> keys = m_notes.keys();
    for (int key : keys)
        withdraw(key);
    if (!m_unanswered)
        return;
    QEventLoop loop;
    m_quitting = &loop;
    QTimer::singleShot(QuitWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    m_quitting = nullptr;
}

void DesktopNotifications::close(uint id)
{
    auto *watcher = new QDBusPendingCallWatcher(call(QStringLiteral("CloseNotification"), {id}, QuitWaitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        settled();
    });
}

QDBusPendingCall DesktopNotifications::call(const QString &method, const QVariantList &arguments, int timeoutMs)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), method);
    message.setArguments(arguments);
    ++m_unanswered;
    return m_bus.asyncCall(message, timeoutMs);
}

void DesktopNotifications::settled()
{
    if (--m_unanswered == 0 && m_quitting)
        m_quitting->quit();
}
