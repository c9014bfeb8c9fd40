// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speechcontrol.h"
#include "app/qtcompat.h"

#include <QSignalBlocker>

namespace {

const char *const SpeechMessages[] = {"Speech started...", "Speech stopped...", "Speech paused...", "Speech error!"};

void enableButtons(QPushButton *pauseButton, QPushButton *resumeButton, QPushButton *stopButton,
                   QTextToSpeech::State state)
{
    pauseButton->setEnabled(state == QTextToSpeech::Speaking);
    resumeButton->setEnabled(state == QTextToSpeech::Paused);
    stopButton->setEnabled(state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused);
}

} // namespace

void SpeechControl::fillEngineList(QComboBox *engine)
{
    engine->clear();
    engine->addItem(QStringLiteral("Default"), QStringLiteral("default"));
    QStringList names = QTextToSpeech::availableEngines();
    names.sort();
    for (const QString &name : qAsConst(names))
        engine->addItem(name, name);
}

QString SpeechControl::defaultEngineName()
{
    // The desktop's own speech service where there is one, else the first
    // engine by name.
    QStringList names = QTextToSpeech::availableEngines();
    for (const char *preferred : {"speechd", "sapi", "macos", "osx"}) {
        if (names.contains(QLatin1String(preferred)))
            return QLatin1String(preferred);
    }
    names.sort();
    return names.value(0);
}

QString SpeechControl::engineName(QComboBox *engine, int index)
{
    // An index without an entry names no engine: the default one.
    const QString name = engine->itemData(index).toString();
    return name == QLatin1String("default") || name.isEmpty() ? defaultEngineName() : name;
}

void SpeechControl::showState(QStatusBar *statusbar, QPushButton *pauseButton, QPushButton *resumeButton,
                              QPushButton *stopButton, QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Speaking:
        statusbar->showMessage(QStringLiteral("Speech started..."));
        break;
    case QTextToSpeech::Ready:
        statusbar->showMessage(QStringLiteral("Speech stopped..."), 2000);
        break;
    case QTextToSpeech::Paused:
        statusbar->showMessage(QStringLiteral("Speech paused..."));
        break;
    default:
        statusbar->showMessage(QStringLiteral("Speech error!"));
        break;
    }
    enableButtons(pauseButton, resumeButton, stopButton, state);
}

void SpeechControl::showNewEngineState(QStatusBar *statusbar, QPushButton *pauseButton, QPushButton *resumeButton,
                                       QPushButton *stopButton, QTextToSpeech::State state)
{
    if (state != QTextToSpeech::Ready) {
        showState(statusbar, pauseButton, resumeButton, stopButton, state);
        return;
    }
    const QString shown = statusbar->currentMessage();
    for (const char *message : SpeechMessages) {
        if (shown == QLatin1String(message))
            statusbar->clearMessage();
    }
    enableButtons(pauseButton, resumeButton, stopButton, state);
}

void SpeechControl::showEntry(QComboBox *list, int index)
{
    if (index < 0 || index >= list->count())
        return;
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index);
}

QString SpeechControl::languageText(const QLocale &locale)
{
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()),
                                         territoryName(locale));
}

QString SpeechControl::voiceText(const QVoice &voice)
{
    // One call: a "%1" inside a voice's name stays as it is.
    return QStringLiteral("%1 - %2 - %3")
        .arg(voice.name(), QVoice::genderName(voice.gender()), QVoice::ageName(voice.age()));
}

QString SpeechControl::failureText(QComboBox *engine, SpeechWatchdog::Failure why)
{
    QString name = engineName(engine, engine->currentIndex());
    if (name.isEmpty())
        name = QStringLiteral("the speech engine");
    if (why == SpeechWatchdog::EngineError)
        return QStringLiteral("%1 reported an error").arg(name);
    return QStringLiteral("%1 did not speak within %2 s").arg(name).arg(SpeechWatchdog::PeriodMs / 1000.0);
}
