// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRAYICON_H
#define TRAYICON_H

#include <QIcon>
#include <QObject>

class QAction;
class QPushButton;
class QSystemTrayIcon;

// The main window in the desktop's tray, for a player whose game covers the
// window: what listening does at a glance, the two buttons, show or hide,
// quit. Where the desktop has no tray it shows nothing and does nothing.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    enum State { Idle, Listening, Warning };

    // `start` and `stop` are the window's buttons: the menu clicks them.
    TrayIcon(QWidget *window, QPushButton *start, QPushButton *stop);

    bool isShown() const;
    void setState(State state, const QString &toolTip);
    void showMessage(const QString &summary, const QString &body);
    void toggleWindow();

    static QIcon icon(State state);
    // Shows `window` in front, unminimised, keeping its size.
    static void bringForward(QWidget *window);

private:
    void updateMenu();

    QWidget *m_window;
    QPushButton *m_start;
    QPushButton *m_stop;
    QSystemTrayIcon *m_tray = nullptr;
    QAction *m_startAction = nullptr;
    QAction *m_stopAction = nullptr;
    QAction *m_showAction = nullptr;
};

#endif
