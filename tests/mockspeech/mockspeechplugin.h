#ifndef MOCKSPEECHPLUGIN_H
#define MOCKSPEECHPLUGIN_H

#include <QObject>
#include <QTextToSpeechPlugin>

// A speech engine for tests: it speaks nothing and records every call in the
// application property "mockSpeechCalls" (a list of maps).
class MockSpeechPlugin : public QObject, public QTextToSpeechPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/5.0" FILE "mockspeech.json")
    Q_INTERFACES(QTextToSpeechPlugin)
public:
    QTextToSpeechEngine *createTextToSpeechEngine(const QVariantMap &parameters, QObject *parent,
                                                  QString *errorString) const override;
};

#endif
