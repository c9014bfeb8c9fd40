// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

using Rules = QMap<QString, QString>;
Q_DECLARE_METATYPE(Rules)

class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init() { resetSharedConfig(); }

    void load_data();
    void load();
    void reload_data();
    void reload();
    void writeReadRoundTrip_data();
    void writeReadRoundTrip();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
};

static const QByteArray Absent("<absent>");

void TestConfig::load_data()
{
    QTest::addColumn<QByteArray>("chatlog");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QByteArray>("channel");
    QTest::addColumn<QString>("chatlogDir");
    QTest::addColumn<Rules>("locations");
    QTest::addColumn<QStringList>("channels");

    const Rules one{{"0-G8NO", "5跳位|0-G8NO|预警"}};
    QTest::newRow("CR LF, empty line before the folder, third line ignored")
        << QByteArray("\r\n/logs/a\r\n/logs/b\r\n") << QByteArray("5跳位|0-G8NO|预警\r\n")
        << QByteArray("Local\r\nCorp\r\n") << "/logs/a" << one << QStringList{"Corp", "Local"};
    QTest::newRow("LF reads like CR LF")
        << QByteArray("\n/logs/a\n/logs/b\n") << QByteArray("5跳位|0-G8NO|预警\n")
        << QByteArray("Local\nCorp\n") << "/logs/a" << one << QStringList{"Corp", "Local"};
    QTest::newRow("no line end after the last line")
        << QByteArray("/logs/a") << QByteArray("5跳位|0-G8NO|预警") << QByteArray("Local")
        << "/logs/a" << one << QStringList{"Local"};
    QTest::newRow("location file missing: no rules, no channels")
        << QByteArray("/logs/a\n") << Absent << QByteArray("Local\nCorp\n") << "/logs/a" << Rules()
        << QStringList();
    QTest::newRow("every file missing") << Absent << Absent << Absent << "" << Rules() << QStringList();
    QTest::newRow("chat-log file without a non-empty line")
        << QByteArray("\n\n") << QByteArray("5跳位|0-G8NO|预警\n") << Absent << "" << one << QStringList();
    QTest::newRow("last rule for a system wins")
        << Absent << QByteArray("5跳位|0-G8NO|预警\n5跳位|0-G8NO|出现敌对\n") << QByteArray("Local\n") << ""
        << Rules{{"0-G8NO", "5跳位|0-G8NO|出现敌对"}} << QStringList{"Local"};
    QTest::newRow("two or four fields skipped, || is the empty key")
        << Absent << QByteArray("a|b\na|b|c|d\n||\n") << QByteArray("Local\n") << "" << Rules{{"", "||"}}
        << QStringList{"Local"};
    QTest::newRow("blanks around the system are kept")
        << Absent << QByteArray("x| 0-G8NO |y\n\ta|B-CDEF|c \n") << QByteArray("Local\n") << ""
        << Rules{{" 0-G8NO ", "x| 0-G8NO |y"}, {"B-CDEF", "\ta|B-CDEF|c "}} << QStringList{"Local"};
    QTest::newRow("wildcard rule stored under its key")
        << Absent << QByteArray("5跳位|*-****|预警\n") << QByteArray("Local\n") << ""
        << Rules{{"*-****", "5跳位|*-****|预警"}} << QStringList{"Local"};
    QTest::newRow("location file without a rule still reads channels")
        << Absent << QByteArray("\nnot a rule\n") << QByteArray("Local\n") << "" << Rules()
        << QStringList{"Local"};
    QTest::newRow("channel lines: empty string kept, repeats once")
        << Absent << QByteArray("a|0-G8NO|b\n") << QByteArray("Local\n\nLocal\nCorp\n") << ""
        << Rules{{"0-G8NO", "a|0-G8NO|b"}} << QStringList{"", "Corp", "Local"};
    QTest::newRow("a stray CR ends no value")
        << QByteArray("/logs/a\r\r\n") << QByteArray("a|0-G8NO|b\r\r\n") << QByteArray("Local\r\r\nCorp\r")
        << "/logs/a" << Rules{{"0-G8NO", "a|0-G8NO|b"}} << QStringList{"Corp", "Local"};
    QTest::newRow("blanks in a channel or folder line are kept")
        << QByteArray(" /logs/a \n") << QByteArray("a|0-G8NO|b\n") << QByteArray(" Local\n") << " /logs/a "
        << Rules{{"0-G8NO", "a|0-G8NO|b"}} << QStringList{" Local"};
}

void TestConfig::load()
{
    QFETCH(QByteArray, chatlog);
    QFETCH(QByteArray, location);
    QFETCH(QByteArray, channel);
    WorkingFolder folder;
    if (chatlog != Absent)
        writeBytes(SharedConfig::chatlogFile, chatlog);
    if (location != Absent)
        writeBytes(SharedConfig::locationFile, location);
    if (channel != Absent)
        writeBytes(SharedConfig::channelFile, channel);

    SharedConfig::load();

    QTEST(SharedConfig::chatlogDir, "chatlogDir");
    QTEST(SharedConfig::locations, "locations");
    QStringList channels = SharedConfig::channels.values();
    channels.sort();
    QTEST(channels, "channels");
}

void TestConfig::reload_data()
{
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<Rules>("locations");
    const Rules before{{"OLD-01", "a|OLD-01|b"}};
    QTest::newRow("file missing keeps the rules in memory") << Absent << before;
    QTest::newRow("file without a rule empties them") << QByteArray("\n\n") << Rules();
    QTest::newRow("file replaces them") << QByteArray("x|*-****|y\n") << Rules{{"*-****", "x|*-****|y"}};
}

void TestConfig::reload()
{
    QFETCH(QByteArray, location);
    WorkingFolder folder;
    SharedConfig::channels = {"Local"};
    SharedConfig::chatlogDir = "/logs";
    SharedConfig::setLocations(Rules{{"OLD-01", "a|OLD-01|b"}});
    if (location != Absent)
        writeBytes(SharedConfig::locationFile, location);

    SharedConfig::reloadLocations();

    QTEST(SharedConfig::locations, "locations");
    QCOMPARE(SharedConfig::channels, QSet<QString>{"Local"});
    QCOMPARE(SharedConfig::chatlogDir, QString("/logs"));
}

void TestConfig::writeReadRoundTrip_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Chinese rules") << QStringList{"5跳位|0-G8NO|预警", "5跳位|*-****|出现敌对"}
                                   << QByteArray("5跳位|0-G8NO|预警\n5跳位|*-****|出现敌对\n");
    QTest::newRow("empty and blank lines") << QStringList{"", " a ", "\t"} << QByteArray("\n a \n\t\n");
    QTest::newRow("negative numbers") << QStringList{"70", "-10", "0"} << QByteArray("70\n-10\n0\n");
    QTest::newRow("nothing") << QStringList{} << QByteArray();
}

void TestConfig::writeReadRoundTrip()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    WorkingFolder folder;
    writeBytes(SharedConfig::channelFile, "old content that is longer\n");
    QString error;
    QVERIFY(writeConfigFile(SharedConfig::channelFile, joinConfigLines(lines), &error));
    QVERIFY(error.isEmpty());
    // UTF-8 without a byte-order mark, one line end per line.
    QCOMPARE(readBytes(SharedConfig::channelFile), bytes);
    QStringList read;
    QVERIFY(readConfigLines(SharedConfig::channelFile, &read));
    QCOMPARE(read, lines);
    QCOMPARE(QDir(SharedConfig::configDir).entryList(QDir::Files), QStringList{"channel.ini"});
}

void TestConfig::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << true << false << QString::fromLocal8Bit(strerror(EACCES));
    QTest::newRow("read-only file") << false << true << "the file is read-only";
    QTest::newRow("both") << true << true << "the file is read-only";
    // As a full disk does, part way through the text.
    QTest::newRow("no room left") << false << false << QString::fromLocal8Bit(strerror(EFBIG));
}

void TestConfig::failedWriteKeepsOldFile()
{
    QFETCH(bool, readOnlyFolder);
    QFETCH(bool, readOnlyFile);
    WorkingFolder folder;
    openUpForUnprivileged(folder.path());
    const QByteArray old("5跳位|0-G8NO|预警\r\nkeep me\n");
    const QString path = folder.file(SharedConfig::locationFile);
    writeBytes(path, old);
    QFile::setPermissions(path, readOnlyFile ? QFileDevice::ReadOwner | QFileDevice::ReadOther
                                             : QFileDevice::Permissions(0x6666));
    QFile::setPermissions(folder.file("config"),
                          readOnlyFolder ? QFileDevice::Permissions(0x5555) : QFileDevice::Permissions(0x7777));

    QFETCH(QString, reason);
    const bool full = !readOnlyFolder && !readOnlyFile;
    const bool reported = runUnprivileged([&] {
        rlimit before {};
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 1000;
        signal(SIGXFSZ, SIG_IGN);
        if (full)
            setrlimit(RLIMIT_FSIZE, &small);
        // Through the store: the rules in memory stay too, and nothing is said to change.
        SharedConfig::setLocations({{"K", "v"}});
        int said = 0;
        QObject listener;
        QObject::connect(SharedConfig::instance(), &SharedConfig::changed, &listener, [&said] { ++said; });
        QString error;
        const bool written = SharedConfig::saveLocations(QString(50000, QLatin1Char('x')), &error);
        setrlimit(RLIMIT_FSIZE, &before);
        if (error != reason)
            qWarning("reported: %s", qPrintable(error));
        return !written && error == reason && said == 0 && SharedConfig::locations == Rules{{"K", "v"}};
    });

    QVERIFY2(reported, "the failed write was not reported with its reason, or the rules in memory changed");
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(folder.file("config")).entryList(QDir::Files | QDir::Hidden), QStringList{"location.ini"});
    QFile::setPermissions(folder.file("config"), QFileDevice::Permissions(0x7777));
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
