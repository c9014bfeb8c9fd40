// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ALERTQUEUE_H
#define ALERTQUEUE_H

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTextToSpeech;
class SpeechWatchdog;

// Alerts said one after another, each to its end, in the order they came:
// the engine's say() stops whatever it is saying, so an alert that came
// while another was spoken would cut it off. Each alert goes through the
// watchdog, which says it again on a new engine if the service fails. When
// too many wait, the farthest threat makes room.
class AlertQueue : public QObject
{
    Q_OBJECT
public:
    // A burst of reports from several channels fits; more are old news by
    // the time their turn comes (an alert takes about 2.5 s to say).
    static const int MaxWaiting = 10;

    enum Outcome {
        Said,
        AlreadyWaiting, // the same text waits already; said once
        Dropped,        // more than MaxWaiting were waiting; this was the farthest
        Unspoken,       // nothing to say in this language, or the engine failed
    };
    Q_ENUM(Outcome)

    // `engine` gives the engine in use at each say.
    AlertQueue(SpeechWatchdog *watchdog, std::function<QTextToSpeech *()> engine, QObject *parent = nullptr);

    // `tag` names the alert in outcome(); `jumps` is the report's distance,
    // -1 when not known.
    void add(const QString &text, int tag, int jumps);
    int waitingCount() const { return m_waiting.size(); }

signals:
    void outcome(int tag, AlertQueue::Outcome outcome);

private:
    struct Alert
    {
        QString text;
        int tag;
        int jumps;
    };

    int farthestWaiting() const;
    void sayNext();
    void settle(Outcome outcome);
    void sayAgain();

    SpeechWatchdog *m_watchdog;
    std::function<QTextToSpeech *()> m_engine;
    QList<Alert> m_waiting;
    QList<Alert> m_current; // the one being said, if any
};

#endif
