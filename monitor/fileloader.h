// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILELOADER_H
#define FILELOADER_H

#include "monitor/detection.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class ChatLogStream;
class QFile;
class QTimer;

// Follows the newest chat log of every selected channel while listening and
// announces every system name found in the lines appended to them. A newer
// log of a channel takes over once the one followed has no unread line left,
// and is read from its first line. The Local channel's log is always read too,
// followed or not, for the game's lines that say where the player is.
class FileLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollInterval = 100;
    // Lines without a message (a header block, empty lines) passed over in
    // one tick, besides the line it reads, at most.
    static constexpr int MaxLinesSkipped = 32;

    // The Local channel's name in each client language.
    static const QStringList LocalChannels;

    explicit FileLoader(QObject *parent = nullptr);
    ~FileLoader() override;

    void start_monitoring();
    void stop_monitoring();
    // While listening: follows the folder and channels as configured now.
    // Logs that stay followed keep their place; new ones start at their end.
    void retarget();
    // While listening: `path`, a newer log of `channel`, is read from its
    // first line as soon as the log followed now has nothing unread.
    void followNewer(const QString &channel, const QString &path);

    bool isListening() const { return timer != nullptr; }
    // The channels whose logs are read: the chosen ones and Local.
    QSet<QString> readChannels() const;
    // Whether `channel` is read for where the player is only, raising no alert.
    bool locationOnly(const QString &channel) const;
    // Channel -> the log it reads now, the Local log read for the location too.
    const QMap<QString, QString> &channelFiles() const { return channel_files; }
    // The system the game last said the player is in; empty until it does.
    const QString &playerSystem() const { return player_system; }
    // Character -> the system the game last named in its Local log.
    QMap<QString, QString> playerSystems() const;
    // The Local log read for the player's system; empty when there is none.
    QString locationLog() const;
    // Paths of the chosen logs that could not be opened.
    QStringList unopenedFiles() const;
    // Paths of the logs read now, by channel name.
    QStringList followedFiles() const;
    int followedCount() const { return followedFiles().size(); }
    // The channel of the line whose names are being announced.
    const QString &examinedChannel() const { return examined_channel; }
    // Whether that line is a report, a clear or a question.
    LineKind examinedKind() const { return examined_kind; }

signals:
    void detectedLocation(QString location);
    // The game says the player has entered `system` (a jump, a log in).
    void playerMoved(const QString &system);
    // Newer logs given to followNewer() have taken over, for these channels.
    void followed(const QStringList &channels);

private slots:
    void chat_update();

private:
    struct Log {
        QString channel;
        QFile *file = nullptr; // null: the channel had no log yet
        ChatLogStream *stream = nullptr; // null when the file did not open
        QString next; // a newer log waiting to take over
        bool alerts = true; // false: read only for where the player is
    };

    void scan_chatlogs();
    Log open_chatlog(const QString &channel, const QString &path, bool fromStart = false);
    static void close(Log *log);
    bool takeOver(Log *log);
    void examine(const QString &line, quint64 started);
    void updateChannelFiles();
    void findPlayer(const QStringList &opened);

    QMap<QString, QString> channel_files;
    QTimer *timer;
    QList<Log> logs; // in channel name order
    QString examined_channel;
    LineKind examined_kind = LineKind::Report;
    QString player_system;
    QString location_log; // the log that named it
    QList<QRegularExpression> patterns;
    quint64 generation = 0;
};

#endif
