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

// The place of a language entry in the engine's own list, which voice.ini keeps.
const int EngineOrderRole = Qt::UserRole + 1;

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
    connect(m_ui.speakButton, &QPushButton::clicked, this, &SpeechPanel::speak);
    connect(m_ui.pitch, &QSlider::valueChanged, this, &SpeechPanel::setPitch);
    connect(m_ui.rate, &QSlider::valueChanged, this, &SpeechPanel::setRate);
    connect(m_ui.volume, &QSlider::valueChanged, this, &SpeechPanel::setVolume);
    connect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);
    m_watchdog = new SpeechWatchdog([this] { return recreateEngine(); }, this);
    connect(m_watchdog, &SpeechWatchdog::restarted, this, [this](SpeechWatchdog::Failure why) {
        m_ui.statusbar->showMessage(tr("Speech restarted: %1").arg(failureText(why)), RestartedMessageMs);
    });
}

// Qt 6 stops an engine that is speaking as it goes, and says so: not to the
// widgets, which the window may have deleted already.
SpeechPanel::~SpeechPanel()
{
    if (m_engine)
        m_engine->disconnect();
    delete m_engine;
}

void SpeechPanel::fillEngineList(QComboBox *engine)
{
    engine->clear();
    engine->addItem(tr("Default"), QStringLiteral("default"));
    QStringList names = QTextToSpeech::availableEngines();
    names.sort();
    for (const QString &name : qAsConst(names))
        engine->addItem(name, name);
}

QString SpeechPanel::defaultEngineName()
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

QString SpeechPanel::engineName(int index) const
{
    // An index without an entry names no engine: the default one.
    const QString name = m_ui.engine->itemData(index).toString();
    return name == QLatin1String("default") || name.isEmpty() ? defaultEngineName() : name;
}

QString SpeechPanel::failureText(SpeechWatchdog::Failure why) const
{
    QString name = engineName(m_ui.engine->currentIndex());
    if (name.isEmpty())
        name = tr("the speech engine");
    if (why == SpeechWatchdog::EngineError)
        return tr("%1 reported an error").arg(name);
    if (why == SpeechWatchdog::Stalled)
        return tr("%1 went silent in the middle of a text").arg(name);
    return tr("%1 did not speak within %2 s").arg(name).arg(SpeechWatchdog::PeriodMs / 1000.0);
}

void SpeechPanel::queueAlerts()
{
    if (!m_queue)
        m_queue = new AlertQueue(m_watchdog, [this] { return m_engine; }, this);
}

void SpeechPanel::say(const QString &text, int tag, int jumps)
{
    if (m_queue)
        m_queue->add(text, tag, jumps);
    else
        m_watchdog->say(m_engine, text);
}

void SpeechPanel::speak()
{
    const QString text = prepareSpeechText(m_ui.text->document()->toPlainText(), m_engine);
    // Nothing to say: Speak says why instead of seeming broken.
    if (text.isEmpty() && m_engine && !speechLanguageHandled(m_engine->locale())) {
        m_ui.statusbar->showMessage(
            tr("Not spoken: alerts are spoken in Chinese or English only; choose one of them as the language"));
        return;
    }
    say(text);
}

void SpeechPanel::stop()
{
    if (m_engine)
        m_engine->stop();
}

void SpeechPanel::setRate(int rate)
{
    if (m_engine)
        m_engine->setRate(rate / 10.0);
}

void SpeechPanel::setPitch(int pitch)
{
    if (m_engine)
        m_engine->setPitch(pitch / 10.0);
}

void SpeechPanel::setVolume(int volume)
{
    if (m_engine)
        m_engine->setVolume(volume / 100.0);
}

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
    const QString name = engineName(index);
    // Qt 6 says an engine deleted while speaking became Ready: that is no
    // alert said to its end, and the next must not go to that engine.
    if (m_engine)
        disconnect(m_engine, &QTextToSpeech::stateChanged, nullptr, nullptr);
    delete m_engine;
    m_engine = nullptr;
    QTextToSpeech *speech = name.isEmpty() ? new QTextToSpeech(this) : new QTextToSpeech(name, this);
    m_engine = speech;

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
        m_ui.language->setItemData(m_ui.language->count() - 1, i, EngineOrderRole);
    }

    speech->setRate(m_ui.rate->value() / 10.0);
    speech->setPitch(m_ui.pitch->value() / 10.0);
    speech->setVolume(m_ui.volume->value() / 100.0);

    // Lambdas: Qt 6 gives stop() and pause() an argument.
    connect(m_ui.stopButton, &QPushButton::clicked, speech, [speech] { speech->stop(); });
    connect(m_ui.pauseButton, &QPushButton::clicked, speech, [speech] { speech->pause(); });
    connect(m_ui.resumeButton, &QPushButton::clicked, speech, &QTextToSpeech::resume);
    connect(speech, &QTextToSpeech::stateChanged, this, &SpeechPanel::stateChanged);
    connect(speech, &QTextToSpeech::localeChanged, this, &SpeechPanel::localeChanged);
    connect(m_ui.language, IndexChanged, this, &SpeechPanel::languageSelected);
    showNewEngineState(speech->state());
    localeChanged(current);
}

int SpeechPanel::savedLanguage() const
{
    const QVariant place = m_ui.language->currentData(EngineOrderRole);
    return place.isValid() ? place.toInt() : m_loadedLanguage;
}

void SpeechPanel::languageSelected(int language)
{
    const QLocale locale = m_ui.language->itemData(language).toLocale();
    if (m_engine)
        m_engine->setLocale(locale);
}

// An index that is not an index of the voices leaves the voice unchanged.
void SpeechPanel::voiceSelected(int index)
{
    if (m_engine && index >= 0 && index < m_voices.size())
        m_engine->setVoice(m_voices.at(index));
}

// Sets the voice and shows it in the list, without the list's signals.
void SpeechPanel::applyVoice(int index)
{
    voiceSelected(index);
    showEntry(m_ui.voice, index);
}

void SpeechPanel::localeChanged(const QLocale &locale)
{
    m_ui.language->setCurrentIndex(m_ui.language->findData(QVariant(locale)));

    QComboBox *voice = m_ui.voice;
    disconnect(voice, IndexChanged, this, &SpeechPanel::voiceSelected);
    voice->clear();
    m_voices = m_engine->availableVoices();
    const QString currentName = m_engine->voice().name();
    QStringList names;
    for (const QVoice &v : qAsConst(m_voices)) {
        voice->addItem(voiceText(v));
        names.append(v.name());
        if (v.name() == currentName)
            voice->setCurrentIndex(voice->count() - 1);
    }
    // A saved voice, applied after this, wins.
    const int sensible = sensibleVoice(m_engine->locale(), names, voice->currentIndex());
    if (sensible != voice->currentIndex())
        applyVoice(sensible);
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
        const MapRuleWords words = defaultMapRuleWords(m_engine->locale());
        text = m_sample = QStringList{words.before.arg(5), QStringLiteral("0-G8NO"), words.after}.join(QLatin1Char('|'));
    }
    m_ui.text->clear();
    m_ui.text->appendPlainText(text);
}

// The engine, language and voice that the lists show, with the sliders.
QTextToSpeech *SpeechPanel::recreateEngine()
{
    const int language = m_ui.language->currentIndex();
    const int voice = m_ui.voice->currentIndex();
    engineSelected(m_ui.engine->currentIndex());
    if (language >= 0 && language != m_ui.language->currentIndex())
        languageSelected(language);
    applyVoice(voice);
    return m_engine;
}

void SpeechPanel::loadVoiceSettings()
{
    disconnect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);
    fillEngineList(m_ui.engine);
    m_ui.engine->setCurrentIndex(0);
    connect(m_ui.engine, IndexChanged, this, &SpeechPanel::engineSelected);

    // The saved voice applies whether or not there are rules yet: else the
    // first rules would be spoken in another voice, and the voice dialog
    // would show, and save, the defaults.
    QStringList lines;
    readConfigLines(SharedConfig::voiceFile, &lines);
    const QVector<int> values = parseVoiceSettings(lines);

    // Creating an engine can take seconds; when the saved engine is about
    // to replace the default one, the default one is not built.
    if (values.size() <= VoiceEngine)
        engineSelected(0);
    for (int i = 0; i < values.size(); ++i) {
        const int value = values.at(i);
        switch (i) {
        case VoiceVolume: m_ui.volume->setValue(value); break;
        case VoiceRate: m_ui.rate->setValue(value); break;
        case VoicePitch: m_ui.pitch->setValue(value); break;
        case VoiceEngine:
            showEntry(m_ui.engine, value);
            engineSelected(value);
            break;
        case VoiceLanguage: {
            // A language the list leaves out keeps the engine's, and is saved again as it was.
            m_loadedLanguage = value;
            const int entry = m_ui.language->findData(value, EngineOrderRole);
            if (entry >= 0)
                languageSelected(entry);
            break;
        }
        case VoiceVoice: applyVoice(value); break;
        }
    }
    showSample(readFirstRule(SharedConfig::locationFile));
}
