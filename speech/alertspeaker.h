// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ALERTSPEAKER_H
#define ALERTSPEAKER_H

#include "speech/speechwatchdog.h"
#include "speech/voicefile.h"

#include <QObject>
#include <QStringList>
#include <QTextToSpeech>
#include <QVector>
#include <QVoice>

class AlertQueue;

// The engine a voice is said by, built from a voice's settings, with the
// watchdog every text goes through; a failed engine is rebuilt from the
// settings in use. The voice controls only show these settings and hand
// the player's changes back.
class AlertSpeaker : public QObject
{
    Q_OBJECT
public:
    explicit AlertSpeaker(QObject *parent = nullptr);
    ~AlertSpeaker() override;

    QTextToSpeech *engine() const { return m_engine; }
    SpeechWatchdog *watchdog() const { return m_watchdog; }
    // Alerts wait their turn instead of cutting each other off; without a
    // queue, a text stops the one being said (the voice dialog's samples).
    void queueAlerts();
    AlertQueue *queue() const { return m_queue; }
    // A rule's message as the engine in use says it; empty when its
    // language is not spoken.
    QString textFor(const QString &message) const;
    // `tag` names the alert in the queue's outcome(); `jumps` is how far its
    // system is, -1 when not known (the farthest make room in a flood).
    void say(const QString &text, int tag = 0, int jumps = -1);
    // The name of the engine in use, "Default" resolved; empty when there is none.
    QString engineName() const;

    // What is in use, as voice.ini saves it.
    VoiceSettings settings() const { return m_settings; }
    // Builds a new engine with these settings; creating one can take seconds,
    // so it is done once.
    void apply(const VoiceSettings &settings);
    // The voice voice.ini keeps.
    void applySavedVoice();
    // From now on the saved voice applies each time it is saved: the alert
    // voice. The voice dialog's speaker only tries settings.
    void followSavedVoice();
    void setEngine(int index);
    void setLocale(const QLocale &locale);
    // An index that is not an index of voices() leaves the voice unchanged.
    void setVoice(int index);
    void setRate(int rate);
    void setPitch(int pitch);
    void setVolume(int volume);
    // The voices of the engine's language, in the engine's order.
    const QVector<QVoice> &voices() const { return m_voices; }

    // The platform's engines sorted by name, after "Default", so that a
    // saved index names the same engine in every run.
    static QStringList engineNames();
    // The engine "Default" stands for. Qt's own choice among several
    // installed engines changes from run to run; this one does not.
    static QString defaultEngineName();

signals:
    // A new engine replaced the old one: with the saved language and voice,
    // or, chosen in the list, with its own.
    void engineReplaced(QTextToSpeech *engine);
    // The saved voice is the one in use now.
    void savedVoiceApplied();

private:
    void build(VoiceSettings settings, bool withVoice);
    void localeChanged();
    void noteInUse();

    QTextToSpeech *m_engine = nullptr;
    QVector<QVoice> m_voices;
    SpeechWatchdog *m_watchdog;
    AlertQueue *m_queue = nullptr;
    VoiceSettings m_settings;
};

#endif
