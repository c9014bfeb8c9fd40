// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BENCHUTIL_H
#define BENCHUTIL_H

#include <QString>
#include <QVector>

#include <chrono>
#include <functional>
#include <stdexcept>

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

// A figure that cannot be measured or cannot be true: bench.cpp reports it
// and the bench ends with a non-zero status.
struct BenchFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};
[[noreturn]] void fail(const QString &why);
// Runs the event loop until `done` or `timeoutMs` passed; fails then, naming `what`.
void waitUntil(const std::function<bool()> &done, int timeoutMs, const QString &what);
void runEventsFor(int ms);
// Milliseconds from `fromNs` to `toNs`; fails for an event timed before its cause.
double delayMs(qint64 fromNs, qint64 toNs, const QString &what);

// The table's heading, then one row per figure.
void reportHeading();
void report(const QString &figure, const QString &value, const QString &goal = QString());

#endif
