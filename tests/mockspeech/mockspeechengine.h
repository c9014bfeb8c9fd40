// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MOCKSPEECHENGINE_H
#define MOCKSPEECHENGINE_H

#include <QSharedPointer>
#include <QTextToSpeechEngine>

class MockSpeechEngine : public QTextToSpeechEngine
{
    Q_OBJECT
public:
    explicit MockSpeechEngine(QObject *parent = nullptr);

    QVector<QLocale> availableLocales() const override;
    QVector<QVoice> availableVoices() const override;
    void say(const QString &text) override;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    void stop(QTextToSpeech::BoundaryHint) override { stop(); }
    void pause(QTextToSpeech::BoundaryHint) override { pause(); }
    QTextToSpeech::ErrorReason errorReason() const override { return QTextToSpeech::ErrorReason::NoError; }
    QString errorString() const override { return QString(); }
    void stop();
    void pause();
#else
    void stop() override;
    void pause() override;
#endif
    void resume() override;
    double rate() const override { return m_rate; }
    bool setRate(double rate) override;
    double pitch() const override { return m_pitch; }
    bool setPitch(double pitch) override;
    QLocale locale() const override { return m_locale; }
    bool setLocale(const QLocale &locale) override;
    double volume() const override { return m_volume; }
    bool setVolume(double volume) override;
    QVoice voice() const override { return m_voice; }
    bool setVoice(const QVoice &voice) override;
    QTextToSpeech::State state() const override { return m_state; }

private:
    QVector<QVoice> voicesFor(const QLocale &locale) const;
    void record(const QString &call, const QString &text = QString());
    void setState(QTextToSpeech::State state);
    bool dead() const;
    void speakNow(const QString &text);

    double m_rate = 0.0;
    double m_pitch = 0.0;
    double m_volume = 1.0;
    QLocale m_locale;
    QVoice m_voice;
    QTextToSpeech::State m_state = QTextToSpeech::Ready;
    // Counts says and stops; shared with a delayed start, which the service
    // carries out even when this object is gone, unless a stop came first.
    QSharedPointer<int> m_utterance;
    int m_service;
    int m_delayMs;
    int m_utteranceMs;
};

#endif
