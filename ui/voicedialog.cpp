// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/voicedialog.h"

#include "app/configfile.h"
#include "ui/savefailure.h"
#include "ui/speechcontrol.h"
#include "ui_voicedialog.h"

VoiceDialog::VoiceDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::VoiceDialog)
{
    ui->setupUi(this);
    speech = nullptr;
    SpeechControl::connectControls(this);
    SpeechControl::watchSpeech(this);
    connect(watchdog, &SpeechWatchdog::failed, this, [this](SpeechWatchdog::Failure why) {
        ui->statusbar->showMessage(tr("Cannot speak: %1, also after a restart")
                                       .arg(SpeechControl::failureText(ui->engine, why)));
    });
    SpeechControl::loadVoiceSettings(this);
}

VoiceDialog::~VoiceDialog()
{
    // Nothing the engine says as it goes reaches a half-gone dialog.
    if (speech)
        speech->disconnect();
    delete ui;
}

void VoiceDialog::speak()
{
    SpeechControl::speak(this);
}

void VoiceDialog::stop()
{
    speech->stop();
}

void VoiceDialog::setRate(int rate)
{
    if (speech)
        speech->setRate(rate / 10.0);
}

void VoiceDialog::setPitch(int pitch)
{
    if (speech)
        speech->setPitch(pitch / 10.0);
}

void VoiceDialog::setVolume(int volume)
{
    if (speech)
        speech->setVolume(volume / 100.0);
}

void VoiceDialog::stateChanged(QTextToSpeech::State state)
{
    SpeechControl::stateChanged(this, state);
}

void VoiceDialog::engineSelected(int index)
{
    SpeechControl::engineSelected(this, index);
}

void VoiceDialog::languageSelected(int language)
{
    SpeechControl::languageSelected(this, language);
}

void VoiceDialog::voiceSelected(int index)
{
    SpeechControl::voiceSelected(this, index);
}

void VoiceDialog::localeChanged(QLocale locale)
{
    SpeechControl::localeChanged(this, locale);
}

void VoiceDialog::on_buttonBox_accepted()
{
    const QStringList values = {
        QString::number(ui->volume->value()),        QString::number(ui->rate->value()),
        QString::number(ui->pitch->value()),         QString::number(ui->engine->currentIndex()),
        QString::number(ui->language->currentIndex()), QString::number(ui->voice->currentIndex()),
    };
    // A failed save keeps the dialog open with the user's choices.
    if (saveSettingsFile(this, SharedConfig::voiceFile, joinConfigLines(values)))
        accept();
}
