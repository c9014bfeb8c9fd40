// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MOCKSPEECHPLUGIN_H
#define MOCKSPEECHPLUGIN_H

#include <QObject>
#include <QTextToSpeechPlugin>

// A speech engine for tests: it speaks nothing and records every call in the
// application property "mockSpeechCalls" (a list of maps), a "speaking"
// entry when an utterance starts and a "said" one when it ends uncut. A say
// cuts short the utterance being spoken. Built twice, as the engines "mock" and
// "mock2", so that tests see a choice of engines. Application properties
// model the speech service:
//   mockSpeechService   a number; raising it is the service going away: the
//                       engines created before accept say() and never speak
//   mockSpeechDown      true: no engine speaks (the service stays away)
//   mockSpeechDelayMs   engines created meanwhile start speaking this late
//   mockSpeechUtteranceMs  ... and speak each text this long (default 30)
class MockSpeechPlugin : public QObject, public QTextToSpeechPlugin
{
    Q_OBJECT
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) && defined(MOCK_SPEECH_SECOND)
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "mockspeech2.json")
#elif QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "mockspeech.json")
#elif defined(MOCK_SPEECH_SECOND)
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/5.0" FILE "mockspeech2.json")
#else
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/5.0" FILE "mockspeech.json")
#endif
    Q_INTERFACES(QTextToSpeechPlugin)
public:
    QTextToSpeechEngine *createTextToSpeechEngine(const QVariantMap &parameters, QObject *parent,
                                                  QString *errorString) const override;
};

#endif
