// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ALERTHISTORY_H
#define ALERTHISTORY_H

#include "monitor/detection.h"
#include "speech/alertqueue.h"

#include <QListWidget>

// The last alerts, newest first: when, in which channel, what was said,
// and whether it was dropped or could not be spoken; also the clears and
// questions not said. Kept in memory only.
class AlertHistory : public QListWidget
{
    Q_OBJECT
public:
    static const int Kept = 50;

    explicit AlertHistory(QWidget *parent = nullptr);

    // Returns the entry's tag for setOutcome(), never 0.
    int add(const QString &channel, const QString &said);
    void setOutcome(int tag, AlertQueue::Outcome outcome);
    // A clear or a question about a watched system, not said: greyed, so
    // that the channel is seen alive without raising an alarm.
    void addQuiet(const QString &channel, LineKind kind, const QString &system);

private:
    int m_lastTag = 0;
};

#endif
