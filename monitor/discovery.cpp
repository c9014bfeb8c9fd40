// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/discovery.h"

#include <QDir>

QFileInfoList listChatlogs(const QString &folder)
{
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    return dir.entryInfoList();
}

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

bool digitsAt(const QString &s, int from, int count)
{
    for (int i = from; i < from + count; ++i) {
        if (!isDigit(s.at(i)))
            return false;
    }
    return true;
}

// Where "_YYYYMMDD_HHMMSS" ends `s`, or -1.
int dateAt(const QString &s)
{
    const int at = s.size() - 16;
    if (at < 1 || s.at(at) != QLatin1Char('_') || s.at(at + 9) != QLatin1Char('_'))
        return -1;
    return digitsAt(s, at + 1, 8) && digitsAt(s, at + 10, 6) ? at : -1;
}

} // namespace

QString chatlogChannel(const QString &fileName)
{
    // Hand-made rather than a regular expression: the folder watcher runs
    // this over every file of crowded folders.
    if (!fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return QString();
    const QString stem = fileName.chopped(4);
    int at = dateAt(stem);
    if (at < 0) {
        // A character id after the date and time.
        int id = stem.size();
        while (id > 0 && isDigit(stem.at(id - 1)))
            --id;
        if (id == stem.size() || id == 0 || stem.at(id - 1) != QLatin1Char('_'))
            return QString();
        at = dateAt(stem.left(id - 1));
    }
    return at > 0 ? stem.left(at) : QString();
}

QMap<QString, QString> newestLogs(const QFileInfoList &entries, const QSet<QString> &channels)
{
    QMap<QString, QString> newest;
    // Later entries win: game log names carry the date and time year first.
    for (const QFileInfo &entry : entries) {
        const QString channel = chatlogChannel(entry.fileName());
        if (!channel.isEmpty() && channels.contains(channel))
            newest.insert(channel, entry.filePath());
    }
    return newest;
}
