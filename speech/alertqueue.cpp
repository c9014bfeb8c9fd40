// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/alertqueue.h"

#include "speech/speechwatchdog.h"

#include <QTextToSpeech>

#include <climits>

AlertQueue::AlertQueue(SpeechWatchdog *watchdog, std::function<QTextToSpeech *()> engine, QObject *parent)
    : QObject(parent)
    , m_watchdog(watchdog)
    , m_engine(std::move(engine))
{
    connect(watchdog, &SpeechWatchdog::finished, this, [this] { settle(Said); });
    connect(watchdog, &SpeechWatchdog::failed, this, [this] { settle(Unspoken); });
    connect(watchdog, &SpeechWatchdog::interrupted, this, &AlertQueue::sayAgain);
}

void AlertQueue::add(const QString &text, int tag, int jumps)
{
    if (text.isEmpty()) {
        // Nothing to hear. An idle engine is still handed it, as any alert,
        // but a busy one is not interrupted for it.
        if (m_current.isEmpty() && m_waiting.isEmpty())
            m_watchdog->say(m_engine(), text);
        emit outcome(tag, Unspoken);
        return;
    }
    for (const Alert &waiting : qAsConst(m_waiting)) {
        if (waiting.text == text) {
            emit outcome(tag, AlreadyWaiting);
            return;
        }
    }
    m_waiting.append({text, tag, jumps});
    if (m_waiting.size() > MaxWaiting)
        emit outcome(m_waiting.takeAt(farthestWaiting()).tag, Dropped);
    sayNext();
}

// A distance not known ranks beyond every known one: that system is off the
// map or not reached by gates, while a known one is a measured threat. The
// oldest goes among equals, so with no distance known it is the stalest.
int AlertQueue::farthestWaiting() const
{
    const auto rank = [](int jumps) { return jumps < 0 ? INT_MAX : jumps; };
    int farthest = 0;
    for (int i = 1; i < m_waiting.size(); ++i) {
        if (rank(m_waiting.at(i).jumps) > rank(m_waiting.at(farthest).jumps))
            farthest = i;
    }
    return farthest;
}

void AlertQueue::sayNext()
{
    if (!m_current.isEmpty() || m_waiting.isEmpty())
        return;
    m_current.append(m_waiting.takeFirst());
    m_watchdog->say(m_engine(), m_current.first().text);
}

void AlertQueue::settle(Outcome result)
{
    if (m_current.isEmpty())
        return;
    emit outcome(m_current.takeFirst().tag, result);
    sayNext();
}

// The engine was replaced under the alert: it goes first again, on the new
// engine once that is set up.
void AlertQueue::sayAgain()
{
    if (m_current.isEmpty())
        return;
    m_waiting.prepend(m_current.takeFirst());
    QMetaObject::invokeMethod(this, &AlertQueue::sayNext, Qt::QueuedConnection);
}
