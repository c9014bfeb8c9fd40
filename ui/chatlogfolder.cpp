// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chatlogfolder.h"

#include "app/sharedconfig.h"
#include "ui/savefailure.h"

#include <QFileDialog>

namespace {

QStringList runFolderDialog(QWidget *parent, const QString &startFolder)
{
    QFileDialog dialog(parent, QString(), startFolder, QString());
    dialog.setFileMode(QFileDialog::Directory);
    if (!dialog.exec())
        return {};
    return dialog.selectedFiles();
}

FolderPicker &picker()
{
    static FolderPicker current = runFolderDialog;
    return current;
}

} // namespace

void setFolderPicker(FolderPicker p)
{
    picker() = p ? std::move(p) : FolderPicker(runFolderDialog);
}

void chooseChatlogFolder(QWidget *parent, const QString &startFolder)
{
    QString start = startFolder;
    for (;;) {
        const QStringList selected = picker()(parent, start);
        if (selected.isEmpty())
            return;
        const QString folder = selected.first();
        if (settingSaved(parent, SharedConfig::chatlogFile,
                         [&folder](QString *reason) { return SharedConfig::saveChatlogDir(folder, reason); }))
            return;
        // Not saved: the chooser comes back on the folder chosen, to try
        // again or to cancel.
        start = folder;
    }
}
