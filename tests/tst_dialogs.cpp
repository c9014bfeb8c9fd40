// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "starmap/starmap.h"
#include "testsupport.h"
#include "ui/channeldialog.h"
#include "ui/chatlogfolder.h"
#include "ui/locationdialog.h"
#include "ui/mainwindow.h"
#include "ui/mapdialog.h"
#include "ui/voicedialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextToSpeech>
#include <QTimer>
#include <QtTest>

#include <cstring>

using Rules = QMap<QString, QString>;
Q_DECLARE_METATYPE(Rules)

namespace {

void pressOk(QDialog *dialog)
{
    dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->click();
}

void pressCancel(QDialog *dialog)
{
    dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
}

// In the list's order; all of them with the age each shows.
QStringList entries(QListWidget *list, bool selectedOnly)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        const QString age = list->item(i)->data(ChannelDialog::AgeRole).toString();
        if (!selectedOnly || list->item(i)->isSelected())
            names << (selectedOnly || age.isEmpty() ? list->item(i)->text() : list->item(i)->text() + ' ' + age);
    }
    return names;
}

// Answers every warning box that appears, counting them.
struct WarningWatcher
{
    WarningWatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    ++shown;
                    text = box->text();
                    box->accept();
                }
            }
        });
        timer.start(10);
    }
    QTimer timer;
    int shown = 0;
    QString text;
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init()
    {
        resetSharedConfig();
        clearSpeechCalls();
    }
    void channelList_data();
    void channelList();
    void channelOk_data();
    void channelOk();
    void locationEditor_data();
    void locationEditor();
    void locationOk();
    void locationCheck_data();
    void locationCheck();
    void locationFromMap();
    void mapPreview_data();
    void mapPreview();
    void chatlogFolder_data();
    void chatlogFolder();
    void voiceDialogApplies_data();
    void voiceDialogApplies();
    void voiceDialogOk();
    void voiceDialogSpeaks();
    void voiceOkReachesMainWindow();
    void voiceControlsUncovered_data();
    void voiceControlsUncovered();
    void cancelKeepsFiles_data();
    void cancelKeepsFiles();
    void failedSaveKeepsFileAndWarns_data();
    void failedSaveKeepsFileAndWarns();
};

void TestDialogs::channelList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("channelFile");
    // In the list's order, with the ages of the newest logs (untranslated: "hour(s)").
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("selected");
    // "@N": written N seconds ago; the newest log of Local is the older name.
    const QStringList three{"Local_20201006_123456.txt@130", "Local_20201007_080000.txt@259300",
                            "Corp_20201006_120000.txt@7300"};
    QTest::newRow("Local and Corp from three files") << three << QByteArray("Corp\n")
                                                     << QStringList{"Corp 2 hour(s) ago", "Local 2 min ago"}
                                                     << QStringList{"Corp"};
    QTest::newRow("exact comparison") << three << QByteArray("corp\nLocal \n")
                                      << QStringList{"Corp 2 hour(s) ago", "corp", "Local 2 min ago", "Local "}
                                      << QStringList{"corp", "Local "};
    QTest::newRow("case ignored, logs and none mixed")
        << QStringList{"alliance_20261207_060000.txt@20", "Corp_20261201_060000.txt@266400",
                       "Local_20261207_060000.txt@3300", "Intel_20261206_060000.txt@86500"}
        << QByteArray("Fleet\nbeta\n")
        << QStringList{"alliance just now", "beta", "Corp 3 day(s) ago", "Fleet", "Intel 1 day(s) ago", "Local 55 min ago"}
        << QStringList{"beta", "Fleet"};
    QTest::newRow("followed channel without a log kept") << three << QByteArray("Corp\nAlliance\n")
                                                         << QStringList{"Alliance", "Corp 2 hour(s) ago", "Local 2 min ago"}
                                                         << QStringList{"Alliance", "Corp"};
    QTest::newRow("no channel file") << three << QByteArray("<absent>")
                                     << QStringList{"Corp 2 hour(s) ago", "Local 2 min ago"} << QStringList();
    QTest::newRow("names with _, a character id")
        << QStringList{"Intel_North_20261207_060000_123456.txt", "Intel_South_20261207_060000.txt",
                       "Corporate Intel_20261207_060000.txt"}
        << QByteArray("Intel_North\n")
        << QStringList{"Corporate Intel just now", "Intel_North just now", "Intel_South just now"}
        << QStringList{"Intel_North"};
    QTest::newRow("no logs, empty line") << QStringList{"notes.txt", "_20261207_060000.txt", "Local_notes.txt"}
                                         << QByteArray("\n") << QStringList() << QStringList();
    QTest::newRow("subfolders ignored") << QStringList{"Local_20261207_060000.txt", "Corp_20261207_060000.txt/",
                                                       "Corp_20261207_060000.txt/Corp_20261207_070000.txt"}
                                        << QByteArray("Local\r\n") << QStringList{"Local just now"}
                                        << QStringList{"Local"};
    QTest::newRow("missing folder, empty line") << QStringList{"<none>"} << QByteArray("Local\n\n")
                                                << QStringList{"Local"} << QStringList{"Local"};
}

void TestDialogs::channelList()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, channelFile);
    WorkingFolder folder;
    QTemporaryDir logs;
    for (const QString &f : files) {
        const QString name = f.section('@', 0, 0);
        if (f.endsWith('/'))
            QDir(logs.path()).mkdir(f);
        else if (f != "<none>")
            writeGameLog(logs.filePath(name), "Local");
        QFile file(logs.filePath(name));
        if (f.contains('@') && file.open(QIODevice::Append))
            file.setFileTime(QDateTime::currentDateTime().addSecs(-f.section('@', 1).toInt()),
                             QFileDevice::FileModificationTime);
    }
    SharedConfig::chatlogDir = files.contains("<none>") ? logs.filePath("missing") : logs.path();
    if (channelFile != "<absent>")
        writeBytes(SharedConfig::channelFile, channelFile);
    SharedConfig::channels = {"stale"};

    ChannelDialog dialog;
    auto *list = dialog.findChild<QListWidget *>("listWidget");
    QTEST(entries(list, false), "listed");
    QTEST(entries(list, true), "selected");
    QCOMPARE(dialog.focusWidget(), list); // typing a letter goes to a channel
    QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(dialog.size(), QSize(717, 545));
    QCOMPARE(list->geometry(), QRect(30, 30, 651, 421));
    // Shown, not taken: the store changes only at OK.
    QCOMPARE(SharedConfig::channels, QSet<QString>{"stale"});
}

void TestDialogs::channelOk_data()
{
    // "Local" and "Gone" (which has no log) are followed when it opens.
    // The options file before and after OK; the box as it opens, ">" what
    // it is clicked to.
    QTest::addColumn<QStringList>("toggle");
    QTest::addColumn<QStringList>("select");
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("optionsAfter");
    const QByteArray none("<missing>"), off("follow=0\n"), damaged("follow=yes\n\x01\xff==\n");
    const QStringList both{"Gone", "Local"};
    QTest::newRow("two added") << QStringList{"Alliance", "Corp"} << QStringList{"Alliance", "Corp", "Gone", "Local"}
                               << none << "on" << none;
    QTest::newRow("one deselected") << QStringList{"Local"} << QStringList{"Gone"} << none << "on" << none;
    QTest::newRow("nothing selected") << both << QStringList() << none << "on" << none;
    QTest::newRow("untouched") << QStringList() << both << none << "on" << none;
    QTest::newRow("following off") << QStringList() << both << off << "off" << off;
    QTest::newRow("damaged file: on") << QStringList() << both << damaged << "on" << damaged;
    QTest::newRow("turned off") << QStringList() << both << none << "on>off"
                                << QByteArray("follow=0\nlistening=0\nannouncequiet=0\nwindow=\n");
    QTest::newRow("turned on, other options kept") << QStringList() << both
                                                   << QByteArray("follow=0\r\nlistening=1\nwindow=AAAA\n") << "off>on"
                                                   << QByteArray("follow=1\nlistening=1\nannouncequiet=0\nwindow=AAAA\n");
}

void TestDialogs::channelOk()
{
    QFETCH(QStringList, toggle);
    QFETCH(QStringList, select);
    QFETCH(QByteArray, options);
    WorkingFolder folder;
    QTemporaryDir logs;
    for (const char *f : {"Local_20261207_060000.txt", "Corp_20261207_060000.txt", "Alliance_20261207_060000.txt"})
        writeGameLog(logs.filePath(f), "x");
    SharedConfig::chatlogDir = logs.path();
    writeBytes(SharedConfig::channelFile, "Local\nGone\n");
    if (options != "<missing>")
        writeBytes(SharedConfig::optionsFile, options);

    ChannelDialog dialog;
    auto *list = dialog.findChild<QListWidget *>("listWidget");
    for (const QString &name : toggle) {
        QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        item->setSelected(!item->isSelected());
    }
    QFETCH(QString, box);
    auto *follow = dialog.findChild<QCheckBox *>("followNewer");
    QCOMPARE(follow->isChecked(), box.startsWith("on"));
    if (box.contains('>'))
        follow->click();
    pressOk(&dialog);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QStringList written = QString::fromUtf8(readBytes(SharedConfig::channelFile)).split('\n');
    QCOMPARE(written.takeLast(), QString()); // every line ends with a line end
    written.sort();
    QCOMPARE(written, select);
    // Listening follows the new choice.
    QCOMPARE(SharedConfig::channels, QSet<QString>(select.cbegin(), select.cend()));
    QTEST(readBytes(SharedConfig::optionsFile), "optionsAfter");
}

void TestDialogs::locationEditor_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("editor");
    QTest::newRow("no file") << QByteArray("<absent>") << "";
    QTest::newRow("empty file") << QByteArray() << "5跳位|0-G8NO|预警";
    QTest::newRow("only empty lines") << QByteArray("\n\r\n\n") << "5跳位|0-G8NO|预警";
    QTest::newRow("empty lines dropped") << QByteArray("\na|0-G8NO|b\n\n\nnot a rule\r\nc||d") << "a|0-G8NO|b\nnot a rule\nc||d";
}

void TestDialogs::locationEditor()
{
    QFETCH(QByteArray, file);
    WorkingFolder folder;
    if (file != "<absent>")
        writeBytes(SharedConfig::locationFile, file);
    LocationDialog dialog;
    QTEST(dialog.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText(), "editor");
    QCOMPARE(dialog.size(), QSize(783, 593));
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton")->text(), QString("Check"));
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
}

void TestDialogs::locationOk()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "old|0-G8NO|rule\n");
    writeBytes(SharedConfig::optionsFile, "follow=0\n");
    SharedConfig::setLocations({{"0-G8NO", "old|0-G8NO|rule"}});
    LocationDialog dialog;
    dialog.findChild<QCheckBox *>("announceQuiet")->click();
    const QString text = "5跳位|0-G8NO|预警\na|b|c|d\n\nx| 0-G8NO |y\n5跳位|0-G8NO|出现敌对\na||c";
    auto *editor = dialog.findChild<QPlainTextEdit *>("plainTextEdit");
    editor->setPlainText(text.chopped(5));
    editor->moveCursor(QTextCursor::End);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Return stays the editor's; Ctrl+Return is OK.
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "a||c");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(readBytes(SharedConfig::locationFile), text.toUtf8());
    QCOMPARE(readBytes(SharedConfig::optionsFile), QByteArray("follow=0\nlistening=0\nannouncequiet=1\nwindow=\n"));
    const Rules expected{{"0-G8NO", "5跳位|0-G8NO|出现敌对"}, {" 0-G8NO ", "x| 0-G8NO |y"}, {"", "a||c"}};
    QCOMPARE(SharedConfig::locations, expected);
    SharedConfig::reloadLocations();
    QCOMPARE(SharedConfig::locations, expected);
}

void TestDialogs::locationCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("found"); // the box's text after its first line
    const QString fire = " line(s) can never fire — <a href=\"check\">Check</a>", noBar = " — no “|”: a rule is words|system|words",
                  three = " fields: a rule has three, words|system|words", around = " — spaces around the system name ",
                  shape = " is not a system name chat can report (shaped like 0-G8NO, or *-**** for any)";
    QTest::newRow("clean, notes and markers") << "5跳位|0-G8NO|预警\n\n  \n# note\n#a|b\n# map rules from 1DQ1-A within 1 jumps"
        "\n1跳位|N-8YET|预警\n# end of map rules\n|*-****|\nx|0-g8no|y" << "" << "";
    QTest::newRow("no bar") << "Y-MPWL hostile" << "1" + fire << "Line 1: Y-MPWL hostile" + noBar;
    QTest::newRow("fields") << "a|0-G8NO\na|0-G8NO|b|c" << "2" + fire
                            << "Line 1: a|0-G8NO — 2" + three + "\nLine 2: a|0-G8NO|b|c — 4" + three;
    QTest::newRow("spaces") << "ok|0-G8NO|ok\nnear | E-YJ8G | spotted\nx| *-****|y" << "2" + fire
        << "Line 2: near | E-YJ8G | spotted" + around + "“ E-YJ8G ”\nLine 3: x| *-****|y" + around + "“ *-****”";
    QTest::newRow("shape") << "a|Jita|b\na||b\na|0—G8NO|b\na|<b>0-G8NOX|b\na|ABCDE-|b" << "5" + fire
        << "Line 1: a|Jita|b — “Jita”" + shape + "\nLine 2: a||b — “”" + shape + "\nLine 3: a|0—G8NO|b — “0—G8NO”"
               + shape + "\nLine 4: a|<b>0-G8NOX|b — “<b>0-G8NOX”" + shape + "\nLine 5: a|ABCDE-|b — “ABCDE-”" + shape;
    QTest::newRow("same system") << "a|0-G8NO|b\nc|0-g8no|d\nY hostile\ne|0-G8NO|f\n|*-****|\n|*-****|" << "3" + fire
        << "Line 1: a|0-G8NO|b — line 4 has a rule for 0-G8NO too, and the later rule is used\nLine 3: Y hostile" + noBar
               + "\nLine 5: |*-****| — line 6 has a rule for *-**** too, and the later rule is used";
    QString listed = "Line 1: " + QString(59, 'y') + "…" + noBar + "\n";
    for (int line = 2; line <= 15; ++line)
        listed += QString("Line %1: x").arg(line) + noBar + "\n";
    QTest::newRow("long list, long line cut") << QString(70, 'y') + QString("\nx").repeated(16) << "17" + fire
                                              << listed + "…and 2 more, under Show Details.";
}

// Check tells and moves the cursor, and changes neither the text, the file
// nor the rules.
void TestDialogs::locationCheck()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "a|0-G8NO|b\n");
    SharedConfig::setLocations({{"X", "y"}});
    LocationDialog dialog;
    auto *editor = dialog.findChild<QPlainTextEdit *>("plainTextEdit");
    QCOMPARE(dialog.findChild<QLabel *>("ruleCheckCount")->text(), QString());
    editor->setPlainText(text);
    QTEST(dialog.findChild<QLabel *>("ruleCheckCount")->text(), "count");
    WarningWatcher watcher;
    auto *check = dialog.findChild<QPushButton *>("pushButton");
    check->setFocus();
    // The count's "Check" does what the button does.
    text.contains('|') ? check->click() : emit dialog.findChild<QLabel *>("ruleCheckCount")->linkActivated("check");
    QCOMPARE(watcher.shown, 1);
    QCOMPARE(dialog.focusWidget(), editor);
    QCOMPARE(watcher.text.section("\n\n", 1), found);
    if (!found.isEmpty())
        QCOMPARE(editor->textCursor().blockNumber() + 1, found.section(':', 0, 0).mid(5).toInt());
    QCOMPARE(editor->toPlainText(), text);
    QCOMPARE(readBytes(SharedConfig::locationFile), QByteArray("a|0-G8NO|b\n"));
    QCOMPARE(SharedConfig::locations, (Rules{{"X", "y"}}));
}

// The player's steps with a Chinese voice: 选项 > Location, From map…, type
// the home (focused), keep 5 jumps, OK, OK.
void TestDialogs::locationFromMap()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "mine|N-8YET|own\n");
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n1\n0\n");
    MainWindow window;
    bool okForUnknown = true;
    QStringList lines;
    const auto closeAnyway = [](QDialog *dialog) {
        return qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
    };
    QTimer::singleShot(0, [&] {
        auto *location = qobject_cast<LocationDialog *>(QApplication::activeModalWidget());
        QVERIFY(location);
        const auto guard = closeAnyway(location);
        QTimer::singleShot(0, [&] {
            auto *map = qobject_cast<MapDialog *>(QApplication::activeModalWidget());
            QVERIFY(map);
            const auto guard = closeAnyway(map);
            auto *home = qobject_cast<QLineEdit *>(map->focusWidget());
            QVERIFY(home);
            QTest::keyClick(home, Qt::Key_Tab);
            QCOMPARE(map->focusWidget(), map->findChild<QWidget *>("radius"));
            QPushButton *ok = map->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
            QTest::keyClicks(home, "1dq1-x");
            okForUnknown = ok->isEnabled();
            QTest::keyClick(home, Qt::Key_Backspace);
            QTest::keyClicks(home, "a");
            ok->click();
        });
        location->findChild<QPushButton *>("fromMapButton")->click();
        lines = location->findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText().split('\n');
        QCOMPARE(location->focusWidget(), location->findChild<QPlainTextEdit *>("plainTextEdit"));
        QCOMPARE(readBytes(SharedConfig::locationFile), QByteArray("mine|N-8YET|own\n"));
        pressOk(location);
    });
    window.findChild<QAction *>("actionLocation")->trigger();
    QVERIFY(!okForUnknown);
    QCOMPARE(lines.mid(0, 3), (QStringList{"mine|N-8YET|own",
                                           "# map rules from 1DQ1-A within 5 jumps, words \"%1跳位\" \"预警\" \"本星系\" "
                                           "(replaced whole when generated again)",
                                           "本星系|1DQ1-A|预警"}));
    QCOMPARE(lines.size(), 1 + 1 + 21 + 1);
    QCOMPARE(readBytes(SharedConfig::locationFile), lines.join('\n').toUtf8());
}

void TestDialogs::mapPreview_data()
{
    // summary: its first line, %1 the systems in range; OK only with a count.
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("here"); // "": as the dialog opens; " ": cleared
    QTest::newRow("| in the words after") << "1DQ1-A" << "a|b"
                                          << "The words cannot contain \"|\": it separates the fields of a rule." << "";
    QTest::newRow("systems without a rule counted") << "Jita" << "hostile" << "Systems within 1 jump(s) of Jita: %1" << "";
    QTest::newRow("a name still being typed") << "1dq" << "hostile" << "Go on typing, or choose one of the names offered." << "";
    QTest::newRow("no name starts so") << "1dqx" << "hostile" << "There is no system \"1dqx\" on the map." << "";
    QTest::newRow("no words for your own system") << "1DQ1-A" << "hostile"
        << "Type the words said before your own system, in place of a count of jumps." << " ";
}

void TestDialogs::mapPreview()
{
    QFETCH(QString, home);
    QFETCH(QString, after);
    QFETCH(QString, summary);
    MapDialog dialog({}, QLocale(QLocale::English, QLocale::UnitedStates), QString());
    QFETCH(QString, here);
    if (!here.isEmpty()) dialog.findChild<QLineEdit *>("here")->setText(here.trimmed());
    dialog.findChild<QSpinBox *>("radius")->setValue(1);
    dialog.findChild<QLineEdit *>("home")->setText(home);
    dialog.findChild<QLineEdit *>("after")->setText(after);
    QCOMPARE(dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok)->isEnabled(),
             summary.contains("%1"));
    const StarMap &map = StarMap::bundled();
    QCOMPARE(dialog.findChild<QLabel *>("summary")->text().section('\n', 0, 0),
             summary.arg(map.within(map.find(home), 1).size()));
}

void TestDialogs::chatlogFolder_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("chatlogDir");
    QTest::newRow("folder chosen") << QStringList{"/home/p/logs", "/other"} << QByteArray("/home/p/logs\n")
                                   << "/home/p/logs";
    QTest::newRow("Chinese path") << QStringList{"/home/p/聊天"} << QByteArray("/home/p/聊天\n") << "/home/p/聊天";
    QTest::newRow("cancelled") << QStringList() << QByteArray("/old\n\n") << "/old";
}

void TestDialogs::chatlogFolder()
{
    QFETCH(QStringList, chosen);
    WorkingFolder folder;
    writeBytes(SharedConfig::chatlogFile, "/old\n\n");
    SharedConfig::chatlogDir = "/old";
    QString start;
    setFolderPicker([chosen, &start](QWidget *, const QString &folder) {
        start = folder;
        return chosen;
    });
    MainWindow window;
    window.findChild<QAction *>("actionChatlogs")->trigger();
    setFolderPicker(nullptr);
    QCOMPARE(start, QString("/old")); // opens where the logs are read now
    QTEST(readBytes(SharedConfig::chatlogFile), "file");
    QTEST(SharedConfig::chatlogDir, "chatlogDir");
}

void TestDialogs::voiceDialogApplies_data()
{
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QList<int>>("sliders");
    QTest::addColumn<QList<double>>("engine");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("voiceName");
    QTest::addColumn<QString>("engineName");
    QTest::addColumn<QString>("voiceEntry"); // Greta's gender and age are not known
    // The file's reading: the speaker's tables; here what the dialog shows of it.
    QTest::newRow("80 -3 5 0 2 1") << QByteArray("80\n-3\n5\n0\n2\n1\n") << QList<int>{80, -3, 5}
                                   << QList<double>{0.8, -0.3, 0.5} << "de_DE" << "Greta %1" << "Default" << "Greta %1";
    QTest::newRow("sliders only") << QByteArray("50\n-4\n3\n") << QList<int>{50, -4, 3}
                                  << QList<double>{0.5, -0.4, 0.3} << "en_US" << "Anna" << "Default"
                                  << "Anna - Female - Adult";
    // mock2's second language, whatever place the list gives it.
    QTest::newRow("saved engine") << QByteArray("70\n0\n0\n2\n1\n1\n") << QList<int>{70, 0, 0}
                                  << QList<double>{0.7, 0.0, 0.0} << "zh_CN" << "Lei" << "mock2" << "Lei - Male - Adult";
}

void TestDialogs::voiceDialogApplies()
{
    QFETCH(QByteArray, voice);
    QFETCH(QList<int>, sliders);
    QFETCH(QList<double>, engine);
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "\n5跳位|0-G8NO|预警\n");
    writeBytes(SharedConfig::voiceFile, voice);
    VoiceDialog dialog;
    QCOMPARE((QList<int>{dialog.findChild<QSlider *>("volume")->value(), dialog.findChild<QSlider *>("rate")->value(),
                         dialog.findChild<QSlider *>("pitch")->value()}),
             sliders);
    auto *speech = dialog.findChild<QTextToSpeech *>();
    QCOMPARE((QList<double>{speech->volume(), speech->rate(), speech->pitch()}), engine);
    QTEST(speech->locale().name(), "locale");
    QTEST(speech->voice().name(), "voiceName");
    // The lists show what is in use.
    QTEST(dialog.findChild<QComboBox *>("engine")->currentText(), "engineName");
    QTEST(dialog.findChild<QComboBox *>("voice")->currentText(), "voiceEntry");
    QCOMPARE(dialog.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText(), QString("5跳位|0-G8NO|预警"));
}

void TestDialogs::voiceDialogOk()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "a|0-G8NO|b\n");
    writeBytes(SharedConfig::voiceFile, "80\n-3\n5\n2\n2\n1\n");
    VoiceDialog dialog;
    pressOk(&dialog);
    // OK without a change writes back what was saved.
    QCOMPARE(readBytes(SharedConfig::voiceFile), QByteArray("80\n-3\n5\n2\n2\n1\n"));

    VoiceDialog second;
    second.findChild<QSlider *>("rate")->setValue(-10);
    // mock2 lists German first: Chinese and English go before it.
    QCOMPARE(second.findChild<QComboBox *>("language")->itemText(2), QString("German (Germany) - alerts not spoken"));
    second.findChild<QComboBox *>("language")->setCurrentIndex(0);
    second.findChild<QComboBox *>("voice")->setCurrentIndex(2);
    QCOMPARE(second.findChild<QTextToSpeech *>()->voice().name(), QString("Xiaoyu"));
    pressOk(&second);
    QCOMPARE(readBytes(SharedConfig::voiceFile), QByteArray("80\n-10\n5\n2\n1\n2\n"));
}

void TestDialogs::voiceDialogSpeaks()
{
    WorkingFolder folder;
    // No rule yet: an alert in the voice's language, said as alerts are.
    VoiceDialog fresh;
    QCOMPARE(fresh.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText(), QString("5 jumps|0-G8NO|hostile"));
    fresh.findChild<QComboBox *>("language")->setCurrentIndex(1);
    fresh.findChild<QPushButton *>("speakButton")->click();
    QCOMPARE(spokenTexts(), QStringList{"5跳位,0 杠 G 8 N O,预警"});
    // A language alerts are not spoken in: Speak says why instead.
    fresh.findChild<QComboBox *>("language")->setCurrentIndex(2);
    fresh.findChild<QPushButton *>("speakButton")->click();
    QVERIFY(fresh.findChild<QStatusBar *>("statusbar")->currentMessage().startsWith("Not spoken: alerts are spoken"));
    clearSpeechCalls();
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n1\n0\n");
    VoiceDialog dialog;
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton")->text(), QString("PushButton"));
    QVERIFY(dialog.findChild<QPushButton *>("pushButton")->isHidden());
    dialog.findChild<QPushButton *>("speakButton")->click();
    QCOMPARE(spokenTexts(), QStringList{"5跳位,0 杠 G 8 N O,预警"});
    auto *bar = dialog.findChild<QStatusBar *>("statusbar");
    QCOMPARE(bar->currentMessage(), QString("Speech started..."));
    // Another engine while speaking: what was shown for the old one goes.
    dialog.findChild<QComboBox *>("engine")->setCurrentIndex(2);
    QCOMPARE(bar->currentMessage(), QString());
    QVERIFY(!dialog.findChild<QPushButton *>("pauseButton")->isEnabled());

    // The service went away: Speak is heard once, from a new engine of the kind chosen.
    const auto restore = qScopeGuard([] { qApp->setProperty("mockSpeechService", QVariant()); });
    dialog.findChild<QComboBox *>("language")->setCurrentIndex(0);
    qApp->setProperty("mockSpeechService", 1);
    QStringList messages;
    connect(bar, &QStatusBar::messageChanged, [&messages](const QString &m) { messages << m; });
    clearSpeechCalls();
    dialog.findChild<QPushButton *>("speakButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), QStringList{"mock2: 5跳位,0 杠 G 8 N O,预警"}, 10000);
    QVERIFY(messages.contains("Speech restarted: mock2 did not speak within 1 s"));
    QCOMPARE(dialog.findChild<QTextToSpeech *>()->locale().name(), QString("zh_CN"));
}

void TestDialogs::voiceOkReachesMainWindow()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "a|0-G8NO|b\n");
    MainWindow window;
    window.show();
    QCOMPARE(window.findChild<QTextToSpeech *>()->locale().name(), QString("en_US"));
    QTimer::singleShot(50, [] {
        auto *dialog = qobject_cast<VoiceDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QSlider *>("volume")->setValue(35);
        dialog->findChild<QComboBox *>("language")->setCurrentIndex(1);
        pressOk(dialog);
    });
    window.findChild<QAction *>("actionVoice")->trigger();
    // Built again once the dialog is gone.
    QTRY_COMPARE(window.findChild<QTextToSpeech *>()->locale().name(), QString("zh_CN"));
    QCOMPARE(window.findChild<QTextToSpeech *>()->volume(), 0.35);
}

void TestDialogs::voiceControlsUncovered_data()
{
    QTest::addColumn<double>("fontScale");
    QTest::newRow("default font") << 1.0;
    QTest::newRow("larger font") << 1.6;
}

void TestDialogs::voiceControlsUncovered()
{
    QFETCH(double, fontScale);
    WorkingFolder folder;
    const QFont previous = QApplication::font();
    QFont font = previous;
    font.setPointSizeF(font.pointSizeF() * fontScale);
    QApplication::setFont(font);
    const QScopeGuard restore([&previous] { QApplication::setFont(previous); });
    VoiceDialog dialog;
    dialog.findChild<QComboBox *>("language")->setCurrentIndex(2); // long voice names
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Each control answers a click at its centre and near its right end,
    // where a list's arrow is; the status bar has room for its messages.
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (!w->isVisible() || !(qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                                 || qobject_cast<QSlider *>(w) || qobject_cast<QStatusBar *>(w)))
            continue;
        for (const QPoint p : {w->rect().center(), QPoint(w->width() - 4, w->height() / 2)}) {
            QWidget *hit = dialog.childAt(w->mapTo(&dialog, p));
            QVERIFY2(hit == w || w->isAncestorOf(hit), qPrintable(w->objectName()));
        }
    }
    QVERIFY(dialog.findChild<QStatusBar *>("statusbar")->height() >= dialog.fontMetrics().height());
}

void TestDialogs::cancelKeepsFiles_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("channel") << "channel";
    QTest::newRow("location") << "location";
    QTest::newRow("voice") << "voice";
}

void TestDialogs::cancelKeepsFiles()
{
    QFETCH(QString, dialog);
    WorkingFolder folder;
    QTemporaryDir logs;
    writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local");
    SharedConfig::chatlogDir = logs.path();
    const QByteArray channel("Local\r\nGone\n"), location("a|0-G8NO|b\r\n\r\n"), voice("80\n-3\n5\n0\n2\n1\n9\n");
    writeBytes(SharedConfig::channelFile, channel);
    writeBytes(SharedConfig::locationFile, location);
    writeBytes(SharedConfig::voiceFile, voice);
    SharedConfig::setLocations({{"K", "v"}});
    SharedConfig::channels = {"Before"};
    QScopedPointer<QDialog> d(dialog == "channel"    ? static_cast<QDialog *>(new ChannelDialog)
                              : dialog == "location" ? static_cast<QDialog *>(new LocationDialog)
                                                     : static_cast<QDialog *>(new VoiceDialog));
    pressCancel(d.data());
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(readBytes(SharedConfig::channelFile), channel);
    QCOMPARE(readBytes(SharedConfig::locationFile), location);
    QCOMPARE(readBytes(SharedConfig::voiceFile), voice);
    QCOMPARE(SharedConfig::locations, (Rules{{"K", "v"}}));
    QCOMPARE(SharedConfig::channels, QSet<QString>{"Before"});
}

void TestDialogs::failedSaveKeepsFileAndWarns_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("readOnlyFolder");
    for (const char *d : {"channel", "location", "voice", "chatlog", "options"}) {
        QTest::newRow(qPrintable(QString(d) + ", read-only file")) << QString(d) << false;
        QTest::newRow(qPrintable(QString(d) + ", read-only folder")) << QString(d) << true;
    }
}

void TestDialogs::failedSaveKeepsFileAndWarns()
{
    QFETCH(QString, dialog);
    QFETCH(bool, readOnlyFolder);
    WorkingFolder folder;
    openUpForUnprivileged(folder.path());
    QTemporaryDir logs;
    openUpForUnprivileged(logs.path());
    writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local");
    SharedConfig::chatlogDir = logs.path();
    const QString path = dialog == "channel"    ? SharedConfig::channelFile
                         : dialog == "location" ? SharedConfig::locationFile
                         : dialog == "voice"    ? SharedConfig::voiceFile
                         : dialog == "options"  ? SharedConfig::optionsFile
                                                : SharedConfig::chatlogFile;
    writeBytes(SharedConfig::locationFile, "a|0-G8NO|b\n");
    const QByteArray old = dialog == "voice" ? "80\n-3\n5\n0\n2\n1\n" : "keep|0-G8NO|me\r\n";
    writeBytes(path, old);
    QFile::setPermissions(path, readOnlyFolder ? QFileDevice::Permissions(0x6666) : QFileDevice::Permissions(0x4444));
    QFile::setPermissions("config", readOnlyFolder ? QFileDevice::Permissions(0x5555) : QFileDevice::Permissions(0x7777));
    SharedConfig::setLocations({{"K", "v"}});
    SharedConfig::channels = {"Before"};

    const bool ok = runUnprivileged([&] {
        WarningWatcher watcher;
        if (dialog == "chatlog") {
            // The chooser comes back on the folder chosen; then it is cancelled.
            QStringList opened;
            setFolderPicker([&opened](QWidget *, const QString &start) {
                opened << start;
                return opened.size() == 1 ? QStringList{"/new/folder"} : QStringList();
            });
            MainWindow window;
            window.findChild<QAction *>("actionChatlogs")->trigger();
            setFolderPicker(nullptr);
            if (opened.value(1) != "/new/folder")
                return false;
        } else {
            QScopedPointer<QDialog> d(dialog == "channel"    ? static_cast<QDialog *>(new ChannelDialog)
                                      : dialog != "voice"    ? static_cast<QDialog *>(new LocationDialog)
                                                             : static_cast<QDialog *>(new VoiceDialog));
            if (dialog == "options") // the Location dialog's check box changed
                d->findChild<QCheckBox *>("announceQuiet")->click();
            if (auto *list = d->findChild<QListWidget *>("listWidget"))
                list->findItems("Local", Qt::MatchExactly).value(0)->setSelected(true);
            if (auto *edit = d->findChild<QPlainTextEdit *>("plainTextEdit"))
                edit->setPlainText("new|A-BCDE|rule");
            pressOk(d.data());
            // The dialog stays open with what the user entered.
            auto *edit = d->findChild<QPlainTextEdit *>("plainTextEdit");
            if (d->result() == QDialog::Accepted || (dialog == "location" && edit->toPlainText() != "new|A-BCDE|rule"))
                return false;
        }
        QTest::qWait(50);
        // The store keeps what it had; the user was told which file.
        const bool storeKept = SharedConfig::locations == Rules{{"K", "v"}} && SharedConfig::chatlogDir != "/new/folder"
            && !SharedConfig::channels.contains("Local");
        // ... and why.
        const QString reason = readOnlyFolder ? QString::fromLocal8Bit(strerror(EACCES)) : "the file is read-only";
        return watcher.shown == 1 && watcher.text.count(QFileInfo(path).fileName()) == 1
            && watcher.text.contains(": " + reason + "\n") && storeKept;
    });
    QFile::setPermissions("config", QFileDevice::Permissions(0x7777));
    QVERIFY2(ok, "no single warning naming the file and the reason, or the settings in memory changed");
    QCOMPARE(readBytes(path), old);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
