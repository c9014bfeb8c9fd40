// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/sharedlines.h"

#include <QDate>
#include <QTime>

namespace {

// "[ 2026.12.07 06:10:02 ] ..." -> seconds; -1 without a time stamp.
qint64 stampSeconds(const QString &line)
{
    if (line.size() < 23 || !line.startsWith(QLatin1String("[ ")))
        return -1;
    const QDate date = QDate::fromString(line.mid(2, 10), QStringLiteral("yyyy.MM.dd"));
    const QTime time = QTime::fromString(line.mid(13, 8), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return -1;
    return date.toJulianDay() * 86400 + time.msecsSinceStartOfDay() / 1000;
}

} // namespace

bool SharedLines::isNew(const QString &channel, const QString &log, const QString &line, bool alone)
{
    const qint64 stamp = stampSeconds(line);
    if (stamp < 0)
        return true;
    Channel &c = channels[channel];
    Copies &copies = c.lines[line];
    copies.stamp = stamp;
    int most = 0;
    for (int n : qAsConst(copies.perLog))
        most = qMax(most, n);
    const int n = ++copies.perLog[log];
    if (stamp > c.newest) {
        c.newest = stamp;
        while (c.lines.cbegin().value().stamp < stamp - KeptSeconds)
            c.lines.erase(c.lines.begin());
    }
    while (c.lines.size() > (alone ? KeptAlone : KeptLines))
        c.lines.erase(c.lines.begin());
    return n > most;
}
