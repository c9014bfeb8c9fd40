// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/alertspeaker.h"

#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "speech/alertqueue.h"
#include "speech/speechtext.h"

#include <QTimer>

AlertSpeaker::AlertSpeaker(QObject *parent)
    : QObject(parent)
{
    m_watchdog = new SpeechWatchdog(
        [this] {
            build(m_settings, true);
            return m_engine;
        },
        this);
}

// Qt 6 stops an engine that is speaking as it goes, and says so: not to the
// voice controls, which their window may have deleted already.
AlertSpeaker::~AlertSpeaker()
{
    if (m_engine)
        m_engine->disconnect();
    delete m_engine;
}

QStringList AlertSpeaker::engineNames()
{
    QStringList names = QTextToSpeech::availableEngines();
    names.sort();
    return names;
}

QString AlertSpeaker::defaultEngineName()
{
    // The desktop's own speech service where there is one, else the first
    // engine by name.
    const QStringList names = engineNames();
    for (const char *preferred : {"speechd", "sapi", "macos", "osx"}) {
        if (names.contains(QLatin1String(preferred)))
            return QLatin1String(preferred);
    }
    return names.value(0);
}

QString AlertSpeaker::engineName() const
{
    return m_settings.engine == 0 ? defaultEngineName() : engineNames().value(m_settings.engine - 1);
}

void AlertSpeaker::queueAlerts()
{
    if (!m_queue)
        m_queue = new AlertQueue(m_watchdog, [this] { return m_engine; }, this);
}

QString AlertSpeaker::textFor(const QString &message) const
{
    return prepareSpeechText(message, m_engine);
}

void AlertSpeaker::say(const QString &text, int tag, int jumps)
{
    if (m_queue)
        m_queue->add(text, tag, jumps);
    else
        m_watchdog->say(m_engine, text);
}

void AlertSpeaker::apply(const VoiceSettings &settings)
{
    build(settings, true);
}

void AlertSpeaker::applySavedVoice()
{
    apply(readVoiceSettings(SharedConfig::voiceFile));
    emit savedVoiceApplied();
}

void AlertSpeaker::followSavedVoice()
{
    connect(SharedConfig::instance(), &SharedConfig::changed, this, [this](SharedConfig::Setting which) {
        // Once the dialog that saved it is gone: an engine may take long to build.
        if (which == SharedConfig::Setting::Voice)
            QTimer::singleShot(0, this, &AlertSpeaker::applySavedVoice);
    });
}

// Another engine speaks in its own language and voice.
void AlertSpeaker::setEngine(int index)
{
    VoiceSettings settings = m_settings;
    settings.engine = index;
    build(settings, false);
}

// By value: the watchdog rebuilds from the settings in use, which this changes.
void AlertSpeaker::build(VoiceSettings settings, bool withVoice)
{
    m_settings = settings;
    // An index without an engine names the default one.
    if (m_settings.engine < 0 || m_settings.engine > engineNames().size())
        m_settings.engine = 0;
    // Qt 6 says an engine deleted while speaking became Ready: that is no
    // alert said to its end, and the next must not go to that engine.
    if (m_engine) {
        disconnect(m_engine, &QTextToSpeech::stateChanged, nullptr, nullptr);
        disconnect(m_engine, nullptr, this, nullptr);
    }
    delete m_engine;
    m_engine = nullptr;
    const QString name = engineName();
    m_engine = name.isEmpty() ? new QTextToSpeech(this) : new QTextToSpeech(name, this);
    m_engine->setRate(m_settings.rate / 10.0);
    m_engine->setPitch(m_settings.pitch / 10.0);
    m_engine->setVolume(m_settings.volume / 100.0);
    connect(m_engine, &QTextToSpeech::localeChanged, this, &AlertSpeaker::localeChanged);
    // A language Qt does not know comes as "C": it names nothing to choose,
    // and the engine keeps its own.
    const auto locales = m_engine->availableLocales();
    const int language = settings.language;
    if (withVoice && language >= 0 && language < locales.size() && locales.at(language).language() != QLocale::C)
        m_engine->setLocale(locales.at(language));
    localeChanged();
    if (withVoice)
        setVoice(settings.voice);
    emit engineReplaced(m_engine);
}

// The voices of the new language; where the engine's own pick is not a
// sensible one, a sensible one. A saved voice, applied after this, wins.
void AlertSpeaker::localeChanged()
{
    m_voices = m_engine->availableVoices();
    const QString currentName = m_engine->voice().name();
    QStringList names;
    int current = m_voices.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_voices.size(); ++i) {
        names.append(m_voices.at(i).name());
        if (names.last() == currentName)
            current = i;
    }
    const int sensible = sensibleVoice(m_engine->locale(), names, current);
    if (sensible != current)
        setVoice(sensible);
    noteInUse();
}

// The language and voice in use, as places in the engine's lists; a
// language the engine does not list keeps the place it was given.
void AlertSpeaker::noteInUse()
{
    const auto locales = m_engine->availableLocales();
    const QString localeName = m_engine->locale().name();
    for (int i = 0; i < locales.size(); ++i) {
        if (locales.at(i).language() != QLocale::C && locales.at(i).name() == localeName) {
            m_settings.language = i;
            break;
        }
    }
    const QString voiceName = m_engine->voice().name();
    m_settings.voice = m_voices.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_voices.size(); ++i) {
        if (m_voices.at(i).name() == voiceName)
            m_settings.voice = i;
    }
}

void AlertSpeaker::setLocale(const QLocale &locale)
{
    if (m_engine)
        m_engine->setLocale(locale);
}

void AlertSpeaker::setVoice(int index)
{
    if (!m_engine || index < 0 || index >= m_voices.size())
        return;
    m_engine->setVoice(m_voices.at(index));
    m_settings.voice = index;
}

void AlertSpeaker::setRate(int rate)
{
    m_settings.rate = rate;
    if (m_engine)
        m_engine->setRate(rate / 10.0);
}

void AlertSpeaker::setPitch(int pitch)
{
    m_settings.pitch = pitch;
    if (m_engine)
        m_engine->setPitch(pitch / 10.0);
}

void AlertSpeaker::setVolume(int volume)
{
    m_settings.volume = volume;
    if (m_engine)
        m_engine->setVolume(volume / 100.0);
}
