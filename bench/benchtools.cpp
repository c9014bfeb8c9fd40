// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "testsupport.h"
#include "ui/channeldialog.h"
#include "ui/locationdialog.h"
#include "ui/mainwindow.h"
#include "ui/mapdialog.h"
#include "ui/speechpanel.h"
#include "ui/voicedialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextToSpeech>

#include <cstdio>

// "voice-index ENGINE LOCALE VOICE": the engine, language and voice indexes
// that config/voice.ini needs to name them, as the program fills its lists.
int printVoiceIndexes(const QStringList &args)
{
    QComboBox engines;
    SpeechPanel::fillEngineList(&engines);
    const int engine = engines.findData(args.value(0));
    QTextToSpeech speech(args.value(0));
    const QVector<QLocale> locales = speech.availableLocales();
    int language = -1;
    for (int i = 0; i < locales.size() && language < 0; ++i) {
        if (locales.at(i).name() == args.value(1)) {
            language = i;
            speech.setLocale(locales.at(i));
        }
    }
    const QVector<QVoice> voices = speech.availableVoices();
    int voice = -1;
    for (int i = 0; i < voices.size() && voice < 0; ++i)
        voice = voices.at(i).name() == args.value(2) ? i : -1;
    printf("%d %d %d\n", engine, language, voice);
    return engine < 0 || language < 0 || voice < 0;
}

// "screenshots DIR": the main window and the dialogs as PNG files, with a
// sample working folder.
int takeScreenshots(const QString &where)
{
    const QString out = QDir(where).absolutePath();
    useUtf8Locale();
    QDir().mkpath(out);
    WorkingFolder folder;
    QTemporaryDir logs;
    for (const char *f : {"Local_20261207_060000.txt", "Corp_20261207_060000.txt", "Alliance_20261207_060000.txt",
                          "Fleet_20261207_061500.txt", "Local_20261206_180000.txt"})
        writeGameLog(logs.filePath(f), QString::fromLatin1(f).section('_', 0, 0));
    writeBytes(SharedConfig::chatlogFile, logs.path().toUtf8() + "\n");
    writeBytes(SharedConfig::channelFile, "Local\nCorp\n");
    writeBytes(SharedConfig::locationFile,
               "5跳位|0-G8NO|预警\n3 jumps|MJ-5F9|hostile\n邻居|*-****|有人\nnear | E-YJ8G | spotted\n");
    SharedConfig::load();
    const auto save = [&out](QWidget *w, const char *name) {
        w->show();
        QTest::qWait(300);
        w->grab().save(out + "/" + name + ".png");
    };
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    save(&window, "mainwindow");
    ChannelDialog channels(&window);
    save(&channels, "channeldialog");
    LocationDialog locations(&window);
    save(&locations, "locationdialog");
    MapDialog map(QStringList{"5跳位|0-G8NO|预警", "3 jumps|MJ-5F9|hostile", "邻居|*-****|有人"},
                  QLocale(QLocale::Chinese, QLocale::China), QString(), &locations);
    auto *home = map.findChild<QLineEdit *>("home");
    home->setText(QStringLiteral("1DQ1-A"));
    map.show();
    QTest::qWait(100);
    home->deselect(); // focus selected it
    save(&map, "mapdialog");
    VoiceDialog voice(&window);
    save(&voice, "voicedialog");
    QFileDialog chooser(&window);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setDirectory(logs.path());
    save(&chooser, "chatlogfolder");
    return 0;
}
