// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/fileloader.h"

#include "app/sharedconfig.h"
#include "monitor/chatlogstream.h"
#include "monitor/detection.h"
#include "monitor/discovery.h"
#include "monitor/logfolders.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

const QStringList FileLoader::LocalChannels = {QStringLiteral("Local"), QStringLiteral("\u672C\u5730")};
bool FileLoader::changeNotices = true;

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
    player_systems.clear();
    timer = new QTimer(this);
    connect(timer, SIGNAL(timeout()), this, SLOT(chat_update()));
    timer->start(PollInterval);
    wake = new QTimer(this);
    wake->setSingleShot(true);
    connect(wake, &QTimer::timeout, this, &FileLoader::chat_update);
    // Qt's watcher rather than an inotify descriptor of our own: the same code
    // on every system, and its inotify backend reports each write (IN_MODIFY).
    // A notice only wakes the reading, later in the event loop, so that a
    // receiver may stop listening while the watcher is still in its signal.
    if (changeNotices) {
        notices = new QFileSystemWatcher(this);
        connect(notices, &QFileSystemWatcher::fileChanged, this, &FileLoader::wakeSoon);
    }
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

namespace {

struct Seen {
    QString stamp, system, log;
    // Equal time stamps: the later session's log (the later name) wins.
    bool after(const Seen &o) const
    {
        return o.system.isEmpty() || stamp > o.stamp
            || (stamp == o.stamp && QFileInfo(log).fileName() > QFileInfo(o.log).fileName());
    }
};

// The last line of the Local log `file` that says the player entered a system.
Seen lastJump(QFile *file)
{
    QString entered;
    const QString line = ChatLogStream::lastLine(file, [&entered](const QString &l) {
        entered = enteredSystem(l);
        return !entered.isEmpty();
    });
    if (line.isEmpty())
        return {};
    // Lines start with their time stamp, "[ 2026.12.07 06:10:02 ]".
    return {line.section(QLatin1Char(']'), 0, 0), entered, file->fileName()};
}

} // namespace

QString FileLoader::lastEnteredSystem(const QString &folder)
{
    const QSet<QString> local(LocalChannels.cbegin(), LocalChannels.cend());
    Seen latest;
    for (const QString &path : followedLogs(listChatlogs(folder), local)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const Seen found = lastJump(&file);
        if (!found.system.isEmpty() && found.after(latest))
            latest = found;
    }
    return latest.system;
}

// Where each character is when listening starts: the last line of the
// game's that says so, in whichever of its Local logs has the latest; the
// latest of all is playerSystem(). Only the logs opened just now (`opened`)
// are searched: a log read for a while may hold jumps its stream has yet to
// reach, and the player would go back and forth.
void FileLoader::findPlayer(const QStringList &opened)
{
    QMap<QString, Seen> seen; // by character
    for (const Log &log : qAsConst(logs)) {
        if (!log.stream || !LocalChannels.contains(log.channel) || !opened.contains(log.file->fileName()))
            continue;
        const Seen found = lastJump(log.file);
        if (!found.system.isEmpty() && found.after(seen.value(log.character)))
            seen.insert(log.character, found);
    }
    bool moved = false;
    Seen latest;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        moved = moved || player_systems.value(it.key()) != it->system;
        player_systems.insert(it.key(), it->system);
        if (it->after(latest))
            latest = *it;
    }
    if (!latest.system.isEmpty() && latest.system != player_system) {
        moved = true;
        location_log = latest.log;
        player_system = latest.system;
    }
    if (moved)
        emit playerMoved(player_system);
}

// The game says in `log` that `character` entered `system`: whether that
// changes where a character or the player is.
bool FileLoader::placePlayer(const QString &character, const QString &system, const QString &log)
{
    if (player_system == system && player_systems.value(character) == system)
        return false;
    location_log = log;
    player_system = system;
    player_systems.insert(character, system);
    return true;
}

void FileLoader::stop_monitoring()
{
    ++generation;
    if (timer) {
        timer->stop();
        delete timer;
        timer = nullptr;
        delete wake;
        wake = nullptr;
    }
    delete notices;
    notices = nullptr;
    for (Log &log : logs)
        close(&log);
    logs.clear();
    shared.clear();
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
    const ChatlogKey key{channel, chatlogCharacter(QFileInfo(path).fileName())};
    auto at = std::lower_bound(logs.begin(), logs.end(), key, [](const Log &log, const ChatlogKey &k) {
        return ChatlogKey{log.channel, log.character} < k;
    });
    if (at == logs.end() || at->channel != channel || at->character != key.second) {
        Log waiting;
        waiting.channel = channel;
        waiting.character = key.second;
        waiting.alerts = !locationOnly(channel);
        at = logs.insert(at, waiting);
        ++generation; // a tick under way would read one log twice
    }
    if (at->file && at->file->fileName() == path)
        return;
    at->next = path;
    // Another character's log that was there before (written again after a
    // quiet day) goes on from its end; one the game started since, whose
    // session (the name's date and time) is no older than the channel's
    // newest, is read from its first line, as a newer log is.
    const auto session = [&channel](const QString &log) { return QFileInfo(log).fileName().left(channel.size() + 16); };
    const QString newest = channel_files.value(channel);
    at->nextFromEnd = !at->file && !newest.isEmpty() && session(path) < session(newest);
    wakeSoon();
}

void FileLoader::wakeSoon()
{
    if (isListening() && !wake->isActive())
        wake->start();
}

// The files read now are the ones watched.
void FileLoader::watchLogs()
{
    if (!notices)
        return;
    QStringList wanted;
    for (const Log &log : qAsConst(logs)) {
        if (log.stream)
            wanted.append(log.file->fileName());
    }
    QStringList gone;
    for (const QString &path : notices->files()) {
        if (!wanted.removeOne(path))
            gone.append(path);
    }
    if (!gone.isEmpty())
        notices->removePaths(gone);
    if (!wanted.isEmpty())
        notices->addPaths(wanted); // one that cannot be watched is polled
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

// The logs of each channel read, as followedLogs() picks them: logs that
// stay (or wait to take over) keep their place, the others are opened at
// their end.
void FileLoader::scan_chatlogs()
{
    const QMap<ChatlogKey, QString> wanted =
        followedLogs(listChatlogs(decideChatlogDir()), readChannels());
    QList<Log> kept;
    QStringList opened;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        auto same = std::find_if(logs.begin(), logs.end(), [&it](const Log &log) {
            const bool reading = log.file && log.file->fileName() == it.value();
            return ChatlogKey{log.channel, log.character} == it.key() && (reading || log.next == it.value());
        });
        if (same != logs.end()) {
            kept.append(*same);
            logs.erase(same);
            kept.last().alerts = !locationOnly(it.key().first);
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

FileLoader::Log FileLoader::open_chatlog(const ChatlogKey &key, const QString &path, bool fromStart)
{
    Log log;
    log.channel = key.first;
    log.character = key.second;
    log.alerts = !locationOnly(key.first);
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
    *log = open_chatlog({log->channel, log->character}, path, !log->nextFromEnd);
    return true;
}

void FileLoader::updateChannelFiles()
{
    channel_files.clear();
    log_files.clear();
    for (const Log &log : qAsConst(logs)) {
        if (!log.file)
            continue;
        const QString path = log.file->fileName(), was = channel_files.value(log.channel);
        // Names carry the date and time: the later name is the newer log.
        if (was.isEmpty() || QFileInfo(path).fileName() > QFileInfo(was).fileName())
            channel_files.insert(log.channel, path);
        log_files.insert({log.channel, log.character}, path);
    }
    watchLogs();
}

void FileLoader::chat_update()
{
    // A receiver may stop or restart listening while a find is announced;
    // the logs are gone then and this wake ends.
    const quint64 started = generation;
    QStringList tookOver;
    bool more = false;
    for (int i = 0; i < logs.size() && generation == started; ++i) {
        int lines = 0, chars = 0;
        // Another client's copies come only where the channel has other logs.
        const bool alone = !(i > 0 && logs.at(i - 1).channel == logs.at(i).channel)
            && !(i + 1 < logs.size() && logs.at(i + 1).channel == logs.at(i).channel);
        while (generation == started) {
            if (lines == MaxLinesPerWake || chars >= MaxCharsPerWake) {
                more = true;
                break;
            }
            Log &log = logs[i];
            const QString line = log.stream ? log.stream->readLine() : QString();
            if (line.isNull()) {
                // Only once the old log has nothing unread, so that no line
                // of it is lost.
                if (log.next.isEmpty() || !takeOver(&log))
                    break;
                if (!tookOver.contains(log.channel))
                    tookOver.append(log.channel);
                continue;
            }
            ++lines;
            chars += line.size();
            // A log's header block and empty lines hold no chat.
            if (!hasMessage(line))
                continue;
            if (LocalChannels.contains(log.channel)) {
                const QString entered = enteredSystem(line);
                if (!entered.isEmpty() && placePlayer(log.character, entered, log.file->fileName())) {
                    emit playerMoved(entered);
                    if (generation != started)
                        break;
                }
            }
            // Another client's copy of a line already examined is passed over.
            if (!log.alerts || !shared.isNew(log.channel, log.file->fileName(), line, alone))
                continue;
            examined_channel = log.channel;
            examine(line, started);
        }
    }
    // Lines left behind, by the bound or by a receiver's change, are read
    // as soon as the events waiting meanwhile have been handled.
    if (more || generation != started)
        wakeSoon();
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
    if (!found.isEmpty())
        examined_text = messageOf(line).toString();
    for (const QString &location : qAsConst(found)) {
        if (generation != started)
            return;
        qDebug() << location;
        emit detectedLocation(location);
    }
}
