// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHATLOGWATCHER_H
#define CHATLOGWATCHER_H

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVector>

class QFileSystemWatcher;
class QTimer;

// Tells, while listening, when the folder's newest log of a selected channel
// is no longer the one followed: the game started a newer log (a relog, the
// daily restart, a channel joined), or the followed log was removed or
// renamed. It does not change what is followed. It wakes only when
// entries of the folder are created, removed or renamed, not when logs grow,
// and then lists the folder again.
class ChatlogWatcher : public QObject
{
    Q_OBJECT
public:
    // Checks come at most this often, however busy the folder is (ms).
    static constexpr int MinGap = 500;

    struct Change {
        QString channel;
        QString followed; // empty: no log of the channel when listening started
        QString newest;   // empty: none any more
        bool removed;     // the followed log is gone from the folder
    };

    explicit ChatlogWatcher(QObject *parent = nullptr);

    // `followed`: channel -> log, as listening started on `folder`.
    void start(const QString &folder, const QSet<QString> &channels, const QMap<QString, QString> &followed);
    void stop();
    // `channel` follows `path` now; a change that named it is settled.
    void setFollowed(const QString &channel, const QString &path);
    // By channel name; empty while every followed log is still the newest.
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
    QMap<QString, QString> followed;
    QVector<Change> m_changes;
};

#endif
