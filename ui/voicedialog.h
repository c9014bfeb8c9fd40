// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VOICEDIALOG_H
#define VOICEDIALOG_H

#include <QDialog>
#include <QLocale>
#include <QTextToSpeech>

namespace Ui {
class VoiceDialog;
}
class SpeechPanel;

// Tries and saves the engine, language, voice, rate, pitch and volume.
class VoiceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit VoiceDialog(QWidget *parent = nullptr);
    ~VoiceDialog() override;

private slots:
    void speak();
    void stop();
    void setRate(int);
    void setPitch(int);
    void setVolume(int volume);
    void stateChanged(QTextToSpeech::State state);
    void engineSelected(int index);
    void languageSelected(int language);
    void voiceSelected(int index);
    void localeChanged(QLocale locale);
    void on_buttonBox_accepted();

private:
    Ui::VoiceDialog *ui;
    SpeechPanel *speechPanel;
};

#endif
