// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/channeldialog.h"

#include "app/configfile.h"
#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/discovery.h"
#include "monitor/logfolders.h"
#include "ui/savefailure.h"
#include "ui_channeldialog.h"

#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QPainter>
#include <QSet>
#include <QStyledItemDelegate>

#include <algorithm>
#include <climits>

namespace {

// How long ago a log was written, in the words a player would use.
QString ageText(qint64 seconds)
{
    const qint64 minutes = seconds / 60, hours = minutes / 60, days = hours / 24;
    if (minutes < 1)
        return ChannelDialog::tr("just now");
    if (hours < 1)
        return ChannelDialog::tr("%n min ago", nullptr, int(minutes));
    if (days < 1)
        return ChannelDialog::tr("%n hour(s) ago", nullptr, int(hours));
    return ChannelDialog::tr("%n day(s) ago", nullptr, int(qMin<qint64>(days, INT_MAX)));
}

// Draws a channel's age at the right end of its row; the row's text stays
// the channel's name, which typing a letter finds.
class AgeDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        const QString age = index.data(ChannelDialog::AgeRole).toString();
        if (age.isEmpty())
            return;
        painter->save();
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::PlaceholderText));
        painter->setFont(option.font);
        const int margin = option.fontMetrics.averageCharWidth();
        painter->drawText(option.rect.adjusted(0, 0, -margin, 0), Qt::AlignRight | Qt::AlignVCenter, age);
        painter->restore();
    }
};

} // namespace

ChannelDialog::ChannelDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ChannelDialog)
{
    ui->setupUi(this);
    ui->followNewer->setChecked(loadOptions().followNewer);
    ui->listWidget->setItemDelegate(new AgeDelegate(ui->listWidget));

    // Each channel's newest log, by when it was last written.
    QMap<QString, QDateTime> newest;
    const QFileInfoList entries = listChatlogs(decideChatlogDir());
    for (const QFileInfo &entry : entries) {
        const QString channel = chatlogChannel(entry.fileName());
        const QDateTime written = entry.lastModified();
        if (!channel.isEmpty() && (!newest.contains(channel) || newest.value(channel) < written))
            newest.insert(channel, written);
    }

    // The file's choice is shown; the store keeps its own until OK.
    QStringList lines;
    readConfigLines(SharedConfig::channelFile, &lines);
    const QSet<QString> chosen(lines.cbegin(), lines.cend());

    // A followed channel whose log is gone (a cleaned folder) stays followed
    // unless the user deselects it. An empty line names no channel.
    QStringList names = newest.keys();
    for (const QString &channel : chosen) {
        if (!channel.isEmpty() && !newest.contains(channel))
            names.append(channel);
    }
    // By name as a player reads it; the exact name decides between "Corp"
    // and "corp", so the order is the same at every start.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int blind = QString::compare(a, b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &name : qAsConst(names)) {
        auto *item = new QListWidgetItem(name, ui->listWidget, QListWidgetItem::UserType);
        item->setSelected(chosen.contains(name));
        if (newest.contains(name)) {
            item->setData(AgeRole, ageText(qMax<qint64>(0, newest.value(name).secsTo(now))));
            continue;
        }
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        item->setForeground(ui->listWidget->palette().brush(QPalette::Disabled, QPalette::Text));
        item->setToolTip(tr("No log of this channel in %1 yet")
                             .arg(QDir::toNativeSeparators(effectiveChatlogDir())));
    }
    // Typing a channel's first letter goes to it.
    ui->listWidget->setFocus();
}

ChannelDialog::~ChannelDialog()
{
    delete ui;
}

void ChannelDialog::on_buttonBox_accepted()
{
    // In the list's order, not the order of the clicks.
    QStringList selected;
    for (int i = 0; i < ui->listWidget->count(); ++i) {
        if (ui->listWidget->item(i)->isSelected())
            selected.append(ui->listWidget->item(i)->text());
    }
    // A failed save keeps the dialog open with the selection; a saved one is
    // followed at once while listening. The option goes first, so that the
    // channels are followed as it says.
    const bool followNewer = ui->followNewer->isChecked();
    if (loadOptions().followNewer != followNewer
        && !settingSaved(this, SharedConfig::optionsFile,
                         [followNewer](QString *reason) { return saveFollowNewer(followNewer, reason); }))
        return;
    if (settingSaved(this, SharedConfig::channelFile,
                     [&selected](QString *reason) { return SharedConfig::saveChannels(selected, reason); }))
        accept();
}
