// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/discovery.h"

#include <QDateTime>
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

// The channel and character id of a chat log's name; false for any other file.
bool splitChatlogName(const QString &fileName, QString *channel, QString *character)
{
    // Hand-made rather than a regular expression: the folder watcher runs
    // this over every file of crowded folders.
    if (!fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return false;
    const QString stem = fileName.chopped(4);
    int at = dateAt(stem);
    int id = stem.size();
    if (at < 0) {
        // A character id after the date and time.
        while (id > 0 && isDigit(stem.at(id - 1)))
            --id;
        if (id == stem.size() || id == 0 || stem.at(id - 1) != QLatin1Char('_'))
            return false;
        at = dateAt(stem.left(id - 1));
    }
    if (at <= 0)
        return false;
    *channel = stem.left(at);
    *character = stem.mid(id);
    return true;
}

} // namespace

QString chatlogChannel(const QString &fileName)
{
    QString channel, character;
    return splitChatlogName(fileName, &channel, &character) ? channel : QString();
}

QString chatlogCharacter(const QString &fileName)
{
    QString channel, character;
    return splitChatlogName(fileName, &channel, &character) ? character : QString();
}

QMap<ChatlogKey, QString> followedLogs(const QFileInfoList &entries, const QSet<QString> &channels)
{
    QMap<ChatlogKey, QFileInfo> newest;
    QMap<QString, ChatlogKey> channelNewest;
    QString channel, character;
    // Later entries win: game log names carry the date and time year first.
    for (const QFileInfo &entry : entries) {
        if (splitChatlogName(entry.fileName(), &channel, &character) && channels.contains(channel)) {
            newest.insert({channel, character}, entry);
            channelNewest.insert(channel, {channel, character});
        }
    }
    const QDateTime since = QDateTime::currentDateTime().addSecs(-RecentLogSeconds);
    QMap<ChatlogKey, QString> followed;
    for (auto it = newest.cbegin(); it != newest.cend(); ++it) {
        // The channel's newest log is followed however old: a player who
        // has not played today is still heard.
        if (channelNewest.value(it.key().first) == it.key() || it.value().lastModified() >= since)
            followed.insert(it.key(), it.value().filePath());
    }
    return followed;
}
