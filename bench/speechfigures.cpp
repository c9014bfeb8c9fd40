// SPDX-License-Identifier: GPL-3.0-or-later
// Alerts: from a written line to the engine, at length, and after the
// speech service went away.
#include "figures.h"

#include "app/sharedconfig.h"
#include "benchutil.h"
#include "monitor/fileloader.h"
#include "speech/alertqueue.h"
#include "speech/matchlocation.h"
#include "speech/speechwatchdog.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextToSpeech>
#include <QThread>
#include <QVariantMap>

#include <algorithm>

#include <cstdio>

namespace {

// A main window listening to twenty quiet logs, one of them the target.
struct ListeningWindow
{
    explicit ListeningWindow(int characters = 0)
    {
        prepareTwentyLogs(logs, characters);
        writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n近|*-****|有人\n");
        window.reset(new MainWindow);
        window->findChild<QPushButton *>("pushButton")->click();
        QCoreApplication::processEvents();
        if (!window->findChild<FileLoader *>()->isListening())
            fail(QStringLiteral("alerts: not listening"));
    }

    WorkingFolder folder;
    QTemporaryDir logs;
    QScopedPointer<MainWindow> window;
    const QString target = followedLog(logs, 7);
};

// Until the window's alerts were all said.
void sayWaiting(const MainWindow *window)
{
    const auto *queue = window->findChild<AlertQueue *>();
    const auto *speech = window->findChild<QTextToSpeech *>();
    waitUntil([queue, speech] { return queue->waitingCount() == 0 && speech->state() != QTextToSpeech::Speaking; },
              30000, QStringLiteral("alerts said"));
}

// When the engine started each text, in order.
QVector<qint64> startsNs()
{
    QVector<qint64> times;
    for (const QVariant &call : speechCalls()) {
        if (call.toMap().value("call") == "speaking")
            times << call.toMap().value("steadyNs").toLongLong();
    }
    return times;
}

// The system an alert names, as its letters and digits ("A1017"), however
// the language spells what lies between them.
QString namedSystem(const QString &text)
{
    QString system;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            system += c;
    }
    return system;
}

} // namespace

QString sampleSystem(int sample)
{
    return QStringLiteral("A-%1").arg(1000 + sample);
}

QByteArray reportLine(const QString &system)
{
    return gameLine(QStringLiteral("red in ") + system);
}

QVector<qint64> alertNs(const QString &system, const char *call)
{
    const QString named = QString(system).remove(QLatin1Char('-'));
    QVector<qint64> times;
    for (const QVariant &each : speechCalls()) {
        const QVariantMap map = each.toMap();
        if (map.value("call") == call && namedSystem(map.value("text").toString()) == named)
            times << map.value("steadyNs").toLongLong();
    }
    return times;
}

void expectOneAlert(const QString &system, const QString &figure)
{
    const QStringList texts = spokenTexts();
    for (const QString &text : texts) {
        if (namedSystem(text) != QString(system).remove(QLatin1Char('-')))
            fail(QStringLiteral("%1: alert \"%2\" where only %3 was reported").arg(figure, text, system));
    }
    if (texts.size() != 1)
        fail(QStringLiteral("%1: %2 alerts for the line naming %3").arg(figure).arg(texts.size()).arg(system));
}

// Reports from several channels in one poll: each alert waits until those
// before it were said whole. The test engine speaks each for 2.5 s, about
// as long as a real alert.
void alertBursts()
{
    qApp->setProperty("mockSpeechUtteranceMs", 2500);
    for (const int n : {4, 10}) {
        const ListeningWindow listening;
        const QString figure = QStringLiteral("burst of %1").arg(n);
        clearSpeechCalls();
        const qint64 written = nowNs();
        for (int i = 0; i < n; ++i)
            appendBytes(followedLog(listening.logs, i), reportLine(sampleSystem(i)));
        waitUntil([n] { return startsNs().size() >= n; }, n * 2500 + 10000, figure + ": alerts started");
        // Each line's alert started once, whatever the order.
        for (int i = 0; i < n; ++i) {
            const int started = int(alertNs(sampleSystem(i), "speaking").size());
            if (started != 1)
                fail(QStringLiteral("%1: %2 alerts started for %3").arg(figure).arg(started).arg(sampleSystem(i)));
        }
        const QVector<qint64> starts = startsNs();
        if (starts.size() != n)
            fail(QStringLiteral("%1: %2 alerts started").arg(figure).arg(starts.size()));
        report(QStringLiteral("burst of %1 alerts: line -> first, last alert").arg(n),
               QStringLiteral("%1 ms, %2 s").arg(delayMs(written, starts.first(), figure), 0, 'f', 1)
                   .arg(delayMs(written, starts.last(), figure) / 1000, 0, 'f', 2),
               QStringLiteral("last ~ %1 x 2.5 s").arg(n - 1));
    }
    qApp->setProperty("mockSpeechUtteranceMs", QVariant());
}

// From a line written to a followed log to the engine's say call.
void alertLatency()
{
    const ListeningWindow listening;
    const QString figure = QStringLiteral("alert latency");
    QVector<double> latencies;
    QRandomGenerator random(1);
    for (int i = 0; i < 100; ++i) {
        sayWaiting(listening.window.data());
        QThread::msleep(random.bounded(100)); // any phase of the poll timer
        QCoreApplication::processEvents();
        if (i > 0)
            expectOneAlert(sampleSystem(i - 1), figure);
        clearSpeechCalls();
        const QString system = sampleSystem(i);
        const qint64 written = nowNs();
        appendBytes(listening.target, reportLine(system));
        waitUntil([&system] { return !alertNs(system).isEmpty(); }, 5000, figure + ": the alert for " + system);
        latencies << delayMs(written, alertNs(system).first(), figure);
    }
    const double worst = *std::max_element(latencies.cbegin(), latencies.cend());
    report("alert latency, line written -> say (median of 100)", QString::number(median(latencies), 'f', 1) + " ms",
           "< 5 ms");
    report("alert latency, maximum of 100", QString::number(worst, 'f', 1) + " ms", "< 20 ms");
    report("resident memory, window listening to 20 logs", QString::number(residentKiB() / 1024.0, 'f', 1) + " MiB");
}

// Two game clients logging one followed channel: the same line appended to
// both characters' logs, from the first write to its alert, which comes once.
void twoClients()
{
    const ListeningWindow listening(2);
    const QString figure = QStringLiteral("two clients");
    const QString logs[] = {followedLog(listening.logs, 7, 1), followedLog(listening.logs, 7, 2)};
    QVector<double> latencies;
    QRandomGenerator random(3);
    for (int i = 0; i < 100; ++i) {
        QThread::msleep(random.bounded(100)); // any phase of the poll timer
        QCoreApplication::processEvents();
        clearSpeechCalls();
        const QString system = sampleSystem(i);
        const qint64 written = nowNs();
        // Either client may write first, the other a little later.
        appendBytes(logs[i % 2], reportLine(system));
        runEventsFor(int(random.bounded(20)));
        appendBytes(logs[1 - i % 2], reportLine(system));
        waitUntil([&system] { return !alertNs(system).isEmpty(); }, 5000, figure + ": the alert for " + system);
        latencies << delayMs(written, alertNs(system).first(), figure);
        // A second alert for the line would follow the first, a poll later.
        sayWaiting(listening.window.data());
        runEventsFor(3 * FileLoader::PollInterval);
        expectOneAlert(system, figure);
    }
    const double worst = *std::max_element(latencies.cbegin(), latencies.cend());
    report("two clients, line in both logs -> its one say (median of 100)",
           QString::number(median(latencies), 'f', 1) + " ms");
    report("two clients, maximum of 100", QString::number(worst, 'f', 1) + " ms", "< 125 ms");
}

// 20 logs, 10,000 lines each, 2,000 of them naming systems, written in bursts
// and split writes: every report said once, in order, memory flat.
void soak()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    const int Logs = 20, Lines = 10000, Every = 100;
    QStringList channels;
    QByteArray rules = "近|*-****|有人\n";
    for (int i = 0; i < Logs; ++i) {
        channels << QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
        writeGameLog(logs.filePath(channels.last() + "_20261207_060000.txt"), channels.last(), {"before"});
        for (int seq = 0; seq < Lines / Every; seq += 10)
            rules += QStringLiteral("5跳位|%1-%2|预警\n").arg(QChar('A' + i)).arg(seq, 4, 10, QLatin1Char('0')).toUtf8();
    }
    writeBytes(SharedConfig::locationFile, rules);
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n1\n0\n"); // Chinese
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::reloadLocations();
    qApp->setProperty("mockSpeechUtteranceMs", 1);
    MainWindow window;
    qApp->setProperty("mockSpeechUtteranceMs", QVariant());
    window.findChild<QPushButton *>("pushButton")->click();
    auto *loader = window.findChild<FileLoader *>();
    // Alerts are said one at a time; each poll's are said before the next
    // poll, so that every report is heard and none waits past the bound.

    clearSpeechCalls(); // what earlier figures left behind is not the soak's

    QVector<int> written(Logs, 0);
    QVector<QByteArray> rest(Logs);
    QVector<QVector<int>> heard(Logs);
    int wrong = 0, reports = 0;
    const QRegularExpression said(QStringLiteral("^(近|5跳位),([A-T]) 杠 (\\d \\d \\d \\d),(有人|预警)$"));
    const auto collect = [&] {
        const QVariantList calls = speechCalls();
        clearSpeechCalls();
        for (const QVariant &call : calls) {
            const QVariantMap map = call.toMap();
            if (map.value("call") != "say")
                continue;
            ++reports;
            const QRegularExpressionMatch m = said.match(map.value("text").toString());
            const int log = m.hasMatch() ? m.captured(2).at(0).unicode() - 'A' : -1;
            const int seq = m.captured(3).remove(QLatin1Char(' ')).toInt();
            const bool exact = seq % 10 == 0;
            if (log < 0 || (m.captured(1) == "5跳位") != exact) {
                ++wrong;
                fprintf(stderr, "soak: unexpected speech \"%s\"\n", qPrintable(map.value("text").toString()));
            }
            else
                heard[log].append(seq);
        }
    };
    const auto line = [Every](int log, int n) {
        return n % Every == 0 ? gameLine(QStringLiteral("red in %1-%2 now").arg(QChar('A' + log)).arg(n / Every, 4, 10, QLatin1Char('0')))
                              : gameLine(QStringLiteral("o7 fly safe %1").arg(n));
    };

    QRandomGenerator random(42);
    qint64 ticks = 0;
    qint64 rssAfterFirst = -1;
    // The game writes bursts now and then, split mid-line at times; each
    // tick reads what was written since the last.
    const int expected = Logs * Lines / Every;
    for (int ticksSinceAllWritten = 0; reports < expected && ticksSinceAllWritten < 20000;) {
        bool wroteAny = false;
        ++ticks;
        for (int log = 0; log < Logs; ++log) {
            const QString path = logs.filePath(channels.at(log) + "_20261207_060000.txt");
            QByteArray bytes = rest[log];
            rest[log].clear();
            if (written[log] < Lines && random.bounded(40) == 0) {
                const int burst = qMin(Lines - written[log], 1 + int(random.bounded(30)));
                for (int k = 0; k < burst; ++k)
                    bytes += line(log, written[log]++);
                if (random.bounded(3) == 0) { // the game is caught mid-line
                    const int cut = 1 + int(random.bounded(bytes.size() - 1));
                    rest[log] = bytes.mid(cut);
                    bytes.truncate(cut);
                }
            }
            if (!bytes.isEmpty()) {
                appendBytes(path, bytes);
                wroteAny = true;
            }
        }
        QMetaObject::invokeMethod(loader, "chat_update");
        sayWaiting(&window);
        collect();
        const int least = *std::min_element(written.cbegin(), written.cend());
        if (least == Lines && !wroteAny)
            ++ticksSinceAllWritten;
        if (rssAfterFirst < 0 && least >= 1000)
            rssAfterFirst = residentKiB();
    }
    // Nothing more may come once every line has been read.
    for (int i = 0; i < 200; ++i)
        QMetaObject::invokeMethod(loader, "chat_update");
    collect();
    bool ordered = true;
    for (const QVector<int> &seqs : heard) {
        for (int i = 0; i < seqs.size(); ++i)
            ordered = ordered && seqs.at(i) == i;
        ordered = ordered && seqs.size() == Lines / Every;
    }
    report("soak: reports said of 2000 (20 logs x 10000 lines)",
           QStringLiteral("%1, %2 wrong, %3").arg(reports).arg(wrong).arg(ordered ? "in order" : "OUT OF ORDER"),
           "2000, 0, in order");
    report("soak: poll ticks driven", QString::number(ticks));
    report("soak: resident memory growth after the first 1000 lines",
           QString::number(residentKiB() - rssAfterFirst) + " KiB", "< 2048 KiB");
}

// The speech service gone while listening (the engine in use accepts say()
// and never speaks): from a line written to its alert starting on the new
// engine. The cost over the plain latency is the watchdog's period.
void speechRestart()
{
    const ListeningWindow listening;
    const QString figure = QStringLiteral("speech service gone");
    QVector<double> delays;
    for (int i = 1; i <= 10; ++i) {
        // Gone between alerts; one that goes in the middle of an alert is
        // said again after TurnLimitMs.
        sayWaiting(listening.window.data());
        qApp->setProperty("mockSpeechService", i);
        clearSpeechCalls();
        const QString system = sampleSystem(i);
        const qint64 written = nowNs();
        appendBytes(listening.target, reportLine(system));
        waitUntil([&system] { return !alertNs(system, "speaking").isEmpty(); }, 4 * SpeechWatchdog::PeriodMs + 5000,
                  figure + ": the alert for " + system + " on a new engine");
        delays << delayMs(written, alertNs(system, "speaking").first(), figure);
    }
    qApp->setProperty("mockSpeechService", QVariant());
    report("alert after the speech service went away (median of 10)", QString::number(median(delays), 'f', 0) + " ms",
           QStringLiteral("latency + %1 ms").arg(SpeechWatchdog::PeriodMs));
}

// Looking a reported system up among 5,000 rules and a wildcard: a system
// with a rule, the same in other letter case, and one without a rule.
void matching()
{
    QStringList lines{QStringLiteral("近|*-****|来了")};
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("5跳位|M-%1|预警").arg(i, 4, 36, QLatin1Char('0')).toUpper();
    SharedConfig::setLocations(SharedConfig::parseLocations(lines));
    const QStringList reports{QStringLiteral("M-0A2B"), QStringLiteral("m-0a2b"), QStringLiteral("Q-0A2B")};
    int said = 0;
    const double ns = meanNs(300000, [&] { said += matchLocation(reports.at(said % 3)).size() > 0; });
    report("match a system among 5,000 rules (rule, other case, none)", QString::number(ns / 1000, 'f', 3) + " us");
    SharedConfig::setLocations({});
}
