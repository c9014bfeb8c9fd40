// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alerthistory.h"

#include <QTime>

namespace {
const int TagRole = Qt::UserRole;
const int TextRole = Qt::UserRole + 1;
} // namespace

AlertHistory::AlertHistory(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("alertHistory"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(tr("The last %1 alerts, newest first").arg(Kept));
}

int AlertHistory::add(const QString &channel, const QString &said)
{
    const QString text = tr("%1  %2  %3").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), channel, said);
    auto *item = new QListWidgetItem(text);
    item->setData(TagRole, ++m_lastTag);
    item->setData(TextRole, text);
    insertItem(0, item);
    while (count() > Kept)
        delete takeItem(count() - 1);
    return m_lastTag;
}

void AlertHistory::addQuiet(const QString &channel, LineKind kind, const QString &system)
{
    add(channel, kind == LineKind::Clear ? tr("%1 clear").arg(system) : tr("%1 question").arg(system));
    item(0)->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
}

void AlertHistory::setOutcome(int tag, AlertQueue::Outcome outcome)
{
    QString note;
    switch (outcome) {
    case AlertQueue::Said: return;
    case AlertQueue::AlreadyWaiting: note = tr("said once: already waiting"); break;
    case AlertQueue::Dropped: note = tr("dropped: %1 alerts were waiting").arg(AlertQueue::MaxWaiting); break;
    case AlertQueue::Unspoken: note = tr("could not be spoken"); break;
    }
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *entry = item(i);
        if (entry->data(TagRole).toInt() == tag) {
            entry->setText(tr("%1 — %2").arg(entry->data(TextRole).toString(), note));
            if (outcome != AlertQueue::AlreadyWaiting)
                entry->setForeground(QColor(0xb3, 0x26, 0x1e));
            return;
        }
    }
}
