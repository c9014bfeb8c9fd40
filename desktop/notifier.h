// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NOTIFIER_H
#define NOTIFIER_H

#include "ui/statusline.h"

#include <QObject>

#include <functional>

class DesktopNotifications;
class QPushButton;
class TrayIcon;

// The program's side of the desktop, for a player whose game covers the
// window: the tray shows what the status line says, and each lasting warning
// reaches the desktop once, when it appears or its cause changes. The
// desktop's notification service where there is one, else the tray. A
// warning that clears, and every one at quit, leaves the desktop.
class Notifier : public QObject
{
    Q_OBJECT
public:
    // `start` and `stop` are the window's buttons, which the tray's menu
    // clicks; `listening` says whether logs are read now.
    Notifier(QWidget *window, QPushButton *start, QPushButton *stop, StatusLine *status,
             std::function<bool()> listening);

    // Shows `window` in front, unminimised, keeping its size.
    static void bringForward(QWidget *window);

private:
    void warningChanged(StatusLine::Topic topic, const QString &brief, const QString &full);

    TrayIcon *m_tray;
    DesktopNotifications *m_desktop = nullptr;
};

#endif
