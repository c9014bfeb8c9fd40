// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "monitor/logfolders.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QtTest>

using Ages = QMap<QString, int>;
Q_DECLARE_METATYPE(Ages)

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init();
    void choice_data();
    void choice();
    void folderFound_data();
    void folderFound();
    void documentsFolders();
    void startNeedsChannelsAndRules_data();
    void startNeedsChannelsAndRules();
};

void TestDiscovery::init()
{
    resetSharedConfig();
    SharedConfig::setLocations({{"0-G8NO", "5跳位|0-G8NO|预警"}});
}

void TestDiscovery::choice_data()
{
    // Entries ending in "/" are folders; "a/b" lies inside folder a; "@H"
    // after a name: written H hours ago.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<int>("streams");

    QTest::newRow("newest of two") << QStringList{"Local_20261207_060000.txt", "Local_20261207_070000.txt"}
                                   << QStringList{"Local"} << QStringList{"Local_20261207_070000.txt"} << 1;
    QTest::newRow("game names, newest by date and time; another character's log of 25 h ago left")
        << QStringList{"Local_20261206_235959.txt", "Local_20261207_060000.txt@25",
                       "Local_20261207_060000_1234567890.txt@30", "Corp_20261207_070000.txt"}
        << QStringList{"Local"} << QStringList{"Local_20261207_060000_1234567890.txt"} << 1;
    QTest::newRow("each character's newest")
        << QStringList{"Intel_20261206_060000_90000001.txt@20", "Intel_20261207_060000_90000001.txt@1",
                       "Intel_20261207_060500_90000002.txt", "Intel_20261207_070000.txt@23"}
        << QStringList{"Intel"}
        << QStringList{"Intel_20261207_070000.txt", "Intel_20261207_060000_90000001.txt",
                       "Intel_20261207_060500_90000002.txt"} << 3;
    QTest::newRow("the channel's newest log, however old")
        << QStringList{"Local_20261201_060000_1.txt@150", "Local_20261203_060000_2.txt@100"} << QStringList{"Local"}
        << QStringList{"Local_20261203_060000_2.txt"} << 1;
    QTest::newRow("names with _, a character id")
        << QStringList{"Intel_North_20261207_060000_123456.txt", "Intel_South_20261207_070000.txt"}
        << QStringList{"Intel", "Intel_North", "Intel_South"}
        << QStringList{"Intel_North_20261207_060000_123456.txt", "Intel_South_20261207_070000.txt"} << 2;
    // Local is read all the same, for where the player is, raising no alert.
    QTest::newRow("name respects case") << QStringList{"Local_20261207_060000.txt"} << QStringList{"local"}
                                        << QStringList{"Local_20261207_060000.txt"} << 0;
    QTest::newRow("Corp is not Corporate Intel")
        << QStringList{"Corp_20261207_060000.txt", "Corp_20261207_070000.txt", "Corporate Intel_20261207_080000.txt"}
        << QStringList{"Corp"} << QStringList{"Corp_20261207_070000.txt"} << 1;
    QTest::newRow("files that are no logs")
        << QStringList{"Local_20261207_060000.txt", "Local_20261207_070000.txt.bak", "Local_20261207_080000_x.txt",
                       "Local_2026120_090000.txt", "Local_notes.txt", "Local_20261207_100000"}
        << QStringList{"Local"} << QStringList{"Local_20261207_060000.txt"} << 1;
    QTest::newRow("empty channel name names no log")
        << QStringList{"a.txt", "Z_20261207_060000.txt", "_20261207_060000.txt"} << QStringList{""} << QStringList() << 0;
    QTest::newRow("subfolders ignored")
        << QStringList{"Local_20261207_060000.txt", "Local_20261207_090000.txt/",
                       "Local_20261207_090000.txt/Local_20261207_100000.txt"}
        << QStringList{"Local"} << QStringList{"Local_20261207_060000.txt"} << 1;
    QTest::newRow("channel without a file") << QStringList{"Local_20261207_060000.txt"} << QStringList{"Local", "Corp"}
                                            << QStringList{"Local_20261207_060000.txt"} << 1;
    QTest::newRow("empty folder") << QStringList{} << QStringList{"Local"} << QStringList() << 0;
}

void TestDiscovery::choice()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, channels);
    QFETCH(QStringList, chosen);
    QFETCH(int, streams);
    QTemporaryDir logs;
    for (const QString &entry : entries) {
        const QString name = entry.section('@', 0, 0);
        if (entry.endsWith('/')) {
            QDir(logs.path()).mkdir(entry);
            continue;
        }
        writeGameLog(logs.filePath(name), name.section('_', 0, 0));
        QFile file(logs.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const int hours = entry.section('@', 1).toInt();
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * hours), QFileDevice::FileModificationTime));
    }
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());

    FileLoader loader;
    loader.start_monitoring();

    QVERIFY(loader.isListening());
    QStringList followed;
    for (const QString &path : loader.logFiles())
        followed << QFileInfo(path).fileName();
    QCOMPARE(followed, chosen);
    QCOMPARE(loader.followedCount(), streams);
}

void TestDiscovery::folderFound_data()
{
    // Each present folder holds a Local log, modified that many
    // minutes ago.
    QTest::addColumn<Ages>("present");
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("used");
    const Ages all{{"docs", 50}, {"proton", 40}, {"flatpak", 30}, {"library", 20}, {"wine", 10}};
    QTest::newRow("none exists: today's folder") << Ages() << QString() << "docs";
    QTest::newRow("Documents only") << Ages{{"docs", 5}} << QString() << "docs";
    QTest::newRow("empty string configured") << Ages{{"docs", 5}} << QString("") << "docs";
    QTest::newRow("Proton newer than Documents") << Ages{{"docs", 60}, {"proton", 5}} << QString() << "proton";
    QTest::newRow("Flatpak Steam, the most recent of three")
        << Ages{{"docs", 60}, {"proton", 30}, {"flatpak", 1}} << QString() << "flatpak";
    QTest::newRow("library from libraryfolders.vdf")
        << Ages{{"proton", 30}, {"library", 2}, {"wine", 10}} << QString() << "library";
    QTest::newRow("Wine prefix, the most recent of all") << all << QString() << "wine";
    QTest::newRow("Wine prefix older than Documents") << Ages{{"docs", 1}, {"wine", 10}} << QString() << "docs";
    QTest::newRow("Bottles bottle, the most recent") << Ages{{"docs", 30}, {"bottles", 2}} << QString() << "bottles";
    QTest::newRow("saved folder wins over all") << Ages{{"docs", 1}, {"proton", 1}, {"elsewhere", 600}}
                                                << QString("elsewhere") << "elsewhere";
}

void TestDiscovery::folderFound()
{
    QFETCH(Ages, present);
    QFETCH(QString, configured);
    QFETCH(QString, used);
    WorkingFolder work;
    QTemporaryDir home;
    const QString steamPrefix = "/steamapps/compatdata/8500/pfx/drive_c/users/steamuser/Documents/EVE/logs/Chatlogs";
    const QMap<QString, QString> folders{
        {"docs", "Documents/EVE/logs/Chatlogs"},
        {"proton", ".local/share/Steam" + steamPrefix},
        {"flatpak", ".var/app/com.valvesoftware.Steam/.local/share/Steam" + steamPrefix},
        {"library", "mnt/SteamLibrary" + steamPrefix},
        {"wine", ".wine/drive_c/users/pilot/My Documents/EVE/logs/Chatlogs"},
        {"bottles", ".local/share/bottles/bottles/EVE/drive_c/users/pilot/Documents/EVE/logs/Chatlogs"},
        {"elsewhere", "elsewhere"},
    };
    // ~/.steam/steam links to the native root, whose file lists both libraries.
    QVERIFY(QDir(home.path()).mkpath(".local/share/Steam/steamapps"));
    QVERIFY(QDir(home.path()).mkpath(".steam"));
    QVERIFY(QFile::link(home.filePath(".local/share/Steam"), home.filePath(".steam/steam")));
    writeBytes(home.filePath(".local/share/Steam/steamapps/libraryfolders.vdf"),
               QString("\"libraryfolders\"\n{\n"
                       "\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%1/.local/share/Steam\"\n"
                       "\t\t\"apps\"\t\t{ \"8500\"\t\t\"1234567\" }\n\t}\n"
                       "\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%1/mnt/SteamLibrary\"\n\t}\n}\n")
                   .arg(home.path())
                   .toUtf8());
    for (auto it = present.cbegin(); it != present.cend(); ++it) {
        const QString log = home.filePath(folders[it.key()] + "/Local_20261207_060000.txt");
        QVERIFY(QDir(home.path()).mkpath(folders[it.key()]));
        writeGameLog(log, "Local");
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime modified = QDateTime::currentDateTime().addSecs(-60 * it.value());
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        // Older logs beside it: a folder's age is that of its newest file,
        // wherever the listing puts it.
        for (const char *old : {"Corp_20261101_060000.txt", "Alpha_20261101_060000.txt", "Zeta_20261101_060000.txt"}) {
            QFile f(home.filePath(folders[it.key()] + '/' + old));
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-30), QFileDevice::FileModificationTime));
        }
    }
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    SharedConfig::chatlogDir = configured.isEmpty() ? configured : home.filePath(folders[configured]);
    SharedConfig::channels = {"Local"};

    FileLoader loader;
    loader.start_monitoring();
    const QString folder = effectiveChatlogDir();
    qputenv("HOME", oldHome);

    QCOMPARE(folder, home.filePath(folders[used]));
    QCOMPARE(loader.channelFiles().value("Local"),
             present.isEmpty() ? QString() : home.filePath(folders[used] + "/Local_20261207_060000.txt"));
    // Found, not chosen: nothing is saved.
    QVERIFY(!QFile::exists(SharedConfig::chatlogFile));
}

// Windows passes its Documents and OneDrive's, searched first and by the
// same newest-file rule as every candidate.
void TestDiscovery::documentsFolders()
{
    const QStringList docs{"/u/Documents", "/u/OneDrive/Documents"};
    QCOMPARE(chatlogFolderCandidates("/home/p", docs).mid(0, 3),
             (QStringList{"/u/Documents/EVE/logs/Chatlogs", "/u/OneDrive/Documents/EVE/logs/Chatlogs",
                          "/home/p/.steam/steam/steamapps/compatdata/8500/pfx/drive_c/users/steamuser/Documents"
                          "/EVE/logs/Chatlogs"}));
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
    writeGameLog(logs.filePath("Local_20261207_060000.txt"), "Local");
    SharedConfig::chatlogDir = logs.path();
    if (haveChannels)
        SharedConfig::channels = {"Local"};
    if (!haveRules)
        SharedConfig::setLocations({});

    FileLoader loader;
    loader.start_monitoring();
    QCOMPARE(loader.isListening(), haveChannels && haveRules);
    QCOMPARE(loader.followedCount(), haveChannels && haveRules ? 1 : 0);
    QCOMPARE(loader.findChild<QTimer *>() != nullptr, haveChannels && haveRules);
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
