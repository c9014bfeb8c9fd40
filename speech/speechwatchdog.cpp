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
    connectEngine(engine);
}

void SpeechWatchdog::connectEngine(QTextToSpeech *engine)
{
    disconnect(m_stateConnection);
    disconnect(m_goneConnection);
    m_engine = engine;
    m_speakingSince.invalidate();
    m_stateConnection = connect(engine, &QTextToSpeech::stateChanged, this, &SpeechWatchdog::stateChanged);
    m_goneConnection = connect(engine, &QObject::destroyed, this, &SpeechWatchdog::engineGone);
}

// The user chose another engine or voice while a text was on its way, also
// while it was tried again on a rebuilt engine.
void SpeechWatchdog::engineGone()
{
    if (m_phase == AwaitingTurn || m_phase == Watching || m_phase == Heard || m_phase == Retrying) {
        finish();
        emit interrupted();
    }
}

void SpeechWatchdog::say(QTextToSpeech *engine, const QString &text)
{
    follow(engine);
    if (text.isEmpty()) {
        engine->say(text);
        return;
    }
    // A new text cuts short the one being heard.
    if (m_phase == Heard)
        finish();
    m_pending.append(text);
    // A text said while another one is still on its way joins its watch.
    if (m_phase == Idle) {
        const QTextToSpeech::State state = engine->state();
        // Read once: the limit may pass between two reads.
        const qint64 speaking = m_speakingSince.isValid() ? m_speakingSince.elapsed() : TurnLimitMs;
        const bool busy = (state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused)
            && speaking < TurnLimitMs;
        m_phase = busy ? AwaitingTurn : Watching;
        m_timer.start(busy ? int(TurnLimitMs - speaking) : PeriodMs);
    }
    // Set before say(): an engine may report Speaking from within it.
    engine->say(text);
    if (m_phase != Idle && engine->state() == SpeechErrorState)
        suspect(EngineError);
}

void SpeechWatchdog::stateChanged(QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Speaking:
        m_speakingSince.start();
        // Still the earlier text, resumed.
        if (m_phase == Idle || m_phase == AwaitingTurn)
            return;
        if (m_phase == Heard)
            m_timer.start(limitMs());
        else
            hear();
        break;
    case QTextToSpeech::Ready:
        if (m_phase == AwaitingTurn) {
            m_phase = Watching;
            m_timer.start(PeriodMs);
        } else if (m_phase == Heard) {
            finish();
            emit finished();
        }
        break;
    case QTextToSpeech::Paused:
        // The user's pause is no failure.
        if (m_phase == Heard)
            m_timer.stop();
        break;
    case SpeechErrorState:
        suspect(EngineError);
        break;
    default:
        break;
    }
}

// The engine speaks the last text it was given, which is watched to its end;
// a start that comes late still cancels the retry.
void SpeechWatchdog::hear()
{
    m_restarted = m_phase == Retrying;
    m_phase = Heard;
    m_pending = QStringList{m_pending.value(m_pending.size() - 1)};
    m_timer.start(limitMs());
    emit spoken();
    if (m_restarted)
        emit restarted(m_why);
}

int SpeechWatchdog::limitMs() const
{
    return qMax(TurnLimitMs, int(m_pending.value(0).size()) * MsPerCharacter);
}

void SpeechWatchdog::timedOut()
{
    // An engine the user replaced meanwhile is nobody's to restart.
    if (!m_engine) {
        finish();
        return;
    }
    suspect(m_phase == Heard ? Stalled : NoSpeech);
}

void SpeechWatchdog::suspect(Failure why)
{
    switch (m_phase) {
    case Heard:
        // Said again once; a second stall is the service's, not the text's.
        if (m_restarted) {
            giveUp(why);
            break;
        }
        Q_FALLTHROUGH();
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
    disconnect(m_goneConnection);
    // A slow engine must not come out with the text after the new one.
    if (m_engine)
        m_engine->stop();
    QTextToSpeech *fresh = m_recreate();
    if (!fresh) {
        giveUp(m_why);
        return;
    }
    connectEngine(fresh);
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
    m_restarted = false;
    m_timer.stop();
}
