// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOGFOLDERS_H
#define LOGFOLDERS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the game may write its chat logs, in this order: the user's
// `documents` folders (see documentsFolders); under the home folder `home`,
// the game's Proton prefix in every Steam library (the native
// and Flatpak Steam roots and the libraries their libraryfolders.vdf
// lists); the Wine prefixes ~/.wine, ~/Games/<name> and Bottles' bottles,
// each user's Documents and My Documents. Candidates need not exist.
QStringList chatlogFolderCandidates(const QString &home, const QStringList &documents);

// The user's Documents folders: ~/Documents; on Windows the system's
// Documents folder and OneDrive's, where it is often moved.
QStringList documentsFolders(const QString &home);

// The "path" values of a Steam libraryfolders.vdf; nothing from a file that
// holds none.
QStringList steamLibraryPaths(const QByteArray &vdf);

// Of the candidates that exist, the one holding the most recently modified
// file (the earliest on a tie), with links resolved; empty when none exists.
// One listing per folder, a folder reached twice through links counted once.
QString newestChatlogFolder(const QStringList &candidates);

// Where the game writes its logs when no folder was chosen, as last decided
// (decided the first time it is asked for).
QString defaultChatlogDir();
// The chosen folder (SharedConfig::chatlogDir), or the default one.
QString effectiveChatlogDir();
// Decides the default folder again, unless a folder was chosen, and returns
// the effective folder. Off Windows the default is where the game wrote
// last (a Wine or Proton prefix, say). Writes nothing.
QString decideChatlogDir();

#endif
