// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player is: listening starts over a big Local log, and map rules
// follow a jump.
#include "figures.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "benchutil.h"
#include "monitor/fileloader.h"
#include "starmap/followedrules.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

namespace {

QByteArray jumpLine(const QString &system)
{
    return gameLine(QStringLiteral("Channel changed to Local : %1*").arg(system), QStringLiteral("EVE System"));
}

} // namespace

// A 50 MB Local log, followed, with the last jump 20 lines from its end and
// with none at all (the whole bounded tail is read).
void startOverLocalLog()
{
    for (const bool jump : {true, false}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Local_20261207_060000.txt"));
        writeBigLog(path, QStringLiteral("Local"));
        QByteArray end = jump ? jumpLine(QStringLiteral("N-8YET")) : QByteArray();
        for (int i = 0; i < 20; ++i)
            end += gameLine(QStringLiteral("nothing new"));
        appendBytes(path, end);
        SharedConfig::chatlogDir = dir.path();
        SharedConfig::channels = {QStringLiteral("Local")};
        SharedConfig::setLocations({{"0-G8NO", "a|0-G8NO|b"}});
        QVector<double> runs = timeStarts(21);
        runs.removeFirst(); // the file's pages are read from disk once
        report(jump ? "start_monitoring, 50 MB Local log, jump 20 lines from the end (median of 20)"
                    : "same, no jump line in the log (median of 20)",
               QString::number(median(runs), 'f', 2) + " ms");
    }
}

// From the game's jump line in Local (read for where the player is only) to
// the map rules counting from the new system, at any phase of the poll.
void followingPlayer()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    const StarMap &map = StarMap::bundled();
    MapRules here = buildMapRules(map, map.find(QStringLiteral("1DQ1-A")), 5, defaultMapRuleWords(QLocale::Chinese));
    here.followsPlayer = true;
    writeBytes(SharedConfig::locationFile, joinConfigLines(mergeMapRules({}, here).lines).toUtf8());
    writeBytes(SharedConfig::channelFile, "Corp\n");
    const QString local = logs.filePath(QStringLiteral("Local_20261207_060000.txt"));
    writeGameLog(local, QStringLiteral("Local"));
    writeGameLog(logs.filePath(QStringLiteral("Corp_20261207_060000.txt")), QStringLiteral("Corp"));
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::load();
    MainWindow window;
    window.findChild<QPushButton *>(QStringLiteral("pushButton"))->click();

    // N-8YET is the system counted from, or 1 jump from 1DQ1-A, where the saved rules count from.
    const char *const systems[] = {"N-8YET", "1DQ1-A"};
    const char *const counts[] = {"本星系|N-8YET|预警", "1跳位|N-8YET|预警"};
    QVector<double> delays;
    QRandomGenerator random(1);
    for (int i = 0; i < 21; ++i) {
        QThread::msleep(random.bounded(100));
        QCoreApplication::processEvents();
        const qint64 written = nowNs();
        appendBytes(local, jumpLine(QString::fromLatin1(systems[i % 2])));
        const QString expected = QString::fromUtf8(counts[i % 2]);
        waitUntil([&expected] { return SharedConfig::locations.value(QStringLiteral("N-8YET")) == expected; },
                  5000, QStringLiteral("where: counts from %1").arg(QLatin1String(systems[i % 2])));
        if (i > 0) // the first warms up
            delays << delayMs(written, nowNs(), QStringLiteral("where"));
    }
    report("jump line written -> new counts in force (median of 20)", QString::number(median(delays), 'f', 1) + " ms");
    report("same, maximum of 20", QString::number(*std::max_element(delays.cbegin(), delays.cend()), 'f', 1) + " ms",
           "< 20 ms");

    // The game's jump line behind a burst of Local chat, all in one write.
    QByteArray chat;
    for (int i = 0; i < 10000; ++i)
        chat += gameLine(QStringLiteral("o7 fly safe %1").arg(i));
    QVector<double> behind;
    for (int i = 0; i < 6; ++i) {
        QThread::msleep(random.bounded(100));
        QCoreApplication::processEvents();
        const qint64 written = nowNs();
        appendBytes(local, chat + jumpLine(QString::fromLatin1(systems[i % 2])));
        const QString expected = QString::fromUtf8(counts[i % 2]);
        waitUntil([&expected] { return SharedConfig::locations.value(QStringLiteral("N-8YET")) == expected; },
                  10000, QStringLiteral("where, behind Local chat: counts from %1").arg(QLatin1String(systems[i % 2])));
        behind << delayMs(written, nowNs(), QStringLiteral("where, behind Local chat"));
    }
    report("jump line behind 10,000 Local lines written at once -> counts in force (median of 6)",
           QString::number(median(behind), 'f', 1) + " ms");
    report("same, maximum of 6", QString::number(*std::max_element(behind.cbegin(), behind.cend()), 'f', 1) + " ms");

    // The work of one jump, with a few rules of the player's and with 5,000.
    const MapRuleWords words = defaultMapRuleWords(QLocale::Chinese);
    const QString zarzakh = QStringLiteral("Zarzakh");
    for (const int own : {2, 5000}) {
        MapRules block = buildMapRules(map, map.find(zarzakh), 10, words);
        block.followsPlayer = true;
        QStringList lines;
        for (int s = 0; s < own; ++s)
            lines << QStringLiteral("mine|%1|own").arg(map.name(s));
        FollowedRules followed;
        followed.setLines(mergeMapRules(lines, block).lines);
        QMap<QString, QString> rules;
        // A second character comes and goes, so each call counts from new systems.
        const QStringList moves[] = {{zarzakh}, {zarzakh, QStringLiteral("1DQ1-A")}};
        int move = 0;
        const double ns = meanNs(200, [&] { followed.moveTo(moves[++move % 2], &rules); });
        report(QStringLiteral("rules made again for 10 jumps of Zarzakh (%1 systems), then of it and 1DQ1-A, %2 own rules")
                   .arg(block.lines.size())
                   .arg(own),
               QString::number(ns / 1000, 'f', 1) + " us", "< 1000 us");
    }
}
