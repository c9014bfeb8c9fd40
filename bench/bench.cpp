// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the project's performance figures as one table.
#include "app/sharedconfig.h"
#include "benchutil.h"
#include "monitor/chatlogstream.h"
#include "monitor/detection.h"
#include "monitor/fileloader.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "testsupport.h"
#include "ui/channeldialog.h"
#include "ui/locationdialog.h"
#include "ui/mainwindow.h"
#include "ui/mapdialog.h"
#include "ui/statusline.h"
#include "ui/voicedialog.h"
#include "ui/speechcontrol.h"
#include "speech/speechwatchdog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTextCodec>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>
#include <malloc.h>
#include <utility>
#include <sys/resource.h>

namespace {

void silenceDebug()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(msg));
    });
}

// Ten logs of 50 MB: skipping to the end against reading every line.
void startOverBigLogs()
{
    QTemporaryDir dir;
    QByteArray block;
    while (block.size() < 1 << 20)
        block += gameLine(QStringLiteral("o7 anyone seen a red in MJ-5F9 or 0-G8NO? 不明"));
    QStringList channels;
    for (int i = 0; i < 10; ++i) {
        const QString channel = QStringLiteral("Chan%1").arg(i);
        channels << channel;
        const QString path = dir.filePath(channel + "_20261207_060000.txt");
        writeGameLog(path, channel);
        QFile f(path);
        f.open(QIODevice::Append);
        while (f.size() < 50LL * 1000 * 1000)
            f.write(block);
    }
    SharedConfig::chatlogDir = dir.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::locations = {{"0-G8NO", "a|0-G8NO|b"}};

    FileLoader loader;
    QVector<double> ours;
    for (int run = 0; run < 5; ++run) {
        const qint64 t = nowNs();
        loader.start_monitoring();
        ours << (nowNs() - t) / 1e6;
        loader.stop_monitoring();
    }

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
                p.match(parts.at(i));
    });
    report("examine a typical chat line with a name", QString::number(withName / 1000, 'f', 3) + " us", "<= 1.5 us");
    report("examine a typical chat line without a name", QString::number(without / 1000, 'f', 3) + " us");
    report("(same line through the four QRegularExpressions)", QString::number(regex / 1000, 'f', 3) + " us");
}

// Twenty quiet game logs "Chan00_1.txt".."Chan19_1.txt" in `dir`, selected
// as the channels to follow, with one rule.
void prepareTwentyLogs(const QTemporaryDir &dir)
{
    QStringList channels;
    for (int i = 0; i < 20; ++i) {
        channels << QStringLiteral("Chan%1").arg(i, 2, 10, QLatin1Char('0'));
        writeGameLog(dir.filePath(channels.last() + "_1.txt"), channels.last(), {"hello"});
    }
    SharedConfig::chatlogDir = dir.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::locations = {{"0-G8NO", "5跳位|0-G8NO|预警"}};
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

// From a line written to a followed log to the engine's say call.
void alertLatency()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepareTwentyLogs(logs);
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    QCoreApplication::processEvents();
    if (!window.findChild<FileLoader *>()->isListening())
        qFatal("latency: not listening");

    QVector<double> latencies;
    QRandomGenerator random(1);
    const QString target = logs.filePath("Chan07_1.txt");
    for (int i = 0; i < 100; ++i) {
        clearSpeechCalls();
        QThread::msleep(random.bounded(100));  // any phase of the poll timer
        QCoreApplication::processEvents();
        const qint64 written = nowNs();
        appendBytes(target, gameLine(QStringLiteral("0-G8NO red")));
        while (speechCalls().isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        latencies << (speechCalls().first().toMap().value("steadyNs").toLongLong() - written) / 1e6;
    }
    const double worst = *std::max_element(latencies.cbegin(), latencies.cend());
    report("alert latency, line written -> say (median of 100)", QString::number(median(latencies), 'f', 1) + " ms");
    report("alert latency, maximum of 100", QString::number(worst, 'f', 1) + " ms", "< 105 ms");
    report("resident memory, window listening to 20 logs", QString::number(residentKiB() / 1024.0, 'f', 1) + " MiB");
}

// 20 logs, 10,000 lines each, 2,000 of them naming systems, written in bursts
// and split writes: every report said once, in order, memory flat.
void soak()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    const int Logs = 20, Lines = 10000, Every = 100;
    QStringList channels;
    QByteArray rules = "近|*-****|有人\n";
    for (int i = 0; i < Logs; ++i) {
        channels << QStringLiteral("C%1").arg(i, 2, 10, QLatin1Char('0'));
        writeGameLog(logs.filePath(channels.last() + "_20261207_060000.txt"), channels.last(), {"before"});
        for (int seq = 0; seq < Lines / Every; seq += 10)
            rules += QStringLiteral("5跳位|%1-%2|预警\n").arg(QChar('A' + i)).arg(seq, 4, 10, QLatin1Char('0')).toUtf8();
    }
    writeBytes(SharedConfig::locationFile, rules);
    writeBytes(SharedConfig::voiceFile, "70\n0\n0\n0\n1\n0\n"); // Chinese
    SharedConfig::chatlogDir = logs.path();
    SharedConfig::channels = QSet<QString>(channels.cbegin(), channels.cend());
    SharedConfig::reloadLocations();
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    auto *loader = window.findChild<FileLoader *>();
    clearSpeechCalls(); // what earlier figures left behind is not the soak's

    QVector<int> written(Logs, 0);
    QVector<QByteArray> rest(Logs);
    QVector<QVector<int>> heard(Logs);
    int wrong = 0, reports = 0;
    const QRegularExpression said(QStringLiteral("^(近|5跳位),([A-T])杠(\\d{4}),(有人|预警)$"));
    const auto collect = [&] {
        const QVariantList calls = speechCalls();
        clearSpeechCalls();
        for (const QVariant &call : calls) {
            const QVariantMap map = call.toMap();
            if (map.value("call") != "say")
                continue;
            ++reports;
            const QRegularExpressionMatch m = said.match(map.value("text").toString());
            const int log = m.hasMatch() ? m.captured(2).at(0).unicode() - 'A' : -1;
            const int seq = m.captured(3).toInt();
            const bool exact = seq % 10 == 0;
            if (log < 0 || (m.captured(1) == "5跳位") != exact) {
                ++wrong;
                fprintf(stderr, "soak: unexpected speech \"%s\"\n", qPrintable(map.value("text").toString()));
            }
            else
                heard[log].append(seq);
        }
    };
    const auto line = [Every](int log, int n) {
        return n % Every == 0 ? gameLine(QStringLiteral("red in %1-%2 now").arg(QChar('A' + log)).arg(n / Every, 4, 10, QLatin1Char('0')))
                              : gameLine(QStringLiteral("o7 fly safe %1").arg(n));
    };

    QRandomGenerator random(42);
    qint64 ticks = 0;
    qint64 rssAfterFirst = -1;
    // The game writes bursts now and then, on average less than the one
    // line per tick that is read; a burst waits in the file meanwhile.
    const int expected = Logs * Lines / Every;
    for (int ticksSinceAllWritten = 0; reports < expected && ticksSinceAllWritten < 20000;) {
        bool wroteAny = false;
        ++ticks;
        for (int log = 0; log < Logs; ++log) {
            const QString path = logs.filePath(channels.at(log) + "_20261207_060000.txt");
            QByteArray bytes = rest[log];
            rest[log].clear();
            if (written[log] < Lines && random.bounded(40) == 0) {
                const int burst = qMin(Lines - written[log], 1 + int(random.bounded(30)));
                for (int k = 0; k < burst; ++k)
                    bytes += line(log, written[log]++);
                if (random.bounded(3) == 0) { // the game is caught mid-line
                    const int cut = 1 + int(random.bounded(bytes.size() - 1));
                    rest[log] = bytes.mid(cut);
                    bytes.truncate(cut);
                }
            }
            if (!bytes.isEmpty()) {
                appendBytes(path, bytes);
                wroteAny = true;
            }
        }
        QMetaObject::invokeMethod(loader, "chat_update");
        collect();
        const int least = *std::min_element(written.cbegin(), written.cend());
        if (least == Lines && !wroteAny)
            ++ticksSinceAllWritten;
        if (rssAfterFirst < 0 && least >= 1000)
            rssAfterFirst = residentKiB();
    }
    // Nothing more may come once every line has been read.
    for (int i = 0; i < 200; ++i)
        QMetaObject::invokeMethod(loader, "chat_update");
    collect();
    bool ordered = true;
    for (const QVector<int> &seqs : heard) {
        for (int i = 0; i < seqs.size(); ++i)
            ordered = ordered && seqs.at(i) == i;
        ordered = ordered && seqs.size() == Lines / Every;
    }
    report("soak: reports said of 2000 (20 logs x 10000 lines)",
           QStringLiteral("%1, %2 wrong, %3").arg(reports).arg(wrong).arg(ordered ? "in order" : "OUT OF ORDER"),
           "2000, 0, in order");
    report("soak: poll ticks driven", QString::number(ticks));
    report("soak: resident memory growth after the first 1000 lines",
           QString::number(residentKiB() - rssAfterFirst) + " KiB", "< 2048 KiB");
}

// The speech service gone while listening (the engine in use accepts say()
// and never speaks): from a line written to its alert starting on the new
// engine. The cost over the plain latency is the watchdog's period.
void speechRestart()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepareTwentyLogs(logs);
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    const QString target = logs.filePath("Chan07_1.txt");
    const auto startedNs = [] {
        for (const QVariant &call : speechCalls()) {
            if (call.toMap().value("call") == "speaking")
                return call.toMap().value("steadyNs").toLongLong();
        }
        return qint64(0);
    };
    QVector<double> delays;
    for (int i = 1; i <= 10; ++i) {
        qApp->setProperty("mockSpeechService", i);
        clearSpeechCalls();
        const qint64 written = nowNs();
        appendBytes(target, gameLine(QStringLiteral("0-G8NO red")));
        while (!startedNs())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        delays << (startedNs() - written) / 1e6;
    }
    qApp->setProperty("mockSpeechService", QVariant());
    report("alert after the speech service went away (median of 10)", QString::number(median(delays), 'f', 0) + " ms",
           QStringLiteral("latency + %1 ms").arg(SpeechWatchdog::PeriodMs));
}

// CPU used by a window listening to 20 quiet logs for 10 s.
void idleCpuOver(void (*prepare)(const QTemporaryDir &), const char *figure)
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepare(logs);
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
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
    report(QString::fromLatin1(figure),
           QString::number(100.0 * (cpuNs() - cpu) / (nowNs() - wall), 'f', 3) + " % of a core");
}

// Notes when a map dialog is first painted, then closes it.
struct MapDialogPainted : QObject
{
    qint64 at = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<MapDialog *>(watched);
        if (dialog && event->type() == QEvent::Paint && at == 0) {
            at = nowNs();
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }
};

// The star map: pressing "From map…" (the first press loads the map), the
// load itself, the memory the map holds, distances and the preview's work.
void starMap()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    LocationDialog location;
    location.show();
    if (!QTest::qWaitForWindowExposed(&location))
        qFatal("map: the Location dialog is not shown");
    auto *button = location.findChild<QPushButton *>("fromMapButton");
    MapDialogPainted painted;
    qApp->installEventFilter(&painted);
    QVector<double> opens;
    for (int run = 0; run < 11; ++run) {
        painted.at = 0;
        const qint64 pressed = nowNs();
        button->click();
        opens << (painted.at - pressed) / 1e6;
    }
    qApp->removeEventFilter(&painted);
    const double first = opens.takeFirst();
    report("\"From map...\" pressed -> dialog painted, first (loads map)", QString::number(first, 'f', 1) + " ms");
    report("same, later presses (median of 10)", QString::number(median(opens), 'f', 1) + " ms");

    const auto readMap = [] {
        QFile file(QStringLiteral(":/starmap/starmap.tsv"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    };
    QVector<double> loads;
    for (int run = 0; run < 5; ++run) {
        const qint64 t = nowNs();
        const StarMap map = StarMap::fromText(readMap());
        loads << (nowNs() - t) / 1e6;
    }
    const size_t heapBefore = mallinfo2().uordblks;
    auto *held = new StarMap(StarMap::fromText(readMap()));
    const size_t heapHeld = mallinfo2().uordblks - heapBefore;
    report("star map load, resource read and parsed (median of 5)", QString::number(median(loads), 'f', 1) + " ms");
    report("heap held by the loaded map (5215 systems)", QString::number(heapHeld / 1024) + " KiB");
    delete held;

    const StarMap &map = StarMap::bundled();
    for (const char *busy : {"Jita", "Zarzakh"}) {
        const int home = map.find(QString::fromLatin1(busy));
        const int reached = map.within(home, 10).size();
        const double ns = meanNs(1000, [&] { map.within(home, 10); });
        report(QStringLiteral("distances to 10 jumps from %1 (%2 systems)").arg(busy).arg(reached),
               QString::number(ns / 1000, 'f', 1) + " us");
    }
    const int zarzakh = map.find(QStringLiteral("Zarzakh"));
    const QStringList editor{"5跳位|0-G8NO|预警", "近|*-****|有人"};
    const MapRuleWords words = defaultMapRuleWords(QLocale::Chinese);
    const double preview = meanNs(200, [&] { mergeMapRules(editor, buildMapRules(map, zarzakh, 10, words)); });
    report("preview: rules to 10 jumps of Zarzakh built and merged", QString::number(preview / 1000, 'f', 1) + " us");
}

void idleCpu()
{
    idleCpuOver(prepareTwentyLogs, "idle CPU, 20 followed logs, 10 s");
}

// 20,000 empty files named for `channels` ("Chan07" gives Chan07_00000.txt
// to Chan07_00999.txt), a month old.
void writeOldLogs(const QString &folder, const QStringList &channels)
{
    QDir().mkpath(folder);
    const QDateTime old = QDateTime::currentDateTime().addDays(-30);
    const int each = 20000 / channels.size();
    for (const QString &channel : channels) {
        for (int i = 0; i < each; ++i) {
            QFile f(folder + QStringLiteral("/%1_0%2.txt").arg(channel).arg(i, 4, 10, QLatin1Char('0')));
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

void idleCpuCrowded()
{
    idleCpuOver(prepareCrowdedFolder, "idle CPU, 20 followed logs among 20,000, 10 s");
}

// From a new log of a followed channel to the notice on the status line,
// listening afresh before each of 20 new logs.
void newLogNotice()
{
    WorkingFolder folder;
    QTemporaryDir logs;
    prepareCrowdedFolder(logs);
    MainWindow window;
    auto *start = window.findChild<QPushButton *>("pushButton");
    auto *stop = window.findChild<QPushButton *>("pushButton_2");
    auto *line = window.findChild<StatusLine *>();
    QVector<double> delays;
    QRandomGenerator random(7);
    for (int i = 0; i < 20; ++i) {
        start->click();
        QThread::msleep(random.bounded(500));
        QCoreApplication::processEvents();
        const qint64 created = nowNs();
        writeGameLog(logs.filePath(QStringLiteral("Chan07_2_%1.txt").arg(i, 2, 10, QLatin1Char('0'))), "Chan07");
        while (line->brief(StatusLine::Logs).isEmpty() && nowNs() - created < 5000000000LL)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        delays << (line->brief(StatusLine::Logs).isEmpty() ? 5000.0 : (nowNs() - created) / 1e6);
        stop->click();
    }
    const double worst = *std::max_element(delays.cbegin(), delays.cend());
    report("new log -> notice, 20,000 files (median of 20)", QString::number(median(delays), 'f', 1) + " ms");
    report("new log -> notice, maximum of 20", QString::number(worst, 'f', 1) + " ms", "< 2000 ms");
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
    writeGameLog(proton + "/Local_1.txt", "Local"); // the game runs here
    SharedConfig::chatlogDir.clear();
    QVector<double> times;
    QString chosen;
    for (int run = 0; run < 5; ++run) {
        const qint64 t = nowNs();
        chosen = SharedConfig::decideChatlogDir();
        times << (nowNs() - t) / 1e6;
    }
    qputenv("HOME", oldHome);
    if (!chosen.contains("compatdata"))
        qFatal("decide: %s", qPrintable(chosen));
    report("decide the folder, 2 x 20,000 logs (median of 5)", QString::number(median(times), 'f', 1) + " ms");
}

// "voice-index ENGINE LOCALE VOICE": the engine, language and voice indexes
// that config/voice.ini needs to name them, as the program fills its lists.
int printVoiceIndexes(const QStringList &args)
{
    QComboBox engines;
    SpeechControl::fillEngineList(&engines);
    const int engine = engines.findData(args.value(0));
    QTextToSpeech speech(args.value(0));
    const QVector<QLocale> locales = speech.availableLocales();
    int language = -1;
    for (int i = 0; i < locales.size() && language < 0; ++i) {
        if (locales.at(i).name() == args.value(1)) {
            language = i;
            speech.setLocale(locales.at(i));
        }
    }
    const QVector<QVoice> voices = speech.availableVoices();
    int voice = -1;
    for (int i = 0; i < voices.size() && voice < 0; ++i)
        voice = voices.at(i).name() == args.value(2) ? i : -1;
    printf("%d %d %d\n", engine, language, voice);
    return engine < 0 || language < 0 || voice < 0;
}

// "screenshots DIR": the main window and the dialogs as PNG files, with a
// sample working folder.
int takeScreenshots(const QString &where)
{
    const QString out = QDir(where).absolutePath();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    QDir().mkpath(out);
    WorkingFolder folder;
    QTemporaryDir logs;
    for (const char *f : {"Local_20261207_060000.txt", "Corp_20261207_060000.txt", "Alliance_20261207_060000.txt",
                          "Fleet_20261207_061500.txt", "Local_20261206_180000.txt"})
        writeGameLog(logs.filePath(f), QString::fromLatin1(f).section('_', 0, 0));
    writeBytes(SharedConfig::chatlogFile, logs.path().toUtf8() + "\n");
    writeBytes(SharedConfig::channelFile, "Local\nCorp\n");
    writeBytes(SharedConfig::locationFile,
               "5跳位|0-G8NO|预警\n3 jumps|MJ-5F9|hostile\n邻居|*-****|有人\n");
    SharedConfig::load();
    const auto save = [&out](QWidget *w, const char *name) {
        w->show();
        QTest::qWait(300);
        w->grab().save(out + "/" + name + ".png");
    };
    MainWindow window;
    window.findChild<QPushButton *>("pushButton")->click();
    save(&window, "mainwindow");
    ChannelDialog channels(&window);
    save(&channels, "channeldialog");
    LocationDialog locations(&window);
    save(&locations, "locationdialog");
    MapDialog map(QStringList{"5跳位|0-G8NO|预警", "3 jumps|MJ-5F9|hostile", "邻居|*-****|有人"},
                  QLocale(QLocale::Chinese, QLocale::China), &locations);
    auto *home = map.findChild<QLineEdit *>("home");
    home->setText(QStringLiteral("1DQ1-A"));
    map.show();
    QTest::qWait(100);
    home->deselect(); // focus selected it
    save(&map, "mapdialog");
    VoiceDialog voice(&window);
    save(&voice, "voicedialog");
    QFileDialog chooser(&window);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setDirectory(logs.path());
    save(&chooser, "chatlogfolder");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("screenshots"))
        return takeScreenshots(app.arguments().value(2));
    if (app.arguments().value(1) == QLatin1String("voice-index"))
        return printVoiceIndexes(app.arguments().mid(2));
    initTestEnvironment();
    silenceDebug();
    reportHeading();
    // Named so that one figure can be measured alone: chatwatch_bench soak
    const std::pair<const char *, void (*)()> figures[] = {
        {"examine", examination}, {"idle", idleTick}, {"latency", alertLatency}, {"overlong", overlongLine},
        {"idlecpu", idleCpu},     {"idlecpu20k", idleCpuCrowded}, {"newlog", newLogNotice},
        {"decidefolder", decideFolder}, {"soak", soak}, {"start", startOverBigLogs}, {"map", starMap},
        {"restart", speechRestart},
    };
    const QStringList only = app.arguments().mid(1);
    for (const auto &figure : figures) {
        if (only.isEmpty() || only.contains(QLatin1String(figure.first)))
            figure.second();
    }
    return 0;
}
