// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/chatlogwatcher.h"

#include "monitor/discovery.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

ChatlogWatcher::ChatlogWatcher(QObject *parent)
    : QObject(parent)
    , pending(new QTimer(this))
{
    pending->setSingleShot(true);
    connect(pending, &QTimer::timeout, this, &ChatlogWatcher::check);
}

void ChatlogWatcher::start(const QString &logFolder, const QSet<QString> &selected,
                           const QMap<ChatlogKey, QString> &followedNow)
{
    stop();
    folder = logFolder;
    channels = selected;
    followed = followedNow;
    watcher = new QFileSystemWatcher(this);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this, &ChatlogWatcher::folderChanged);
    watchFolder();
}

// A folder that is not there yet (the game has written no log so far) is
// waited for from the nearest folder above it that is.
void ChatlogWatcher::watchFolder()
{
    QString path = folder;
    while (!QFileInfo(path).isDir()) {
        const QString up = QFileInfo(path).path();
        if (up == path)
            return;
        path = up;
    }
    const QStringList watched = watcher->directories();
    if (watched == QStringList{path})
        return;
    if (!watched.isEmpty())
        watcher->removePaths(watched);
    watcher->addPath(path);
}

void ChatlogWatcher::stop()
{
    delete watcher;
    watcher = nullptr;
    pending->stop();
    lastCheck.invalidate();
    m_changes.clear();
}

void ChatlogWatcher::setFollowed(const QMap<ChatlogKey, QString> &followedNow)
{
    followed = followedNow;
    const auto settled = [this](const Change &c) { return followed.value({c.channel, c.character}) == c.newest; };
    const auto end = std::remove_if(m_changes.begin(), m_changes.end(), settled);
    if (end == m_changes.end())
        return;
    m_changes.erase(end, m_changes.end());
    emit changesChanged();
}

void ChatlogWatcher::folderChanged(const QString &path)
{
    // The folder itself may have gone (its watch with it) or come back.
    watchFolder();
    if (path != folder && !watcher->directories().contains(folder))
        return;
    // A burst of new logs (the game starting a session) costs one listing.
    if (pending->isActive())
        return;
    const qint64 since = lastCheck.isValid() ? lastCheck.elapsed() : MinGap;
    if (since >= MinGap)
        check();
    else
        pending->start(int(MinGap - since));
}

void ChatlogWatcher::check()
{
    lastCheck.start();
    const QMap<ChatlogKey, QString> newest = followedLogs(listChatlogs(folder), channels);
    QMap<ChatlogKey, QString> keys = followed;
    keys.insert(newest);
    QVector<Change> changes;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const QString was = followed.value(it.key()), now = newest.value(it.key());
        const bool removed = !was.isEmpty() && !QFileInfo::exists(was);
        if (was != now && (removed || !now.isEmpty()))
            changes.append({it.key().first, it.key().second, was, now, removed});
    }
    const auto same = [](const Change &a, const Change &b) {
        return a.channel == b.channel && a.character == b.character && a.newest == b.newest
            && a.removed == b.removed;
    };
    if (std::equal(changes.cbegin(), changes.cend(), m_changes.cbegin(), m_changes.cend(), same))
        return;
    m_changes = changes;
    emit changesChanged();
}
