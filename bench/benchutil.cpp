// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchutil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

qint64 residentKiB()
{
    // /proc files report size 0, so read them whole rather than to atEnd().
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

double median(QVector<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

void fail(const QString &why)
{
    throw BenchFailure(why.toStdString());
}

void waitUntil(const std::function<bool()> &done, int timeoutMs, const QString &what)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
        if (elapsed.elapsed() > timeoutMs)
            fail(QStringLiteral("%1: not within %2 ms").arg(what).arg(timeoutMs));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

void runEventsFor(int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double delayMs(qint64 fromNs, qint64 toNs, const QString &what)
{
    if (toNs < fromNs)
        fail(QStringLiteral("%1: %2 ms, before its cause").arg(what).arg((toNs - fromNs) / 1e6, 0, 'f', 1));
    return (toNs - fromNs) / 1e6;
}

namespace {
const int FigureWidth = 64, ValueWidth = 31, GoalWidth = 18;
}

void report(const QString &figure, const QString &value, const QString &goal)
{
    printf("| %-*s | %-*s | %-*s |\n", FigureWidth, qPrintable(figure), ValueWidth, qPrintable(value), GoalWidth,
           qPrintable(goal));
    fflush(stdout);
}

void reportHeading()
{
    report(QStringLiteral("figure"), QStringLiteral("measured"), QStringLiteral("goal"));
    printf("|%s|%s|%s|\n", QByteArray(FigureWidth + 2, '-').constData(), QByteArray(ValueWidth + 2, '-').constData(),
           QByteArray(GoalWidth + 2, '-').constData());
}
