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

#include "monitor/discovery.h"
#include "monitor/sharedlines.h"

class ChatLogStream;
class QFile;
class QFileSystemWatcher;
class QTimer;

// Follows the chat logs of every selected channel while listening, the
// newest log of each character (each game client writes its own; see
// followedLogs()), and announces every system name found in the lines
// appended to them, a line several logs hold once. A character's newer log
// takes over once the one followed has no unread line left, and is read from
// its first line. The Local channel's logs are always read too, followed or
// not, for the game's lines that say where each character is.
//
// A log is read when the system reports that it grew, every complete line it
// holds at once up to a bound per wake, the rest at the next wake; the poll
// is the fallback where no change notice comes (network shares, Windows).
class FileLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollInterval = 100;
    // What one wake reads of one log at most, so that a huge append never
    // holds the window up; the rest follows at once, after pending events.
    static constexpr int MaxLinesPerWake = 1000;
    static constexpr int MaxCharsPerWake = 128 * 1024;

    // Whether listening asks for the system's change notices; off, only the
    // poll reads (for tests of the fallback). Taken when listening starts.
    static void setChangeNotices(bool on) { changeNotices = on; }

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
    // first line as soon as its character's log followed now has nothing
    // unread; a character not followed yet is followed at once.
    void followNewer(const QString &channel, const QString &path);

    bool isListening() const { return timer != nullptr; }
    // The channels whose logs are read: the chosen ones and Local.
    QSet<QString> readChannels() const;
    // Whether `channel` is read for where the player is only, raising no alert.
    bool locationOnly(const QString &channel) const;
    // Channel -> the newest log it reads now, the Local log read for the location too.
    const QMap<QString, QString> &channelFiles() const { return channel_files; }
    // Every log read now, by channel and character.
    const QMap<ChatlogKey, QString> &logFiles() const { return log_files; }
    // The system the game last said the player is in, of any character;
    // empty until it does.
    const QString &playerSystem() const { return player_system; }
    // Character id ("" for logs without one) -> the system the game last
    // named in that character's Local log.
    QMap<QString, QString> playerSystems() const { return player_systems; }
    // The system the game last said the player is in, read backwards from
    // the Local logs of `folder` that listening would read, whether
    // listening or not; empty when none says it.
    static QString lastEnteredSystem(const QString &folder);
    // The Local log that named playerSystem(), else one read; empty when there is none.
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
    // That line's message, after its sender.
    const QString &examinedText() const { return examined_text; }

signals:
    void detectedLocation(QString location);
    // The game says a character has entered `system` (a jump, a log in);
    // playerSystems() has changed.
    void playerMoved(const QString &system);
    // Logs given to followNewer() have taken over, for these channels.
    void followed(const QStringList &channels);

private slots:
    void chat_update();

private:
    struct Log {
        QString channel;
        QString character;
        QFile *file = nullptr; // null: the channel had no log yet
        ChatLogStream *stream = nullptr; // null when the file did not open
        QString next; // a newer log waiting to take over
        bool nextFromEnd = false; // it was there before listening: its old lines are not read
        bool alerts = true; // false: read only for where the player is
    };

    void scan_chatlogs();
    Log open_chatlog(const ChatlogKey &key, const QString &path, bool fromStart = false);
    static void close(Log *log);
    bool takeOver(Log *log);
    void examine(const QString &line, quint64 started);
    void updateChannelFiles();
    void watchLogs();
    void wakeSoon();
    void findPlayer(const QStringList &opened);
    bool placePlayer(const QString &character, const QString &system, const QString &log);

    QMap<QString, QString> channel_files;
    QMap<ChatlogKey, QString> log_files;
    QTimer *timer;
    QTimer *wake = nullptr; // zero delay: a change notice, or lines left by the last wake
    QFileSystemWatcher *notices = nullptr;
    static bool changeNotices;
    QList<Log> logs; // in channel name order, then character
    SharedLines shared;
    QString examined_channel;
    LineKind examined_kind = LineKind::Report;
    QString examined_text;
    QString player_system;
    QMap<QString, QString> player_systems;
    QString location_log; // the log that named it
    QList<QRegularExpression> patterns;
    quint64 generation = 0;
};

#endif
