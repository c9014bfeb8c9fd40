// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/chatlogstream.h"
#include "monitor/fileloader.h"
#include "monitor/listening.h"
#include "testsupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// One followed folder with game logs, and a loader to drive tick by tick.
class Listening
{
public:
    explicit Listening(const QStringList &channels = {"Local"})
    {
        resetSharedConfig();
        SharedConfig::chatlogDir = logs.path();
        SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
        SharedConfig::locations = {{"0-G8NO", "5跳位|0-G8NO|预警"}};
        for (const QString &channel : channels)
            writeGameLog(path(channel), channel, {"hello 0-G8NO before the start"});
    }
    QString path(const QString &channel) const { return logs.filePath(channel + "_20261207_060000.txt"); }
    void start() { loader.start_monitoring(); }
    void append(const QString &channel, const QByteArray &bytes) { appendBytes(path(channel), bytes); }
    void say(const QString &channel, const QString &message) { append(channel, gameLine(message, channel)); }
    QStringList tick(int times = 1)
    {
        QStringList before = finds();
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(&loader, "chat_update");
        return finds().mid(before.size());
    }
    QStringList finds() const
    {
        QStringList all;
        for (const QList<QVariant> &args : spy)
            all.append(args.at(0).toString());
        return all;
    }

    QTemporaryDir logs;
    FileLoader loader;
    QSignalSpy spy{&loader, &FileLoader::detectedLocation};
};

class TestChatlogReading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void backlogNeverExamined();
    void filesReadInChannelOrder();
    void emptyLinesAndIdleTicks();
    void restartSkipsBacklog_data();
    void restartSkipsBacklog();
    void unopenableFileDoesNotStopOthers();
    void partialLineHeldBack();
    void encodings_data();
    void encodings();
    void oddSizeAtStart();
    void damagedInput_data();
    void damagedInput();
    void overlongLineBounded();
    void notices_data();
    void notices();
    void startsWhereThePlayerIs_data();
    void startsWhereThePlayerIs();
    void jumpsInOrderAcrossRetarget();
    void session_data();
    void session();
};

void TestChatlogReading::backlogNeverExamined()
{
    Listening l;
    QByteArray backlog;
    for (int i = 0; i < 2000; ++i)
        backlog += gameLine(QStringLiteral("old %1 A-BCDE").arg(i));
    l.append("Local", backlog);
    l.start();
    QCOMPARE(l.tick(50), QStringList());
}

void TestChatlogReading::filesReadInChannelOrder()
{
    Listening l({"Corp", "Alliance", "Local"});
    l.start();
    for (const char *logged : {"\"A-AAAA\"", "\"A-BBBB\"", "\"A-CCCC\"", "\"B-BBBB\"", "\"C-CCCC\""})
        QTest::ignoreMessage(QtDebugMsg, logged);
    l.say("Local", "C-CCCC");
    // A burst in one write is read in one wake.
    l.append("Alliance", gameLine("A-AAAA", "Alliance") + gameLine("A-BBBB", "Alliance") + gameLine("A-CCCC", "Alliance"));
    l.say("Corp", "B-BBBB");
    QCOMPARE(l.tick(), (QStringList{"A-AAAA", "A-BBBB", "A-CCCC", "B-BBBB", "C-CCCC"}));
}

void TestChatlogReading::emptyLinesAndIdleTicks()
{
    Listening l;
    l.start();
    QCOMPARE(l.tick(3), QStringList());
    // Lines without a message take no tick of their own.
    l.append("Local", utf16("\r\n") + utf16(QString(QChar(0xFEFF)) + "\r\n") + gameLine("0-G8NO"));
    QCOMPARE(l.tick(), QStringList{"0-G8NO"});
    QCOMPARE(l.tick(), QStringList());
}

void TestChatlogReading::restartSkipsBacklog_data()
{
    QTest::addColumn<bool>("stopFirst");
    QTest::newRow("start while listening") << false;
    QTest::newRow("stop, then start") << true;
}

void TestChatlogReading::restartSkipsBacklog()
{
    QFETCH(bool, stopFirst);
    Listening l;
    l.start();
    l.say("Local", "A-1111");
    QCOMPARE(l.tick(), QStringList{"A-1111"});
    l.say("Local", "A-2222");
    if (stopFirst) {
        l.loader.stop_monitoring();
        QVERIFY(!l.loader.isListening());
        l.say("Local", "A-3333");
    }
    l.start();
    QCOMPARE(l.tick(3), QStringList());
    l.say("Local", "A-4444");
    QCOMPARE(l.tick(), QStringList{"A-4444"});
}

void TestChatlogReading::unopenableFileDoesNotStopOthers()
{
    Listening l({"Alliance", "Corp", "Local"});
    QFile::setPermissions(l.path("Corp"), QFileDevice::Permissions());
    openUpForUnprivileged(l.logs.path());
    for (const QString c : {"Alliance", "Corp", "Local"})
        QFile::setPermissions(l.path(c), QFileDevice::Permissions(c == QLatin1String("Corp") ? 0 : 0x6666));
    const bool ok = runUnprivileged([&l] {
        l.start();
        l.say("Alliance", "A-AAAA");
        l.say("Local", "L-LLLL");
        return l.loader.followedCount() == 2 && l.loader.unopenedFiles() == QStringList{l.path("Corp")}
            && l.tick() == QStringList{"A-AAAA", "L-LLLL"};
    });
    QVERIFY2(ok, "an unreadable log stopped the others or was not reported");
}

void TestChatlogReading::partialLineHeldBack()
{
    Listening l;
    l.start();
    l.append("Local", utf16(QString(QChar(0xFEFF)) + "[ 2026.12.07 06:00:01 ] Pilot > 0-G8"));
    QCOMPARE(l.tick(2), QStringList());
    l.append("Local", utf16("NO red"));
    QCOMPARE(l.tick(), QStringList());
    l.append("Local", utf16("\r\n"));
    QCOMPARE(l.tick(), QStringList{"0-G8NO"});
    QCOMPARE(l.tick(2), QStringList());
}

void TestChatlogReading::encodings_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("line");
    const QString text = QString::fromUtf8("[ 2026.12.07 06:00:01 ] 不明 > 不要去0-G8NO，不\r\n");
    QByteArray be;
    for (QChar c : QString(QChar(0xFEFF)) + text)
        be += char(c.unicode() >> 8), be += char(c.unicode() & 0xFF);
    QTest::newRow("UTF-16LE, mark on every line") << QByteArray("\xFF\xFE", 2) + utf16("Channel ID: local\r\n")
                                                  << utf16(QString(QChar(0xFEFF)) + text);
    QTest::newRow("UTF-16LE, LF only") << QByteArray("\xFF\xFE", 2) + utf16("header\n")
                                       << utf16(QString(text).remove('\r'));
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF\x00h\x00\n", 6) << be;
    QTest::newRow("UTF-8 without a mark") << QByteArray("header\r\n") << text.toUtf8();
    QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBFheader\n") << text.toUtf8();
    QTest::newRow("file empty at the start") << QByteArray() << QByteArray("\xFF\xFE", 2) + utf16(text);
    const auto utf32 = [](const QString &t) {
        const QVector<uint> units = t.toUcs4();
        return QByteArray(reinterpret_cast<const char *>(units.constData()), units.size() * 4);
    };
    QTest::newRow("UTF-32LE, mark begins like UTF-16LE's") << QByteArray("\xFF\xFE\0\0", 4) + utf32("header\r\n")
                                                           << utf32(text);
    QTest::newRow("UTF-8, 40,000 Chinese characters within the cap")
        << QByteArray("header\n") << QString(text).replace("不要去", QString(40000, QChar(0x4E0D)) + ' ').toUtf8();
}

void TestChatlogReading::encodings()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, line);
    Listening l;
    writeBytes(l.path("Local"), header);
    l.start();
    QCOMPARE(l.tick(2), QStringList());
    // The first line comes in two writes, the second whole.
    l.append("Local", line.chopped(16));
    QCOMPARE(l.tick(), QStringList());
    l.append("Local", line.right(16));
    QCOMPARE(l.tick(), QStringList{"0-G8NO"});
    l.append("Local", line);
    QCOMPARE(l.tick(), QStringList{"0-G8NO"});
}

void TestChatlogReading::startsWhereThePlayerIs_data()
{
    // Lines before and after `megabytes` of chat; "J:X" is the game's jump
    // line, "!" one stray byte.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("megabytes");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("system");
    QTest::newRow("50 MB, the jump near the end") << QStringList() << 50 << QStringList{"J:N-8YET", "o7"} << "N-8YET";
    QTest::newRow("50 MB, no jump") << QStringList() << 50 << QStringList{"o7"} << "";
    QTest::newRow("the jump 50 MB back: past the bound") << QStringList{"J:N-8YET"} << 50 << QStringList() << "";
    QTest::newRow("the last of two") << QStringList{"J:A-1111"} << 0 << QStringList{"J:N-8YET", "o7"} << "N-8YET";
    QTest::newRow("a stray byte before the last jump") << QStringList{"J:A-1111", "!", "o7"} << 0
                                                       << QStringList{"J:N-8YET", "o7"} << "N-8YET";
    QTest::newRow("a jump line still being written") << QStringList{"J:A-1111"} << 0 << QStringList{"J:N-8YET", "~"}
                                                     << "A-1111";
}

// Where the player is comes from the end of the Local log, without reading
// all of it, and listening still starts at the end.
void TestChatlogReading::startsWhereThePlayerIs()
{
    QFETCH(QStringList, before);
    QFETCH(int, megabytes);
    QFETCH(QStringList, after);
    const auto lines = [](QByteArray bytes, const QStringList &texts) {
        for (const QString &text : texts) {
            if (text == "~")
                bytes.chop(4); // no CR LF yet
            else if (text == "!")
                bytes += 'x'; // a stray byte: later lines are out of step with the file's start
            else
                bytes += text.startsWith("J:") ? gameLine("Channel changed to Local : " + text.mid(2) + "*", "EVE System")
                                               : gameLine(text);
        }
        return bytes;
    };
    Listening l;
    const QByteArray chat = gameLine("o7 fly safe, nothing in 0-G8NO for now");
    l.append("Local", lines(lines({}, before) + chat.repeated(megabytes * 1024 * 1024 / chat.size()), after));
    // Not listening yet: what the map dialog's "where I am" is given.
    QTEST(FileLoader::lastEnteredSystem(l.logs.path()), "system");
    l.start();
    QTEST(l.loader.playerSystem(), "system");
    QCOMPARE(l.tick(3), QStringList());
    l.say("Local", "A-BCDE");
    QCOMPARE(l.tick(), QStringList{"A-BCDE"});
}

// Jumps not yet read when the settings change are taken once each, in order.
void TestChatlogReading::jumpsInOrderAcrossRetarget()
{
    Listening l;
    QStringList moved;
    QObject::connect(&l.loader, &FileLoader::playerMoved, [&moved](const QString &system) { moved << system; });
    l.start();
    for (const QString system : {"A-1111", "B-2222"})
        l.append("Local", gameLine("Channel changed to Local : " + system + "*", "EVE System") + gameLine("o7"));
    l.loader.retarget();
    l.tick(4);
    QCOMPARE(moved, (QStringList{"A-1111", "B-2222"}));
}

void TestChatlogReading::oddSizeAtStart()
{
    Listening l;
    // The game is caught half-way through a character when listening starts.
    // LF only: no CR LF to fall back into step at, so the start must be.
    const QByteArray x = utf16("x");
    l.append("Local", utf16(QString(QChar(0xFEFF)) + "[ 2026.12.07 06:00:01 ] Pilot > hello ") + x.left(1));
    QVERIFY(QFileInfo(l.path("Local")).size() % 2 == 1);
    l.start();
    l.append("Local", x.mid(1) + utf16(" there\n[ 2026.12.07 06:00:02 ] Pilot > 0-G8NO\n"));
    QCOMPARE(l.tick(2), QStringList{"0-G8NO"});
    l.append("Local", utf16("[ 2026.12.07 06:00:03 ] Pilot > A-BCDE\n"));
    QCOMPARE(l.tick(), QStringList{"A-BCDE"});
}

void TestChatlogReading::damagedInput_data()
{
    QTest::addColumn<QByteArray>("damage");
    QRandomGenerator random(7);
    QByteArray noise;
    while (noise.size() < 20001) {
        const char c = char(random.bounded(256));
        if (c != '-')
            noise += c;
    }
    QTest::newRow("binary noise") << noise;
    QTest::newRow("odd byte count") << QByteArray("\x41");
    QTest::newRow("NUL bytes") << QByteArray(1001, '\0');
    QTest::newRow("lone surrogates") << QByteArray("\x00\xD8\x00\xDC\x00\xDC\x00\xD8", 8);
}

void TestChatlogReading::damagedInput()
{
    QFETCH(QByteArray, damage);
    Listening l;
    l.start();
    l.append("Local", damage);
    // The game's CR LF ends the damaged line, whichever byte alignment the
    // damage left behind.
    l.append("Local", QByteArray("\r\0\n\0", 4) + gameLine("0-G8NO"));
    QStringList finds = l.tick(400);
    QCOMPARE(finds, QStringList{"0-G8NO"});
    l.say("Local", "A-BCDE");
    QCOMPARE(l.tick(5), QStringList{"A-BCDE"});
}

void TestChatlogReading::overlongLineBounded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Local_1.txt");
    writeGameLog(path, "Local");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ChatLogStream stream(&file);
    const QByteArray block = utf16(QString(64 * 1024, QLatin1Char('A')));
    for (int i = 0; i < 64; ++i) { // 8 MiB, no line end
        appendBytes(path, block);
        QCOMPARE(stream.readLine(), QString());
        QVERIFY2(stream.heldBytes() <= 2 * (ChatLogStream::MaxLineBytes + 2 * ChatLogStream::ChunkSize),
                 qPrintable(QString::number(stream.heldBytes())));
    }
    // The overlong line's end comes in two writes, split inside the LF.
    const QByteArray end = utf16(" > 0-G8NO\r\n");
    appendBytes(path, end.chopped(1));
    QCOMPARE(stream.readLine(), QString());
    appendBytes(path, end.right(1) + gameLine("A-BCDE"));
    QString line;
    for (int i = 0; i < 200 && line.isEmpty(); ++i)
        line = stream.readLine();
    QCOMPARE(line, QString("[ 2026.12.07 06:00:01 ] Pilot > A-BCDE"));
}

void TestChatlogReading::notices_data()
{
    QTest::addColumn<bool>("notices");
    QTest::newRow("the change notice alone, the poll stopped") << true;
    QTest::newRow("the poll alone, as where no notice comes") << false;
}

void TestChatlogReading::notices()
{
    QFETCH(bool, notices);
    Listening l;
    FileLoader::setChangeNotices(notices);
    l.start();
    FileLoader::setChangeNotices(true);
    QTimer *poll = nullptr;
    for (QTimer *timer : l.loader.findChildren<QTimer *>())
        poll = timer->isActive() && timer->interval() == 100 ? timer : poll;
    QVERIFY(poll);
    if (notices)
        poll->stop();
    l.say("Local", "0-G8NO");
    QTRY_COMPARE_WITH_TIMEOUT(l.finds(), QStringList{"0-G8NO"}, 2000);
    l.loader.stop_monitoring();
    QVERIFY(!l.loader.findChild<QTimer *>());
}

void TestChatlogReading::session_data()
{
    // Steps: start, stop, settings (changed), "channels" none or one, "say S" in Local, "newer S" a newer Local log
    // (changes left to the player), "follow 0|1", "read" (found so far), "logs", "state" (armed, listening, kept).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("seen");
    QTest::newRow("start, stop: kept for the next start") << "state;start;state;stop;state" << "idle - -;armed listening kept;idle - -";
    QTest::newRow("settings while listening: unread lines still read") << "start;say A-1111;settings;read" << "A-1111";
    QTest::newRow("settings before a start start nothing") << "settings;state" << "idle - -";
    QTest::newRow("waiting for a channel, then one chosen") << "channels none;start;state;channels Local;settings;say A-1111;read;state"
                                                            << "armed - kept;A-1111;armed listening kept";
    QTest::newRow("newer log followed by itself") << "start;newer A-2222;read" << "0 left;A-2222";
    QTest::newRow("newer log left to the player") << "follow 0;start;newer A-2222;read" << "1 left;";
    QTest::newRow("newer Local log read only for where the player is: followed all the same")
        << "follow 0;channels Corp;start;newer A-2222;read;logs" << "0 left;;Local_20261207_070000.txt";
}

void TestChatlogReading::session()
{
    QFETCH(QString, steps);
    WorkingFolder folder;
    Listening l;
    ListeningSession session;
    QStringList seen, found;
    connect(session.loader(), &FileLoader::detectedLocation, this, [&found](const QString &name) { found << name; });
    QSignalSpy changed(&session, &ListeningSession::changesChanged);
    for (const QString &step : steps.split(';')) {
        const QString word = step.section(' ', 0, 0), arg = step.section(' ', 1);
        if (word == "start" || word == "stop")
            word == "start" ? session.start() : session.stop();
        else if (word == "settings")
            session.settingsChanged();
        else if (word == "channels")
            SharedConfig::channels = arg == "none" ? QSet<QString>() : QSet<QString>{arg};
        else if (word == "say")
            l.say("Local", arg);
        else if (word == "follow")
            writeBytes(SharedConfig::optionsFile, "follow=" + arg.toUtf8() + "\n");
        else if (word == "logs")
            seen << session.loader()->logFiles().values().join(',').remove(l.logs.path() + '/');
        else if (word == "state")
            seen << QStringList{session.isArmed() ? "armed" : "idle", session.isListening() ? "listening" : "-",
                                loadOptions().listening ? "kept" : "-"}.join(' ');
        else if (word == "newer")
            writeGameLog(l.logs.filePath("Local_20261207_070000.txt"), "Local", {arg});
        for (int i = 0; word == "read" && i < 3; ++i, QTest::qWait(50))
            QMetaObject::invokeMethod(session.loader(), "chat_update");
        if (word == "read")
            seen << found.join(',');
        if (word == "newer")
            seen << QString("%1 left").arg(changed.wait(3000) ? session.changes().size() : -1);
    }
    QTEST(seen.join(';'), "seen");
}

QTEST_GUILESS_MAIN(TestChatlogReading)
#include "tst_chatlogreading.moc"
