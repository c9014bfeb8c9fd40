// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speechpanel.h"

#include "app/configfile.h"
#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "app/translations.h"
#include "speech/alertqueue.h"
#include "speech/speechtext.h"
#include "speech/voicefile.h"
#include "starmap/maprules.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTextDocument>

#include <algorithm>

namespace {

// Started, stopped, paused, error: in the order of the engine's states.
const char *const StateMessages[] = {
    QT_TRANSLATE_NOOP("SpeechPanel", "Speech started..."),
    QT_TRANSLATE_NOOP("SpeechPanel", "Speech stopped..."),
    QT_TRANSLATE_NOOP("SpeechPanel", "Speech paused..."),
    QT_TRANSLATE_NOOP("SpeechPanel", "Speech error!"),
};

// Qt's own names for these have no translation. What the engine does not
// know is left out: most engines know neither.
QString genderName(QVoice::Gender gender)
{
    switch (gender) {
    case QVoice::Male: return SpeechPanel::tr("Male");
    case QVoice::Female: return SpeechPanel::tr("Female");
    default: return QString();
    }
}

QString ageName(QVoice::Age age)
{
    switch (age) {
    case QVoice::Child: return SpeechPanel::tr("Child");
    case QVoice::Teenager: return SpeechPanel::tr("Teenager");
    case QVoice::Adult: return SpeechPanel::tr("Adult");
    case QVoice::Senior: return SpeechPanel::tr("Senior");
    default: return QString();
    }
}

QString voiceText(const QVoice &voice)
{
    QStringList parts{voice.name(), genderName(voice.gender()), ageName(voice.age())};
    parts.removeAll(QString());
    return parts.join(QLatin1String(" - "));
}

// A language alerts are not spoken in is marked so.
QString languageEntry(const QLocale &locale)
{
    const QString name = languageName(locale, true);
    return speechLanguageHandled(locale) ? name : SpeechPanel::tr("%1 - alerts not spoken").arg(name);
}

// Makes an entry current without the list's signals; an index without an
// entry leaves the list as it is.
void showEntry(QComboBox *list, int index)
{
    if (index < 0 || index >= list->count())
        return;
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index);
}

const auto IndexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);

} // namespace

SpeechPanel::SpeechPanel(const SpeechWidgets &widgets, QObject *parent)
    : QObject(parent)
    , m_ui(widgets)
{
    m_speaker = new AlertSpeaker(this);
    connect(m_speaker, &AlertSpeaker::engineReplaced, this, &SpeechPanel::showEngine);
    connect(m_speaker, &AlertSpeaker::savedVoiceApplied, this, &SpeechPanel::showSavedVoice);
    connect(m_ui.speakButton, &QPushButton::clicked, this, &SpeechPanel::speak);
    connect(m_ui.pitch, &QSlider::valueChanged, this, &SpeechPanel::setPitch);
    connect(m_ui.rate, &QSlider::valueChanged, this, &SpeechPanel::setRate);
    connect(m_ui.volume, &QSlider::valueChanged, this, &SpeechPanel::setVolume);
    connect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);
    connect(watchdog(), &SpeechWatchdog::restarted, this, [this](SpeechWatchdog::Failure why) {
        m_ui.statusbar->showMessage(tr("Speech restarted: %1").arg(failureText(why)), RestartedMessageMs);
    });
}

void SpeechPanel::fillEngineList(QComboBox *engine)
{
    engine->clear();
    engine->addItem(tr("Default"), QStringLiteral("default"));
    const QStringList names = AlertSpeaker::engineNames();
    for (const QString &name : names)
        engine->addItem(name, name);
}

QString SpeechPanel::failureText(SpeechWatchdog::Failure why) const
{
    QString name = m_speaker->engineName();
    if (name.isEmpty())
        name = tr("the speech engine");
    if (why == SpeechWatchdog::EngineError)
        return tr("%1 reported an error").arg(name);
    if (why == SpeechWatchdog::Stalled)
        return tr("%1 went silent in the middle of a text").arg(name);
    return tr("%1 did not speak within %2 s").arg(name).arg(SpeechWatchdog::PeriodMs / 1000.0);
}

void SpeechPanel::speak()
{
    const QString text = prepareSpeechText(m_ui.text->document()->toPlainText(), engine());
    // Nothing to say: Speak says why instead of seeming broken.
    if (text.isEmpty() && engine() && !speechLanguageHandled(engine()->locale())) {
        m_ui.statusbar->showMessage(
            tr("Not spoken: alerts are spoken in Chinese or English only; choose one of them as the language"));
        return;
    }
    say(text);
}

void SpeechPanel::stop()
{
    if (engine())
        engine()->stop();
}

void SpeechPanel::setRate(int rate) { m_speaker->setRate(rate); }
void SpeechPanel::setPitch(int pitch) { m_speaker->setPitch(pitch); }
void SpeechPanel::setVolume(int volume) { m_speaker->setVolume(volume); }

void SpeechPanel::enableButtons(QTextToSpeech::State state)
{
    m_ui.pauseButton->setEnabled(state == QTextToSpeech::Speaking);
    m_ui.resumeButton->setEnabled(state == QTextToSpeech::Paused);
    m_ui.stopButton->setEnabled(state == QTextToSpeech::Speaking || state == QTextToSpeech::Paused);
}

void SpeechPanel::stateChanged(QTextToSpeech::State state)
{
    switch (state) {
    case QTextToSpeech::Speaking:
        m_ui.statusbar->showMessage(tr(StateMessages[0]));
        break;
    case QTextToSpeech::Ready:
        m_ui.statusbar->showMessage(tr(StateMessages[1]), 2000);
        break;
    case QTextToSpeech::Paused:
        m_ui.statusbar->showMessage(tr(StateMessages[2]));
        break;
    default:
        m_ui.statusbar->showMessage(tr(StateMessages[3]));
        break;
    }
    enableButtons(state);
}

// The state of an engine just created: nothing is said of a Ready one, and
// what was shown for the engine it replaced goes.
void SpeechPanel::showNewEngineState(QTextToSpeech::State state)
{
    if (state != QTextToSpeech::Ready) {
        stateChanged(state);
        return;
    }
    const QString shown = m_ui.statusbar->currentMessage();
    for (const char *message : StateMessages) {
        if (shown == tr(message))
            m_ui.statusbar->clearMessage();
    }
    enableButtons(state);
}

void SpeechPanel::engineSelected(int index)
{
    m_speaker->setEngine(index);
}

// The lists of a new engine's languages and voices, and its state.
void SpeechPanel::showEngine(QTextToSpeech *speech)
{
    disconnect(m_ui.language, IndexChanged, this, &SpeechPanel::languageSelected);
    m_ui.language->clear();
    const auto locales = speech->availableLocales();
    QLocale current = speech->locale();
    const QString currentName = current.name();
    // The languages alerts are spoken in first, in the engine's order; then
    // the others by name.
    QStringList names;
    QVector<int> order;
    for (int i = 0; i < locales.size(); ++i) {
        names.append(languageEntry(locales.at(i)));
        order.append(i);
        if (locales.at(i).name() == currentName)
            current = locales.at(i);
    }
    std::stable_sort(order.begin(), order.end(), [&locales, &names](int a, int b) {
        const bool spokenA = speechLanguageHandled(locales.at(a)), spokenB = speechLanguageHandled(locales.at(b));
        if (spokenA != spokenB)
            return spokenA;
        return !spokenA && names.at(a).localeAwareCompare(names.at(b)) < 0;
    });
    for (const int i : qAsConst(order)) {
        // A language Qt does not know comes as "C": it names nothing to choose.
        if (locales.at(i).language() == QLocale::C)
            continue;
        m_ui.language->addItem(names.at(i), QVariant(locales.at(i)));
    }

    // Lambdas: Qt 6 gives stop() and pause() an argument.
    connect(m_ui.stopButton, &QPushButton::clicked, speech, [speech] { speech->stop(); });
    connect(m_ui.pauseButton, &QPushButton::clicked, speech, [speech] { speech->pause(); });
    connect(m_ui.resumeButton, &QPushButton::clicked, speech, &QTextToSpeech::resume);
    connect(speech, &QTextToSpeech::stateChanged, this, &SpeechPanel::stateChanged);
    connect(speech, &QTextToSpeech::localeChanged, this, &SpeechPanel::localeChanged);
    showNewEngineState(speech->state());
    // Showing the language in use does not set it again.
    localeChanged(current);
    connect(m_ui.language, IndexChanged, this, &SpeechPanel::languageSelected);
}

void SpeechPanel::languageSelected(int language)
{
    m_speaker->setLocale(m_ui.language->itemData(language).toLocale());
}

void SpeechPanel::voiceSelected(int index)
{
    m_speaker->setVoice(index);
}

void SpeechPanel::localeChanged(const QLocale &locale)
{
    m_ui.language->setCurrentIndex(m_ui.language->findData(QVariant(locale)));

    // The speaker has picked the voice when this is called.
    QComboBox *voice = m_ui.voice;
    disconnect(voice, IndexChanged, this, &SpeechPanel::voiceSelected);
    voice->clear();
    for (const QVoice &v : m_speaker->voices())
        voice->addItem(voiceText(v));
    showEntry(voice, m_speaker->settings().voice);
    connect(voice, IndexChanged, this, &SpeechPanel::voiceSelected);
    if (!m_sample.isEmpty() && m_ui.text->toPlainText() == m_sample)
        showSample(QString());
}

// A rule line as the text box's sample; an empty one stands for an alert in
// the voice's language, as the star map's rules are worded.
void SpeechPanel::showSample(const QString &rule)
{
    QString text = rule;
    m_sample.clear();
    if (text.isEmpty()) {
        const MapRuleWords words = defaultMapRuleWords(engine()->locale());
        text = m_sample = QStringList{words.before.arg(5), QStringLiteral("0-G8NO"), words.after}.join(QLatin1Char('|'));
    }
    m_ui.text->clear();
    m_ui.text->appendPlainText(text);
}

void SpeechPanel::loadVoiceSettings()
{
    // The saved voice applies whether or not there are rules yet: else the
    // first rules would be spoken in another voice, and the voice dialog
    // would show, and save, the defaults.
    m_speaker->applySavedVoice();
}

// The controls show the saved voice the speaker took.
void SpeechPanel::showSavedVoice()
{
    const VoiceSettings settings = m_speaker->settings();
    disconnect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);
    fillEngineList(m_ui.engine);
    m_ui.engine->setCurrentIndex(settings.engine >= 0 && settings.engine < m_ui.engine->count() ? settings.engine : 0);
    connect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);
    m_ui.volume->setValue(settings.volume);
    m_ui.rate->setValue(settings.rate);
    m_ui.pitch->setValue(settings.pitch);
    showSample(readFirstRule(SharedConfig::locationFile));
}
