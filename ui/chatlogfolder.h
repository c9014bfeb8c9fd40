// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHATLOGFOLDER_H
#define CHATLOGFOLDER_H

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Asks the user for the chat-log folder, starting in `startFolder`, and
// stores the first chosen path in SharedConfig::chatlogDir and in the
// chat-log file; when that cannot be saved, asks again from the chosen path.
void chooseChatlogFolder(QWidget *parent, const QString &startFolder);

// What the folder chooser returns: the selected paths, empty when cancelled.
// Tests replace it; the program runs Qt's folder chooser.
using FolderPicker = std::function<QStringList(QWidget *parent, const QString &startFolder)>;
void setFolderPicker(FolderPicker picker);

#endif
