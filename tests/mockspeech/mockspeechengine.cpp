// SPDX-License-Identifier: GPL-3.0-or-later
#include "mockspeechengine.h"
#include "mockspeechplugin.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

#include <chrono>

namespace {

void appendCall(const QVariantMap &call)
{
    QVariantList calls = qApp->property("mockSpeechCalls").toList();
    calls.append(call);
    qApp->setProperty("mockSpeechCalls", calls);
}
} // namespace

QTextToSpeechEngine *MockSpeechPlugin::createTextToSpeechEngine(const QVariantMap &, QObject *parent,
                                                                QString *) const
{
    return new MockSpeechEngine(parent);
}

MockSpeechEngine::MockSpeechEngine(QObject *parent)
    : QTextToSpeechEngine(parent)
    , m_locale(QLocale::English, QLocale::UnitedStates)
    , m_utterance(new int(0))
    , m_service(qApp->property("mockSpeechService").toInt())
    , m_delayMs(qApp->property("mockSpeechDelayMs").toInt())
    , m_utteranceMs(qApp->property("mockSpeechUtteranceMs").toInt())
{
    if (m_utteranceMs <= 0)
        m_utteranceMs = 30;
    m_voice = voicesFor(m_locale).value(0);
    record(QStringLiteral("create"));
}

QVector<QLocale> MockSpeechEngine::availableLocales() const
{
    // mock2 lists a language that alerts are not spoken in first.
    const QLocale en(QLocale::English, QLocale::UnitedStates), zh(QLocale::Chinese, QLocale::China),
        de(QLocale::German, QLocale::Germany);
    return qstrcmp(MOCK_ENGINE_NAME, "mock2") ? QVector<QLocale>{en, zh, de} : QVector<QLocale>{de, zh, en};
}

QVector<QVoice> MockSpeechEngine::voicesFor(const QLocale &locale) const
{
    const auto voice = [&locale](const QString &name, QVoice::Gender gender, QVoice::Age age, int data) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
        return createVoice(name, locale, gender, age, data);
#else
        Q_UNUSED(locale)
        return createVoice(name, gender, age, data);
#endif
    };
    switch (locale.language()) {
    case QLocale::English:
        return {voice(QStringLiteral("Anna"), QVoice::Female, QVoice::Adult, 0),
                voice(QStringLiteral("Bob"), QVoice::Male, QVoice::Adult, 1),
                voice(QStringLiteral("Carol"), QVoice::Female, QVoice::Senior, 2)};
    case QLocale::Chinese:
        return {voice(QStringLiteral("Mei"), QVoice::Female, QVoice::Adult, 10),
                voice(QStringLiteral("Lei"), QVoice::Male, QVoice::Adult, 11),
                voice(QStringLiteral("Xiaoyu"), QVoice::Female, QVoice::Child, 12),
                voice(QStringLiteral("Mandarin"), QVoice::Male, QVoice::Adult, 13)};
    case QLocale::German:
        return {voice(QStringLiteral("Hans, a German voice with a name as long as some platform voices have"), QVoice::Male, QVoice::Adult, 20),
                // A "%1" in a name, as a platform may give one.
                voice(QStringLiteral("Greta %1"), QVoice::Unknown, QVoice::Other, 21)};
    default:
        return {};
    }
}

QVector<QVoice> MockSpeechEngine::availableVoices() const
{
    return voicesFor(m_locale);
}

void MockSpeechEngine::record(const QString &call, const QString &text)
{
    appendCall(QVariantMap{{QStringLiteral("call"), call},
                           {QStringLiteral("engine"), QStringLiteral(MOCK_ENGINE_NAME)},
                           {QStringLiteral("text"), text},
                           {QStringLiteral("rate"), m_rate},
                           {QStringLiteral("pitch"), m_pitch},
                           {QStringLiteral("volume"), m_volume},
                           {QStringLiteral("locale"), m_locale.name()},
                           {QStringLiteral("voice"), m_voice.name()},
                           {QStringLiteral("steadyNs"), qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                            std::chrono::steady_clock::now().time_since_epoch())
                                                            .count())}});
}

void MockSpeechEngine::setState(QTextToSpeech::State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool MockSpeechEngine::dead() const
{
    return qApp->property("mockSpeechDown").toBool() || qApp->property("mockSpeechService").toInt() != m_service;
}

void MockSpeechEngine::say(const QString &text)
{
    record(QStringLiteral("say"), text);
    if (text.isEmpty() || dead())
        return;
    // A new text cuts the one being spoken short, as speech-dispatcher does.
    setState(QTextToSpeech::Ready);
    const int utterance = ++*m_utterance;
    if (m_delayMs <= 0) {
        speakNow(text);
        return;
    }
    const QSharedPointer<int> current = m_utterance;
    const QPointer<MockSpeechEngine> self(this);
    QTimer::singleShot(m_delayMs, qApp, [current, utterance, self, text] {
        if (*current != utterance)
            return;
        if (self)
            self->speakNow(text);
        else
            appendCall({{QStringLiteral("call"), QStringLiteral("speaking")},
                        {QStringLiteral("engine"), QStringLiteral(MOCK_ENGINE_NAME)},
                        {QStringLiteral("text"), text}});
    });
}

void MockSpeechEngine::speakNow(const QString &text)
{
    record(QStringLiteral("speaking"), text);
    setState(QTextToSpeech::Speaking);
    const int utterance = *m_utterance;
    // A service that went away meanwhile never tells the end: Speaking stays.
    QTimer::singleShot(m_utteranceMs, this, [this, utterance, text] {
        if (utterance == *m_utterance && m_state == QTextToSpeech::Speaking && !dead()) {
            record(QStringLiteral("said"), text);
            setState(QTextToSpeech::Ready);
        }
    });
}

void MockSpeechEngine::stop()
{
    record(QStringLiteral("stop"));
    ++*m_utterance;
    setState(QTextToSpeech::Ready);
}

void MockSpeechEngine::pause()
{
    record(QStringLiteral("pause"));
    if (m_state == QTextToSpeech::Speaking)
        setState(QTextToSpeech::Paused);
}

void MockSpeechEngine::resume()
{
    record(QStringLiteral("resume"));
    if (m_state == QTextToSpeech::Paused)
        setState(QTextToSpeech::Speaking);
}

bool MockSpeechEngine::setRate(double rate)
{
    m_rate = rate;
    return true;
}

bool MockSpeechEngine::setPitch(double pitch)
{
    m_pitch = pitch;
    return true;
}

bool MockSpeechEngine::setVolume(double volume)
{
    m_volume = volume;
    return true;
}

bool MockSpeechEngine::setLocale(const QLocale &locale)
{
    if (!availableLocales().contains(locale))
        return false;
    m_locale = locale;
    m_voice = voicesFor(locale).value(0);
    return true;
}

bool MockSpeechEngine::setVoice(const QVoice &voice)
{
    const QVector<QVoice> voices = availableVoices();
    for (const QVoice &v : voices) {
        if (v.name() == voice.name()) {
            m_voice = v;
            return true;
        }
    }
    return false;
}
