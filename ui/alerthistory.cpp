// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alerthistory.h"

#include <QPainter>
#include <QTime>

namespace {
const int TagRole = Qt::UserRole;
const int TextRole = Qt::UserRole + 1;
const int SaidRole = Qt::UserRole + 2;
} // namespace

AlertHistory::AlertHistory(QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(QStringLiteral("alertHistory"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    // A long intel line or the reason for a failure is read whole.
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setToolTip(tr("The last %1 alerts, newest first").arg(Kept));
}

int AlertHistory::add(const QString &channel, const QString &system, const QString &line, const QString &said)
{
    const QString text = tr("%1  %2  %3  “%4”")
                             .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), channel, system, line);
    auto *item = new QListWidgetItem(text);
    item->setData(TagRole, ++m_lastTag);
    item->setData(TextRole, text);
    item->setData(SaidRole, said);
    item->setToolTip(said.isEmpty() ? tr("Nothing said") : tr("Said: %1").arg(said));
    insertItem(0, item);
    while (count() > Kept)
        delete takeItem(count() - 1);
    return m_lastTag;
}

void AlertHistory::addQuiet(const QString &channel, LineKind kind, const QString &system, const QString &line)
{
    add(channel, system, line, QString());
    note(item(0), kind == LineKind::Clear ? tr("a clear, not said") : tr("a question, not said"));
    item(0)->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
}

void AlertHistory::setOutcome(int tag, AlertQueue::Outcome outcome, const QString &failure)
{
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *entry = item(i);
        if (entry->data(TagRole).toInt() != tag)
            continue;
        switch (outcome) {
        case AlertQueue::Said: return;
        case AlertQueue::AlreadyWaiting: note(entry, tr("said once: already waiting")); return;
        case AlertQueue::Dropped: note(entry, tr("dropped: %1 alerts were waiting").arg(AlertQueue::MaxWaiting)); break;
        case AlertQueue::Unspoken:
            // Nothing to say means a language without speech text.
            note(entry, entry->data(SaidRole).toString().isEmpty()
                            ? tr("not spoken: the voice's language is neither Chinese nor English")
                        : failure.isEmpty() ? tr("not spoken: the speech engine failed")
                                            : tr("not spoken: %1").arg(failure));
            break;
        }
        entry->setForeground(QColor(0xb3, 0x26, 0x1e));
        return;
    }
}

void AlertHistory::note(QListWidgetItem *entry, const QString &why)
{
    entry->setText(tr("%1 — %2").arg(entry->data(TextRole).toString(), why));
}

void AlertHistory::setListening(bool on)
{
    m_listening = on;
    viewport()->update();
}

QString AlertHistory::placeholder() const
{
    return count() || m_listening ? QString()
                                  : tr("Alerts will be listed here: the time, the channel, the system and the "
                                       "intel line that named it.");
}

void AlertHistory::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    const QString text = placeholder();
    if (text.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const int margin = fontMetrics().height() / 2;
    painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap,
                     text);
}
