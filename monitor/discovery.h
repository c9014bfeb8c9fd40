// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DISCOVERY_H
#define DISCOVERY_H

#include <QFileInfoList>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QString>

// The plain files of the chat-log folder itself, in case-insensitive name
// order: no folders, no hidden files, nothing from subfolders.
QFileInfoList listChatlogs(const QString &folder);

// The channel a chat log belongs to, from its file name as the game writes
// it: "<channel>_YYYYMMDD_HHMMSS[_<character id>].txt". Empty for any other
// file, which is no chat log.
QString chatlogChannel(const QString &fileName);
// The character id after the date and time; empty when the name has none.
QString chatlogCharacter(const QString &fileName);

// A log's channel and character: each game client writes its own log of a
// channel, and each is followed.
using ChatlogKey = QPair<QString, QString>;

// Other characters' logs older than this are not followed: months of old
// logs stay closed.
constexpr int RecentLogSeconds = 24 * 3600;

// The logs to follow among `entries` (as listChatlogs gives them), of exactly
// the `channels` named, case-sensitively: each channel's newest log, and the
// newest log of each other character of the channel written in the last
// RecentLogSeconds. A channel without a log has no entry.
QMap<ChatlogKey, QString> followedLogs(const QFileInfoList &entries, const QSet<QString> &channels);

#endif
