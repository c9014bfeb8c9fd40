#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "testsupport.h"

#include <QDir>
#include <QtTest>

using Choice = QMap<QString, QString>;
Q_DECLARE_METATYPE(Choice)

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init();
    void choice_data();
    void choice();
    void emptyFolderSettingUsesDefault_data();
    void emptyFolderSettingUsesDefault();
    void startNeedsChannelsAndRules_data();
    void startNeedsChannelsAndRules();
};

void TestDiscovery::init()
{
    resetSharedConfig();
    SharedConfig::locations = {{"0-G8NO", "5跳位|0-G8NO|预警"}};
}

void TestDiscovery::choice_data()
{
    // Entries ending in "/" are folders; "a/b" lies inside folder a.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<Choice>("chosen");
    QTest::addColumn<int>("streams");

    QTest::newRow("newest of two") << QStringList{"Local_1.txt", "Local_2.txt"} << QStringList{"Local"}
                                   << Choice{{"Local", "Local_2.txt"}} << 1;
    QTest::newRow("game names, newest by date and time")
        << QStringList{"Local_20261206_235959.txt", "Local_20261207_060000.txt",
                       "Local_20261207_060000_1234567890.txt", "Corp_20261207_070000.txt"}
        << QStringList{"Local"} << Choice{{"Local", "Local_20261207_060000_1234567890.txt"}} << 1;
    QTest::newRow("order ignores case") << QStringList{"Local_a.txt", "Local_B.txt"} << QStringList{"Local"}
                                        << Choice{{"Local", "Local_B.txt"}} << 1;
    QTest::newRow("prefix respects case") << QStringList{"Local_a.txt", "Local_B.txt"} << QStringList{"local"}
                                          << Choice() << 0;
    QTest::newRow("Corp also matches Corporation")
        << QStringList{"Corp_20261207_060000.txt", "Corp_20261207_070000.txt", "Corporation_1.txt"}
        << QStringList{"Corp"} << Choice{{"Corp", "Corporation_1.txt"}} << 1;
    QTest::newRow("two channels share one file") << QStringList{"AB_1.txt"} << QStringList{"A", "AB"}
                                                 << Choice{{"A", "AB_1.txt"}, {"AB", "AB_1.txt"}} << 2;
    QTest::newRow("empty channel name matches every file")
        << QStringList{"a.txt", "Z_1.txt", "b.txt"} << QStringList{""} << Choice{{"", "Z_1.txt"}} << 1;
    QTest::newRow("subfolders ignored")
        << QStringList{"Local_1.txt", "Local_9/", "Local_9/Local_99.txt"} << QStringList{"Local"}
        << Choice{{"Local", "Local_1.txt"}} << 1;
    QTest::newRow("channel without a file") << QStringList{"Local_1.txt"} << QStringList{"Local", "Corp"}
                                            << Choice{{"Local", "Local_1.txt"}} << 1;
    QTest::newRow("empty folder") << QStringList{} << QStringList{"Local"} << Choice() << 0;
}

void TestDiscovery::choice()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, channels);
    QFETCH(Choice, chosen);
    QFETCH(int, streams);
    QTemporaryDir logs;
    for (const QString &entry : entries) {
        if (entry.endsWith('/'))
            QDir(logs.path()).mkdir(entry);
        else
            writeGameLog(logs.filePath(entry), entry.section('_', 0, 0));
    }
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());

    FileLoader loader;
    loader.start_monitoring();

    QVERIFY(loader.isListening());
    Choice expected;
    for (auto it = chosen.cbegin(); it != chosen.cend(); ++it)
        expected.insert(it.key(), logs.filePath(it.value()));
    QCOMPARE(loader.channelFiles(), expected);
    QCOMPARE(loader.followedCount(), streams);
}

void TestDiscovery::emptyFolderSettingUsesDefault_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<bool>("usesDefault");
    QTest::newRow("no folder configured") << QString() << true;
    QTest::newRow("empty string configured") << QString("") << true;
    QTest::newRow("other folder configured") << QString("elsewhere") << false;
}

void TestDiscovery::emptyFolderSettingUsesDefault()
{
    QFETCH(QString, configured);
    QFETCH(bool, usesDefault);
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const QString folder = home.filePath("Documents/EVE/logs/Chatlogs");
    QVERIFY(QDir().mkpath(folder));
    writeGameLog(folder + "/Local_20261207_060000.txt", "Local");
    QVERIFY(QDir().mkpath(home.filePath("elsewhere")));
    writeGameLog(home.filePath("elsewhere/Local_1.txt"), "Local");
    SharedConfig::chatlogDir = configured.isEmpty() ? configured : home.filePath(configured);
    SharedConfig::channels = {"Local"};

    FileLoader loader;
    loader.start_monitoring();
    qputenv("HOME", oldHome);

    QCOMPARE(loader.channelFiles().value("Local"),
             usesDefault ? folder + "/Local_20261207_060000.txt" : home.filePath("elsewhere/Local_1.txt"));
}

void TestDiscovery::startNeedsChannelsAndRules_data()
{
    QTest::addColumn<bool>("haveChannels");
    QTest::addColumn<bool>("haveRules");
    QTest::newRow("neither") << false << false;
    QTest::newRow("no channel") << false << true;
    QTest::newRow("no rule") << true << false;
    QTest::newRow("both") << true << true;
}

void TestDiscovery::startNeedsChannelsAndRules()
{
    QFETCH(bool, haveChannels);
    QFETCH(bool, haveRules);
    QTemporaryDir logs;
    writeGameLog(logs.filePath("Local_1.txt"), "Local");
    SharedConfig::chatlogDir = logs.path();
    if (haveChannels)
        SharedConfig::channels = {"Local"};
    if (!haveRules)
        SharedConfig::locations.clear();

    FileLoader loader;
    loader.start_monitoring();
    QCOMPARE(loader.isListening(), haveChannels && haveRules);
    QCOMPARE(loader.followedCount(), haveChannels && haveRules ? 1 : 0);
    QCOMPARE(loader.findChild<QTimer *>() != nullptr, haveChannels && haveRules);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
