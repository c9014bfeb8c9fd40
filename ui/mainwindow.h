// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QLocale>
#include <QMainWindow>
#include <QTextToSpeech>

namespace Ui {
class MainWindow;
}
class AlertHistory;
class FileLoader;
class ListeningSession;
class LocationStatus;
class SpeechPanel;
class StatusLine;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void loadVoiceSettings();
    // Shows the window, in front, where it was (a second start, the tray).
    void bringForward();

private slots:
    void on_detectLocation(QString location);
    void on_actionChatlogs_triggered(bool);
    void on_actionChannel_triggered(bool);
    void on_actionLocation_triggered(bool);
    void on_actionVoice_triggered(bool);
    void on_actionAbout_triggered(bool);
    void on_actionCheck_Update_triggered(bool);
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
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    void followSettings();
    void showFollowed(const QStringList &channels);
    void showListeningStatus();
    void showNextStep();
    void showChangedLogs();
    void showUnspokenLanguage();
    void showDropped();
    void showSaveFailure(const QString &path, const QString &error);

    Ui::MainWindow *ui;
    SpeechPanel *speechPanel;
    ListeningSession *listening;
    FileLoader *fileLoader = nullptr; // the session's
    StatusLine *statusLine;
    AlertHistory *history;
    int droppedCount = 0;
    QString speechFailure; // what the engine did when an alert was last lost
    LocationStatus *locationStatus;
};

#endif
