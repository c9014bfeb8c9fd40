// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "app/configfile.h"
#include "app/options.h"
#include "app/sharedconfig.h"
#include "app/translations.h"
#include "desktop/notifier.h"
#include "monitor/fileloader.h"
#include "monitor/listening.h"
#include "monitor/logfolders.h"
#include "monitor/playerrules.h"
#include "speech/alertqueue.h"
#include "speech/speechtext.h"
#include "ui/alerthistory.h"
#include "ui/channeldialog.h"
#include "ui/chatlogfolder.h"
#include "ui/growtotext.h"
#include "ui/locationdialog.h"
#include "ui/locationstatus.h"
#include "ui/speechpanel.h"
#include "ui/statusline.h"
#include "ui/voicedialog.h"
#include "ui_mainwindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>
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
    // The speech controls only hold the alert voice's settings: out of sight
    // however wide the window is.
    for (QWidget *hidden : {ui->layoutWidget, ui->layoutWidget1, static_cast<QWidget *>(ui->plainTextEdit)})
        hidden->hide();
    // The two buttons keep their place and take the width of their text; the
    // window never gets so small that one is cut off.
    QRect buttons;
    for (QPushButton *button : {ui->pushButton, ui->pushButton_2}) {
        growToText(button);
        buttons |= button->geometry();
    }
    ui->centralwidget->setMinimumSize(buttons.right() + 1 + buttons.left(), buttons.bottom() + 1 + buttons.top() / 2);
    statusLine = new StatusLine(this);
    // Permanent, so that no passing message hides it: it shows them itself.
    ui->statusbar->addPermanentWidget(statusLine, 1);
    connect(ui->statusbar, &QStatusBar::messageChanged, statusLine, &StatusLine::setPassing);
    new Notifier(this, ui->pushButton, ui->pushButton_2, statusLine,
                 [this] { return fileLoader && fileLoader->isListening(); });
    speechPanel = new SpeechPanel({ui->engine, ui->language, ui->voice, ui->rate, ui->pitch, ui->volume,
                                   ui->speakButton, ui->pauseButton, ui->resumeButton, ui->stopButton,
                                   ui->plainTextEdit, ui->statusbar},
                                  this);
    // Kept until an alert is heard again.
    // Connected before the queue, so that the list can say why its alert was lost.
    connect(speechPanel->watchdog(), &SpeechWatchdog::failed, this, [this](SpeechWatchdog::Failure why) {
        speechFailure = speechPanel->failureText(why);
        const QString brief = tr("Alerts cannot be spoken: %1").arg(speechFailure);
        statusLine->setTopic(StatusLine::Speech, brief,
                             brief + tr(", also after the speech engine was restarted. The next alert tries "
                                        "again. Check that the speech service speaks (spd-say hello) and the "
                                        "voice in 选项 > Voice."));
    });
    connect(speechPanel->watchdog(), &SpeechWatchdog::spoken, this,
            [this] { statusLine->clearTopic(StatusLine::Speech); });
    // Under the listening buttons, which keep their places: the list grows
    // with the window.
    history = new AlertHistory(ui->centralwidget);
    history->setMinimumHeight(0);
    auto *area = new QVBoxLayout(ui->centralwidget);
    area->setContentsMargins(10, ui->pushButton_2->geometry().bottom() + 8, 10, 4);
    area->addWidget(history);
    speechPanel->queueAlerts();
    connect(speechPanel->queue(), &AlertQueue::outcome, this, [this](int tag, AlertQueue::Outcome outcome) {
        history->setOutcome(tag, outcome, speechFailure);
        if (outcome == AlertQueue::Dropped)
            showDropped();
    });
    // The language told of stays until a voice that speaks it is saved.
    connect(speechPanel->speaker(), &AlertSpeaker::savedVoiceApplied, this, [this] {
        if (speechLanguageHandled(speechPanel->engine()->locale()))
            statusLine->clearTopic(StatusLine::Language);
    });
    speechPanel->speaker()->followSavedVoice();
    loadVoiceSettings();
    listening = new ListeningSession(this);
    fileLoader = listening->loader();
    connect(fileLoader, &FileLoader::detectedLocation, this, &MainWindow::on_detectLocation);
    connect(listening, &ListeningSession::followingChanged, this, &MainWindow::followSettings);
    connect(listening, &ListeningSession::changesChanged, this, &MainWindow::showChangedLogs);
    connect(listening, &ListeningSession::followed, this, &MainWindow::showFollowed);
    connect(listening, &ListeningSession::saveFailed, this, &MainWindow::showSaveFailure);
    locationStatus = new LocationStatus(fileLoader, listening->playerRules(), statusLine, this);
    // After the session, which applies the setting first.
    connect(SharedConfig::instance(), &SharedConfig::changed, this, [this](SharedConfig::Setting which) {
        if (which != SharedConfig::Setting::Voice && which != SharedConfig::Setting::Options && !listening->isArmed())
            showNextStep();
    });
    const Options options = loadOptions();
    if (!options.window.isEmpty())
        restoreGeometry(options.window);
    showNextStep();
    // Protected from the start, as when the program was closed.
    if (ListeningSession::resumes())
        on_pushButton_clicked();
}

MainWindow::~MainWindow()
{
    // The session goes first: a setting saved now is for no window.
    disconnect(SharedConfig::instance(), nullptr, this, nullptr);
    QString error;
    if (!saveWindow(saveGeometry(), &error))
        qWarning("Window position not saved in %s: %s", qPrintable(SharedConfig::optionsFile), qPrintable(error));
    delete listening;
    fileLoader = nullptr;
    delete ui;
}

void MainWindow::loadVoiceSettings()
{
    speechPanel->loadVoiceSettings();
}

void MainWindow::bringForward()
{
    Notifier::bringForward(this);
}

void MainWindow::on_detectLocation(QString location)
{
    const ListeningSession::Alert alert = listening->alertFor(location);
    if (alert.message.isEmpty())
        return;
    if (!alert.said) {
        history->addQuiet(alert.channel, alert.kind, location, alert.line);
        return;
    }
    const QString text = speechPanel->speaker()->textFor(alert.message);
    // Rule lines always have three fields: empty means a language that is
    // not spoken.
    if (text.isEmpty())
        showUnspokenLanguage();
    speechPanel->say(text, history->add(alert.channel, location, alert.line, text), alert.jumps);
}

// Shown at the first silent alert of a listening session and kept until the
// next session starts or the voice gets a language that is spoken.
void MainWindow::showUnspokenLanguage()
{
    const QLocale locale = speechPanel->engine()->locale();
    const QString language = languageName(locale);
    statusLine->setTopic(StatusLine::Language,
                         tr("Silent in %1: use Chinese or English (选项 > Voice)").arg(language),
                         tr("An alert was matched but not spoken: the voice's language, %1 (%2), is neither "
                            "Chinese nor English. Choose a Chinese or English language in 选项 > Voice.")
                             .arg(language, locale.name()));
}

// Kept until listening starts again; the list shows which were dropped.
void MainWindow::showDropped()
{
    ++droppedCount;
    statusLine->setTopic(StatusLine::Dropped,
                         tr("%n alert(s) dropped: too many waiting", nullptr, droppedCount),
                         tr("Alerts came faster than they can be said: at most %1 wait their turn; beyond that "
                            "the farthest by jumps is dropped, one whose distance is not known first, the oldest "
                            "among equals (%n so far, marked in the list).",
                            nullptr, droppedCount)
                             .arg(AlertQueue::MaxWaiting));
}

void MainWindow::on_actionChatlogs_triggered(bool)
{
    // Where listening looks now: choosing again is for the player to do.
    chooseChatlogFolder(this, effectiveChatlogDir());
}

void MainWindow::on_actionChannel_triggered(bool)
{
    ChannelDialog dialog(this);
    dialog.exec();
}

void MainWindow::on_actionLocation_triggered(bool)
{
    // The editor shows the rules in force.
    listening->keepRules();
    LocationDialog dialog(this);
    dialog.setVoiceLocale(speechPanel->engine() ? speechPanel->engine()->locale() : QLocale::c());
    dialog.setPlayerSystem(fileLoader->isListening() ? fileLoader->playerSystem() : QString());
    dialog.exec();
}

void MainWindow::on_actionVoice_triggered(bool)
{
    VoiceDialog dialog(this);
    dialog.exec();
}

void MainWindow::on_actionAbout_triggered(bool)
{
    const QString homepage = QStringLiteral(CHATWATCH_HOMEPAGE);
    QString text = tr("<b>ChatWatch</b> %1<br>Speaks an alert when a watched system is named "
                      "in the chat channels you follow.<br>Copyright 2026 ChatWatch developers. Free software "
                      "under the GNU GPL, version 3 or later; it comes with no warranty.")
                       .arg(QStringLiteral(CHATWATCH_VERSION));
    if (!homepage.isEmpty())
        text += QStringLiteral("<br><a href=\"%1\">%1</a>").arg(homepage.toHtmlEscaped());
    QMessageBox::about(this, tr("About ChatWatch"), text);
}

void MainWindow::on_actionCheck_Update_triggered(bool)
{
    // Any address the project does not answer for shows users whatever its owner puts there.
    if (QStringLiteral(CHATWATCH_HOMEPAGE).isEmpty()) {
        QMessageBox::information(this, tr("Check Update"),
                                 tr("ChatWatch %1\nNo update page is set for this build.")
                                     .arg(QStringLiteral(CHATWATCH_VERSION)));
        return;
    }
    QDesktopServices::openUrl(QUrl(QStringLiteral(CHATWATCH_HOMEPAGE), QUrl::TolerantMode));
}

void MainWindow::speak() { speechPanel->speak(); }
void MainWindow::stop() { speechPanel->stop(); }
void MainWindow::setRate(int rate) { speechPanel->setRate(rate); }
void MainWindow::setPitch(int pitch) { speechPanel->setPitch(pitch); }
void MainWindow::setVolume(int volume) { speechPanel->setVolume(volume); }
void MainWindow::stateChanged(QTextToSpeech::State state) { speechPanel->stateChanged(state); }
void MainWindow::engineSelected(int index) { speechPanel->engineSelected(index); }
void MainWindow::languageSelected(int language) { speechPanel->languageSelected(language); }
void MainWindow::voiceSelected(int index) { speechPanel->voiceSelected(index); }
void MainWindow::localeChanged(QLocale locale) { speechPanel->localeChanged(locale); }

void MainWindow::on_pushButton_clicked()
{
    ui->pushButton->setEnabled(false);
    statusLine->clearTopic(StatusLine::Language);
    statusLine->clearTopic(StatusLine::Dropped);
    droppedCount = 0;
    ui->pushButton_2->setEnabled(true);
    listening->start();
}

void MainWindow::on_pushButton_2_clicked()
{
    ui->pushButton_2->setEnabled(false);
    ui->pushButton->setEnabled(true);
    listening->stop();
    statusLine->clearTopic(StatusLine::Logs);
    statusLine->clearTopic(StatusLine::NoLogs);
    statusLine->clearTopic(StatusLine::Unopened);
    locationStatus->show();
    statusLine->setTopic(StatusLine::Listening, tr("Listening stopped"));
    history->setListening(false);
}

// A file the program writes by itself could not be written.
void MainWindow::showSaveFailure(const QString &path, const QString &error)
{
    if (!error.isEmpty())
        ui->statusbar->showMessage(tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), error));
}

// The status line follows what the monitor follows now.
void MainWindow::followSettings()
{
    statusLine->clearTopic(StatusLine::Logs);
    history->setListening(fileLoader->isListening());
    showListeningStatus();
}

// Before 开始监听: what to set up first, so that a first start says what to do.
void MainWindow::showNextStep()
{
    const bool noRule = SharedConfig::locations.isEmpty();
    QStringList chosen = SharedConfig::channels.values(), inFile;
    // Without a rules file the start leaves the channels unread: the file says.
    if (noRule && readConfigLines(SharedConfig::channelFile, &inFile))
        chosen += inFile;
    // An empty line names no channel.
    chosen.removeAll(QString());
    const bool noChannel = chosen.isEmpty();
    const QString next = noChannel ? tr("First choose the channels to follow: 选项 > Channel")
        : noRule                   ? tr("Next add location rules: 选项 > Location")
                                   : tr("Ready: press 开始监听");
    statusLine->setTopic(StatusLine::Listening, next,
                         noChannel || noRule ? next + QLatin1Char('\n')
                                 + tr("Choose the channels whose intel you want to hear in 选项 > Channel, add the "
                                      "systems to watch in 选项 > Location (\"From map…\" writes them for you), "
                                      "then press 开始监听.")
                                             : QString());
}

void MainWindow::showFollowed(const QStringList &taken)
{
    QStringList channels;
    for (const QString &channel : taken) {
        // Local read for where the player is only follows the game unseen.
        if (!fileLoader->locationOnly(channel))
            channels.append(channel);
    }
    showListeningStatus();
    if (channels.isEmpty())
        return;
    ui->statusbar->showMessage(channels.size() == 1
                                   ? tr("Now following the newer \"%1\" log").arg(channels.first())
                                   : tr("Now following the newer logs of %n channel(s)", nullptr, channels.size()));
}

// What the session left to the player, with how to follow the newest logs.
void MainWindow::showChangedLogs()
{
    const QVector<ChatlogWatcher::Change> &changes = listening->changes();
    if (changes.isEmpty()) {
        statusLine->clearTopic(StatusLine::Logs);
        return;
    }
    QStringList details;
    int removed = 0;
    QSet<QString> channels; // changes are per character
    for (const ChatlogWatcher::Change &change : changes) {
        channels.insert(change.channel);
        const QString newest = QFileInfo(change.newest).fileName(), was = QFileInfo(change.followed).fileName();
        if (change.removed) {
            ++removed;
            details << tr("\"%1\": %2 was removed or renamed.").arg(change.channel, was);
        } else if (was.isEmpty()) {
            details << tr("\"%1\": new log %2; none when listening started.").arg(change.channel, newest);
        } else {
            details << tr("\"%1\": newer log %2; following %3.").arg(change.channel, newest, was);
        }
    }
    QString brief;
    if (channels.size() > 1)
        brief = (removed ? tr("Logs of %1 channels changed") : tr("Newer logs for %1 channels")).arg(channels.size());
    else if (removed)
        brief = tr("\"%1\" log removed").arg(changes.first().channel);
    else
        brief = (changes.first().followed.isEmpty() ? tr("New \"%1\" log") : tr("Newer \"%1\" log"))
                    .arg(changes.first().channel);
    details << (changes.size() == 1 && !removed
                    ? tr("Press 停止, then 开始监听 to follow it.")
                    : tr("Press 停止, then 开始监听 to follow the newest log of each channel."));
    statusLine->setTopic(StatusLine::Logs, brief + tr(": press 停止, then 开始监听"),
                         details.join(QLatin1Char('\n')));
}

// Says why nothing is followed, or what is, so that a start that could not
// listen never looks like one that does. The line stays short enough for a
// narrow window; the tooltip names the channels and files.
void MainWindow::showListeningStatus()
{
    const QStringList unopened = fileLoader->unopenedFiles();
    if (unopened.isEmpty())
        statusLine->clearTopic(StatusLine::Unopened);
    else
        statusLine->setTopic(StatusLine::Unopened, tr("%n log(s) cannot be opened", nullptr, unopened.size()),
                             tr("Cannot open %1: what is said there is not heard. Check that you may read it, "
                                "then press 停止 and 开始监听.").arg(unopened.join(QLatin1String(", "))));
    statusLine->clearTopic(StatusLine::NoLogs);
    const QString folder = QDir::toNativeSeparators(effectiveChatlogDir());
    const bool noChannel = SharedConfig::channels.isEmpty(), noRule = SharedConfig::locations.isEmpty();
    if (noChannel || noRule) {
        const QString waiting = noChannel && noRule ? tr("Waiting for a channel and a location rule (选项)")
            : noChannel                            ? tr("Waiting for a channel to follow (选项 > Channel)")
                                                   : tr("Waiting for a location rule (选项 > Location)");
        statusLine->setTopic(StatusLine::Listening, waiting,
                             waiting + QLatin1Char('\n') + tr("Folder: %1").arg(folder));
        locationStatus->show();
        return;
    }
    const QStringList followed = fileLoader->followedFiles();
    QString brief = tr("Listening to %n chat log(s)", nullptr, followed.size());
    QString full = brief;
    QStringList missing;
    for (const QString &channel : qAsConst(SharedConfig::channels)) {
        if (!fileLoader->channelFiles().contains(channel))
            missing.append(QLatin1Char('"') + channel + QLatin1Char('"'));
    }
    missing.sort();
    if (!missing.isEmpty()) {
        brief += tr("; %n channel(s) without a log", nullptr, missing.size());
        full += tr("; no log found for %1").arg(missing.join(QLatin1String(", ")));
    }
    QStringList names;
    for (const QString &path : followed)
        names << QFileInfo(path).fileName();
    full += QLatin1Char('\n') + tr("Folder: %1").arg(folder) + QLatin1Char('\n')
        + (names.isEmpty() ? tr("Following no log") : tr("Following: %1").arg(names.join(QLatin1String(", "))));
    // Nothing is protected yet: the game has not written the logs, or the
    // folder is not the game's.
    const StatusLine::Topic topic = followed.isEmpty() ? StatusLine::NoLogs : StatusLine::Listening;
    statusLine->clearTopic(StatusLine::Listening);
    statusLine->setTopic(topic, brief, full);
    locationStatus->show();
}
