// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SHAREDLINES_H
#define SHAREDLINES_H

#include <QHash>
#include <QMap>
#include <QString>

// Each game client writes its own copy of a channel's lines: a line (time
// stamp, sender and text) is examined once however many logs of the channel
// hold it, and as often as the log that holds it most often does (two
// reports in one second are two reports). No time window decides.
class SharedLines
{
public:
    // A line is remembered while its time stamp is at most this much older
    // than the newest of its channel: clients write a line within moments
    // of each other, and the memory stays small.
    static constexpr int KeptSeconds = 300;
    // ... and while it is among the last this many of its channel, so that
    // a flood does not hold every line of five minutes; a channel with one
    // log keeps a few, for a second client's log that is yet to be seen.
    static constexpr int KeptLines = 1000;
    static constexpr int KeptAlone = 50;

    // Whether `log`'s next copy of `line`, of `channel`, is one no other log
    // gave before. A line without a time stamp always is. `alone`: the
    // channel has one log now.
    bool isNew(const QString &channel, const QString &log, const QString &line, bool alone);
    void clear() { channels.clear(); }

private:
    struct Copies {
        qint64 stamp; // seconds
        QHash<QString, int> perLog;
    };
    struct Channel {
        QMap<QString, Copies> lines; // lines start with their time stamp: oldest first
        qint64 newest = 0;
    };
    QHash<QString, Channel> channels;
};

#endif
