// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "monitor/chatlogwatcher.h"
#include "notificationbus.h"
#include "testsupport.h"
#include "ui/alerthistory.h"
#include "ui/mainwindow.h"
#include "ui/statusline.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTextToSpeech>
#include <QTimer>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestEnvironment();
        bus.reset(new NotificationBus);
        QVERIFY(bus->isRunning());
    }
    void cleanupTestCase() { bus.reset(); }
    void init()
    {
        resetSharedConfig();
        clearSpeechCalls();
        bus->clear();
    }
    void form_data();
    void form();
    void menusAndSlots();
    void engineList();
    void voiceFile_data();
    void voiceFile();
    void stateSequence();
    void speakButton();
    void listeningStatus_data();
    void listeningStatus();
    void newerLogNotice_data();
    void newerLogNotice();
    void desktopNotifications_data();
    void desktopNotifications();
    void reopensAsClosed();
    void actionRunsOncePerTrigger();

private:
    QScopedPointer<NotificationBus> bus;
};

void TestMainWindow::form_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("layoutWidget") << "layoutWidget" << QRect(3870, 50, 441, 158) << "" << true;
    QTest::newRow("layoutWidget1") << "layoutWidget1" << QRect(4010, 480, 320, 25) << "" << true;
    QTest::newRow("plainTextEdit") << "plainTextEdit" << QRect(4050, 220, 256, 192) << "" << true;
    QTest::newRow("pushButton") << "pushButton" << QRect(40, 40, 75, 23) << "开始监听" << true;
    QTest::newRow("pushButton_2") << "pushButton_2" << QRect(40, 80, 75, 23) << "停止" << false;
    QTest::newRow("speakButton") << "speakButton" << QRect() << "Speak" << true;
    QTest::newRow("pauseButton") << "pauseButton" << QRect() << "Pause" << false;
    QTest::newRow("resumeButton") << "resumeButton" << QRect() << "Resume" << false;
    QTest::newRow("stopButton") << "stopButton" << QRect() << "Stop" << false;
    QTest::newRow("label_2") << "label_2" << QRect() << "Volume:" << true;
    QTest::newRow("label") << "label" << QRect() << "Rate:" << true;
    QTest::newRow("label_3") << "label_3" << QRect() << "Pitch:" << true;
    QTest::newRow("label_5") << "label_5" << QRect() << "Engine" << true;
    QTest::newRow("label_4") << "label_4" << QRect() << "&Language:" << true;
    QTest::newRow("label_6") << "label_6" << QRect() << "Voice name:" << true;
    QTest::newRow("alertHistory") << "alertHistory" << QRect() << "" << true;
}

void TestMainWindow::form()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    WorkingFolder folder;
    MainWindow window;
    QCOMPARE((QList<QSize>{window.size(), window.minimumSize()}), (QList<QSize>{QSize(450, 330), QSize(450, 189)}));
    QCOMPARE(window.windowTitle(), QString("MainWindow"));
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    if (geometry.isValid() && qobject_cast<QPushButton *>(widget)) {
        // In place, and at least the form's size, grown to the text.
        QCOMPARE(widget->pos(), geometry.topLeft());
        QVERIFY(widget->width() >= qMax(geometry.width(), widget->fontMetrics().horizontalAdvance(text)));
        QVERIFY(widget->height() >= qMax(geometry.height(), widget->fontMetrics().height()));
        // The window cannot be made so small that the button is cut off.
        window.resize(1, 1);
        window.show();
        QVERIFY(window.centralWidget()->rect().contains(widget->geometry()));
    } else if (geometry.isValid()) {
        QCOMPARE(widget->geometry(), geometry);
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    QCOMPARE(widget->isEnabled(), enabled);
    // The speech controls stay out of sight, even on a very wide screen.
    if (name.startsWith("layoutWidget") || name == "plainTextEdit") {
        window.resize(5120, 1440);
        window.show();
        QVERIFY(!widget->isVisible() || !window.rect().intersects(widget->geometry()));
    }
    // The alert list lies under the listening buttons and in sight, from the minimum size up.
    if (name == "alertHistory") {
        window.show();
        for (const QSize &size : {window.minimumSize(), window.size()}) {
            window.resize(size);
            QTest::qWait(50);
            const QRect list = widget->geometry(), below(0, 104, 450, window.centralWidget()->height() - 104);
            QVERIFY(list.height() > 0 && below.contains(list));
        }
    }
}

void TestMainWindow::menusAndSlots()
{
    WorkingFolder folder;
    MainWindow window;
    auto *menu = window.findChild<QMenu *>("menu");
    auto *menu2 = window.findChild<QMenu *>("menu_2");
    QCOMPARE(menu->title(), QString("选项"));
    QCOMPARE(menu2->title(), QString("关于"));
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->objectName() + "=" + a->text();
    QCOMPARE(texts, (QStringList{"actionChatlogs=Chatlogs", "actionChannel=Channel", "actionLocation=Location",
                                 "actionVoice=Voice"}));
    texts.clear();
    for (QAction *a : menu2->actions())
        texts << a->objectName() + "=" + a->text();
    QCOMPARE(texts, (QStringList{"actionAbout=About", "actionCheck_Update=Check Update"}));

    auto *volume = window.findChild<QSlider *>("volume");
    auto *rate = window.findChild<QSlider *>("rate");
    auto *pitch = window.findChild<QSlider *>("pitch");
    QCOMPARE((QList<int>{volume->minimum(), volume->maximum(), volume->singleStep(), volume->pageStep(), volume->value()}),
             (QList<int>{0, 100, 5, 20, 70}));
    QCOMPARE((QList<int>{rate->minimum(), rate->maximum(), rate->value()}), (QList<int>{-10, 10, 0}));
    QCOMPARE((QList<int>{pitch->minimum(), pitch->maximum(), pitch->singleStep(), pitch->value()}),
             (QList<int>{-10, 10, 1, 0}));

    QStringList slotNames;
    const QMetaObject *mo = window.metaObject();
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        slotNames << QString::fromLatin1(mo->method(i).methodSignature());
    QCOMPARE(slotNames, (QStringList{"on_detectLocation(QString)", "on_actionChatlogs_triggered(bool)",
                                 "on_actionChannel_triggered(bool)", "on_actionLocation_triggered(bool)",
                                 "on_actionVoice_triggered(bool)", "on_actionAbout_triggered(bool)",
                                 "on_actionCheck_Update_triggered(bool)", "speak()", "stop()", "setRate(int)",
                                 "setPitch(int)", "setVolume(int)", "stateChanged(QTextToSpeech::State)",
                                 "engineSelected(int)", "languageSelected(int)", "voiceSelected(int)",
                                 "localeChanged(QLocale)", "on_pushButton_clicked()", "on_pushButton_2_clicked()"}));
}

void TestMainWindow::engineList()
{
    WorkingFolder folder;
    MainWindow window;
    auto *engine = window.findChild<QComboBox *>("engine");
    QStringList shown, data;
    for (int i = 0; i < engine->count(); ++i) {
        shown << engine->itemText(i);
        data << engine->itemData(i).toString();
    }
    // Qt lists the two test engines in either order, from run to run.
    QCOMPARE(shown, (QStringList{"Default", "mock", "mock2"}));
    QCOMPARE(data, (QStringList{"default", "mock", "mock2"}));
    // "Default" is the same engine in every run: the first by name.
    QCOMPARE(speechCalls().value(0).toMap().value("engine").toString(), QString("mock"));
    QCOMPARE(window.findChild<QComboBox *>("language")->itemText(1), QString("Chinese (China)"));
    QCOMPARE(window.findChild<QComboBox *>("voice")->itemText(0), QString("Anna - Female - Adult"));
}

void TestMainWindow::voiceFile_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("voiceName");
    QTest::addColumn<QString>("text");
    // The file's reading: the speaker's tables; here the window's one engine and its text.
    const QByteArray rule("\n5 jumps|0-G8NO|hostile\nx|A-BCDE|y\n");
    // The window's engine list set from the file builds no second engine.
    QTest::newRow("engine named by index") << rule << QByteArray("60\n0\n0\n1\n1\n1\n") << 0.6 << 0.0 << 0.0
                                           << "zh_CN" << "Lei" << "5 jumps|0-G8NO|hostile";
    QTest::newRow("first rule under a note") << QByteArray("\n# map rules from 1DQ1-A\n5 jumps|0-G8NO|hostile\n")
                                             << QByteArray() << 0.7 << 0.0 << 0.0 << "en_US" << "Anna"
                                             << "5 jumps|0-G8NO|hostile";
    QTest::newRow("location file without a line") << QByteArray("\n") << QByteArray("20\n") << 0.2 << 0.0 << 0.0
                                                   << "en_US" << "Anna" << "5 jumps|0-G8NO|hostile";
    QTest::newRow("no location file: voice still applied") << QByteArray() << QByteArray("20\n1\n1\n0\n1\n1\n") << 0.2
                                                           << 0.1 << 0.1 << "zh_CN" << "Lei" << "5跳位|0-G8NO|预警";
}

void TestMainWindow::voiceFile()
{
    QFETCH(QByteArray, location);
    QFETCH(QByteArray, voice);
    WorkingFolder folder;
    if (!location.isEmpty())
        writeBytes(SharedConfig::locationFile, location);
    if (!voice.isEmpty())
        writeBytes(SharedConfig::voiceFile, voice);

    MainWindow window;
    auto *speech = window.findChild<QTextToSpeech *>();
    QVERIFY(speech);
    QTEST(speech->volume(), "volume");
    QTEST(speech->rate(), "rate");
    QTEST(speech->pitch(), "pitch");
    QTEST(speech->locale().name(), "locale");
    QTEST(speech->voice().name(), "voiceName");
    QFETCH(QString, text);
    QCOMPARE(window.findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText().section('\n', 0, 0), text);
    QCOMPARE(window.findChildren<QTextToSpeech *>().size(), 1);
    int created = 0;
    for (const QVariant &call : speechCalls())
        created += call.toMap().value("call") == "create";
    QCOMPARE(created, 1);
}

void TestMainWindow::stateSequence()
{
    WorkingFolder folder;
    MainWindow window;
    auto *bar = window.findChild<QStatusBar *>("statusbar");
    auto *pause = window.findChild<QPushButton *>("pauseButton");
    auto *resume = window.findChild<QPushButton *>("resumeButton");
    auto *stop = window.findChild<QPushButton *>("stopButton");
    struct Step { QTextToSpeech::State state; const char *message; bool pause, resume, stop; };
    const Step steps[] = {
        {QTextToSpeech::Speaking, "Speech started...", true, false, true},
        {QTextToSpeech::Paused, "Speech paused...", false, true, true},
        {QTextToSpeech::Speaking, "Speech started...", true, false, true},
        {SpeechErrorState, "Speech error!", false, false, false},
        {QTextToSpeech::Ready, "Speech stopped...", false, false, false},
    };
    // A lasting warning stays in sight beside every message.
    window.show();
    auto *line = window.findChild<StatusLine *>();
    line->setTopic(StatusLine::Logs, "lasting");
    line->clearTopic(StatusLine::Listening);
    for (const Step &s : steps) {
        QVERIFY(QMetaObject::invokeMethod(&window, "stateChanged", Q_ARG(QTextToSpeech::State, s.state)));
        QCOMPARE(bar->currentMessage(), QString(s.message));
        QCOMPARE(line->line(), "lasting  ·  " + QString(s.message));
        QVERIFY(line->isVisibleTo(&window));
        QCOMPARE(pause->isEnabled(), s.pause);
        QCOMPARE(resume->isEnabled(), s.resume);
        QCOMPARE(stop->isEnabled(), s.stop);
    }
    // "Speech stopped..." is shown for two seconds only.
    QTest::qWait(1500);
    QCOMPARE(bar->currentMessage(), QString("Speech stopped..."));
    QTRY_COMPARE_WITH_TIMEOUT(bar->currentMessage(), QString(), 1500);
}

void TestMainWindow::speakButton()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "5 jumps|0-G8NO|hostile\n");
    MainWindow window;
    QTest::ignoreMessage(QtDebugMsg, "\"5 jumps 0 dash G 8 N O hostile\"");
    window.findChild<QPushButton *>("speakButton")->click();
    QCOMPARE(spokenTexts(), QStringList{"5 jumps 0 dash G 8 N O hostile"});
    auto *bar = window.findChild<QStatusBar *>("statusbar");
    QCOMPARE(bar->currentMessage(), QString("Speech started..."));
    QTRY_COMPARE(bar->currentMessage(), QString("Speech stopped..."));
}

void TestMainWindow::listeningStatus_data()
{
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<bool>("rules");
    QTest::addColumn<bool>("unreadable");
    QTest::addColumn<QString>("brief");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("first"); // before 开始监听
    // Waiting is not listening yet, and no log followed is a warning.
    const QString noChannel = "Waiting for a channel to follow (选项 > Channel)",
                  neither = "Waiting for a channel and a location rule (选项)",
                  noRule = "Waiting for a location rule (选项 > Location)", folder = "\nFolder: LOGS",
                  choose = "First choose the channels to follow: 选项 > Channel", ready = "Ready: press 开始监听";
    QTest::newRow("no channel") << QStringList{} << true << false << noChannel << noChannel + folder << choose;
    QTest::newRow("neither channel nor rule") << QStringList{} << false << false << neither << neither + folder << choose;
    QTest::newRow("no rule") << QStringList{"Local"} << false << false << noRule << noRule + folder
                             << "Next add location rules: 选项 > Location";
    QTest::newRow("all found") << QStringList{"Local"} << true << false << "Listening to 1 chat log(s)"
                               << "Listening to 1 chat log(s)\nFolder: LOGS\nFollowing: Local_20261207_060000.txt" << ready;
    QTest::newRow("two missing") << QStringList{"Local", "Corp", "Alliance"} << true << false
                                 << "Listening to 1 chat log(s); 2 channel(s) without a log"
                                 << "Listening to 1 chat log(s); no log found for \"Alliance\", \"Corp\"\n"
                                    "Folder: LOGS\nFollowing: Local_20261207_060000.txt" << ready;
    QTest::newRow("no log yet") << QStringList{"Corp"} << true << false
                                << "Listening to 0 chat log(s); 1 channel(s) without a log red"
                                << "Listening to 0 chat log(s); no log found for \"Corp\"\nFolder: LOGS\nFollowing no log" << ready;
    QTest::newRow("unreadable log") << QStringList{"Local"} << true << true
                                    << "1 log(s) cannot be opened  ·  Listening to 0 chat log(s) red"
                                    << "Cannot open LOGS/Local_20261207_060000.txt: what is said there is not heard. "
                                       "Check that you may read it, then press 停止 and 开始监听.\n"
                                       "Listening to 0 chat log(s)\nFolder: LOGS\nFollowing no log" << ready;
}

void TestMainWindow::listeningStatus()
{
    QFETCH(QStringList, channels);
    QFETCH(bool, rules);
    QFETCH(bool, unreadable);
    QFETCH(QString, brief);
    QFETCH(QString, full);
    QFETCH(QString, first);
    WorkingFolder folder;
    QTemporaryDir logs;
    writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local");
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    if (rules)
        SharedConfig::setLocations({{"0-G8NO", "a|0-G8NO|b"}});
    const auto observe = [] {
        MainWindow window;
        auto *start = window.findChild<QPushButton *>("pushButton");
        auto *stop = window.findChild<QPushButton *>("pushButton_2");
        auto *line = window.findChild<StatusLine *>();
        // The empty list says what it will show until something is followed.
        const auto list = [&window] { return window.findChild<AlertHistory *>()->placeholder().isEmpty() ? "" : " list"; };
        QStringList seen{line->line() + list()};
        start->click();
        // The buttons switch whether or not anything is followed.
        const QString red = line->styleSheet().contains("#b3261e") ? " red" : "";
        seen << line->line() + red + list() << line->toolTip()
             << (start->isEnabled() || !stop->isEnabled() ? "idle" : "listening");
        stop->click();
        seen << line->line() << (start->isEnabled() && !stop->isEnabled() ? "idle" : "listening");
        return seen;
    };
    const QStringList expected{first + " list", brief + (channels.isEmpty() || !rules ? " list" : ""),
                               full.replace("LOGS", logs.path()), "listening", "Listening stopped", "idle"};
    if (!unreadable) {
        QCOMPARE(observe(), expected);
        return;
    }
    openUpForUnprivileged(logs.path());
    openUpForUnprivileged(folder.path());
    openUpForUnprivileged(folder.file("config"));
    QFile::setPermissions(logs.filePath("Local_20261207_060000.txt"), QFileDevice::Permissions());
    QVERIFY(runUnprivileged([&] { return observe() == expected; }));
}

void TestMainWindow::newerLogNotice_data()
{
    // What each change left to the player looks like (which changes are left:
    // the session's table). Following newer logs is off. Local and Corp have a
    // log when listening starts, Alliance none. "~N": N ms pass.
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("brief");
    QTest::addColumn<QString>("full");
    const QString how = ": press 停止, then 开始监听", it = "\nPress 停止, then 开始监听 to follow it.",
                  each = "\nPress 停止, then 开始监听 to follow the newest log of each channel.";
    const QString local = "\"Local\": newer log Local_20261207_070000.txt; following Local_20261207_060000.txt.",
                  both = "\"Corp\": newer log Corp_20261207_070000.txt; following Corp_20261207_060000.txt.\n" + local,
                  gone = "\"Local\": Local_20261207_060000.txt was removed or renamed." + each;
    QTest::newRow("newer log of a followed channel") << "+Local_20261207_070000.txt" << "Newer \"Local\" log" + how
                                                     << local + it;
    QTest::newRow("first log of a selected channel")
        << "+Alliance_20261207_070000.txt" << "New \"Alliance\" log" + how
        << "\"Alliance\": new log Alliance_20261207_070000.txt; none when listening started." + it;
    QTest::newRow("folder made after the start")
        << "*Local_20261207_070000.txt" << "New \"Local\" log" + how
        << "\"Local\": new log Local_20261207_070000.txt; none when listening started." + it;
    QTest::newRow("second channel within 500 ms of the first")
        << "+Local_20261207_070000.txt ~150 +Corp_20261207_070000.txt" << "Newer logs for 2 channels" + how << both + each;
    QTest::newRow("followed log deleted") << "-Local_20261207_060000.txt" << "\"Local\" log removed" + how << gone;
}

void TestMainWindow::newerLogNotice()
{
    QFETCH(QString, change);
    QFETCH(QString, brief);
    QFETCH(QString, full);
    WorkingFolder folder;
    QTemporaryDir logs;
    writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local");
    writeGameLog(logs.filePath("Corp_20261207_060000.txt"), "Corp");
    // "*": the folder itself comes after the start, with the new log.
    const QString logFolder = change.startsWith('*') ? logs.filePath("later") : logs.path();
    SharedConfig::chatlogDir = logFolder;
    SharedConfig::channels = {"Local", "Corp", "Alliance"};
    SharedConfig::setLocations({{"0-G8NO", "a|0-G8NO|b"}});
    writeBytes(SharedConfig::optionsFile, "follow=0\n");
    MainWindow window;
    auto *start = window.findChild<QPushButton *>("pushButton");
    auto *line = window.findChild<StatusLine *>();
    start->click();
    const QString listening = line->line(), listeningFull = line->toolTip();
    QSignalSpy woken(window.findChild<ChatlogWatcher *>()->findChild<QFileSystemWatcher *>(),
                       &QFileSystemWatcher::directoryChanged);

    for (const QString &step : change.split(' ')) {
        const QString path = logFolder + '/' + step.mid(1);
        if (step.startsWith('~')) {
            QTest::qWait(step.mid(1).toInt());
            continue;
        }
        if (step.startsWith('*'))
            QVERIFY(QDir().mkpath(logFolder));
        if (step.startsWith('+') || step.startsWith('*'))
            writeGameLog(path, step.mid(1).section('_', 0, 0));
        else
            QVERIFY(QFile::remove(path));
    }
    // Told at once; a later check (a busy folder) within a second.
    QVERIFY(woken.wait(2000));
    QTRY_COMPARE_WITH_TIMEOUT(line->line(), brief.isEmpty() ? listening : brief + "  ·  " + listening, 1000);
    QCOMPARE(line->toolTip(), full.isEmpty() ? listeningFull : full + "\n" + listeningFull);
    // Red while any warning holds, though what listening does comes last.
    QCOMPARE(line->styleSheet().contains("#b3261e"), !brief.isEmpty());
    // The desktop shows it once, however many steps the change came in.
    QTRY_COMPARE(bus->shown, brief.isEmpty() ? QStringList() : QStringList{brief + "\n" + full});

    // After 停止 it no longer applies.
    window.findChild<QPushButton *>("pushButton_2")->click();
    QCOMPARE(line->brief(StatusLine::Logs), QString());
    QTRY_COMPARE(bus->shown, QStringList());
}

void TestMainWindow::desktopNotifications_data()
{
    // Steps on the status line: "Topic=N" a warning, "Topic=" it clears, "~N"
    // the service saw N calls, "quit" the program quits. What the service saw
    // is as in NotificationBus::seen.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("seen");
    QTest::newRow("three in one poll: one, normal") << "Dropped=1 Dropped=2 Dropped=3" << "+1 Dropped=1 =1 Dropped=3";
    QTest::newRow("cleared and back: a new one") << "Speech=1 ~1 Speech= ~2 Speech=2" << "+1! Speech=1 -1 +2! Speech=2";
    QTest::newRow("gone at quit, answered or not") << "Language=1 ~1 Logs=1 quit" << "+1! Language=1 +2! Logs=1 -1 -2";
}

void TestMainWindow::desktopNotifications()
{
    QFETCH(QString, steps);
    QFETCH(QString, seen);
    WorkingFolder folder;
    MainWindow window;
    for (const QString &step : steps.split(' ')) {
        if (step.startsWith('~')) {
            QTRY_COMPARE(bus->seen.size(), step.mid(1).toInt());
        } else if (step == "quit") {
            QTimer::singleShot(0, [] { QCoreApplication::exit(); });
            qApp->exec();
        } else {
            const int topic = QMetaEnum::fromType<StatusLine::Topic>().keyToValue(qPrintable(step.section('=', 0, 0)));
            window.findChild<StatusLine *>()->setTopic(StatusLine::Topic(topic), step.endsWith('=') ? QString() : step);
        }
    }
    QTRY_COMPARE(bus->seen.join(' '), seen);
}

// Listening at exit resumes at the next start, in the window's last place.
void TestMainWindow::reopensAsClosed()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = {"Local"};
    SharedConfig::setLocations({{"0-G8NO", "a|0-G8NO|b"}});
    const bool listening[] = {false, true, false}; // as it opens
    const char *press[] = {"pushButton", "pushButton_2", nullptr};
    QRect placed;
    for (int i = 0; i < 3; ++i) {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (i > 0)
            QCOMPARE(window.geometry(), placed);
        QCOMPARE(!window.findChild<QPushButton *>("pushButton")->isEnabled(), listening[i]);
        window.setGeometry(100 + 20 * i, 77, 500 + 10 * i, 240);
        placed = window.geometry();
        if (press[i])
            window.findChild<QPushButton *>(press[i])->click();
    }
}

void TestMainWindow::actionRunsOncePerTrigger()
{
    WorkingFolder folder;
    MainWindow window;
    window.show();
    int opened = 0;
    QString boxText;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&opened, &boxText] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++opened;
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                boxText = box->text();
            dialog->reject();
        }
    });
    closer.start(20);
    QStringList actions{"actionLocation", "actionChannel", "actionVoice"};
    // A build with an update page opens the browser instead of a box.
    const bool noUpdatePage = QStringLiteral(CHATWATCH_HOMEPAGE).isEmpty();
    if (noUpdatePage)
        actions << "actionCheck_Update";
    for (const QString &name : actions) {
        opened = 0;
        window.findChild<QAction *>(name)->trigger();
        QTest::qWait(100);
        QCOMPARE(opened, 1);
    }
    if (noUpdatePage)
        QCOMPARE(boxText, QString("ChatWatch " CHATWATCH_VERSION "\nNo update page is set for this build."));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
