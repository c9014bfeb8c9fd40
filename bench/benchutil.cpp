// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchutil.h"

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

namespace {
const int FigureWidth = 58, ValueWidth = 26, GoalWidth = 18;
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
