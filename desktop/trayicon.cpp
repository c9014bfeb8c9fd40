// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/trayicon.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QWidget *window, QPushButton *start, QPushButton *stop)
    : QObject(window)
    , m_window(window)
    , m_start(start)
    , m_stop(stop)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(icon(Idle), this);
    auto *menu = new QMenu(window);
    m_startAction = menu->addAction(tr("开始监听"), m_start, &QPushButton::click);
    m_stopAction = menu->addAction(tr("停止"), m_stop, &QPushButton::click);
    menu->addSeparator();
    m_showAction = menu->addAction(QString(), this, &TrayIcon::toggleWindow);
    menu->addAction(tr("Quit"), qApp, &QCoreApplication::quit);
    connect(menu, &QMenu::aboutToShow, this, &TrayIcon::updateMenu);
    m_tray->setContextMenu(menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            toggleWindow();
    });
    updateMenu();
    m_tray->show();
}

bool TrayIcon::isShown() const
{
    return m_tray && m_tray->isVisible();
}

void TrayIcon::setState(State state, const QString &toolTip)
{
    if (!m_tray)
        return;
    m_tray->setIcon(icon(state));
    m_tray->setToolTip(toolTip);
}

void TrayIcon::showMessage(const QString &summary, const QString &body)
{
    if (isShown())
        m_tray->showMessage(summary, body, QSystemTrayIcon::Warning);
}

void TrayIcon::toggleWindow()
{
    if (m_window->isVisible() && !m_window->isMinimized())
        m_window->hide();
    else
        bringForward(m_window);
}

void TrayIcon::bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void TrayIcon::updateMenu()
{
    // The buttons know whether starting or stopping makes sense now.
    m_startAction->setEnabled(m_start->isEnabled());
    m_stopAction->setEnabled(m_stop->isEnabled());
    m_showAction->setText(m_window->isVisible() && !m_window->isMinimized() ? tr("Hide window")
                                                                             : tr("Show window"));
}

// The program's bubble with its ear: blue waves while listening, none when
// not, and red with the waves when a warning holds.
QIcon TrayIcon::icon(State state)
{
    QIcon result;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        const QColor bubble = state == Warning ? QColor(0xb3, 0x26, 0x1e) : QColor(0x1d, 0x2b, 0x3a);
        QPainterPath shape;
        shape.addRoundedRect(4, 8, 56, 38, 8, 8);
        shape.moveTo(16, 45);
        shape.lineTo(14, 58);
        shape.lineTo(28, 45);
        shape.closeSubpath();
        p.fillPath(shape.simplified(), state == Idle ? QColor(0x6b, 0x72, 0x7a) : bubble);
        const QColor ear = state == Idle ? QColor(0xc8, 0xcc, 0xd0) : QColor(0xe8, 0xa3, 0x3d);
        p.setPen(QPen(ear, 4));
        p.drawEllipse(QPointF(32, 27), 11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(ear);
        p.drawEllipse(QPointF(32, 27), 4, 4);
        if (state != Idle) {
            QPainterPath waves;
            waves.moveTo(46, 17);
            waves.quadTo(52, 27, 46, 37);
            waves.moveTo(51, 13);
            waves.quadTo(60, 27, 51, 41);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(state == Warning ? QColor(Qt::white) : QColor(0x7c, 0xc4, 0xff), 4, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawPath(waves);
        }
        p.end();
        result.addPixmap(pixmap);
    }
    return result;
}
