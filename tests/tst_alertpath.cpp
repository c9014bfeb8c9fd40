// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "monitor/chatlogwatcher.h"
#include "monitor/fileloader.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "speech/speechwatchdog.h"
#include "notificationbus.h"
#include "testsupport.h"
#include "ui/alerthistory.h"
#include "ui/mainwindow.h"
#include "ui/statusline.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <chrono>

// From a line the game appends to a chat log to what the engine is told.
class TestAlertPath : public QObject
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
        // A service that works, whatever a failed test left.
        for (const char *name : {"mockSpeechService", "mockSpeechDown", "mockSpeechDelayMs", "mockSpeechUtteranceMs"})
            qApp->setProperty(name, QVariant());
        bus->clear();
    }
    void alert_data();
    void alert();
    void speechServiceFails_data();
    void speechServiceFails();
    void queue_data();
    void queue();
    void followsTheGame_data();
    void followsTheGame();
    void channelsApplyAtOnce();

private:
    QScopedPointer<NotificationBus> bus;
};

// A working folder with one followed "Local" log and the given settings.
struct Setup
{
    // `channels` are followed but "-X"; each has a log but "+X".
    Setup(const QByteArray &rules, int language, const QByteArray &voice = QByteArray(),
          const QStringList &channels = {"Local"})
    {
        QByteArray channelLines;
        for (QString channel : channels) {
            const bool hasLog = !channel.startsWith('+'), followed = !channel.startsWith('-');
            channel.remove(QRegularExpression("^[-+]"));
            if (hasLog)
                writeGameLog(logs.filePath(channel + "_20261207_060000.txt"), channel, {"0-G8NO before the start"});
            if (followed)
                channelLines += channel.toUtf8() + "\n";
        }
        writeBytes(SharedConfig::chatlogFile, logs.path().toUtf8() + "\n");
        writeBytes(SharedConfig::channelFile, channelLines);
        writeBytes(SharedConfig::locationFile, rules);
        writeBytes(SharedConfig::voiceFile,
                   voice.isEmpty() ? "70\n0\n0\n0\n" + QByteArray::number(language) + "\n0\n" : voice);
        SharedConfig::load();
        window.reset(new MainWindow);
        start();
    }
    void start() { window->findChild<QPushButton *>("pushButton")->click(); }
    void stop() { window->findChild<QPushButton *>("pushButton_2")->click(); }
    void say(const QString &message) { appendBytes(logs.filePath("Local_20261207_060000.txt"), gameLine(message)); }
    QString topic(StatusLine::Topic topic) const { return window->findChild<StatusLine *>()->brief(topic); }

    WorkingFolder folder;
    QTemporaryDir logs;
    QScopedPointer<MainWindow> window;
};

enum Language { English = 0, Chinese = 1, German = 2 };

void TestAlertPath::alert_data()
{
    QTest::addColumn<QByteArray>("rules");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("service");
    QTest::addColumn<QString>("listed"); // the last alert in the list, after its time
    const int answers = NotificationBus::Answers;
    const QString red = "Local  0-G8NO  “0-G8NO red”", twice = "Local  0-G8NO  “0-G8NO > 0-G8NO”",
                  silent = "Silent in German: use Chinese or English (选项 > Voice)", why = " — not spoken: the voice's language is neither Chinese nor English";
    QTest::newRow("Chinese") << QByteArray("5跳位|0-G8NO|预警\n") << int(Chinese) << "0-G8NO red"
                             << QStringList{"5跳位,0 杠 G 8 N O,预警"} << "" << answers << red;
    QTest::newRow("English") << QByteArray("5 jumps|0-G8NO|hostile\n") << int(English) << "0-G8NO red"
                             << QStringList{"5 jumps 0 dash G 8 N O hostile"} << "" << answers << red;
    QTest::newRow("wildcard") << QByteArray("5跳位|0-G8NO|预警\n近|*-****|有人\n") << int(Chinese) << "in MJ-5F9 now"
                              << QStringList{"近,M J 杠 5 F 9,有人"} << "" << answers << "Local  MJ-5F9  “in MJ-5F9 now”";
    QTest::newRow("each report is said") << QByteArray("a|0-G8NO|b\n") << int(Chinese) << "0-G8NO > 0-G8NO"
                                         << QStringList{"a,0 杠 G 8 N O,b", "a,0 杠 G 8 N O,b"} << "" << answers << twice;
    // Home 1DQ1-A, 5 jumps, Chinese words: N-8YET is 1 jump away, 5-CQDA 6.
    const StarMap &map = StarMap::bundled();
    const MapRules fromMap = buildMapRules(map, map.find("1dq1-a"), 5, defaultMapRuleWords(QLocale::Chinese));
    QTest::newRow("rules from the map") << joinConfigLines(mergeMapRules({}, fromMap).lines).toUtf8() << int(Chinese)
                                        << "N-8YET > 5-CQDA" << QStringList{"1跳位,N 杠 8 Y E T,预警"} << "" << answers << "Local  N-8YET  “N-8YET > 5-CQDA”";
    // Two silent alerts, one notification; the desktop is told before the
    // alert is handed on, so a hung service must not hold it.
    QTest::newRow("other language: empty say, told") << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO > 0-G8NO"
                                                     << QStringList{"", ""} << silent << answers << twice + why;
    QTest::newRow("other language, notifications never answered")
        << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO" << QStringList{""} << silent
        << int(NotificationBus::NeverAnswers) << "Local  0-G8NO  “0-G8NO”" + why;
    QTest::newRow("other language, no notification service")
        << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO" << QStringList{""} << silent
        << int(NotificationBus::Absent) << "Local  0-G8NO  “0-G8NO”" + why;
}

void TestAlertPath::alert()
{
    QFETCH(QByteArray, rules);
    QFETCH(int, language);
    QFETCH(QString, message);
    QFETCH(QStringList, said);
    QFETCH(QString, notice);
    QFETCH(int, service);
    bus->setService(NotificationBus::Service(service));
    const QStringList notified = notice.isEmpty() || service == NotificationBus::Absent ? QStringList() : QStringList{notice};
    Setup s(rules, language);
    s.say("nothing to see here");
    const qint64 written = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
    s.say(message);
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), said, 3000);
    // A poll and the work of one line: nothing waits for the desktop.
    QVERIFY(speechCalls().first().toMap().value("steadyNs").toLongLong() - written < 600 * 1000000LL);
    QTest::qWait(300);
    QCOMPARE(spokenTexts(), said);
    QCOMPARE(s.topic(StatusLine::Language), notice);
    QCOMPARE(bus->calls, notified);
    // A line of its own, whatever else the status line says.
    s.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.window.data()));
    QVERIFY(notice.isEmpty() || s.window->findChild<StatusLine *>()->text().section('\n', 1) == "Listening to 1 chat log(s)");
    QTEST(s.window->findChild<AlertHistory *>()->item(0)->text().section("  ", 1), "listed");
    // The notice belongs to one listening session.
    s.stop();
    QCOMPARE(s.topic(StatusLine::Language), notice);
    s.start();
    QCOMPARE(s.topic(StatusLine::Language), QString());
    // Back with the next session's first silent alert: told again.
    s.say(message);
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), said + said, 3000);
    QTRY_COMPARE(bus->calls, notified + notified);
    // Whatever the desktop did, no other warning.
    for (StatusLine::Topic other : {StatusLine::Speech, StatusLine::Logs, StatusLine::Unopened})
        QCOMPARE(s.topic(other), QString());
}

void TestAlertPath::speechServiceFails_data()
{
    QTest::addColumn<bool>("comesBack");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("restarted");
    QTest::addColumn<QString>("failure");
    QTest::newRow("gone: said again on a new engine") << true << QStringList{"mock: a,0 杠 G 8 N O,b"} << true << "";
    QTest::newRow("stays away: reported") << false << QStringList{} << false
                                          << "Alerts cannot be spoken: mock did not speak within 1 s";
}

// The speech service fails under an alert: the status bar says it was
// restarted, or why the alert was lost, and the next alert clears that.
void TestAlertPath::speechServiceFails()
{
    Setup s("a|0-G8NO|b\n", Chinese, "60\n3\n-2\n0\n1\n2\n");
    QStringList messages;
    connect(s.window->findChild<QStatusBar *>("statusbar"), &QStatusBar::messageChanged,
            [&messages](const QString &m) { messages << m; });
    QFETCH(bool, comesBack);
    qApp->setProperty(comesBack ? "mockSpeechService" : "mockSpeechDown", comesBack ? QVariant(1) : QVariant(true));
    clearSpeechCalls();

    s.say("0-G8NO");
    QFETCH(QString, failure);
    QFETCH(QStringList, heard);
    QTRY_COMPARE_WITH_TIMEOUT(s.topic(StatusLine::Speech), failure, 4 * SpeechWatchdog::PeriodMs);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), heard, 4 * SpeechWatchdog::PeriodMs);
    QVERIFY(failure.isEmpty() || s.window->findChild<AlertHistory *>()->item(0)->text().endsWith(": " + failure.section(": ", 1)));
    QTEST(messages.contains("Speech restarted: mock did not speak within 1 s"), "restarted");
    // Told once, with what to do.
    QTRY_COMPARE_WITH_TIMEOUT(bus->calls, failure.isEmpty() ? QStringList() : QStringList{failure}, 3000);
    if (!failure.isEmpty())
        QVERIFY(bus->shown.first().contains("Check that the speech service speaks (spd-say hello)"));

    // The service is back: the next alert is heard at once, and the warning goes.
    qApp->setProperty("mockSpeechDown", QVariant());
    clearSpeechCalls();
    s.say("0-G8NO");
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), QStringList{"mock: " + QString("a,0 杠 G 8 N O,b")}, 3000);
    QCOMPARE(s.topic(StatusLine::Speech), QString());
}

void TestAlertPath::queue_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("heard"); // whose alert started, in order
    QTest::addColumn<QStringList>("said");  // ... and was said to its end
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("quiet"); // listed greyed, newest first, after the last said
    QStringList twelve;
    for (int i = 10; i < 22; ++i)
        twelve << QString("A-11%1").arg(i);
    const QStringList keep = QStringList{twelve.first()} + twelve.mid(2);
    QTest::newRow("bound: the oldest waiting dropped, told") << QStringList{"x > " + twelve.join(" > ")} << keep << keep
                                                             << "1 alert(s) dropped: too many waiting" << QStringList();
    const QStringList quiet{"N-8YET ｃｌｒ了", "5B-YDD Status？", "1DQ1-A clear?", "0-G8NO清 T5ZI-S"},
        loud{"CL2-AA", "N-8YET", "0-G8NO"}, all{"N-8YET", "5B-YDD", "1DQ1-A", "0-G8NO", "T5ZI-S"};
    QTest::newRow("clears and questions listed, not said")
        << QStringList{"CL2-AA", "N－8YET 清楚", "nuclear clrs statuses 0-G8NO"} + quiet << loud << loud << ""
        << QStringList{"T5ZI-S  “0-G8NO清 T5ZI-S” — a clear", "0-G8NO  “0-G8NO清 T5ZI-S” — a clear", "1DQ1-A  “1DQ1-A "
                       "clear?” — a question", "5B-YDD  “5B-YDD Status？” — a question", "N-8YET  “N-8YET ｃｌｒ了” — a clear"};
    QTest::newRow("check box on: all said") << QStringList{"=announcequiet=1"} + quiet << all << all << ""
                                            << QStringList();
}

// Alerts from the game's lines go to the queue, and the list and the status
// bar tell what became of them.
void TestAlertPath::queue()
{
    QFETCH(QStringList, lines);
    qApp->setProperty("mockSpeechUtteranceMs", 30);
    Setup s("a|*-****|b\n", Chinese);
    clearSpeechCalls();
    const auto texts = [](QStringList systems) {
        for (QString &system : systems)
            system = "mock: a," + system.replace('-', "杠").replace(QRegularExpression("(?<=.)(?=.)"), " ") + ",b";
        return systems;
    };
    auto *history = s.window->findChild<AlertHistory *>();
    // A line starting "=" is written to the options file.
    for (const QString &line : lines) {
        if (line.startsWith('='))
            writeBytes(SharedConfig::optionsFile, line.mid(1).toUtf8());
        else
            s.say(line);
    }
    QFETCH(QStringList, said);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts("said"), texts(said), 20000);
    QTest::qWait(300);
    QFETCH(QStringList, heard);
    QCOMPARE(heardTexts(), texts(heard));
    QFETCH(QString, notice);
    QCOMPARE(s.topic(StatusLine::Dropped), notice);
    QVERIFY(s.window->findChild<QStatusBar *>("statusbar")->currentMessage() != "Speech started...");
    // The list: newest first, with its channel; what was dropped is marked.
    QFETCH(QStringList, quiet);
    QTRY_VERIFY_WITH_TIMEOUT(quiet.isEmpty() || history->item(0)->text().endsWith(quiet[0] + ", not said"), 3000);
    for (int i = 0; i < quiet.size(); ++i) {
        QVERIFY(history->item(i)->text().endsWith("  Local  " + quiet[i] + ", not said"));
        QCOMPARE(history->item(i)->foreground().color(), history->palette().color(QPalette::Disabled, QPalette::Text));
    }
    QCOMPARE(history->item(quiet.size())->toolTip(), "Said: " + texts(said).last().mid(6));
    QCOMPARE(history->findItems("dropped", Qt::MatchContains).size(), notice.section(' ', 0, 0).toInt());
}

void TestAlertPath::followsTheGame_data()
{
    // Steps while listening: "new FILE [TEXT]" a log as the game starts one, "say FILE TEXT" a pilot's line,
    // "jump FILE SYSTEM" the game's line for the player's new system (the Chinese client's in 本地), "chat FILE N"
    // N lines in one write, "wait MS", "restart" 停止 and 开始监听, "systems C=S ..." each character's system;
    // "Local_07" is Local_20261207_070000.txt, "Local_07_2" the log of character 2.
    // Channels are followed but "-X"; each has a log but "+X".
    QTest::addColumn<QByteArray>("rules");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<int>("logs");
    QTest::addColumn<QString>("location");
    const QByteArray own = "a|N-8YET|b\nc|*-****|d\n";
    // Where the player is, from the game's own lines in Local, whether or not
    // Local is followed; map rules from "where I am" count from there,
    // 1DQ1-A when they were made.
    const StarMap &map = StarMap::bundled();
    MapRules here = buildMapRules(map, map.find("1DQ1-A"), 5, defaultMapRuleWords(QLocale::Chinese));
    here.followsPlayer = true;
    const QByteArray follow = joinConfigLines(mergeMapRules({}, here).lines).toUtf8();
    const QString one = "1跳位,N 杠 8 Y E T,预警", none = "本星系,N 杠 8 Y E T,预警";
    QTest::newRow("English, then Chinese system line") << own << "Local 本地" << "jump Local_06 A-1111;jump 本地_06 N-8YET"
                                                       << QStringList{} << 2 << "In N-8YET";
    QTest::newRow("a player's same words") << own << "Local" << "say Local_06 Channel changed to Local : N-8YET*"
                                           << QStringList{"a,N 杠 8 Y E T,b"} << 1 << "";
    QTest::newRow("jump: the new count") << follow << "Corp -Local"
                                         << "jump Local_06 1DQ1-A;say Corp_06 N-8YET;jump Local_06 N-8YET;say Corp_06 N-8YET"
                                         << QStringList{one, none} << 1 << "In N-8YET";
    QTest::newRow("jump: behind 10,000 Local lines") << follow << "Corp -Local"
                                                     << "chat Local_06 10000;jump Local_06 N-8YET;say Corp_06 N-8YET"
                                                     << QStringList{none} << 1 << "In N-8YET";
    QTest::newRow("where, read at the start")
        << follow << "Corp -Local" << "jump Local_06 N-8YET;restart;say Corp_06 N-8YET;jump Local_06 1DQ1-A"
        << QStringList{none} << 1 << "In 1DQ1-A";
    QTest::newRow("off the map: the last counts") << follow << "Corp Local"
                                                  << "jump Local_06 N-8YET;jump Local_06 J100001;say Corp_06 N-8YET"
                                                  << QStringList{none} << 2
                                                  << "In J100001 (not on the map): jump counts from N-8YET";
    QTest::newRow("not known: as saved, Local read only")
        << follow << "Corp -Local" << "say Local_06 N-8YET;wait 300;say Corp_06 N-8YET" << QStringList{one} << 1
        << "Where you are is not known: jump counts from 1DQ1-A";
    QTest::newRow("relog: the newer Local log") << follow << "Corp -Local" << "new Local_07;jump Local_07 N-8YET;say Corp_06 N-8YET"
                                                << QStringList{none} << 1 << "In N-8YET";
    // The last to jump is 1 jump off: the counts are from the nearest character.
    QTest::newRow("two characters' Local logs: two systems, counts from the nearest")
        << follow << "Corp -Local"
        << "new Local_07_2;wait 1000;jump Local_07_2 N-8YET;jump Local_06 1DQ1-A;systems =1DQ1-A 2=N-8YET;"
           "say Corp_06 N-8YET;wait 500;restart;systems =1DQ1-A 2=N-8YET" << QStringList{none} << 1 << "In 1DQ1-A, N-8YET";
    QTest::newRow("own rule wins") << "mine|N-8YET|own\n" + follow << "Corp -Local" << "jump Local_06 N-8YET;say Corp_06 N-8YET"
                                   << QStringList{"mine,N 杠 8 Y E T,own"} << 1 << "In N-8YET";
}

void TestAlertPath::followsTheGame()
{
    QFETCH(QByteArray, rules);
    QFETCH(QString, channels);
    QFETCH(QString, steps);
    Setup s(rules, Chinese, QByteArray(), channels.split(' '));
    auto *loader = s.window->findChild<FileLoader *>();
    for (const QString &step : steps.split(';')) {
        const QStringList w = step.split(' ');
        const QString path = gameLogPath(s.logs.path(), w.value(1)), text = w.mid(2).join(' ');
        if (w[0] == "new") {
            writeGameLog(path, w[1].section('_', 0, 0), w.mid(2));
        } else if (w[0] == "chat") {
            appendBytes(path, gameLine("o7").repeated(text.toInt()));
        } else if (w[0] == "say") {
            appendBytes(path, gameLine(text));
        } else if (w[0] == "jump") {
            appendBytes(path, w[1].startsWith("本地") ? gameLine("频道更换为本地：" + text + "*", "EVE系统")
                                                      : gameLine("Channel changed to Local : " + text + "*", "EVE System"));
            QTRY_COMPARE_WITH_TIMEOUT(loader->playerSystem(), text, 5000);
        } else if (w[0] == "restart") {
            s.stop();
            s.start();
        } else if (w[0] == "systems") {
            QMap<QString, QString> systems;
            for (const QString &seen : w.mid(1))
                systems.insert(seen.section(QLatin1Char('='), 0, 0), seen.section(QLatin1Char('='), 1));
            QCOMPARE(loader->playerSystems(), systems);
        } else {
            QTest::qWait(w[1].toInt());
        }
    }
    QFETCH(QStringList, said);
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), said, 3000);
    QTest::qWait(300);
    QCOMPARE(spokenTexts(), said);
    // Nothing to press, and the count is that of the logs followed now.
    QCOMPARE(s.topic(StatusLine::Logs), QString());
    QFETCH(int, logs);
    QCOMPARE(s.topic(StatusLine::Listening), QString("Listening to %1 chat log(s)").arg(logs));
    QTEST(s.topic(StatusLine::Location) + s.topic(StatusLine::Unlocated), "location");
    // Stopped, the file holds the rules that were in force, as plain rules.
    s.stop();
    QStringList saved;
    QVERIFY(readConfigLines(SharedConfig::locationFile, &saved));
    QCOMPARE(SharedConfig::parseLocations(saved), SharedConfig::locations);
}

// 开始监听 before any channel is chosen waits; channels chosen in the dialog
// while listening apply at once (what is then read: the session's table).
void TestAlertPath::channelsApplyAtOnce()
{
    Setup s("a|*-****|b\n", Chinese, QByteArray(), {"Local", "Corp"});
    writeBytes(SharedConfig::channelFile, "");
    SharedConfig::channels.clear();
    s.stop();
    s.start();
    QCOMPARE(s.topic(StatusLine::Listening), QString("Waiting for a channel to follow (选项 > Channel)"));
    for (const QString name : {"Local", "Corp"}) {
        QTimer::singleShot(50, [name] {
            auto *dialog = QApplication::activeModalWidget();
            dialog->findChild<QListWidget *>()->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        s.window->findChild<QAction *>("actionChannel")->trigger();
        QCOMPARE(s.topic(StatusLine::Listening), QString("Listening to %1 chat log(s)").arg(name == "Local" ? 1 : 2));
    }
}

QTEST_MAIN(TestAlertPath)
#include "tst_alertpath.moc"
