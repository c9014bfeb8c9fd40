// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/logfolders.h"

#include "app/sharedconfig.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString ChatlogsInDocuments = QStringLiteral("/EVE/logs/Chatlogs");
const QString GameInSteamLibrary
    = QStringLiteral("/steamapps/compatdata/8500/pfx/drive_c/users/steamuser/Documents") + ChatlogsInDocuments;

// Seconds tell the game running now well enough; QFileInfo's local-time
// dates made the search five times slower over 20,000 logs.
qint64 modifiedSecs(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? qint64(status.st_mtime) : 0;
#else
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
#endif
}

QStringList subfolders(const QString &folder)
{
    QStringList paths;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries)
        paths.append(entry.filePath());
    return paths;
}

QStringList steamLibraries(const QString &home)
{
    QStringList libraries;
    for (const QString &root : {QStringLiteral("/.steam/steam"), QStringLiteral("/.local/share/Steam"),
                                QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam")}) {
        libraries.append(home + root);
        QFile vdf(home + root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        // The file lists a few folders: anything longer is not one.
        if (vdf.open(QIODevice::ReadOnly))
            libraries.append(steamLibraryPaths(vdf.read(1 << 20)));
    }
    libraries.removeDuplicates();
    return libraries;
}

QStringList winePrefixes(const QString &home)
{
    return QStringList{home + QStringLiteral("/.wine")} + subfolders(home + QStringLiteral("/Games"))
        + subfolders(home + QStringLiteral("/.local/share/bottles/bottles"));
}

} // namespace

QStringList documentsFolders(const QString &home)
{
#ifdef Q_OS_WIN
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)};
    const QString profile = qEnvironmentVariable("USERPROFILE");
    if (!profile.isEmpty())
        folders << QDir::fromNativeSeparators(profile) + QStringLiteral("/OneDrive/Documents");
    folders << home + QStringLiteral("/Documents");
    folders.removeAll(QString());
    folders.removeDuplicates();
    return folders;
#else
    return {home + QStringLiteral("/Documents")};
#endif
}

QStringList chatlogFolderCandidates(const QString &home, const QStringList &documents)
{
    QStringList candidates;
    for (const QString &folder : documents)
        candidates.append(folder + ChatlogsInDocuments);
    for (const QString &library : steamLibraries(home))
        candidates.append(library + GameInSteamLibrary);
    for (const QString &prefix : winePrefixes(home)) {
        for (const QString &user : subfolders(prefix + QStringLiteral("/drive_c/users"))) {
            candidates.append(user + QStringLiteral("/Documents") + ChatlogsInDocuments);
            candidates.append(user + QStringLiteral("/My Documents") + ChatlogsInDocuments);
        }
    }
    return candidates;
}

QStringList steamLibraryPaths(const QByteArray &vdf)
{
    // Keys are case-insensitive in Valve's format; values escape \ and ".
    static const QRegularExpression path(QStringLiteral(R"re("path"\s*"((?:[^"\\]|\\.)*)")re"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList paths;
    QRegularExpressionMatchIterator it = path.globalMatch(QString::fromUtf8(vdf));
    while (it.hasNext()) {
        const QString escaped = it.next().captured(1);
        QString value;
        for (int i = 0; i < escaped.size(); ++i) {
            if (escaped.at(i) == QLatin1Char('\\'))
                ++i; // the pattern pairs every backslash with what follows
            value += escaped.at(i);
        }
        if (!value.isEmpty())
            paths.append(value);
    }
    return paths;
}

QString newestChatlogFolder(const QStringList &candidates)
{
    QString best;
    qint64 bestTime = 0;
    QSet<QString> seen;
    for (const QString &candidate : candidates) {
        const QString canonical = QFileInfo(candidate).canonicalFilePath();
        if (canonical.isEmpty() || !QFileInfo(canonical).isDir() || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        qint64 newest = 0;
        QDirIterator files(candidate, QDir::Files | QDir::NoDotAndDotDot);
        while (files.hasNext())
            newest = qMax(newest, modifiedSecs(files.next()));
        if (best.isEmpty() || newest > bestTime) {
            best = canonical;
            bestTime = newest;
        }
    }
    return best;
}

namespace {
QString decidedDefault;
}

QString defaultChatlogDir()
{
    // The folder that holds the newest log: Documents may be OneDrive's on
    // Windows, a Wine or Proton prefix elsewhere.
    if (decidedDefault.isEmpty()) {
        const QString home = QDir::homePath();
        const QString found = newestChatlogFolder(chatlogFolderCandidates(home, documentsFolders(home)));
#ifdef Q_OS_WIN
        decidedDefault = found.isEmpty() ? home + QStringLiteral("\\Documents\\EVE\\logs\\Chatlogs") : found;
#else
        decidedDefault = found.isEmpty() ? home + QStringLiteral("/Documents/EVE/logs/Chatlogs") : found;
#endif
    }
    return decidedDefault;
}

QString effectiveChatlogDir()
{
    return SharedConfig::chatlogDir.isEmpty() ? defaultChatlogDir() : SharedConfig::chatlogDir;
}

QString decideChatlogDir()
{
    if (!SharedConfig::chatlogDir.isEmpty())
        return SharedConfig::chatlogDir;
    decidedDefault.clear();
    return defaultChatlogDir();
}
