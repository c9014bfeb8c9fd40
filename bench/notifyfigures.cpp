// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications: what they cost the alert path, and how soon a
// player hears of speech that failed.
#include "figures.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "benchutil.h"
#include "desktop/desktopnotifications.h"
#include "notificationbus.h"
#include "speech/speechwatchdog.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QVariantMap>

#include <algorithm>

namespace {

qint64 firstSayNs()
{
    for (const QVariant &call : speechCalls()) {
        if (call.toMap().value("call") == "say")
            return call.toMap().value("steadyNs").toLongLong();
    }
    return 0;
}

QString ms(double value) { return QString::number(value, 'f', 1) + " ms"; }

} // namespace

void notifications()
{
    NotificationBus &bus = notificationBus();

    // The call itself, to a service that owns the name and never answers.
    bus.setService(NotificationBus::NeverAnswers);
    bus.calls.clear();
    QVector<double> sends;
    {
        DesktopNotifications desktop;
        for (int i = 0; i < 20; ++i) {
            const qint64 start = nowNs();
            desktop.send(i, QStringLiteral("Alerts cannot be spoken"), QStringLiteral("Check the speech service."), true);
            sends << (nowNs() - start) / 1e6;
        }
        waitUntil([&bus] { return bus.calls.size() == 20; }, 10000,
                  QStringLiteral("notifications: the service did not get the calls"));
    }
    report("notification sent, service never answers (median of 20)", QString::number(median(sends) * 1000, 'f', 0) + " us");
    report("same, maximum of 20", ms(*std::max_element(sends.cbegin(), sends.cend())), "about 0");

    // Alerts in a language that is not spoken: the first of each session
    // sends the notification before it is handed to the engine.
    WorkingFolder folder;
    QTemporaryDir logs;
    prepareTwentyLogs(logs);
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n2\n0\n"); // German
    QVector<double> told, untold;
    {
        MainWindow window;
        auto *start = window.findChild<QPushButton *>("pushButton");
        auto *stop = window.findChild<QPushButton *>("pushButton_2");
        const QString target = logs.filePath("Chan07_20261207_060000.txt");
        QRandomGenerator random(1);
        bus.calls.clear();
        for (int i = 0; i < 20; ++i) {
            stop->click();
            start->click();
            for (QVector<double> *into : {&told, &untold}) {
                clearSpeechCalls();
                QThread::msleep(random.bounded(100)); // any phase of the poll timer
                QCoreApplication::processEvents();
                const qint64 written = nowNs();
                appendBytes(target, gameLine(QStringLiteral("0-G8NO red")));
                waitUntil([] { return firstSayNs() != 0; }, 10000, QStringLiteral("notifications: no alert"));
                *into << delayMs(written, firstSayNs(), QStringLiteral("notifications"));
            }
        }
        if (bus.calls.size() != 20)
            fail(QStringLiteral("notifications: %1 notifications for 20 sessions").arg(bus.calls.size()));
    }
    report("alert sending it, service mute: line -> say (median 20)", ms(median(told)));
    report("same, maximum of 20", ms(*std::max_element(told.cbegin(), told.cend())), "< 105 ms");
    report("next alert, none sent: line -> say (median of 20)", ms(median(untold)));

    // Speech gone for good: from the line to the notification on the desktop.
    bus.setService(NotificationBus::Answers);
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n1\n0\n"); // Chinese
    QVector<double> shown;
    {
        MainWindow window;
        window.findChild<QPushButton *>("pushButton")->click();
        const QString target = logs.filePath("Chan07_20261207_060000.txt");
        for (int i = 0; i < 5; ++i) {
            bus.calls.clear();
            qApp->setProperty("mockSpeechDown", true);
            const qint64 written = nowNs();
            appendBytes(target, gameLine(QStringLiteral("0-G8NO red")));
            waitUntil([&bus] { return !bus.calls.isEmpty(); }, 10000,
                      QStringLiteral("notifications: speech failure not notified"));
            shown << (nowNs() - written) / 1e6;
            // Heard again: the warning goes, so the next failure is told anew.
            qApp->setProperty("mockSpeechDown", QVariant());
            clearSpeechCalls();
            appendBytes(target, gameLine(QStringLiteral("0-G8NO red")));
            waitUntil([] { return !heardTexts().isEmpty(); }, 10000,
                      QStringLiteral("notifications: speech did not come back"));
        }
    }
    report("speech gone: line -> notification received (median of 5)", ms(median(shown)),
           QStringLiteral("2 x %1 ms + latency").arg(SpeechWatchdog::PeriodMs));
}
