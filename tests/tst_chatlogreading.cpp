// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/chatlogstream.h"
#include "monitor/discovery.h"
#include "monitor/fileloader.h"
#include "monitor/listening.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
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
        SharedConfig::setLocations({{"0-G8NO", "5跳位|0-G8NO|预警"}});
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
    void unopenableFileDoesNotStopOthers();
    void encodings_data();
    void encodings();
    void damagedInput_data();
    void damagedInput();
    void overlongLineBounded();
    void notices_data();
    void notices();
    void startsWhereThePlayerIs_data();
    void startsWhereThePlayerIs();
    void session_data();
    void session();
};

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
    // Steps; FILE as "Corp_07_2", Corp's log begun at 07:00 by character 2 (Local_06 has a line before the start):
    // start, stop, restart, settings (changed), "channels A B" or none, "follow 0|1" newer logs, "new FILE [TEXT]",
    // "say FILE TEXT", "chat FILE N TEXT" N lines in one write, "jump FILE SYSTEM", "raw FILE TEXT" as UTF-16LE
    // (\r, \n, ^ the mark U+FEFF), "hex FILE BYTES", empty, rm, "mv FILE" renamed away, "age FILE H" hours,
    // renew (the folder made again), "wait MS", newest (once the newest logs are followed), "debug A,B" logged.
    // Seen: "tick N" and "read" (3 ticks) what was found since, "hear N" once N more are found as the game is
    // followed, logs (each character's), files (each channel's newest), count (followed, as the session last
    // said), moved (where the player went), left (changes left to the player),
    // state (armed, listening, kept).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("seen");
    QTest::newRow("backlog never examined") << "chat Local_06 2000 old A-BCDE;start;tick 50" << "";
    QTest::newRow("files read in channel order, each to its end in one tick")
        << "new Corp_06;new Alliance_06;channels Corp Alliance Local;start;debug A-AAAA,A-BBBB,A-CCCC,B-BBBB,C-CCCC;"
           "say Local_06 C-CCCC;say Alliance_06 A-AAAA;say Alliance_06 A-BBBB;say Alliance_06 A-CCCC;"
           "say Corp_06 B-BBBB;tick 1" << "A-AAAA,A-BBBB,A-CCCC,B-BBBB,C-CCCC";
    QTest::newRow("lines without a message take no tick")
        << "start;tick 3;raw Local_06 \\r\\n^\\r\\n;say Local_06 0-G8NO;tick 1;tick 1" << ";0-G8NO;";
    QTest::newRow("start while listening skips the backlog")
        << "start;say Local_06 A-1111;tick 1;say Local_06 A-2222;start;tick 3;say Local_06 A-4444;tick 1"
        << "A-1111;;A-4444";
    QTest::newRow("stop, then start skips the backlog")
        << "start;say Local_06 A-1111;tick 1;say Local_06 A-2222;stop;state;say Local_06 A-3333;start;tick 3;"
           "say Local_06 A-4444;tick 1" << "A-1111;idle - -;;A-4444";
    QTest::newRow("a partial line held back")
        << "start;raw Local_06 ^[ 2026.12.07 06:00:01 ] Pilot > 0-G8;tick 2;raw Local_06 NO red;tick 1;"
           "raw Local_06 \\r\\n;tick 1;tick 2" << ";;0-G8NO;";
    // Caught half-way through a character; LF only, so no CR LF to fall back into step at.
    QTest::newRow("odd size at the start")
        << "raw Local_06 ^[ 2026.12.07 06:00:01 ] Pilot > hello ;hex Local_06 78;start;hex Local_06 00;"
           "raw Local_06  there\\n[ 2026.12.07 06:00:02 ] Pilot > 0-G8NO\\n;tick 2;"
           "raw Local_06 [ 2026.12.07 06:00:03 ] Pilot > A-BCDE\\n;tick 1" << "0-G8NO;A-BCDE";
    QTest::newRow("jumps not read when the settings change taken once each, in order")
        << "start;jump Local_06 A-1111;say Local_06 o7;jump Local_06 B-2222;say Local_06 o7;settings;tick 4;moved"
        << ";A-1111,B-2222";
    QTest::newRow("start, stop: kept for the next start") << "state;start;state;stop;state"
                                                          << "idle - -;armed listening kept;idle - -";
    QTest::newRow("settings while listening: unread lines still read") << "start;say Local_06 A-1111;settings;read"
                                                                       << "A-1111";
    QTest::newRow("settings before a start start nothing") << "settings;state" << "idle - -";
    QTest::newRow("waiting for a channel, then one chosen")
        << "channels none;start;state;channels Local;settings;say Local_06 A-1111;read;state"
        << "armed - kept;A-1111;armed listening kept";
    QTest::newRow("channels chosen and dropped while listening apply at once")
        << "new Corp_06;start;say Local_06 A-1111;say Corp_06 B-1111;channels Local Corp;settings;say Corp_06 B-2222;"
           "read;count;channels Corp;settings;say Local_06 A-2222;say Corp_06 B-3333;read;count"
        << "B-2222,A-1111;2;B-3333;1";
    QTest::newRow("newer log followed by itself") << "start;new Local_07 A-2222;left;read" << "none;A-2222";
    QTest::newRow("newer log left to the player, then followed when the player turns that on")
        << "follow 0;start;new Local_07 A-2222;left;read;follow 1;left;read" << "Local_20261207_070000.txt;;none;A-2222";
    QTest::newRow("newer Local log read only for where the player is: followed all the same")
        << "follow 0;channels Corp;start;new Local_07 A-2222;left;read;logs" << "none;;Local_20261207_070000.txt";
    // Following newer logs is off; Local and Corp have a log, Alliance none.
    const QString off = "follow 0;new Corp_06;channels Local Corp Alliance;start;";
    QTest::newRow("left: a log of an unselected channel") << off + "new Fleet_07;left" << "none";
    QTest::newRow("left: the same channel in other letter case") << off + "new local_07;left" << "none";
    QTest::newRow("left: an older log of a followed channel") << off + "new Local_05;left" << "none";
    QTest::newRow("left: a followed log renamed away") << off + "mv Local_06;left" << "-Local_20261207_060000.txt";
    QTest::newRow("left: a second newer log of one channel") << off + "new Local_07;wait 700;new Local_08;left"
                                                             << "Local_20261207_080000.txt";
    QTest::newRow("left: two channels, a game restart")
        << off + "new Local_07;new Corp_07;left" << "Corp_20261207_070000.txt,Local_20261207_070000.txt";
    // Newer logs followed by themselves, whatever the folder does.
    const QString end = ";count;left";
    QTest::newRow("newer log, from its first line") << "start;new Local_07 A-1111;wait 1000;say Local_07 A-2222;hear 2" + end
                                                    << "A-1111,A-2222;1;none";
    QTest::newRow("first log of a channel") << "channels Local Corp;start;new Corp_07 A-1111;hear 1" + end
                                            << "A-1111;2;none";
    QTest::newRow("created empty, filled later") << "start;empty Local_07;wait 1200;new Local_07 A-1111;hear 1" + end
                                                 << "A-1111;1;none";
    QTest::newRow("old log's unread lines first")
        << "start;say Local_06 A-1111;say Local_06 A-2222;new Local_07 A-3333;hear 3" + end << "A-1111,A-2222,A-3333;1;none";
    QTest::newRow("removed before it is followed")
        << "start;new Local_07 A-1111;rm Local_07;wait 1000;say Local_06 A-2222;hear 1" + end << "A-2222;1;none";
    QTest::newRow("relog: the newest wins") << "start;new Local_07;wait 1000;say Local_06 A-1111;say Local_07 A-2222;hear 1" + end
                                            << "A-2222;1;none";
    QTest::newRow("settings changed after a newer log took over")
        << "start;say Local_06 A-1111;chat Local_06 15 o7;say Local_06 A-2222;new Local_07 A-3333;newest;settings;hear 3" + end
        << "A-1111,A-2222,A-3333;1;none";
    QTest::newRow("folder deleted and made again") << "start;renew;new Local_07 A-1111;hear 1" + end << "A-1111;1;none";
    // Two game clients log Corp, character 2's the newer.
    const QString corp = "channels Local Corp;new Corp_06;start;";
    QTest::newRow("two clients: a line both hold said once")
        << corp + "new Corp_07_2;wait 1000;say Corp_06 A-1111;say Corp_07_2 A-1111;say Corp_07_2 A-2222;hear 2;files" + end
        << "A-1111,A-2222;Corp_20261207_070000_2.txt,Local_20261207_060000.txt;3;none";
    QTest::newRow("two clients: a line one holds twice said twice")
        << corp + "new Corp_07_2;wait 1000;say Corp_06 A-1111;say Corp_06 A-1111;say Corp_07_2 A-1111;hear 2" + end
        << "A-1111,A-1111;3;none";
    QTest::newRow("two clients: the older heard after the newer stopped, and after a restart")
        << corp + "new Corp_07_2 A-1111;wait 1000;say Corp_06 A-2222;wait 500;restart;say Corp_06 A-3333;hear 3" + end
        << "A-1111,A-2222,A-3333;3;none";
    QTest::newRow("a quiet character's old log written again: from its end")
        << corp + "new Corp_05_3 A-9999;age Corp_05_3 30;restart;say Corp_05_3 A-8888;new Corp_07_4 A-1111;wait 1000;"
                  "say Corp_05_3 A-2222;hear 2" + end << "A-1111,A-2222;4;none";
    QTest::newRow("two clients: one relogs")
        << corp + "new Corp_06_2;wait 1000;new Corp_07_2 A-1111;wait 1000;say Corp_06_2 A-9999;say Corp_06 A-2222;"
                  "say Corp_07_2 A-3333;hear 3" + end << "A-1111,A-2222,A-3333;3;none";
    QStringList twenty, before, steps, said;
    for (int i = 10; i < 30; ++i) {
        twenty << QString("Chan%1").arg(i);
        before << QString("new Chan%1_06").arg(i);
        steps << (i % 2 ? QString("new Chan%1_07").arg(i) : QString("new Chan%1_07 X-%1AB").arg(i));
        if (i % 2 == 0)
            said << QString("X-%1AB").arg(i);
    }
    QTest::newRow("20 channels renewed at once")
        << "channels " + twenty.join(' ') + ';' + before.join(';') + ";start;" + steps.join(';') + ";hear 10" + end
        << said.join(',') + ";20;none";
}

void TestChatlogReading::session()
{
    QFETCH(QString, steps);
    WorkingFolder folder;
    Listening l;
    ListeningSession session;
    FileLoader *loader = session.loader();
    QStringList seen, found, moved;
    int told = 0;
    bool fresh = false;
    connect(loader, &FileLoader::detectedLocation, this, [&found](const QString &name) { found << name; });
    connect(loader, &FileLoader::playerMoved, this, [&moved](const QString &system) { moved << system; });
    QSignalSpy changed(&session, &ListeningSession::changesChanged);
    int shown = 0; // the count a window shows: taken when the session says what it follows
    const auto note = [&shown, loader] { shown = loader->followedFiles().size(); };
    connect(&session, &ListeningSession::followingChanged, this, note);
    connect(&session, &ListeningSession::followed, this, note);
    const auto names = [&l](QStringList paths) { return paths.replaceInStrings(l.logs.path() + '/', "").join(','); };
    for (const QString &step : steps.split(';')) {
        const QStringList w = step.split(' ');
        const QString &word = w[0], path = gameLogPath(l.logs.path(), w.value(1)), text = w.mid(2).join(' ');
        if (word == "start" || word == "restart") {
            if (word == "restart")
                session.stop();
            session.start();
        } else if (word == "stop") {
            session.stop();
        } else if (word == "channels" || word == "settings") {
            // As the Channel dialog's OK does: "settings" saves them unchanged.
            const QStringList chosen = word == "settings" ? SharedConfig::channels.values()
                                                          : w.mid(1).filter(QRegularExpression("^(?!none$)"));
            QVERIFY(SharedConfig::saveChannels(chosen));
        } else if (word == "follow") {
            QVERIFY(SharedConfig::saveOptions("follow=" + w[1] + "\n"));
        } else if (word == "new" || word == "empty" || word == "rm" || word == "mv" || word == "renew") {
            changed.clear();
            fresh = true;
            if (word == "new")
                writeGameLog(path, w[1].section('_', 0, 0), w.mid(2));
            else if (word == "empty")
                writeBytes(path, "");
            else if (word == "renew")
                QVERIFY(QDir(l.logs.path()).removeRecursively());
            else
                QVERIFY(word == "rm" ? QFile::remove(path) : QFile::rename(path, l.logs.filePath("old-" + w[1])));
            if (word == "renew") {
                QTest::qWait(700);
                QVERIFY(QDir().mkpath(l.logs.path()));
            }
        } else if (word == "say" || word == "jump" || word == "chat") {
            appendBytes(path, word == "say" ? gameLine(text)
                            : word == "jump" ? gameLine("Channel changed to Local : " + text + "*", "EVE System")
                                             : gameLine(w.mid(3).join(' ')).repeated(w[2].toInt()));
        } else if (word == "raw") {
            appendBytes(path, utf16(QString(text).replace("^", QChar(0xFEFF)).replace("\\r", "\r").replace("\\n", "\n")));
        } else if (word == "hex") {
            appendBytes(path, QByteArray::fromHex(text.toLatin1()));
        } else if (word == "age") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite)
                    && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 * text.toInt()),
                                        QFileDevice::FileModificationTime));
        } else if (word == "wait") {
            QTest::qWait(w[1].toInt());
        } else if (word == "newest") {
            QTRY_COMPARE_WITH_TIMEOUT(loader->logFiles(), followedLogs(listChatlogs(l.logs.path()), loader->readChannels()),
                                      5000);
        } else if (word == "debug") {
            for (const QString &name : w[1].split(','))
                QTest::ignoreMessage(QtDebugMsg, qPrintable('"' + name + '"'));
        } else if (word == "tick" || word == "read") {
            for (int i = 0; i < (word == "tick" ? w[1].toInt() : 3); ++i, QTest::qWait(word == "tick" ? 0 : 50))
                QMetaObject::invokeMethod(loader, "chat_update");
        } else if (word == "hear") {
            QTRY_VERIFY_WITH_TIMEOUT(found.size() - told >= w[1].toInt(), 5000);
            QTest::qWait(300);
        } else if (word == "logs" || word == "files") {
            seen << names(word == "logs" ? loader->logFiles().values() : loader->channelFiles().values());
        } else if (word == "count") {
            seen << QString::number(shown);
        } else if (word == "moved") {
            seen << moved.join(',');
        } else if (word == "left") {
            // Told of a change just made; after a wait, what was to be told was.
            if (fresh && changed.isEmpty())
                changed.wait(3000);
            QTest::qWait(600);
            QStringList left;
            for (const ChatlogWatcher::Change &change : session.changes())
                left << (change.removed ? '-' + QFileInfo(change.followed).fileName() : QFileInfo(change.newest).fileName());
            seen << (left.isEmpty() ? "none" : left.join(','));
        } else if (word == "state") {
            seen << QStringList{session.isArmed() ? "armed" : "idle", session.isListening() ? "listening" : "-",
                                loadOptions().listening ? "kept" : "-"}.join(' ');
        } else {
            QFAIL(qPrintable("no such step: " + step));
        }
        fresh = fresh && word != "wait" && word != "hear";
        if (word == "tick" || word == "read" || word == "hear") {
            seen << QStringList(found.mid(told)).join(',');
            told = found.size();
        }
    }
    QTEST(seen.join(';'), "seen");
}

QTEST_GUILESS_MAIN(TestChatlogReading)
#include "tst_chatlogreading.moc"
