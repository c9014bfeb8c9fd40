// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISCOVERY_H
#define DISCOVERY_H

#include <QFileInfoList>
#include <QMap>
#include <QSet>
#include <QString>

// The plain files of the chat-log folder itself, in case-insensitive name
// order: no folders, no hidden files, nothing from subfolders.
QFileInfoList listChatlogs(const QString &folder);

// The channel a chat log belongs to, from its file name as the game writes
// it: "<channel>_YYYYMMDD_HHMMSS[_<character id>].txt". Empty for any other
// file, which is no chat log.
QString chatlogChannel(const QString &fileName);

// Each channel's newest log among `entries` (as listChatlogs gives them):
// the last one of exactly that channel, case-sensitively. Channel -> path;
// a channel without a log has no entry.
QMap<QString, QString> newestLogs(const QFileInfoList &entries, const QSet<QString> &channels);

#endif
