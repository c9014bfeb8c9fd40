#include "ui/mainwindow.h"

#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "speech/matchlocation.h"
#include "speech/speechtext.h"
#include "ui/channeldialog.h"
#include "ui/chatlogfolder.h"
#include "ui/locationdialog.h"
#include "ui/speechcontrol.h"
#include "ui/voicedialog.h"
#include "ui_mainwindow.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <QtDebug>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // By-name connections are made by index, so only an index-based unique
    // connection recognises them; a functor connection would add a second.
    const QList<QPair<QAction *, const char *>> actions = {
        {ui->actionChannel, SLOT(on_actionChannel_triggered(bool))},
        {ui->actionChatlogs, SLOT(on_actionChatlogs_triggered(bool))},
        {ui->actionLocation, SLOT(on_actionLocation_triggered(bool))},
        {ui->actionVoice, SLOT(on_actionVoice_triggered(bool))},
        {ui->actionAbout, SLOT(on_actionAbout_triggered(bool))},
        {ui->actionCheck_Update, SLOT(on_actionCheck_Update_triggered(bool))},
    };
    for (const auto &action : actions)
        connect(action.first, SIGNAL(triggered(bool)), this, action.second, Qt::UniqueConnection);
    speech = nullptr;
    SpeechControl::connectControls(this);
    loadVoiceSettings();
    fileLoader = new FileLoader(this);
    connect(fileLoader, &FileLoader::detectedLocation, this, &MainWindow::on_detectLocation);
}

MainWindow::~MainWindow()
{
    fileLoader->stop_monitoring();
    delete fileLoader;
    delete ui;
}

void MainWindow::loadVoiceSettings()
{
    SpeechControl::loadVoiceSettings(this);
}

void MainWindow::on_detectLocation(QString location)
{
    const QString message = matchLocation(location);
    if (message.isEmpty())
        return;
    qDebug() << message;
    speech->say(prepareSpeechText(message, speech));
}

void MainWindow::on_actionChatlogs_triggered(bool)
{
    chooseChatlogFolder(this);
}

void MainWindow::on_actionChannel_triggered(bool)
{
    ChannelDialog dialog(this);
    dialog.exec();
}

void MainWindow::on_actionLocation_triggered(bool)
{
    LocationDialog dialog(this);
    dialog.setVoiceLocale(speech ? speech->locale() : QLocale::c());
    if (dialog.exec())
        SharedConfig::reloadLocations();
}

void MainWindow::on_actionVoice_triggered(bool)
{
    VoiceDialog dialog(this);
    if (dialog.exec())
        loadVoiceSettings();
}

void MainWindow::on_actionAbout_triggered(bool)
{
    QMessageBox::about(this, tr("About ChatWatch"),
                       tr("<b>ChatWatch</b> %1<br>Speaks an alert when a watched system is named "
                          "in the chat channels you follow.<br><a href=\"%2\">%2</a>")
                           .arg(QStringLiteral(CHATWATCH_VERSION), QStringLiteral(CHATWATCH_HOMEPAGE)));
}

void MainWindow::on_actionCheck_Update_triggered(bool)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral(CHATWATCH_HOMEPAGE), QUrl::TolerantMode));
}

void MainWindow::speak()
{
    SpeechControl::speak(this);
}

void MainWindow::stop()
{
    speech->stop();
}

void MainWindow::setRate(int rate)
{
    if (speech)
        speech->setRate(rate / 10.0);
}

void MainWindow::setPitch(int pitch)
{
    if (speech)
        speech->setPitch(pitch / 10.0);
}

void MainWindow::setVolume(int volume)
{
    if (speech)
        speech->setVolume(volume / 100.0);
}

void MainWindow::stateChanged(QTextToSpeech::State state)
{
    SpeechControl::stateChanged(this, state);
}

void MainWindow::engineSelected(int index)
{
    SpeechControl::engineSelected(this, index);
}

void MainWindow::languageSelected(int language)
{
    SpeechControl::languageSelected(this, language);
}

void MainWindow::voiceSelected(int index)
{
    SpeechControl::voiceSelected(this, index);
}

void MainWindow::localeChanged(QLocale locale)
{
    SpeechControl::localeChanged(this, locale);
}

void MainWindow::on_pushButton_clicked()
{
    ui->pushButton->setEnabled(false);
    fileLoader->start_monitoring();
    ui->pushButton_2->setEnabled(true);
    showListeningStatus();
}

void MainWindow::on_pushButton_2_clicked()
{
    ui->pushButton_2->setEnabled(false);
    fileLoader->stop_monitoring();
    ui->pushButton->setEnabled(true);
    ui->statusbar->showMessage(tr("Listening stopped"), 2000);
}

// Says why nothing is followed, or what is, so that a start that could not
// listen never looks like one that does.
void MainWindow::showListeningStatus()
{
    QString message;
    if (SharedConfig::channels.isEmpty()) {
        message = tr("Not listening: no channel selected (选项 > Channel)");
    } else if (SharedConfig::locations.isEmpty()) {
        message = tr("Not listening: no location rule (选项 > Location)");
    } else {
        message = tr("Listening to %n chat log(s)", nullptr, fileLoader->followedCount());
        QStringList missing;
        for (const QString &channel : qAsConst(SharedConfig::channels)) {
            if (!fileLoader->channelFiles().contains(channel))
                missing.append(QLatin1Char('"') + channel + QLatin1Char('"'));
        }
        missing.sort();
        if (!missing.isEmpty())
            message += tr("; no log found for %1 in %2")
                           .arg(missing.join(QLatin1String(", ")), SharedConfig::effectiveChatlogDir());
        const QStringList unopened = fileLoader->unopenedFiles();
        if (!unopened.isEmpty())
            message += tr("; cannot open %1").arg(unopened.join(QLatin1String(", ")));
    }
    ui->statusbar->showMessage(message);
}
