// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/fileloader.h"

#include "app/sharedconfig.h"
#include "monitor/chatlogstream.h"
#include "monitor/detection.h"
#include "monitor/discovery.h"

#include <QFile>
#include <QTimer>
#include <QtDebug>

FileLoader::FileLoader(QObject *parent)
    : QObject(parent)
    , timer(nullptr)
    , patterns(systemNamePatterns())
{
}

FileLoader::~FileLoader()
{
    stop_monitoring();
}

void FileLoader::start_monitoring()
{
    stop_monitoring();
    if (SharedConfig::channels.isEmpty() || SharedConfig::locations.isEmpty())
        return;
    scan_chatlogs();
    timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, SLOT(chat_update()));
    timer->start(PollInterval);
}

void FileLoader::stop_monitoring()
{
    ++generation;
    if (timer) {
        timer->stop();
        delete timer;
        timer = nullptr;
    }
    qDeleteAll(streams);
    streams.clear();
    stream_channels.clear();
    qDeleteAll(files);
    files.clear();
}

QStringList FileLoader::unopenedFiles() const
{
    QStringList paths;
    for (const QFile *file : files) {
        if (!file->isOpen())
            paths.append(file->fileName());
    }
    return paths;
}

void FileLoader::scan_chatlogs()
{
    channel_files = newestLogs(listChatlogs(SharedConfig::decideChatlogDir()), SharedConfig::channels);
    for (auto it = channel_files.cbegin(); it != channel_files.cend(); ++it)
        open_chatlog(it.key(), it.value());
}

void FileLoader::open_chatlog(const QString &channel, const QString &path)
{
    auto *file = new QFile(path);
    files.append(file);
    // Binary: the stream finds line ends itself, in any encoding.
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    streams.append(new ChatLogStream(file));
    stream_channels.append(channel);
}

void FileLoader::chat_update()
{
    // A receiver may stop or restart listening while a find is announced;
    // the streams are gone then and this tick ends.
    const quint64 started = generation;
    for (int i = 0; i < streams.size() && generation == started; ++i) {
        const QString line = streams.at(i)->readLine();
        if (line.isEmpty())
            continue;
        examined_channel = stream_channels.at(i);
        examine(line, started);
    }
}

void FileLoader::examine(const QString &line, quint64 started)
{
    QVector<QString> found;
    detectSystemNames(line, &found);
    for (const QString &location : qAsConst(found)) {
        if (generation != started)
            return;
        qDebug() << location;
        emit detectedLocation(location);
    }
}
