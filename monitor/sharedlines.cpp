// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/sharedlines.h"

#include <QDate>
#include <QTime>

namespace {

// "[ 2026.12.07 06:10:02 ] ..." -> seconds; -1 without a time stamp. Read
// digit by digit: QDate::fromString() consults the time zone on every call,
// too slow for every line of a big append.
qint64 stampSeconds(const QString &line)
{
    if (line.size() < 23 || !line.startsWith(QLatin1String("[ ")))
        return -1;
    const auto number = [&line](int at, int digits) {
        int n = 0;
        for (int i = at; i < at + digits; ++i) {
            const int d = line.at(i).unicode() - '0';
            if (d < 0 || d > 9)
                return -1;
            n = n * 10 + d;
        }
        return n;
    };
    const QDate date(number(2, 4), number(7, 2), number(10, 2));
    const QTime time(number(13, 2), number(16, 2), number(19, 2));
    const auto at = [&line](int i, char c) { return line.at(i) == QLatin1Char(c); };
    if (!date.isValid() || !time.isValid() || !at(6, '.') || !at(9, '.') || !at(12, ' ') || !at(15, ':') || !at(18, ':'))
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
