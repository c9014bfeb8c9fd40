// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/discovery.h"

#include <QDir>

QFileInfoList listChatlogs(const QString &folder)
{
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot);
    return dir.entryInfoList();
}

QMap<QString, QString> newestLogs(const QFileInfoList &entries, const QSet<QString> &channels)
{
    QMap<QString, QString> newest;
    // Later entries win: game log names carry the date and time year first.
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        for (const QString &channel : channels) {
            if (name.startsWith(channel, Qt::CaseSensitive))
                newest.insert(channel, entry.filePath());
        }
    }
    return newest;
}
