// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channeldialog.h"

#include "app/configfile.h"
#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/discovery.h"
#include "ui/savefailure.h"
#include "ui_channeldialog.h"

#include <QDir>
#include <QSet>

ChannelDialog::ChannelDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ChannelDialog)
{
    ui->setupUi(this);
    ui->followNewer->setChecked(loadOptions().followNewer);

    QSet<QString> names;
    const QFileInfoList entries = listChatlogs(SharedConfig::decideChatlogDir());
    for (const QFileInfo &entry : entries) {
        const QString channel = chatlogChannel(entry.fileName());
        if (!channel.isEmpty())
            names.insert(channel);
    }

    SharedConfig::channels.clear();
    QStringList lines;
    if (readConfigLines(SharedConfig::channelFile, &lines)) {
        for (const QString &line : qAsConst(lines))
            SharedConfig::channels.insert(line);
    }

    for (const QString &name : qAsConst(names)) {
        auto *item = new QListWidgetItem(name, ui->listWidget, QListWidgetItem::UserType);
        if (SharedConfig::channels.contains(name))
            item->setSelected(true);
    }
    // A followed channel whose log is gone (a cleaned folder) stays followed
    // unless the user deselects it. An empty line names no channel.
    QStringList withoutLog;
    for (const QString &channel : qAsConst(SharedConfig::channels)) {
        if (!channel.isEmpty() && !names.contains(channel))
            withoutLog.append(channel);
    }
    withoutLog.sort();
    for (const QString &channel : qAsConst(withoutLog)) {
        auto *item = new QListWidgetItem(channel, ui->listWidget, QListWidgetItem::UserType);
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        item->setForeground(ui->listWidget->palette().brush(QPalette::Disabled, QPalette::Text));
        item->setToolTip(tr("No log of this channel in %1 yet")
                             .arg(QDir::toNativeSeparators(SharedConfig::effectiveChatlogDir())));
        item->setSelected(true);
    }
}

ChannelDialog::~ChannelDialog()
{
    delete ui;
}

void ChannelDialog::on_buttonBox_accepted()
{
    QStringList selected;
    const QList<QListWidgetItem *> items = ui->listWidget->selectedItems();
    for (const QListWidgetItem *item : items)
        selected.append(item->text());
    // A failed save keeps the dialog open with the selection; a saved one is
    // followed at once while listening.
    if (!saveSettingsFile(this, SharedConfig::channelFile, joinConfigLines(selected)))
        return;
    SharedConfig::channels = QSet<QString>(selected.cbegin(), selected.cend());
    Options options = loadOptions();
    if (options.followNewer != ui->followNewer->isChecked()) {
        options.followNewer = ui->followNewer->isChecked();
        if (!saveSettingsFile(this, SharedConfig::optionsFile, optionsText(options)))
            return;
    }
    accept();
}
