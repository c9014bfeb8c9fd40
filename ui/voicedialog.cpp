// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/voicedialog.h"

#include "app/sharedconfig.h"
#include "speech/voicefile.h"
#include "ui/savefailure.h"
#include "ui/speechpanel.h"
#include "ui_voicedialog.h"

VoiceDialog::VoiceDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::VoiceDialog)
{
    ui->setupUi(this);
    // It does nothing; it stays in the form for whatever names it.
    ui->pushButton->hide();
    speechPanel = new SpeechPanel({ui->engine, ui->language, ui->voice, ui->rate, ui->pitch, ui->volume,
                                   ui->speakButton, ui->pauseButton, ui->resumeButton, ui->stopButton,
                                   ui->plainTextEdit, ui->statusbar},
                                  this);
    connect(speechPanel->watchdog(), &SpeechWatchdog::failed, this, [this](SpeechWatchdog::Failure why) {
        ui->statusbar->showMessage(tr("Cannot speak: %1, also after a restart").arg(speechPanel->failureText(why)));
    });
    speechPanel->loadVoiceSettings();
}

VoiceDialog::~VoiceDialog()
{
    delete ui;
}

void VoiceDialog::speak() { speechPanel->speak(); }
void VoiceDialog::stop() { speechPanel->stop(); }
void VoiceDialog::setRate(int rate) { speechPanel->setRate(rate); }
void VoiceDialog::setPitch(int pitch) { speechPanel->setPitch(pitch); }
void VoiceDialog::setVolume(int volume) { speechPanel->setVolume(volume); }
void VoiceDialog::stateChanged(QTextToSpeech::State state) { speechPanel->stateChanged(state); }
void VoiceDialog::engineSelected(int index) { speechPanel->engineSelected(index); }
void VoiceDialog::languageSelected(int language) { speechPanel->languageSelected(language); }
void VoiceDialog::voiceSelected(int index) { speechPanel->voiceSelected(index); }
void VoiceDialog::localeChanged(QLocale locale) { speechPanel->localeChanged(locale); }

void VoiceDialog::on_buttonBox_accepted()
{
    // A failed save keeps the dialog open with the user's choices.
    const QStringList lines = voiceSettingsLines(speechPanel->speaker()->settings());
    if (settingSaved(this, SharedConfig::voiceFile,
                     [&lines](QString *reason) { return SharedConfig::saveVoice(lines, reason); }))
        accept();
}
