// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notifier.h"

#include "ui/trayicon.h"
#ifdef CHATWATCH_DESKTOP_NOTIFICATIONS
#include "app/desktopnotifications.h"
#endif

Notifier::Notifier(TrayIcon *tray, QObject *parent)
    : QObject(parent)
    , m_tray(tray)
{
#ifdef CHATWATCH_DESKTOP_NOTIFICATIONS
    m_desktop = new DesktopNotifications(this);
    connect(m_desktop, &DesktopNotifications::undelivered, m_tray, &TrayIcon::showMessage);
#endif
}

void Notifier::warningChanged(StatusLine::Topic topic, const QString &brief, const QString &full)
{
    // No log yet, and so no word of where the player is, is what every start
    // before the game's looks like, and the logs are followed as they come:
    // the status line and the tray say it.
    if (topic == StatusLine::NoLogs || topic == StatusLine::Unlocated)
        return;
#ifdef CHATWATCH_DESKTOP_NOTIFICATIONS
    if (brief.isEmpty())
        m_desktop->forget(topic);
    else
        m_desktop->send(topic, brief, full);
#else
    if (!brief.isEmpty())
        m_tray->showMessage(brief, full);
#endif
}
