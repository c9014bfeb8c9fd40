// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ALERTHISTORY_H
#define ALERTHISTORY_H

#include "monitor/detection.h"
#include "speech/alertqueue.h"

#include <QListWidget>

// The last alerts, newest first: when, in which channel, the system as the
// line named it and the line itself, with what was said in the tooltip and
// why, if it was dropped or could not be spoken; also the clears and
// questions not said. Kept in memory only.
class AlertHistory : public QListWidget
{
    Q_OBJECT
public:
    static const int Kept = 50;

    explicit AlertHistory(QWidget *parent = nullptr);

    // Returns the entry's tag for setOutcome(), never 0. `said` is the text
    // given to the engine, empty when the voice's language is not spoken.
    int add(const QString &channel, const QString &system, const QString &line, const QString &said);
    // `failure` says what went wrong with the engine, for an alert it lost.
    void setOutcome(int tag, AlertQueue::Outcome outcome, const QString &failure = QString());
    // A clear or a question about a watched system, not said: greyed, so
    // that the channel is seen alive without raising an alarm.
    void addQuiet(const QString &channel, LineKind kind, const QString &system, const QString &line);
    // While not listening, an empty list says what it will show.
    void setListening(bool on);
    QString placeholder() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void note(QListWidgetItem *entry, const QString &why);

    int m_lastTag = 0;
    bool m_listening = false;
};

#endif
