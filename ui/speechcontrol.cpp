#include "ui/speechcontrol.h"

void SpeechControl::fillEngineList(QComboBox *engine)
{
    engine->clear();
    engine->addItem(QStringLiteral("Default"), QStringLiteral("default"));
    QStringList names = QTextToSpeech::availableEngines();
    names.sort();
    for (const QString &name : qAsConst(names))
        engine->addItem(name, name);
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
    pauseButton->setEnabled(state == QTextToSpeech::Speaking);
    resumeButton->setEnabled(state == QTextToSpeech::Paused);
    stopButton->setEnabled(state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused);
}

QString SpeechControl::languageText(const QLocale &locale)
{
    return QStringLiteral("%1 (%2)")
        .arg(QLocale::languageToString(locale.language()))
        .arg(QLocale::countryToString(locale.country()));
}

QString SpeechControl::voiceText(const QVoice &voice)
{
    return QStringLiteral("%1 - %2 - %3")
        .arg(voice.name())
        .arg(QVoice::genderName(voice.gender()))
        .arg(QVoice::ageName(voice.age()));
}
