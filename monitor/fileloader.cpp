// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/fileloader.h"

#include "app/sharedconfig.h"
#include "monitor/chatlogstream.h"
#include "monitor/detection.h"
#include "monitor/discovery.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

const QStringList FileLoader::LocalChannels = {QStringLiteral("Local"), QStringLiteral("\u672C\u5730")};

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
    player_system.clear();
    timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, SLOT(chat_update()));
    timer->start(PollInterval);
    scan_chatlogs();
}

QSet<QString> FileLoader::readChannels() const
{
    QSet<QString> read = SharedConfig::channels;
    for (const QString &local : LocalChannels)
        read.insert(local);
    return read;
}

bool FileLoader::locationOnly(const QString &channel) const
{
    return LocalChannels.contains(channel) && !SharedConfig::channels.contains(channel);
}

// Until every character's Local log is read: the one whose log named a system last.
QMap<QString, QString> FileLoader::playerSystems() const
{
    QMap<QString, QString> systems;
    if (!player_system.isEmpty())
        systems.insert(QString(), player_system);
    return systems;
}

QString FileLoader::locationLog() const
{
    QString read;
    for (const Log &log : logs) {
        if (log.stream && LocalChannels.contains(log.channel)) {
            if (log.file->fileName() == location_log)
                return location_log;
            if (read.isEmpty())
                read = log.file->fileName();
        }
    }
    return read;
}

// Where the player is when listening starts: the last line of the game's
// that says so, in whichever Local log has the latest. Only the logs opened
// just now (`opened`) are searched: a log read for a while may hold jumps
// its stream has yet to reach, and the player would go back and forth.
void FileLoader::findPlayer(const QStringList &opened)
{
    QString latest, system, from;
    for (const Log &log : qAsConst(logs)) {
        if (!log.stream || !LocalChannels.contains(log.channel) || !opened.contains(log.file->fileName()))
            continue;
        QString entered;
        const QString line = ChatLogStream::lastLine(log.file, [&entered](const QString &l) {
            entered = enteredSystem(l);
            return !entered.isEmpty();
        });
        // Lines start with their time stamp, "[ 2026.12.07 06:10:02 ]".
        const QString stamp = line.section(QLatin1Char(']'), 0, 0);
        if (!line.isEmpty() && (latest.isEmpty() || stamp > latest)) {
            latest = stamp;
            system = entered;
            from = log.file->fileName();
        }
    }
    if (system.isEmpty() || system == player_system)
        return;
    location_log = from;
    player_system = system;
    emit playerMoved(system);
}

void FileLoader::stop_monitoring()
{
    ++generation;
    if (timer) {
        timer->stop();
        delete timer;
        timer = nullptr;
    }
    for (Log &log : logs)
        close(&log);
    logs.clear();
}

void FileLoader::close(Log *log)
{
    delete log->stream;
    delete log->file;
    log->stream = nullptr;
    log->file = nullptr;
}

void FileLoader::retarget()
{
    if (!isListening())
        return;
    if (SharedConfig::channels.isEmpty() || SharedConfig::locations.isEmpty()) {
        stop_monitoring();
        return;
    }
    ++generation;
    scan_chatlogs();
}

void FileLoader::followNewer(const QString &channel, const QString &path)
{
    if (!isListening() || !readChannels().contains(channel))
        return;
    auto at = std::lower_bound(logs.begin(), logs.end(), channel,
                               [](const Log &log, const QString &name) { return log.channel < name; });
    if (at == logs.end() || at->channel != channel) {
        Log waiting;
        waiting.channel = channel;
        waiting.alerts = !locationOnly(channel);
        at = logs.insert(at, waiting);
        ++generation; // a tick under way would read one log twice
    }
    if (!at->file || at->file->fileName() != path)
        at->next = path;
}

QStringList FileLoader::unopenedFiles() const
{
    QStringList paths;
    for (const Log &log : logs) {
        if (log.alerts && log.file && !log.stream)
            paths.append(log.file->fileName());
    }
    return paths;
}

QStringList FileLoader::followedFiles() const
{
    QStringList paths;
    for (const Log &log : logs) {
        if (log.alerts && log.stream)
            paths.append(log.file->fileName());
    }
    return paths;
}

// The newest log of each channel read: logs that stay keep their place,
// the others are opened at their end.
void FileLoader::scan_chatlogs()
{
    const QMap<QString, QString> wanted = newestLogs(listChatlogs(SharedConfig::decideChatlogDir()), readChannels());
    QList<Log> kept;
    QStringList opened;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        auto same = std::find_if(logs.begin(), logs.end(), [&it](const Log &log) {
            const bool reading = log.file && log.file->fileName() == it.value();
            return log.channel == it.key() && (reading || log.next == it.value());
        });
        if (same != logs.end()) {
            kept.append(*same);
            logs.erase(same);
            kept.last().alerts = !locationOnly(it.key());
        } else {
            kept.append(open_chatlog(it.key(), it.value()));
            opened.append(it.value());
        }
    }
    for (Log &log : logs)
        close(&log);
    logs = kept;
    updateChannelFiles();
    findPlayer(opened);
}

FileLoader::Log FileLoader::open_chatlog(const QString &channel, const QString &path, bool fromStart)
{
    Log log;
    log.channel = channel;
    log.alerts = !locationOnly(channel);
    log.file = new QFile(path);
    // Binary: the stream finds line ends itself, in any encoding.
    if (log.file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        log.stream = new ChatLogStream(log.file, fromStart ? ChatLogStream::FromStart : ChatLogStream::FromEnd);
    return log;
}

// A newer log removed again before it took over is forgotten: the folder
// watch reports what is newest then.
bool FileLoader::takeOver(Log *log)
{
    const QString path = log->next;
    log->next.clear();
    if (!QFileInfo::exists(path))
        return false;
    close(log);
    *log = open_chatlog(log->channel, path, true);
    return true;
}

void FileLoader::updateChannelFiles()
{
    channel_files.clear();
    for (const Log &log : qAsConst(logs)) {
        if (log.file)
            channel_files.insert(log.channel, log.file->fileName());
    }
}

void FileLoader::chat_update()
{
    // A receiver may stop or restart listening while a find is announced;
    // the logs are gone then and this tick ends.
    const quint64 started = generation;
    QStringList tookOver;
    for (int i = 0; i < logs.size() && generation == started; ++i) {
        Log &log = logs[i];
        QString line = log.stream ? log.stream->readLine() : QString();
        // Only once the old log has nothing unread, so that no line of it is
        // lost; the pace stays one line per log and tick.
        const bool drained = line.isEmpty() && !(log.stream && log.stream->hasLine());
        if (drained && !log.next.isEmpty() && takeOver(&log)) {
            tookOver.append(log.channel);
            if (log.stream)
                line = log.stream->readLine();
        }
        // A new log's header block holds no chat: it takes no tick of its own,
        // so its first chat line is read at once.
        for (int n = 0; n < MaxLinesSkipped && log.stream && log.stream->hasLine() && !hasMessage(line); ++n)
            line = log.stream->readLine();
        if (line.isEmpty())
            continue;
        if (LocalChannels.contains(log.channel)) {
            const QString entered = enteredSystem(line);
            if (!entered.isEmpty() && entered != player_system) {
                location_log = log.file->fileName();
                player_system = entered;
                emit playerMoved(entered);
                if (generation != started)
                    break;
            }
        }
        if (!log.alerts)
            continue;
        examined_channel = log.channel;
        examine(line, started);
    }
    if (tookOver.isEmpty())
        return;
    updateChannelFiles();
    if (isListening())
        emit followed(tookOver);
}

void FileLoader::examine(const QString &line, quint64 started)
{
    QVector<QString> found;
    detectSystemNames(line, &found);
    examined_kind = found.isEmpty() ? LineKind::Report : lineKind(line);
    for (const QString &location : qAsConst(found)) {
        if (generation != started)
            return;
        qDebug() << location;
        emit detectedLocation(location);
    }
}
