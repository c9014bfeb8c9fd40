// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPEECHPANEL_H
#define SPEECHPANEL_H

#include "speech/alertspeaker.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>

class AlertQueue;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QStatusBar;

// A window's speech widgets; the window owns them.
struct SpeechWidgets
{
    QComboBox *engine;
    QComboBox *language;
    QComboBox *voice;
    QSlider *rate;
    QSlider *pitch;
    QSlider *volume;
    QPushButton *speakButton;
    QPushButton *pauseButton;
    QPushButton *resumeButton;
    QPushButton *stopButton;
    QPlainTextEdit *text;
    QStatusBar *statusbar;
};

// The speech controls of the main window and of the voice dialog: they show
// the settings of the panel's speaker and hand the player's changes to it.
class SpeechPanel : public QObject
{
    Q_OBJECT
public:
    SpeechPanel(const SpeechWidgets &widgets, QObject *parent);

    AlertSpeaker *speaker() const { return m_speaker; }
    QTextToSpeech *engine() const { return m_speaker->engine(); }
    SpeechWatchdog *watchdog() const { return m_speaker->watchdog(); }
    void queueAlerts() { m_speaker->queueAlerts(); }
    AlertQueue *queue() const { return m_speaker->queue(); }
    void say(const QString &text, int tag = 0, int jumps = -1) { m_speaker->say(text, tag, jumps); }

    // Refills the engine list, applies the saved voice settings and seeds
    // the text box with the first location rule, or without one a sample
    // alert in the voice's language. The lists show the engine and voice
    // applied, so that the voice dialog's OK writes back what was saved
    // unless changed.
    void loadVoiceSettings();
    // What went wrong with the engine in use: "speechd did not speak within 1 s".
    QString failureText(SpeechWatchdog::Failure why) const;

    // What the windows' slots of the same names do.
    void speak();
    void stop();
    void setRate(int rate);
    void setPitch(int pitch);
    void setVolume(int volume);
    void stateChanged(QTextToSpeech::State state);
    void engineSelected(int index);
    void languageSelected(int language);
    void voiceSelected(int index);
    void localeChanged(const QLocale &locale);

    // "Default" first, then the platform's engines sorted by name.
    static void fillEngineList(QComboBox *engine);
    // "Speech restarted: ..." goes with the next state message, or after this long.
    static const int RestartedMessageMs = 10000;

private:
    void showEngine(QTextToSpeech *speech);
    void showNewEngineState(QTextToSpeech::State state);
    void enableButtons(QTextToSpeech::State state);
    void showSample(const QString &text);
    void showSavedVoice();

    SpeechWidgets m_ui;
    AlertSpeaker *m_speaker;
    // The sample alert the text box shows while there is no rule, which
    // follows the voice's language.
    QString m_sample;
};

#endif
