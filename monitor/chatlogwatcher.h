// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHATLOGWATCHER_H
#define CHATLOGWATCHER_H

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

#include "monitor/discovery.h"

class QFileSystemWatcher;
class QTimer;

// Tells, while listening, when the folder's newest log of a character in a
// selected channel is not the one followed: the game started a newer log (a
// relog, the daily restart, a channel joined, another client), or the
// followed log was removed or renamed. A followed log that followedLogs() no
// longer picks (an old character's, quiet for a day) is no change. It does
// not change what is followed. It wakes only when entries of the folder are
// created, removed or renamed, not when logs grow, and then lists the folder
// again.
class ChatlogWatcher : public QObject
{
    Q_OBJECT
public:
    // Checks come at most this often, however busy the folder is (ms).
    static constexpr int MinGap = 500;

    struct Change {
        QString channel;
        QString character;
        QString followed; // empty: no log of the character when listening started
        QString newest;   // empty: none any more
        bool removed;     // the followed log is gone from the folder
    };

    explicit ChatlogWatcher(QObject *parent = nullptr);

    // `followed`: the logs followed as listening started on `folder`.
    void start(const QString &folder, const QSet<QString> &channels, const QMap<ChatlogKey, QString> &followed);
    void stop();
    // The logs followed now; the changes that named them are settled.
    void setFollowed(const QMap<ChatlogKey, QString> &followed);
    // By channel and character; empty while every followed log is still the newest.
    const QVector<Change> &changes() const { return m_changes; }

signals:
    void changesChanged();

private:
    void watchFolder();
    void folderChanged(const QString &path);
    void check();

    QFileSystemWatcher *watcher = nullptr;
    QTimer *pending;
    QElapsedTimer lastCheck;
    QString folder;
    QSet<QString> channels;
    QMap<ChatlogKey, QString> followed;
    QVector<Change> m_changes;
};

#endif
