// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILELOADER_H
#define FILELOADER_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

class ChatLogStream;
class QFile;
class QTimer;

// Follows the newest chat log of every selected channel while listening and
// announces every system name found in the lines appended to them. A newer
// log of a channel takes over once the one followed has no unread line left,
// and is read from its first line.
class FileLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollInterval = 100;
    // Lines without a message (a header block, empty lines) passed over in
    // one tick, besides the line it reads, at most.
    static constexpr int MaxLinesSkipped = 32;

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
    // Channel -> the log it follows now.
    const QMap<QString, QString> &channelFiles() const { return channel_files; }
    // Paths of the chosen logs that could not be opened.
    QStringList unopenedFiles() const;
    // Paths of the logs read now, by channel name.
    QStringList followedFiles() const;
    int followedCount() const { return followedFiles().size(); }
    // The channel of the line whose names are being announced.
    const QString &examinedChannel() const { return examined_channel; }

signals:
    void detectedLocation(QString location);
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
    };

    void scan_chatlogs();
    Log open_chatlog(const QString &channel, const QString &path, bool fromStart = false);
    static void close(Log *log);
    bool takeOver(Log *log);
    void examine(const QString &line, quint64 started);
    void updateChannelFiles();

    QMap<QString, QString> channel_files;
    QTimer *timer;
    QList<Log> logs; // in channel name order
    QString examined_channel;
    QList<QRegularExpression> patterns;
    quint64 generation = 0;
};

#endif
