// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "speech/alertqueue.h"
#include "speech/alertspeaker.h"
#include "speech/matchlocation.h"
#include "speech/speechtext.h"
#include "speech/voicefile.h"
#include "testsupport.h"

#include <QThread>
#include <QtTest>

#include <chrono>

class TestSpeechText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void prepared_data();
    void prepared();
    void match_data();
    void match();
    void voiceSettings_data();
    void voiceSettings();
    void firstVoice_data();
    void firstVoice();
    void speaker_data();
    void speaker();
    void serviceFails_data();
    void serviceFails();
    void queue_data();
    void queue();
};

void TestSpeechText::prepared_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    const QLocale zh(QLocale::Chinese, QLocale::China);
    const QLocale tw(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const QLocale gb(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("zh rule") << zh << "5跳位|0-G8NO|出现敌对" << "5跳位,0 杠 G 8 N O,出现敌对";
    QTest::newRow("zh alert") << zh << "5跳位|0-G8NO|预警" << "5跳位,0 杠 G 8 N O,预警";
    QTest::newRow("zh free text unchanged") << zh << "Hello QtTextToSpeech" << "Hello QtTextToSpeech";
    QTest::newRow("zh dash in the message") << zh << "a|0-G8NO|b-c" << "a,0 杠 G 8 N O,b杠c";
    QTest::newRow("zh any country or script") << tw << "a|0-G8NO|b" << "a,0 杠 G 8 N O,b";
    QTest::newRow("zh every character spelled, none dropped") << zh << "x|8WA-Z6J|y" << "x,8 W A 杠 Z 6 J,y";
    QTest::newRow("en rule") << en << "5 jumps|0-G8NO|hostile" << "5 jumps 0 dash G 8 N O hostile";
    QTest::newRow("en any country") << gb << "5 jumps|0-G8NO|hostile" << "5 jumps 0 dash G 8 N O hostile";
    QTest::newRow("en two fields") << en << "a|0-G8NO" << "";
    QTest::newRow("en four fields") << en << "a|0-G8NO|b|c" << "";
    QTest::newRow("en no separator") << en << "Hello there" << "";
    QTest::newRow("en empty outer fields") << en << "|A-BCDE|" << " A dash B C D E ";
    QTest::newRow("en seventh character dropped") << en << "x|AB-CDEF|y" << "x A B dash C D E y";
    QTest::newRow("en short field spells what it has") << en << "x|0-G|y" << "x 0 dash G y";
    QTest::newRow("en empty field") << en << "x||y" << "x y";
    QTest::newRow("en Chinese rule") << en << "5跳位|0-G8NO|预警" << "5跳位 0 dash G 8 N O 预警";
    QTest::newRow("en surrogate pair spelled whole") << en << QString::fromUtf8("x|A-\U0001F680BCD|y")
                                                     << QString::fromUtf8("x A dash \U0001F680 B C D y");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "a|0-G8NO|b" << "";
    QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia) << "a|0-G8NO|b" << "";
    QTest::newRow("C locale") << QLocale::c() << "a|0-G8NO|b" << "";
}

void TestSpeechText::prepared()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &msg) { logged.append(msg); });
    const QString result = prepareSpeechText(text, locale);
    qInstallMessageHandler(previous);
    QCOMPARE(result, spoken);
    // Only a non-empty text is logged, quoted.
    QCOMPARE(logged, spoken.isEmpty() ? QStringList() : QStringList{'"' + spoken + '"'});
}

void TestSpeechText::match_data()
{
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("message");
    const QStringList both{"5跳位|0-G8NO|预警", "近|*-****|来了"};
    QTest::newRow("exact beats wildcard") << both << "0-G8NO" << "5跳位|0-G8NO|预警";
    QTest::newRow("wildcard for the rest") << both << "A-BCDE" << "近|A-BCDE|来了";
    QTest::newRow("other letter case answers, spelled as the rule") << both << "0-g8no" << "5跳位|0-G8NO|预警";
    QTest::newRow("exact spelling beats other case") << QStringList{"a|N-8YET|b", "c|n-8yet|d", "e|N-8yEt|f"}
                                                     << "n-8yet" << "c|n-8yet|d";
    QTest::newRow("of other spellings, nearest upper case")
        << QStringList{"c|n-8yet|d", "e|N-8yEt|f"} << "N-8YET" << "e|N-8yEt|f";
    QTest::newRow("wildcard spells the name upper-cased") << both << "a-bcd9" << "近|A-BCD9|来了";
    QTest::newRow("only ASCII letters fold") << QStringList{"a|\u017F-ABCD|b"} << "S-ABCD" << "";
    QTest::newRow("no wildcard, no rule") << QStringList{"5跳位|0-G8NO|预警"} << "A-BCDE" << "";
    QTest::newRow("no rules at all") << QStringList{} << "0-G8NO" << "";
    QTest::newRow("wildcard in every field") << QStringList{"*-****|*-****|*-**** *-****"} << "X-ABCD"
                                             << "X-ABCD|X-ABCD|X-ABCD X-ABCD";
    QTest::newRow("blank key never matches") << QStringList{"a| 0-G8NO|b"} << "0-G8NO" << "";
}

void TestSpeechText::match()
{
    QFETCH(QStringList, rules);
    QFETCH(QString, location);
    SharedConfig::setLocations(SharedConfig::parseLocations(rules));
    QTEST(matchLocation(location), "message");
    // Rules changed or replaced are seen at once, in any case.
    SharedConfig::setLocations(SharedConfig::parseLocations(rules << "q|Q-QQQQ|q"));
    QCOMPARE(matchLocation("q-qqqq"), QString("q|Q-QQQQ|q"));
    SharedConfig::setLocations(SharedConfig::parseLocations(rules << "r|Q-QQQQ|r")); // other words, as many rules
    QCOMPARE(matchLocation("q-qqqq"), QString("r|Q-QQQQ|r"));
    SharedConfig::setLocations({});
    QCOMPARE(matchLocation(location.toLower()), QString());
}

void TestSpeechText::voiceSettings_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("saved"); // what is written back
    QTest::newRow("six values") << QStringList{"50", "3", "-2", "0", "1", "2"} << "50 3 -2 0 1 2";
    QTest::newRow("empty lines do not count") << QStringList{"", "50", "", "3", "", "-2", "0", "1", "2", ""}
                                              << "50 3 -2 0 1 2";
    QTest::newRow("seventh ignored") << QStringList{"1", "2", "3", "4", "5", "6", "7"} << "1 2 3 4 5 6";
    QTest::newRow("three lines") << QStringList{"80", "-10", "10"} << "80 -10 10 0 -1 -1";
    QTest::newRow("not a number is 0") << QStringList{"loud", " 5", "0x10", "-1"} << "0 5 0 -1 -1 -1";
    QTest::newRow("held to the sliders") << QStringList{"150", "-30", "30"} << "100 -10 10 0 -1 -1";
    QTest::newRow("nothing") << QStringList{} << "70 0 0 0 -1 -1";
}

void TestSpeechText::voiceSettings()
{
    QFETCH(QStringList, lines);
    QTEST(voiceSettingsLines(parseVoiceSettings(lines)).join(' '), "saved");
}

void TestSpeechText::firstVoice_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("chosen");
    // As speech-dispatcher's espeak lists them, the engine's pick first.
    const QStringList zh{"cantonese+male1", "cantonese", "Mandarin+male1", "Mandarin+female2", "Mandarin"};
    const QStringList us{"en-westindies+male1", "en-westindies", "english-us+male1", "english-us", "default"};
    const QLocale cn(QLocale::Chinese, QLocale::China), en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("zh_CN: Mandarin, plain") << cn << zh << 0 << 4;
    QTest::newRow("zh_CN: a Mandarin variant kept") << cn << zh << 3 << 3;
    QTest::newRow("zh_CN: only variants") << cn << QStringList(zh.mid(0, 4)) << 0 << 2;
    QTest::newRow("zh_CN: no Mandarin") << cn << QStringList(zh.mid(0, 2)) << 0 << 0;
    QTest::newRow("zh_HK: engine's pick") << QLocale(QLocale::Chinese, QLocale::HongKong) << zh << 0 << 0;
    QTest::newRow("en_US: American, plain") << en << us << 0 << 3;
    QTest::newRow("en_US: other spelling") << en << QStringList{"English (Caribbean)", "English (America)"} << 0 << 1;
    QTest::newRow("en_US: no pick") << en << QStringList{"Zira", "english-us"} << -1 << 1;
    QTest::newRow("en_GB: engine's pick") << QLocale(QLocale::English, QLocale::UnitedKingdom) << us << 0 << 0;
    QTest::newRow("no voices") << cn << QStringList{} << -1 << -1;
}

void TestSpeechText::firstVoice()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, names);
    QFETCH(int, current);
    QTEST(sensibleVoice(locale, names, current), "chosen");
}

void TestSpeechText::speaker_data()
{
    QTest::addColumn<QByteArray>("voice");
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("voiceName"); // with the locale
    QTest::addColumn<QString>("levels");    // volume, rate, pitch
    QTest::addColumn<QString>("saved");     // what the voice dialog's OK writes back
    // The file's reading and the values' limits: the voiceSettings table.
    QTest::newRow("levels on the engine's scale, voice by index")
        << QByteArray("50\r\n3\r\n-2\r\n0\r\n1\r\n2\r\n") << "mock" << "zh_CN Xiaoyu" << "0.5 0.3 -0.2"
        << "50 3 -2 0 1 2";
    QTest::newRow("voice index too large") << QByteArray("70\n0\n0\n0\n1\n4\n") << "mock" << "zh_CN Mandarin"
                                           << "0.7 0 0" << "70 0 0 0 1 3";
    QTest::newRow("no saved voice: Mandarin") << QByteArray("70\n0\n0\n0\n1\n") << "mock" << "zh_CN Mandarin"
                                              << "0.7 0 0" << "70 0 0 0 1 3";
    QTest::newRow("voice index -1") << QByteArray("70\n0\n0\n0\n0\n-1\n") << "mock" << "en_US Anna" << "0.7 0 0"
                                    << "70 0 0 0 0 0";
    QTest::newRow("language without an entry") << QByteArray("70\n0\n0\n0\n9\n1\n") << "mock" << "en_US Bob"
                                                << "0.7 0 0" << "70 0 0 0 0 1";
    QTest::newRow("second engine, its own language order") << QByteArray("70\n0\n0\n2\n1\n1\n") << "mock2"
                                                           << "zh_CN Lei" << "0.7 0 0" << "70 0 0 2 1 1";
    QTest::newRow("engine without an entry") << QByteArray("60\n0\n0\n7\n") << "mock" << "en_US Anna" << "0.6 0 0"
                                             << "60 0 0 0 0 0";
    QTest::newRow("no voice file") << QByteArray() << "mock" << "en_US Anna" << "0.7 0 0" << "70 0 0 0 0 0";
}

// The saved voice, applied without a window: one engine built, and what it
// says is what the file says, or what is in use in its place.
void TestSpeechText::speaker()
{
    QFETCH(QByteArray, voice);
    WorkingFolder folder;
    if (!voice.isEmpty())
        writeBytes(SharedConfig::voiceFile, voice);
    clearSpeechCalls();
    AlertSpeaker speaker;
    speaker.apply(readVoiceSettings(SharedConfig::voiceFile));
    QStringList created;
    for (const QVariant &call : speechCalls()) {
        if (call.toMap().value("call") == "create")
            created << call.toMap().value("engine").toString();
    }
    QFETCH(QString, engine);
    QCOMPARE(created, QStringList{engine});
    QTextToSpeech *speech = speaker.engine();
    QTEST(speech->locale().name() + ' ' + speech->voice().name(), "voiceName");
    QTEST(QString("%1 %2 %3").arg(speech->volume()).arg(speech->rate()).arg(speech->pitch()), "levels");
    QTEST(voiceSettingsLines(speaker.settings()).join(' '), "saved");
}

enum Service { GoneOnce, StaysAway, Slow, ReplacedInRetry };

void TestSpeechText::serviceFails_data()
{
    QTest::addColumn<int>("service");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<QString>("events"); // what the watchdog said
    const QStringList once{"mock: a,0 杠 G 8 N O,b"};
    const int period = SpeechWatchdog::PeriodMs;
    QTest::newRow("gone: said again on a new engine") << int(GoneOnce) << 0 << false << once << "restarted";
    QTest::newRow("stays away: reported") << int(StaysAway) << 0 << false << QStringList{} << "failed";
    QTest::newRow("slow: speaks before the timeout") << int(Slow) << period - 300 << false << once << "";
    // The test is busy past both moments, so both are due together.
    QTest::newRow("slow: speaks after the timeout, before the retry") << int(Slow) << period + 200 << true << once << "";
    QTest::newRow("slow: would speak just after the retry") << int(Slow) << period + 300 << false << once
                                                            << "restarted";
    QTest::newRow("engine replaced in the retry: said on the new one") << int(ReplacedInRetry) << 0 << false << once
                                                                       << "";
}

// The speech service fails under an alert: it is heard once, or its loss
// is told, and the next alert is heard at once.
void TestSpeechText::serviceFails()
{
    QFETCH(int, service);
    QFETCH(int, delayMs);
    QFETCH(bool, busy);
    const auto restore = qScopeGuard([] {
        for (const char *name : {"mockSpeechService", "mockSpeechDown", "mockSpeechDelayMs"})
            qApp->setProperty(name, QVariant());
    });
    WorkingFolder folder;
    writeBytes(SharedConfig::voiceFile, "60\n3\n-2\n0\n1\n2\n");
    qApp->setProperty("mockSpeechDelayMs", delayMs);
    AlertSpeaker speaker;
    speaker.apply(readVoiceSettings(SharedConfig::voiceFile));
    speaker.queueAlerts();
    qApp->setProperty("mockSpeechDelayMs", QVariant());
    QStringList said; // by the watchdog
    connect(speaker.watchdog(), &SpeechWatchdog::restarted, [&said] { said << "restarted"; });
    connect(speaker.watchdog(), &SpeechWatchdog::failed, [&said] { said << "failed"; });
    if (service == GoneOnce)
        qApp->setProperty("mockSpeechService", 1);
    if (service == StaysAway || service == ReplacedInRetry)
        qApp->setProperty("mockSpeechDown", true);
    clearSpeechCalls();

    speaker.say("a,0 杠 G 8 N O,b");
    if (service == ReplacedInRetry) { // said again on a rebuilt engine, then the service is back and the voice saved
        QTRY_COMPARE_WITH_TIMEOUT(spokenTexts().size(), 2, 3000);
        qApp->setProperty("mockSpeechDown", QVariant());
        speaker.apply(readVoiceSettings(SharedConfig::voiceFile));
    }
    if (busy) {
        QTRY_VERIFY_WITH_TIMEOUT(!speechCalls().isEmpty(), 3000);
        const qint64 said = speechCalls().first().toMap().value("steadyNs").toLongLong() / 1000000;
        const qint64 now = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch()).count();
        QThread::msleep(qMax<qint64>(0, said + delayMs + 200 - now));
    }
    QFETCH(QStringList, heard);
    QFETCH(QString, events);
    QTRY_COMPARE_WITH_TIMEOUT(said.join(' '), events, 4 * SpeechWatchdog::PeriodMs);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), heard, 4 * SpeechWatchdog::PeriodMs);
    // Past the point where a late start, a second say or a failure would show.
    QTest::qWait(2 * SpeechWatchdog::PeriodMs);
    QCOMPARE(heardTexts(), heard);
    QCOMPARE(said.join(' '), events);
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
    // The service is back: the next alert is heard at once.
    qApp->setProperty("mockSpeechDown", QVariant());
    clearSpeechCalls();
    speaker.say("a,0 杠 G 8 N O,b");
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts(), QStringList{"mock: a,0 杠 G 8 N O,b"}, 3000);
    QCOMPARE(spokenTexts().size(), 1);
}

void TestSpeechText::queue_data()
{
    QTest::addColumn<QStringList>("alerts"); // "TEXT@JUMPS"; "replace": a new engine in the first alert
    QTest::addColumn<int>("utteranceMs");
    QTest::addColumn<int>("serviceDiesMs"); // -1 never, 0 before the alerts, else into the first alert
    QTest::addColumn<QStringList>("heard"); // whose alert started, in order
    QTest::addColumn<QStringList>("said");  // ... and was said to its end
    QTest::addColumn<int>("dropped");
    const QStringList four{"N-8YET", "0-G8NO", "1DQ1-A", "T5ZI-S"};
    QTest::newRow("burst of four: each whole, in order") << four << 300 << -1 << four << four << 0;
    QTest::newRow("duplicate waiting: said once") << QStringList{"A-1111", "B-2222", "B-2222", "B-2222"} << 500 << -1
                                                  << QStringList{"A-1111", "B-2222"} << QStringList{"A-1111", "B-2222"}
                                                  << 0;
    QTest::newRow("dead engine under a queue") << four << 200 << 0 << four << four << 0;
    QTest::newRow("service dies in an alert: said again whole")
        << QStringList{"A-1111", "B-2222"} << 1500 << 500 << QStringList{"A-1111", "A-1111", "B-2222"}
        << QStringList{"A-1111", "B-2222"} << 0;
    const QStringList three{"A-1111", "B-2222", "C-3333"};
    QTest::newRow("engine replaced in an alert: said again first") << three + QStringList{"replace"} << 1500 << 500
                                                                   << QStringList{"A-1111"} + three << three << 0;
    QTest::newRow("slow voice: heard once, not cut") << QStringList{"A-1111"} << 4500 << -1 << QStringList{"A-1111"}
                                                     << QStringList{"A-1111"} << 0;
    // 13 wait behind the first.
    const QStringList flood = QString("A-1110@2 A-1111@1 A-1112@1 A-1113@3 A-1114@-1 A-1115@5 A-1116@3 A-1117@3 "
                                      "A-1118@5 A-1119@3 A-1120@3 A-1121@3 A-1122@6 A-1123@3").split(' ');
    const QStringList near =
        QString("A-1110 A-1111 A-1112 A-1113 A-1116 A-1117 A-1118 A-1119 A-1120 A-1121 A-1123").split(' ');
    QTest::newRow("flood: the farthest dropped, unknown first, the oldest among equals")
        << flood << 30 << -1 << near << near << 3;
}

// Alerts that come while one is said wait for it to end.
void TestSpeechText::queue()
{
    QFETCH(QStringList, alerts);
    QFETCH(int, serviceDiesMs);
    QFETCH(int, utteranceMs);
    const auto restore = qScopeGuard([] {
        for (const char *name : {"mockSpeechService", "mockSpeechUtteranceMs"})
            qApp->setProperty(name, QVariant());
    });
    qApp->setProperty("mockSpeechUtteranceMs", utteranceMs);
    AlertSpeaker speaker;
    speaker.apply(VoiceSettings());
    speaker.queueAlerts();
    int dropped = 0;
    connect(speaker.queue(), &AlertQueue::outcome, [&dropped](int, AlertQueue::Outcome outcome) {
        dropped += outcome == AlertQueue::Dropped;
    });
    if (serviceDiesMs == 0)
        qApp->setProperty("mockSpeechService", 1);
    clearSpeechCalls();
    // Each alert has its own tag, as each report has its place in the list.
    for (int i = 0; i < alerts.size(); ++i) {
        if (alerts[i] != "replace")
            speaker.say(alerts[i].section('@', 0, 0), i, alerts[i].contains('@') ? alerts[i].section('@', 1).toInt() : -1);
    }
    if (serviceDiesMs > 0) {
        QTRY_VERIFY_WITH_TIMEOUT(!heardTexts().isEmpty(), 3000);
        QTest::qWait(serviceDiesMs);
        if (alerts.contains("replace"))
            speaker.apply(speaker.settings());
        else
            qApp->setProperty("mockSpeechService", 1);
    }
    const auto mocked = [](QStringList texts) {
        texts.replaceInStrings(QRegularExpression("^"), "mock: ");
        return texts;
    };
    QFETCH(QStringList, said);
    QTRY_COMPARE_WITH_TIMEOUT(heardTexts("said"), mocked(said), 20000);
    QTest::qWait(300);
    QFETCH(QStringList, heard);
    QCOMPARE(heardTexts(), mocked(heard));
    QTEST(dropped, "dropped");
}

QTEST_GUILESS_MAIN(TestSpeechText)
#include "tst_speechtext.moc"
