// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPEECHWATCHDOG_H
#define SPEECHWATCHDOG_H

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTextToSpeech>
#include <QTimer>

#include <functional>

// Makes sure that a text handed to the speech engine is heard, or that its
// loss is known. An engine whose speech service went away accepts every
// say() and stays Ready without a word or an error; a new engine of the same
// kind starts the service again. So a say that does not bring Speaking in
// time, or that meets an error, gets the engine rebuilt and is said once
// more on the new one; if that one fails too, the failure is reported and
// the next say tries again. A text is watched to its end: an engine still
// Speaking long after it should have finished lost its service in the
// middle, and the text is said again, whole, on a new engine.
class SpeechWatchdog : public QObject
{
    Q_OBJECT
public:
    // From say() to Speaking, espeak through speech-dispatcher mostly took
    // 3 to 15 ms, never more than 100 ms, on a busy two-core machine; a
    // second leaves a wide margin for a machine that also runs the game. A
    // late Speaking costs no repeat, only a restart.
    static const int PeriodMs = 1000;
    // A text said while the engine still speaks an earlier one is watched
    // from the end of that one. But an engine whose service died in the
    // middle of a sentence stays Speaking for good; one that has been
    // Speaking this long is taken for such. An alert speaks for about 3 s,
    // under 5 s at the slowest rate.
    static const int TurnLimitMs = 8000;
    // A long text may take longer: about 4 characters a second at the
    // slowest rate.
    static const int MsPerCharacter = 250;

    enum Failure { NoSpeech, EngineError, Stalled };
    Q_ENUM(Failure)

    // `recreate` builds an engine with the current settings in place of the
    // old one (which it may delete) and returns it.
    explicit SpeechWatchdog(std::function<QTextToSpeech *()> recreate, QObject *parent = nullptr);

    // Hands the text to the engine and watches for it to be heard. An empty
    // text is handed on unwatched: there is nothing to hear.
    void say(QTextToSpeech *engine, const QString &text);

signals:
    // The engine started speaking what it was given.
    void spoken();
    // ... and has said it to the end.
    void finished();
    // The engine was replaced by another before it had said the text.
    void interrupted();
    // The engine had failed and was rebuilt, and the new one speaks.
    void restarted(SpeechWatchdog::Failure why);
    // The rebuilt engine failed too; what was waiting to be heard is dropped.
    void failed(SpeechWatchdog::Failure why);

private:
    enum Phase { Idle, AwaitingTurn, Watching, RetryPosted, Retrying, Heard };

    void follow(QTextToSpeech *engine);
    void connectEngine(QTextToSpeech *engine);
    void engineGone();
    void hear();
    int limitMs() const;
    void stateChanged(QTextToSpeech::State state);
    void timedOut();
    void suspect(Failure why);
    void giveUp(Failure why);
    void retry();
    void finish();

    std::function<QTextToSpeech *()> m_recreate;
    QPointer<QTextToSpeech> m_engine;
    QMetaObject::Connection m_stateConnection;
    QMetaObject::Connection m_goneConnection;
    QStringList m_pending;
    Phase m_phase = Idle;
    // Heard on an engine built in place of a failed one.
    bool m_restarted = false;
    Failure m_why = NoSpeech;
    QTimer m_timer;
    QElapsedTimer m_speakingSince;
};

#endif
