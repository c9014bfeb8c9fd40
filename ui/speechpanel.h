// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPEECHPANEL_H
#define SPEECHPANEL_H

#include "speech/speechwatchdog.h"

#include <QLocale>
#include <QObject>
#include <QTextToSpeech>
#include <QVector>
#include <QVoice>

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

// The speech controls of the main window and of the voice dialog. The panel
// owns the engine that the lists and sliders set up, the voices of its
// locale, and the watchdog that every text goes through, which rebuilds a
// failed engine with the settings the lists and sliders show.
class SpeechPanel : public QObject
{
    Q_OBJECT
public:
    SpeechPanel(const SpeechWidgets &widgets, QObject *parent);
    ~SpeechPanel() override;

    QTextToSpeech *engine() const { return m_engine; }
    SpeechWatchdog *watchdog() const { return m_watchdog; }
    // Alerts wait their turn instead of cutting each other off; without a
    // queue, a text stops the one being said (the voice dialog's samples).
    void queueAlerts();
    AlertQueue *queue() const { return m_queue; }

    // Refills the engine list, applies the saved voice settings in file order
    // and seeds the text box with the first location rule, or without one a
    // sample alert in the voice's language. The lists show the engine and
    // voice applied, so that the voice dialog's OK writes back what was
    // saved unless changed.
    void loadVoiceSettings();
    // `tag` names the alert in the queue's outcome(); `jumps` is how far its
    // system is, -1 when not known (the farthest make room in a flood).
    void say(const QString &text, int tag = 0, int jumps = -1);
    // What went wrong with the engine in use: "speechd did not speak within 1 s".
    QString failureText(SpeechWatchdog::Failure why) const;

    // The language shown, as voice.ini saves it: its place in the engine's
    // own list, which the language list puts in another order. -1 for none.
    int savedLanguage() const;

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

    // "Default" first, then the platform's engines sorted by name, so that
    // a saved index names the same engine in every run.
    static void fillEngineList(QComboBox *engine);
    // The engine "Default" stands for. Qt's own choice among several
    // installed engines changes from run to run; this one does not.
    static QString defaultEngineName();
    // "Speech restarted: ..." goes with the next state message, or after this long.
    static const int RestartedMessageMs = 10000;

private:
    QString engineName(int index) const;
    void showNewEngineState(QTextToSpeech::State state);
    void enableButtons(QTextToSpeech::State state);
    void applyVoice(int index);
    QTextToSpeech *recreateEngine();
    void showSample(const QString &text);

    SpeechWidgets m_ui;
    QTextToSpeech *m_engine = nullptr;
    QVector<QVoice> m_voices;
    SpeechWatchdog *m_watchdog;
    AlertQueue *m_queue = nullptr;
    // The sample alert the text box shows while there is no rule, which
    // follows the voice's language.
    QString m_sample;
    int m_loadedLanguage = -1; // the engine's index saved in the voice file
};

#endif
