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

// Each channel's newest log among `entries` (as listChatlogs gives them):
// the last one whose name begins with the channel, case-sensitively. Channel
// -> path; a channel without a log has no entry.
QMap<QString, QString> newestLogs(const QFileInfoList &entries, const QSet<QString> &channels);

#endif
