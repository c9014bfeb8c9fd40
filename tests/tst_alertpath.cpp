#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QPushButton>
#include <QtTest>

// From a line the game appends to a chat log to what the engine is told.
class TestAlertPath : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init()
    {
        resetSharedConfig();
        clearSpeechCalls();
    }
    void alert_data();
    void alert();
    void backlogAndRestart();
    void newRulesTakeEffectWhileListening();
};

// A working folder with one followed "Local" log and the given settings.
struct Setup
{
    Setup(const QByteArray &rules, int language)
    {
        writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local", {"0-G8NO before the start"});
        writeBytes(SharedConfig::chatlogFile, logs.path().toUtf8() + "\n");
        writeBytes(SharedConfig::channelFile, "Local\n");
        writeBytes(SharedConfig::locationFile, rules);
        writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n" + QByteArray::number(language) + "\n0\n");
        SharedConfig::load();
        window.reset(new MainWindow);
        start();
    }
    void start() { window->findChild<QPushButton *>("pushButton")->click(); }
    void stop() { window->findChild<QPushButton *>("pushButton_2")->click(); }
    void say(const QString &message) { appendBytes(logs.filePath("Local_20261207_060000.txt"), gameLine(message)); }

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
    QTest::newRow("Chinese") << QByteArray("5跳位|0-G8NO|预警\n") << int(Chinese) << "0-G8NO red"
                             << QStringList{"5跳位,0杠G8NO,预警"};
    QTest::newRow("English") << QByteArray("5 jumps|0-G8NO|hostile\n") << int(English) << "0-G8NO red"
                             << QStringList{"5 jumps 0 dash G 8 N O hostile"};
    QTest::newRow("wildcard") << QByteArray("5跳位|0-G8NO|预警\n近|*-****|有人\n") << int(Chinese) << "in MJ-5F9 now"
                              << QStringList{"近,MJ杠5F9,有人"};
    QTest::newRow("each report is said") << QByteArray("a|0-G8NO|b\n") << int(Chinese) << "0-G8NO > 0-G8NO"
                                         << QStringList{"a,0杠G8NO,b", "a,0杠G8NO,b"};
    // Home 1DQ1-A, 5 jumps, Chinese words: N-8YET is 1 jump away, 5-CQDA 6.
    const StarMap &map = StarMap::bundled();
    const MapRules fromMap = buildMapRules(map, map.find("1dq1-a"), 5, defaultMapRuleWords(QLocale::Chinese));
    QTest::newRow("rules from the map") << joinConfigLines(mergeMapRules({}, fromMap).lines).toUtf8() << int(Chinese)
                                        << "N-8YET > 5-CQDA" << QStringList{"1跳位,N杠8YET,预警"};
    QTest::newRow("other language: empty say") << QByteArray("a|0-G8NO|b\n") << int(German) << "0-G8NO"
                                               << QStringList{""};
}

void TestAlertPath::alert()
{
    QFETCH(QByteArray, rules);
    QFETCH(int, language);
    QFETCH(QString, message);
    QFETCH(QStringList, said);
    Setup s(rules, language);
    s.say("nothing to see here");
    s.say(message);
    QTRY_COMPARE_WITH_TIMEOUT(spokenTexts(), said, 3000);
    QTest::qWait(300);
    QCOMPARE(spokenTexts(), said);
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
