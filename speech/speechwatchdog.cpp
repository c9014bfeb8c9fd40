// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/speechwatchdog.h"
#include "app/qtcompat.h"

SpeechWatchdog::SpeechWatchdog(std::function<QTextToSpeech *()> recreate, QObject *parent)
    : QObject(parent)
    , m_recreate(std::move(recreate))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SpeechWatchdog::timedOut);
}

void SpeechWatchdog::follow(QTextToSpeech *engine)
{
    if (engine == m_engine)
        return;
    // Whatever waited on an engine the user replaced went with it.
    finish();
    disconnect(m_stateConnection);
    m_engine = engine;
    m_speakingSince.invalidate();
    m_stateConnection = connect(engine, &QTextToSpeech::stateChanged, this, &SpeechWatchdog::stateChanged);
}

void SpeechWatchdog::say(QTextToSpeech *engine, const QString &text)
{
    follow(engine);
    if (text.isEmpty()) {
        engine->say(text);
        return;
    }
    m_pending.append(text);
    // A text said while another one is still on its way joins its watch.
    if (m_phase == Idle) {
        const QTextToSpeech::State state = engine->state();
        const bool busy = (state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused)
            && m_speakingSince.isValid() && m_speakingSince.elapsed() < TurnLimitMs;
        m_phase = busy ? AwaitingTurn : Watching;
        m_timer.start(busy ? int(TurnLimitMs - m_speakingSince.elapsed()) : PeriodMs);
    }
    // Set before say(): an engine may report Speaking from within it.
    engine->say(text);
    if (m_phase != Idle && engine->state() == SpeechErrorState)
        suspect(EngineError);
}

void SpeechWatchdog::stateChanged(QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Speaking: {
        m_speakingSince.start();
        // Still the earlier text, resumed.
        if (m_phase == Idle || m_phase == AwaitingTurn)
            return;
        const bool afterRestart = m_phase == Retrying;
        finish();
        emit spoken();
        if (afterRestart)
            emit restarted(m_why);
        break;
    }
    case QTextToSpeech::Ready:
        if (m_phase == AwaitingTurn) {
            m_phase = Watching;
            m_timer.start(PeriodMs);
        }
        break;
    case SpeechErrorState:
        suspect(EngineError);
        break;
    default:
        break;
    }
}

void SpeechWatchdog::timedOut()
{
    // An engine the user replaced meanwhile is nobody's to restart.
    if (!m_engine) {
        finish();
        return;
    }
    suspect(NoSpeech);
}

void SpeechWatchdog::suspect(Failure why)
{
    switch (m_phase) {
    case AwaitingTurn:
    case Watching:
        m_why = why;
        m_phase = RetryPosted;
        m_timer.stop();
        // Posted, so that a Speaking already on its way is seen first, and
        // the engine is never replaced from within its own signal.
        QMetaObject::invokeMethod(this, &SpeechWatchdog::retry, Qt::QueuedConnection);
        break;
    case Retrying:
        giveUp(why);
        break;
    case Idle:
    case RetryPosted:
        break;
    }
}

void SpeechWatchdog::retry()
{
    if (m_phase != RetryPosted)
        return;
    const QStringList texts = m_pending;
    disconnect(m_stateConnection);
    // A slow engine must not come out with the text after the new one.
    if (m_engine)
        m_engine->stop();
    QTextToSpeech *fresh = m_recreate();
    if (!fresh) {
        giveUp(m_why);
        return;
    }
    m_engine = fresh;
    m_speakingSince.invalidate();
    m_stateConnection = connect(fresh, &QTextToSpeech::stateChanged, this, &SpeechWatchdog::stateChanged);
    m_phase = Retrying;
    m_timer.start(PeriodMs);
    for (const QString &text : texts)
        fresh->say(text);
    if (m_phase == Retrying && fresh->state() == SpeechErrorState)
        giveUp(EngineError);
}

void SpeechWatchdog::giveUp(Failure why)
{
    finish();
    emit failed(why);
}

void SpeechWatchdog::finish()
{
    m_pending.clear();
    m_phase = Idle;
    m_timer.stop();
}
