// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/notifier.h"

#include "desktop/trayicon.h"

#include <QCoreApplication>
#ifdef CHATWATCH_DESKTOP_NOTIFICATIONS
#include "desktop/desktopnotifications.h"
#endif

Notifier::Notifier(QWidget *window, QPushButton *start, QPushButton *stop, StatusLine *status,
                   std::function<bool()> listening)
    : QObject(window)
    , m_tray(new TrayIcon(window, start, stop))
{
    connect(status, &StatusLine::changed, this, [this, status, listening] {
        m_tray->setState(status->hasWarning() ? TrayIcon::Warning
                             : listening()    ? TrayIcon::Listening
                                              : TrayIcon::Idle,
                         status->line());
    });
    connect(status, &StatusLine::warningChanged, this, &Notifier::warningChanged);
#ifdef CHATWATCH_DESKTOP_NOTIFICATIONS
    m_desktop = new DesktopNotifications(this);
    connect(m_desktop, &DesktopNotifications::undelivered, m_tray, &TrayIcon::showMessage);
    // What it warned of is no longer watched once it is gone.
    connect(qApp, &QCoreApplication::aboutToQuit, m_desktop, &DesktopNotifications::withdrawAll);
#endif
}

void Notifier::bringForward(QWidget *window)
{
    TrayIcon::bringForward(window);
}

// While these hold, alerts are not heard: a log that is not read (gone,
// unopened, a newer one not followed), an engine that does not speak, a
// voice whose language is not spoken. Dropped alerts and map rules that
// cannot follow are news, but the next alert is still said.
static bool unprotected(StatusLine::Topic topic)
{
    return topic == StatusLine::Speech || topic == StatusLine::Logs || topic == StatusLine::Unopened
        || topic == StatusLine::Language;
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
        m_desktop->withdraw(topic);
    else
        m_desktop->send(topic, brief, full, unprotected(topic));
#else
    if (!brief.isEmpty())
        m_tray->showMessage(brief, full);
#endif
}
