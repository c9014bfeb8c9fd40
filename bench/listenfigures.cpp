// SPDX-License-Identifier: GPL-3.0-or-later
// Listening: examining lines, polling, reading big and crowded folders.
#include "figures.h"

#include "app/sharedconfig.h"
#include "benchutil.h"
#include "monitor/chatlogstream.h"
#include "monitor/detection.h"
#include "monitor/fileloader.h"
#include "monitor/logfolders.h"
#include "testsupport.h"
#include "ui/mainwindow.h"
#include "ui/statusline.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

namespace {

// CPU used by a window listening to quiet logs for 10 s.
void idleCpuOver(void (*prepare)(const QTemporaryDir &), const char *figure)
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepare(logs);
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    const int followed = window.findChild<FileLoader *>()->followedCount();
    const auto cpuNs = [] {
        rusage use {};
        getrusage(RUSAGE_SELF, &use);
        return (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000000000LL
            + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1000LL;
    };
    const qint64 cpu = cpuNs(), wall = nowNs();
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    report(QString::fromLatin1(figure), QStringLiteral("%1 % of a core, %2 followed")
                                            .arg(100.0 * (cpuNs() - cpu) / (nowNs() - wall), 0, 'f', 3)
                                            .arg(followed));
}

// 20,000 empty logs of `channels` ("Chan07" gives Chan07_20250000_000000.txt
// to Chan07_20250999_000000.txt), a month old.
void writeOldLogs(const QString &folder, const QStringList &channels)
{
    QDir().mkpath(folder);
    const QDateTime old = QDateTime::currentDateTime().addDays(-30);
    const int each = 20000 / channels.size();
    for (const QString &channel : channels) {
        for (int i = 0; i < each; ++i) {
            QFile f(folder + QStringLiteral("/%1_2025%2_000000.txt").arg(channel).arg(i, 4, 10, QLatin1Char('0')));
            if (!f.open(QIODevice::WriteOnly) || !f.setFileTime(old, QFileDevice::FileModificationTime))
                qFatal("cannot write %s", qPrintable(f.fileName()));
        }
    }
}

// The twenty followed logs among 20,000 older logs of the same channels, as
// years of play leave the folder; the old ones sort before the followed ones.
void prepareCrowdedFolder(const QTemporaryDir &dir)
{
    prepareTwentyLogs(dir);
    writeOldLogs(dir.path(), QStringList(SharedConfig::channels.cbegin(), SharedConfig::channels.cend()));
}

// The same with five characters logging each channel, each log recent.
void prepareCrowdedCharacters(const QTemporaryDir &dir)
{
    prepareTwentyLogs(dir, 5);
    writeOldLogs(dir.path(), QStringList(SharedConfig::channels.cbegin(), SharedConfig::channels.cend()));
}

} // namespace

// Twenty quiet game logs "Chan00_20261207_060000.txt".."Chan19_…" in `dir`, selected
// as the channels to follow; with characters, "Chan00_<an hour ago>_90000001.txt"
// and so on, one a minute later than the other.
void prepareTwentyLogs(const QTemporaryDir &dir, int characters)
{
    QStringList channels;
    for (int i = 0; i < 20; ++i) {
        channels << QStringLiteral("Chan%1").arg(i, 2, 10, QLatin1Char('0'));
        for (int character = characters ? 1 : 0; character <= characters; ++character)
            writeGameLog(followedLog(dir, i, character), channels.last(), {"hello"});
    }
    SharedConfig::chatlogDir = dir.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::setLocations({{"0-G8NO", "5跳位|0-G8NO|预警"}, {"*-****", "近|*-****|有人"}});
}

QString followedLog(const QTemporaryDir &dir, int channel, int character)
{
    // Recent by name as well as by time, whichever marks a log as recent.
    static const QDateTime logins = QDateTime::currentDateTime().addSecs(-3600);
    const QString name = QStringLiteral("Chan%1_").arg(channel, 2, 10, QLatin1Char('0'));
    if (!character)
        return dir.filePath(name + "20261207_060000.txt");
    return dir.filePath(name + logins.addSecs(60 * character).toString(QStringLiteral("yyyyMMdd_HHmmss"))
                        + QStringLiteral("_%1.txt").arg(90000000 + character));
}

void writeBigLog(const QString &path, const QString &channel)
{
    static const QByteArray block = [] {
        QByteArray lines;
        while (lines.size() < 1 << 20)
            lines += gameLine(QStringLiteral("o7 anyone seen a red in MJ-5F9 or 0-G8NO? 不明"));
        return lines;
    }();
    writeGameLog(path, channel);
    QFile f(path);
    f.open(QIODevice::Append);
    while (f.size() < 50LL * 1000 * 1000)
        f.write(block);
}

QVector<double> timeStarts(int runs)
{
    FileLoader loader;
    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        const qint64 t = nowNs();
        loader.start_monitoring();
        times << (nowNs() - t) / 1e6;
        loader.stop_monitoring();
    }
    return times;
}

// Ten logs of 50 MB: skipping to the end against reading every line.
void startOverBigLogs()
{
    QTemporaryDir dir;
    QStringList channels;
    for (int i = 0; i < 10; ++i) {
        channels << QStringLiteral("Chan%1").arg(i);
        writeBigLog(dir.filePath(channels.last() + "_20261207_060000.txt"), channels.last());
    }
    SharedConfig::chatlogDir = dir.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::setLocations({{"0-G8NO", "a|0-G8NO|b"}});
    const QVector<double> ours = timeStarts(5);

    // What a plain QTextStream loop costs: every line read and decoded.
    const qint64 t = nowNs();
    for (const QString &channel : channels) {
        QFile f(dir.filePath(channel + "_20261207_060000.txt"));
        f.open(QIODevice::ReadOnly | QIODevice::Text);
        QTextStream in(&f);
        while (!in.atEnd())
            in.readLine();
    }
    const double lineByLine = (nowNs() - t) / 1e6;
    const double m = median(ours);
    report("start_monitoring, 10 logs x 50 MB (median of 5)", QString::number(m, 'f', 2) + " ms", "< 20 ms");
    report("same logs skipped line by line (QTextStream)", QString::number(lineByLine, 'f', 0) + " ms");
    report("ratio", QString::number(lineByLine / m, 'f', 0) + " x", ">= 20 x");
}

void examination()
{
    const QString typical = QString::fromUtf8("[ 2026.12.07 06:00:01 ] Some Pilot > 0-G8NO +3 红了 nv");
    const QString plain = QString::fromUtf8("[ 2026.12.07 06:00:01 ] Some Pilot > anyone up for a roam tonight? o7");
    QVector<QString> found;
    const double withName = meanNs(2000000, [&] {
        found.resize(0);
        detectSystemNames(typical, &found);
    });
    const double without = meanNs(2000000, [&] {
        found.resize(0);
        detectSystemNames(plain, &found);
    });
    const QList<QRegularExpression> patterns = systemNamePatterns();
    const double regex = meanNs(200000, [&] {
        const QStringList parts = typical.split(QStringLiteral(" > "));
        for (int i = 1; i < parts.size(); ++i)
            for (const QRegularExpression &p : patterns)
                static_cast<void>(p.match(parts.at(i)));
    });
    report("examine a typical chat line with a name", QString::number(withName / 1000, 'f', 3) + " us", "<= 1.5 us");
    report("examine a typical chat line without a name", QString::number(without / 1000, 'f', 3) + " us");
    report("(same line through the four QRegularExpressions)", QString::number(regex / 1000, 'f', 3) + " us");
}

void idleTick()
{
    QTemporaryDir dir;
    prepareTwentyLogs(dir);
    FileLoader loader;
    loader.start_monitoring();
    if (loader.followedCount() != 20)
        qFatal("idle tick: %d logs followed", loader.followedCount());
    const double ns = meanNs(20000, [&] { QMetaObject::invokeMethod(&loader, "chat_update"); });
    report("idle chat_update over 20 followed logs", QString::number(ns / 1000, 'f', 2) + " us", "<= 50 us");
}

void overlongLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Local_1.txt");
    writeGameLog(path, "Local");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    ChatLogStream stream(&file);
    const qint64 before = residentKiB();
    const QByteArray block = utf16(QString(1 << 20, QLatin1Char('A')));
    for (int i = 0; i < 32; ++i) { // 64 MB without a line end
        appendBytes(path, block);
        for (int t = 0; t < 4; ++t)
            stream.readLine();
    }
    report("held by one log after a 64 MB line without line end",
           QString::number(stream.heldBytes() / 1024) + " KiB", "bounded by the cap");
    report("resident memory growth meanwhile", QString::number(residentKiB() - before) + " KiB");
}

void idleCpu()
{
    idleCpuOver([](const QTemporaryDir &dir) { prepareTwentyLogs(dir); }, "idle CPU, 20 followed logs, 10 s");
}

void idleCpuCrowded()
{
    idleCpuOver(prepareCrowdedFolder, "idle CPU, 20 followed logs among 20,000, 10 s");
}

void idleCpuCharacters()
{
    idleCpuOver(prepareCrowdedCharacters, "idle CPU, 20 channels x 5 characters' logs among 20,000, 10 s");
}

// From the first line of a newer log of a followed channel to that line's
// alert handed to the engine, while listening goes on.
void newLogNotice()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepareCrowdedFolder(logs);
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    const QString figure = QStringLiteral("newer log");
    QVector<double> delays;
    QRandomGenerator random(7);
    for (int i = 0; i < 20; ++i) {
        QThread::msleep(random.bounded(500));
        QCoreApplication::processEvents();
        if (i > 0)
            expectOneAlert(sampleSystem(i - 1), figure);
        clearSpeechCalls();
        const QString system = sampleSystem(i);
        const QString path =
            logs.filePath(QStringLiteral("Chan07_202701%1_060000.txt").arg(i + 1, 2, 10, QLatin1Char('0')));
        writeGameLog(path, "Chan07");
        const qint64 written = nowNs();
        appendBytes(path, reportLine(system));
        waitUntil([&system] { return !alertNs(system).isEmpty(); }, 5000, figure + ": the alert for " + system);
        delays << delayMs(written, alertNs(system).first(), figure);
    }
    runEventsFor(3 * FileLoader::PollInterval);
    expectOneAlert(sampleSystem(19), figure);
    const double worst = *std::max_element(delays.cbegin(), delays.cend());
    report("newer log, first line -> say, 20,000 files (median of 20)",
           QString::number(median(delays), 'f', 1) + " ms");
    report("newer log, first line -> say, maximum of 20", QString::number(worst, 'f', 1) + " ms",
           "< 1000 ms");
}

// 100 MB appended to a followed log at once: how long the event loop is held
// at most while it is read, every line examined.
void bigAppend()
{
    QTemporaryDir dir;
    prepareTwentyLogs(dir);
    FileLoader loader;
    bool last = false;
    QObject::connect(&loader, &FileLoader::detectedLocation,
                     [&last](const QString &system) { last = last || system == QLatin1String("N-8YET"); });
    loader.start_monitoring();
    QByteArray block;
    while (block.size() < 1 << 20)
        block += gameLine(QStringLiteral("o7 anyone seen a red in MJ-5F9 or 0-G8NO? 不明"));
    QFile file(followedLog(dir, 7));
    if (!file.open(QIODevice::Append))
        fail(QStringLiteral("big append: cannot open %1").arg(file.fileName()));
    for (int i = 0; i < 100; ++i)
        file.write(block);
    file.write(gameLine(QStringLiteral("N-8YET red")));
    file.close();
    qint64 beat = nowNs(), longest = 0;
    const qint64 written = beat;
    QTimer beats;
    beats.setInterval(0);
    QObject::connect(&beats, &QTimer::timeout, [&beat, &longest] {
        const qint64 now = nowNs();
        longest = qMax(longest, now - beat);
        beat = now;
    });
    beats.start();
    waitUntil([&last] { return last; }, 300000, QStringLiteral("big append: its last line"));
    report("100 MB appended at once: longest the event loop is held", QString::number(longest / 1e6, 'f', 1) + " ms",
           "< 50 ms");
    report("same, all of it read and examined in", QString::number((nowNs() - written) / 1e9, 'f', 1) + " s");
}

// Choosing the default folder when listening starts: one listing with
// modification times per candidate that exists.
void decideFolder()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const QString proton = home.filePath(".local/share/Steam/steamapps/compatdata/8500/pfx/drive_c/users/"
                                         "steamuser/Documents/EVE/logs/Chatlogs");
    writeOldLogs(home.filePath("Documents/EVE/logs/Chatlogs"), {"Local"});
    writeOldLogs(proton, {"Local"});
    writeGameLog(proton + "/Local_20261207_060000.txt", "Local"); // the game runs here
    SharedConfig::chatlogDir.clear();
    QVector<double> times;
    QString chosen;
    for (int run = 0; run < 5; ++run) {
        const qint64 t = nowNs();
        chosen = decideChatlogDir();
        times << (nowNs() - t) / 1e6;
    }
    qputenv("HOME", oldHome);
    if (!chosen.contains("compatdata"))
        qFatal("decide: %s", qPrintable(chosen));
    report("decide the folder, 2 x 20,000 logs (median of 5)", QString::number(median(times), 'f', 1) + " ms");
}
