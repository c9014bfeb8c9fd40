// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "speech/speechwatchdog.h"
#include "notificationbus.h"
#include "testsupport.h"
#include "ui/mainwindow.h"
#include "ui/statusline.h"

#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
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
        bus->setService(NotificationBus::Answers);
        bus->calls.clear();
        bus->shown.clear();
    }
    void alert_data();
    void alert();
    void speechServiceFails_data();
    void speechServiceFails();
    void queue_data();
    void queue();
    void backlogAndRestart();
    void newRulesTakeEffectWhileListening();

private:
    QScopedPointer<NotificationBus> bus;
};

// A working folder with one followed "Local" log and the given settings.
struct Setup
{
    Setup(const QByteArray &rules, int language, const QByteArray &voice = QByteArray())
    {
        writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local", {"0-G8NO before the start"});
        writeBytes(SharedConfig::chatlogFile, logs.path().toUtf8() + "\n");
        writeBytes(SharedConfig::channelFile, "Local\n");
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
    const int answers = NotificationBus::Answers;
    QTest::newRow("Chinese") << QByteArray("5跳位|0-G8NO|预警\n") << int(Chinese) << "0-G8NO red"
                             << QStringList{"5跳位,0杠G8NO,预警"} << "" << answers;
    QTest::newRow("English") << QByteArray("5 jumps|0-G8NO|hostile\n") << int(English) << "0-G8NO red"
                             << QStringList{"5 jumps 0 dash G 8 N O hostile"} << "" << answers;
    QTest::newRow("wildcard") << QByteArray("5跳位|0-G8NO|预警\n近|*-****|有人\n") << int(Chinese) << "in MJ-5F9 now"
                              << QStringList{"近,MJ杠5F9,有人"} << "" << answers;
    QTest::newRow("each report is said") << QByteArray("a|0-G8NO|b\n") << int(Chinese) << "0-G8NO > 0-G8NO"
                                         << QStringList{"a,0杠G8NO,b", "a,0杠G8NO,b"} << "" << answers;
    // Home 1DQ1-A, 5 jumps, Chinese words: N-8YET is 1 jump away, 5-CQDA 6.
    const StarMap &map = StarMap::bundled();
    const MapRules fromMap = buildMapRules(map, map.find("1dq1-a"), 5, defaultMapRuleWords(QLocale::Chinese));
    QTest::newRow("rules from the map") << joinConfigLines(mergeMapRules({}, fromMap).lines).toUtf8() << int(Chinese)
                                        << "N-8YET > 5-CQDA" << QStringList{"1跳位,N杠8YET,预警"} << "" << answers;
    // Two silent alerts, one notification; the desktop is told before the
    // alert is handed on, so a hung service must not hold it.
    const QString silent = "Alerts silent in German: use Chinese or English (选项 > Voice)";
    QTest::newRow("other language: empty say, told") << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO > 0-G8NO"
                                                     << QStringList{"", ""} << silent << answers;
    QTest::newRow("other language, notifications never answered")
        << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO" << QStringList{""} << silent
        << int(NotificationBus::NeverAnswers);
    QTest::newRow("other language, no notification service")
        << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO" << QStringList{""} << silent
        << int(NotificationBus::Absent);
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

enum Service { GoneOnce, StaysAway, Slow };

void TestAlertPath::speechServiceFails_data()
{
    QTest::addColumn<int>("service");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("restarted");
    QTest::addColumn<QString>("failure");
    const QStringList once{"mock: a,0杠G8NO,b"};
    const int period = SpeechWatchdog::PeriodMs;
    QTest::newRow("gone: said again on a new engine") << int(GoneOnce) << 0 << false << once << true << "";
    QTest::newRow("stays away: reported") << int(StaysAway) << 0 << false << QStringList{} << false
                                          << "Alerts cannot be spoken: mock did not speak within 1 s";
    QTest::newRow("slow: speaks before the timeout") << int(Slow) << period - 300 << false << once << false << "";
    // The window is busy past both moments, so both are due together.
    QTest::newRow("slow: speaks after the timeout, before the retry") << int(Slow) << period + 200 << true << once
                                                                      << false << "";
    QTest::newRow("slow: would speak just after the retry") << int(Slow) << period + 300 << false << once << true
                                                            << "";
}

// The speech service fails under an alert: it is heard once or the status
// bar says why, and the next alert is heard at once.
void TestAlertPath::speechServiceFails()
{
    QFETCH(int, service);
    QFETCH(int, delayMs);
    QFETCH(bool, busy);
    const auto restore = qScopeGuard([] {
        for (const char *name : {"mockSpeechService", "mockSpeechDown", "mockSpeechDelayMs"})
            qApp->setProperty(name, QVariant());
    });
    qApp->setProperty("mockSpeechDelayMs", delayMs);
    Setup s("a|0-G8NO|b\n", Chinese, "60\n3\n-2\n0\n1\n2\n");
    qApp->setProperty("mockSpeechDelayMs", QVariant());
    QStringList messages;
    connect(s.window->findChild<QStatusBar *>("statusbar"), &QStatusBar::messageChanged,
            [&messages](const QString &m) { messages << m; });
    if (service == GoneOnce)
        qApp->setProperty("mockSpeechService", 1);
    if (service == StaysAway)
        qApp->setProperty("mockSpeechDown", true);
    clearSpeechCalls();

    s.say("0-G8NO");
    if (busy) {
        QTRY_VERIFY_WITH_TIMEOUT(!speechCalls().isEmpty(), 3000);
        const qint64 said = speechCalls().first().toMap().value("steadyNs").toLongLong() / 1000000;
        const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch()).count();
        QThread::msleep(qMax<qint64>(0, said + delayMs + 200 - now));
    }
    QFETCH(QString, failure);
    QFETCH(QStringList, heard);
    QTRY_COMPARE_WITH_TIMEOUT(s.topic(StatusLine::Speech), failure, 4 * SpeechWatchdog::PeriodMs);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), heard, 4 * SpeechWatchdog::PeriodMs);
    // Past the point where a late start or a second say would show.
    QTest::qWait(2 * SpeechWatchdog::PeriodMs);
    QCOMPARE(heardTexts(), heard);
    QCOMPARE(s.topic(StatusLine::Speech), failure);
    QTEST(messages.contains("Speech restarted: mock did not speak within 1 s"), "restarted");
    // Told once, with what to do.
    QCOMPARE(bus->calls, failure.isEmpty() ? QStringList() : QStringList{failure});
    if (!failure.isEmpty())
        QVERIFY(bus->shown.first().contains("Check that the speech service speaks (spd-say hello)"));
    // Every say, on the old engine and on a new one, with the saved voice.
    QSet<QString> voices;
    for (const QVariant &call : speechCalls()) {
        const QVariantMap map = call.toMap();
        if (map.value("call") == "say")
            voices << QStringList{map.value("locale").toString(), map.value("voice").toString(),
                                  map.value("volume").toString(), map.value("rate").toString(),
                                  map.value("pitch").toString()}.join(' ');
    }
    QCOMPARE(voices, QSet<QString>{"zh_CN Xiaoyu 0.6 0.3 -0.2"});

    if (service == Slow)
        return;
    // The service is back: the next alert is heard at once, and the warning goes.
    qApp->setProperty("mockSpeechDown", QVariant());
    clearSpeechCalls();
    s.say("0-G8NO");
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), QStringList{"mock: " + QString("a,0杠G8NO,b")}, 3000);
    QCOMPARE(s.topic(StatusLine::Speech), QString());
    QCOMPARE(spokenTexts().size(), 1);
}

void TestAlertPath::queue_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("utteranceMs");
    QTest::addColumn<int>("serviceDiesMs"); // -1 never, 0 before the lines, else into the first alert
    QTest::addColumn<QStringList>("heard"); // whose alert started, in order
    QTest::addColumn<QStringList>("said");  // ... and was said to its end
    QTest::addColumn<QString>("notice");
    const QStringList four{"N-8YET", "0-G8NO", "1DQ1-A", "T5ZI-S"};
    QTest::newRow("burst of four: each whole, in order") << four << 300 << -1 << four << four << "";
    QTest::newRow("duplicate waiting: said once") << QStringList{"A-1111", "B-2222", "B-2222", "B-2222"} << 500 << -1
                                                  << QStringList{"A-1111", "B-2222"}
                                                  << QStringList{"A-1111", "B-2222"} << "";
    QStringList twelve;
    for (int i = 10; i < 22; ++i)
        twelve << QString("A-11%1").arg(i);
    const QStringList keep = QStringList{twelve.first()} + twelve.mid(2);
    QTest::newRow("bound: the oldest waiting dropped, told") << QStringList{"x > " + twelve.join(" > ")} << 30 << -1
                                                             << keep << keep
                                                             << "1 alert(s) dropped: too many waiting";
    QTest::newRow("dead engine under a queue") << four << 200 << 0 << four << four << "";
    QTest::newRow("service dies in an alert: said again whole")
        << QStringList{"A-1111", "B-2222"} << 1500 << 500 << QStringList{"A-1111", "A-1111", "B-2222"}
        << QStringList{"A-1111", "B-2222"} << "";
}

// Alerts that come while one is said wait for it to end.
void TestAlertPath::queue()
{
    QFETCH(QStringList, lines);
    QFETCH(int, serviceDiesMs);
    const auto restore = qScopeGuard([] {
        for (const char *name : {"mockSpeechService", "mockSpeechUtteranceMs"})
            qApp->setProperty(name, QVariant());
    });
    QFETCH(int, utteranceMs);
    qApp->setProperty("mockSpeechUtteranceMs", utteranceMs);
    Setup s("a|*-****|b\n", Chinese);
    if (serviceDiesMs == 0)
        qApp->setProperty("mockSpeechService", 1);
    clearSpeechCalls();
    for (const QString &line : lines)
        s.say(line);
    if (serviceDiesMs > 0) {
        QTRY_VERIFY_WITH_TIMEOUT(!heardTexts().isEmpty(), 3000);
        QTest::qWait(serviceDiesMs);
        qApp->setProperty("mockSpeechService", 1);
    }
    const auto texts = [](QStringList systems) {
        for (QString &system : systems)
            system = "mock: a," + system.replace('-', "杠") + ",b";
        return systems;
    };
    QFETCH(QStringList, said);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts("said"), texts(said), 20000);
    QTest::qWait(300);
    QFETCH(QStringList, heard);
    QCOMPARE(heardTexts(), texts(heard));
    QFETCH(QString, notice);
    QCOMPARE(s.topic(StatusLine::Dropped), notice);
    QVERIFY(s.window->findChild<QStatusBar *>("statusbar")->currentMessage() != "Speech started...");
    // The list: newest first, with its channel; what was dropped is marked.
    auto *history = s.window->findChild<QListWidget *>("alertHistory");
    QVERIFY(history->item(0)->text().contains("  Local  " + texts(said).last().mid(6)));
    QCOMPARE(history->findItems("dropped", Qt::MatchContains).size(), notice.isEmpty() ? 0 : 1);
}

void TestAlertPath::backlogAndRestart()
{
    Setup s("a|*-****|b\n", Chinese);
    QTest::qWait(300);
    QCOMPARE(spokenTexts(), QStringList());
    s.say("A-1111");
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), QStringList{"a,A杠1111,b"}, 3000);
    s.stop();
    s.say("A-2222");
    s.say("A-3333");
    QTest::qWait(300);
    s.start();
    s.say("A-4444");
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), (QStringList{"a,A杠1111,b", "a,A杠4444,b"}), 3000);
    QTest::qWait(300);
    QCOMPARE(spokenTexts().size(), 2);
}

void TestAlertPath::newRulesTakeEffectWhileListening()
{
    Setup s("a|0-G8NO|b\n", Chinese);
    s.say("X-ABCD");
    QTest::qWait(300);
    QCOMPARE(spokenTexts(), QStringList());
    SharedConfig::locations = SharedConfig::parseLocations({"c|X-ABCD|d"});
    s.say("X-ABCD");
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), QStringList{"c,X杠ABCD,d"}, 3000);
}

QTEST_MAIN(TestAlertPath)
#include "tst_alertpath.moc"
