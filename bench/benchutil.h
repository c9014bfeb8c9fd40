// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BENCHUTIL_H
#define BENCHUTIL_H

#include <QString>
#include <QVector>

#include <chrono>

inline qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Resident memory of this process, in KiB, from /proc.
qint64 residentKiB();
// Run `f` n times and return the mean in nanoseconds.
template<class F>
double meanNs(int n, F &&f)
{
    const qint64 start = nowNs();
    for (int i = 0; i < n; ++i)
        f();
    return double(nowNs() - start) / n;
}
double median(QVector<double> values);

// The table's heading, then one row per figure.
void reportHeading();
void report(const QString &figure, const QString &value, const QString &goal = QString());

#endif
