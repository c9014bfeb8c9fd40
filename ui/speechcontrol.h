// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SPEECHCONTROL_H
#define SPEECHCONTROL_H

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "speech/speechtext.h"
#include "speech/speechwatchdog.h"
#include "speech/voicefile.h"

#include <QComboBox>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextToSpeech>
#include <QVoice>

// The speech controls of the main window and of the voice dialog work alike.
// Both keep `ui` (with the same widget names), `speech` and `voices`, and
// both slots forward here; W is the window or the dialog, which makes this
// struct its friend.
struct SpeechControl
{
    // "Default" first, then the platform's engines sorted by name, so that
    // a saved index names the same engine in every run.
    static void fillEngineList(QComboBox *engine);
    // The engine "Default" stands for. Qt's own choice among several
    // installed engines changes from run to run; this one does not.
    static QString defaultEngineName();
    // The engine entry `index` of the list stands for; "Default" and an
    // index without an entry give defaultEngineName().
    static QString engineName(QComboBox *engine, int index);

    static void showState(QStatusBar *statusbar, QPushButton *pauseButton, QPushButton *resumeButton,
                          QPushButton *stopButton, QTextToSpeech::State state);
    // The state of an engine just created: nothing is said of a Ready one,
    // and what was shown for the engine it replaced goes.
    static void showNewEngineState(QStatusBar *statusbar, QPushButton *pauseButton, QPushButton *resumeButton,
                                   QPushButton *stopButton, QTextToSpeech::State state);

    static QString languageText(const QLocale &locale);
    static QString voiceText(const QVoice &voice);

    // Makes an entry current without the list's signals; an index without an
    // entry leaves the list as it is.
    static void showEntry(QComboBox *list, int index);

    template<class W>
    static void connectControls(W *w)
    {
        QObject::connect(w->ui->speakButton, &QPushButton::clicked, w, &W::speak);
        QObject::connect(w->ui->pitch, &QSlider::valueChanged, w, &W::setPitch);
        QObject::connect(w->ui->rate, &QSlider::valueChanged, w, &W::setRate);
        QObject::connect(w->ui->volume, &QSlider::valueChanged, w, &W::setVolume);
        QObject::connect(w->ui->engine, QOverload<int>::of(&QComboBox::currentIndexChanged), w,
                         &W::engineSelected);
    }

    // What went wrong with the engine in use, briefly: "speechd did not
    // speak within 1 s".
    static QString failureText(QComboBox *engine, SpeechWatchdog::Failure why);
    // "Speech restarted: ..." is shown when the new engine starts speaking
    // and goes with the next state message, or after this long.
    static const int RestartedMessageMs = 10000;

    // Every text the window or the dialog says goes through its watchdog,
    // which rebuilds a failed engine with the settings the lists and
    // sliders show.
    template<class W>
    static void watchSpeech(W *w)
    {
        w->watchdog = new SpeechWatchdog([w] { return recreateEngine(w); }, w);
        QObject::connect(w->watchdog, &SpeechWatchdog::restarted, w, [w](SpeechWatchdog::Failure why) {
            w->ui->statusbar->showMessage(QStringLiteral("Speech restarted: ") + failureText(w->ui->engine, why),
                                          RestartedMessageMs);
        });
    }

    template<class W>
    static void say(W *w, const QString &text)
    {
        w->watchdog->say(w->speech, text);
    }

    // The engine, language and voice that the lists show, with the sliders.
    template<class W>
    static QTextToSpeech *recreateEngine(W *w)
    {
        const int language = w->ui->language->currentIndex();
        const int voice = w->ui->voice->currentIndex();
        w->engineSelected(w->ui->engine->currentIndex());
        if (language >= 0 && language != w->ui->language->currentIndex())
            w->languageSelected(language);
        applyVoice(w, voice);
        return w->speech;
    }

    template<class W>
    static void engineSelected(W *w, int index)
    {
        const QString name = engineName(w->ui->engine, index);
        delete w->speech;
        w->speech = nullptr;
        w->speech = name.isEmpty() ? new QTextToSpeech(w) : new QTextToSpeech(name, w);
        QTextToSpeech *speech = w->speech;

        QComboBox *language = w->ui->language;
        QObject::disconnect(language, QOverload<int>::of(&QComboBox::currentIndexChanged), w,
                            &W::languageSelected);
        language->clear();
        const QVector<QLocale> locales = speech->availableLocales();
        QLocale current = speech->locale();
        const QString currentName = current.name();
        for (const QLocale &locale : locales) {
            language->addItem(languageText(locale), QVariant(locale));
            if (locale.name() == currentName)
                current = locale;
        }

        speech->setRate(w->ui->rate->value() / 10.0);
        speech->setPitch(w->ui->pitch->value() / 10.0);
        speech->setVolume(w->ui->volume->value() / 100.0);

        QObject::connect(w->ui->stopButton, &QPushButton::clicked, speech, [speech] { speech->stop(); });
        QObject::connect(w->ui->pauseButton, &QPushButton::clicked, speech, [speech] { speech->pause(); });
        QObject::connect(w->ui->resumeButton, &QPushButton::clicked, speech, &QTextToSpeech::resume);
        QObject::connect(speech, &QTextToSpeech::stateChanged, w, &W::stateChanged);
        QObject::connect(speech, &QTextToSpeech::localeChanged, w, &W::localeChanged);
        QObject::connect(language, QOverload<int>::of(&QComboBox::currentIndexChanged), w,
                         &W::languageSelected);
        showNewEngineState(w->ui->statusbar, w->ui->pauseButton, w->ui->resumeButton, w->ui->stopButton,
                           speech->state());
        w->localeChanged(current);
    }

    template<class W>
    static void languageSelected(W *w, int language)
    {
        const QLocale locale = w->ui->language->itemData(language).toLocale();
        if (w->speech)
            w->speech->setLocale(locale);
    }

    // An index that is not an index of `voices` leaves the voice unchanged.
    template<class W>
    static void voiceSelected(W *w, int index)
    {
        if (w->speech && index >= 0 && index < w->voices.size())
            w->speech->setVoice(w->voices.at(index));
    }

    // Sets the voice and shows it in the list, without the list's signals.
    template<class W>
    static void applyVoice(W *w, int index)
    {
        voiceSelected(w, index);
        showEntry(w->ui->voice, index);
    }

    template<class W>
    static void localeChanged(W *w, const QLocale &locale)
    {
        w->ui->language->setCurrentIndex(w->ui->language->findData(QVariant(locale)));

        QComboBox *voice = w->ui->voice;
        QObject::disconnect(voice, QOverload<int>::of(&QComboBox::currentIndexChanged), w, &W::voiceSelected);
        voice->clear();
        w->voices = w->speech->availableVoices();
        const QString currentName = w->speech->voice().name();
        for (const QVoice &v : qAsConst(w->voices)) {
            voice->addItem(voiceText(v));
            if (v.name() == currentName)
                voice->setCurrentIndex(voice->count() - 1);
        }
        QObject::connect(voice, QOverload<int>::of(&QComboBox::currentIndexChanged), w, &W::voiceSelected);
    }

    template<class W>
    static void stateChanged(W *w, QTextToSpeech::State state)
    {
        showState(w->ui->statusbar, w->ui->pauseButton, w->ui->resumeButton, w->ui->stopButton, state);
    }

    template<class W>
    static void speak(W *w)
    {
        const QString text = w->ui->plainTextEdit->document()->toPlainText();
        say(w, prepareSpeechText(text, w->speech));
    }

    // Refills the engine list, applies the saved voice settings in file order
    // and seeds the text box from the first location rule, if there is a
    // location file. The lists show the engine and voice applied, so that the
    // voice dialog's OK writes back what was saved unless the user changed it.
    template<class W>
    static void loadVoiceSettings(W *w)
    {
        QComboBox *engine = w->ui->engine;
        QObject::disconnect(engine, QOverload<int>::of(&QComboBox::currentIndexChanged), w,
                            &W::engineSelected);
        fillEngineList(engine);
        engine->setCurrentIndex(0);
        QObject::connect(engine, QOverload<int>::of(&QComboBox::currentIndexChanged), w,
                         &W::engineSelected);

        // The saved voice applies whether or not there are rules yet: else
        // the first rules would be spoken in another voice, and the voice
        // dialog would show, and save, the defaults.
        QStringList lines;
        readConfigLines(SharedConfig::voiceFile, &lines);
        const QVector<int> values = parseVoiceSettings(lines);

        // Creating an engine can take seconds; when the saved engine is
        // about to replace the default one, the default one is not built.
        if (values.size() <= VoiceEngine)
            w->engineSelected(0);
        QString sample;
        if (readSpeechSample(SharedConfig::locationFile, &sample)) {
            w->ui->plainTextEdit->clear();
            w->ui->plainTextEdit->appendPlainText(sample);
        }
        for (int i = 0; i < values.size(); ++i) {
            const int value = values.at(i);
            switch (i) {
            case VoiceVolume: w->ui->volume->setValue(value); break;
            case VoiceRate: w->ui->rate->setValue(value); break;
            case VoicePitch: w->ui->pitch->setValue(value); break;
            case VoiceEngine:
                showEntry(engine, value);
                w->engineSelected(value);
                break;
            case VoiceLanguage: w->languageSelected(value); break;
            case VoiceVoice: applyVoice(w, value); break;
            }
        }
    }
};

#endif
