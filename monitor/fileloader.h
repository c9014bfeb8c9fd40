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
// announces every system name found in the lines appended to them.
class FileLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr int PollInterval = 100;

    explicit FileLoader(QObject *parent = nullptr);
    ~FileLoader() override;

    void start_monitoring();
    void stop_monitoring();

    bool isListening() const { return timer != nullptr; }
    // Chosen channel -> log file, as the last start found them.
    const QMap<QString, QString> &channelFiles() const { return channel_files; }
    // Paths of the chosen logs that could not be opened.
    QStringList unopenedFiles() const;
    int followedCount() const { return streams.size(); }
    // The channel of the line whose names are being announced.
    const QString &examinedChannel() const { return examined_channel; }

signals:
    void detectedLocation(QString location);

private slots:
    void chat_update();

private:
    void scan_chatlogs();
    void open_chatlog(const QString &channel, const QString &path);
    void examine(const QString &line, quint64 started);

    QMap<QString, QString> channel_files;
    QTimer *timer;
    QList<QFile *> files;
    QList<ChatLogStream *> streams;
    QStringList stream_channels;
    QString examined_channel;
    QList<QRegularExpression> patterns;
    quint64 generation = 0;
};

#endif
