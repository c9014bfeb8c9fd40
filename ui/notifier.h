// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOTIFIER_H
#define NOTIFIER_H

#include "ui/statusline.h"

#include <QObject>

class DesktopNotifications;
class TrayIcon;

// Tells the desktop about each lasting warning once, when it appears or its
// cause changes: the one place a player with the game full-screen looks.
// The desktop's notification service where there is one, else the tray.
// A warning that clears, and every one at quit, leaves the desktop.
class Notifier : public QObject
{
    Q_OBJECT
public:
    Notifier(TrayIcon *tray, QObject *parent);

    void warningChanged(StatusLine::Topic topic, const QString &brief, const QString &full);

private:
    TrayIcon *m_tray;
    DesktopNotifications *m_desktop = nullptr;
};

#endif
