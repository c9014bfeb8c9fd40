// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/followedrules.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"

#include <QtTest>

// A chain A..E with a loop of four through C, Amarr listed on E's side only,
// a neighbour without a line of its own, a malformed line and two islands.
static const StarMap &fixture()
{
    static const StarMap map = StarMap::fromText(QStringLiteral(
        "# comment\n"
        "A-AAAA\tR\t-0.1\tB-BBBB\n"
        "B-BBBB\tR\t-0.1\tA-AAAA,C-CCCC\n"
        "C-CCCC\tR\t-0.1\tB-BBBB,D-DDDD,L-1111,L-3333\n"
        "D-DDDD\tR\t-0.1\tC-CCCC,E-EEEE,X-XXXX\n"
        "E-EEEE\tR\t-0.1\tD-DDDD,Amarr\n"
        "Amarr\tR\t1.0\t\n"
        "L-1111\tR\t-0.1\tC-CCCC,L-2222\n"
        "L-2222\tR\t-0.1\tL-1111,L-3333\n"
        "L-3333\tR\t-0.1\tL-2222,C-CCCC\n"
        "not a system line\n"
        "Z-ZZZZ\tR\t-0.1\t\n"
        "U-UUUU\tR\t-0.1\tV-VVVV\n"
        "V-VVVV\tR\t-0.1\tU-UUUU\n"));
    return map;
}

static QVector<int> found(const StarMap &map, const QStringList &systems)
{
    QVector<int> found;
    for (const QString &system : systems)
        found << map.find(system);
    return found;
}

static QStringList reached(const StarMap &map, const QStringList &homes, int radius)
{
    QStringList names;
    for (const StarMap::Reach &r : map.within(found(map, homes), radius))
        names << QStringLiteral("%1:%2").arg(map.name(r.system)).arg(r.jumps);
    return names;
}

static const QString Begin
    = "# map rules from H-HHHH within 2 jumps, words \"%1跳位\" \"预警\" \"\" (replaced whole when generated again)";
static const QString End = "# end of map rules";

class TestStarMap : public QObject
{
    Q_OBJECT
private slots:
    void distances_data();
    void distances();
    void rules_data();
    void rules();
    void merge_data();
    void merge();
    void blockSettings_data();
    void blockSettings();
    void bundledMap();
};

void TestStarMap::distances_data()
{
    QTest::addColumn<QString>("homes");
    QTest::addColumn<int>("radius");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("beyond"); // jumps past the radius, from where followed rules count
    QTest::newRow("radius 0: home only") << "A-AAAA" << 0 << QStringList{"A-AAAA:0"} << "E-EEEE:4";
    QTest::newRow("chain, any letter case") << "a-aaaa" << 2 << QStringList{"A-AAAA:0", "B-BBBB:1", "C-CCCC:2"}
                                            << "L-2222:4";
    QTest::newRow("radius 10: loop by its shortest way")
        << "A-AAAA" << 10
        << QStringList{"A-AAAA:0", "B-BBBB:1", "C-CCCC:2", "D-DDDD:3", "L-1111:3",
                       "L-3333:3", "E-EEEE:4", "L-2222:4", "Amarr:5"} << "Q-QQQQ:-1";
    QTest::newRow("gate listed on one side") << "amarr" << 1 << QStringList{"Amarr:0", "E-EEEE:1"} << "A-AAAA:5";
    QTest::newRow("nothing reachable") << "Z-ZZZZ" << 10 << QStringList{"Z-ZZZZ:0"} << "A-AAAA:-1";
    // Followed rules keep counting from where they were, Z-ZZZZ.
    QTest::newRow("not on the map") << "X-XXXX" << 5 << QStringList() << "z-zzzz:0";
    QTest::newRow("two homes: the nearest counts")
        << "A-AAAA E-EEEE" << 1 << QStringList{"A-AAAA:0", "E-EEEE:0", "Amarr:1", "B-BBBB:1", "D-DDDD:1"}
        << "L-2222:4";
    QTest::newRow("a home off the map left out, one twice")
        << "X-XXXX b-bbbb B-BBBB" << 1 << QStringList{"B-BBBB:0", "A-AAAA:1", "C-CCCC:1"} << "E-EEEE:3";
}

void TestStarMap::distances()
{
    QFETCH(QString, homes);
    QFETCH(int, radius);
    QFETCH(QStringList, expected);
    QCOMPARE(fixture().size(), 12);
    QCOMPARE(reached(fixture(), homes.split(' '), radius), expected);
    // Rules that follow the player count as far as the map goes.
    MapRules saved = buildMapRules(fixture(), fixture().find("Z-ZZZZ"), 1, {"%1", "x"});
    saved.followsPlayer = true;
    FollowedRules followed(fixture());
    followed.setLines(mergeMapRules({}, saved).lines);
    QMap<QString, QString> rules;
    QCOMPARE(followed.moveTo(homes.split(' '), &rules), !expected.isEmpty());
    QFETCH(QString, beyond);
    for (const QString &r : expected + QStringList{beyond})
        QCOMPARE(followed.jumpsTo(r.section(':', 0, 0)), r.section(':', 1).toInt());
}

void TestStarMap::rules_data()
{
    QTest::addColumn<QLocale>("voice");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("unnamed");
    QTest::addColumn<QStringList>("words"); // before, after, own system; none: the voice's own, 2 jumps out
    QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China) << "a-aaaa"
                             << QStringList{"本星系|A-AAAA|预警", "1跳位|B-BBBB|预警", "2跳位|C-CCCC|预警"}
                             << QStringList() << QStringList();
    QTest::newRow("English, Amarr not named in chat")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "E-EEEE"
        << QStringList{"in your system|E-EEEE|hostile", "1 jump|D-DDDD|hostile", "2 jumps|C-CCCC|hostile"}
        << QStringList{"Amarr"} << QStringList();
    QTest::newRow("custom words as typed") << QLocale(QLocale::English, QLocale::UnitedStates) << "A-AAAA"
                                           << QStringList{"here 0|A-AAAA|0 out", "1 jump(s)|B-BBBB|1 out", "2 jump(s)|C-CCCC|2 out"}
                                           << QStringList() << QStringList{"%1 jump(s)", "%1 out", "here %1"};
    QTest::newRow("no own-system words") << QLocale::c() << "A-AAAA" << QStringList{"0 jumps|A-AAAA|x", "1 jump|B-BBBB|x",
                                         "2 jumps|C-CCCC|x"} << QStringList() << QStringList{"%1 jumps", "x", ""};
}

void TestStarMap::rules()
{
    QFETCH(QLocale, voice);
    QFETCH(QString, home);
    QFETCH(QStringList, words);
    const MapRuleWords chosen = words.isEmpty() ? defaultMapRuleWords(voice) : MapRuleWords{words[0], words[1], words[2]};
    const MapRules rules = buildMapRules(fixture(), fixture().find(home), 2, chosen);
    QTEST(rules.lines, "lines");
    QTEST(rules.unnamed, "unnamed");
}

void TestStarMap::merge_data()
{
    QTest::addColumn<QStringList>("editor");
    QTest::addColumn<QStringList>("merged");
    QTest::addColumn<int>("kept");
    const QString a0 = "0跳位|A-AAAA|预警", b1 = "1跳位|B-BBBB|预警";
    const QString oldBegin = "# map rules from Q-QQQQ within 5 jumps (replaced whole when generated again)";
    QTest::newRow("empty editor") << QStringList{""} << QStringList{Begin, a0, b1, End} << 0;
    QTest::newRow("own rule wins, other lines stay")
        << QStringList{"近|*-****|有人", "mine|B-BBBB|own", "a note"}
        << QStringList{"近|*-****|有人", "mine|B-BBBB|own", "a note", Begin, a0, End} << 1;
    QTest::newRow("own rule in other letter case wins") << QStringList{"mine|b-bBbB|own"}
                                                        << QStringList{"mine|b-bBbB|own", Begin, a0, End} << 1;
    QTest::newRow("own rule in the same words stays") << QStringList{"3跳位|B-BBBB|预警"}
                                                      << QStringList{"3跳位|B-BBBB|预警", Begin, a0, End} << 1;
    QTest::newRow("earlier block replaced in place")
        << QStringList{"x|Q-QQQQ|y", oldBegin, "3跳位|A-AAAA|预警", "2跳位|C-CCCC|预警", End, "z|R-RRRR|w"}
        << QStringList{"x|Q-QQQQ|y", Begin, a0, b1, End, "z|R-RRRR|w"} << 0;
    QTest::newRow("block without its end: its lines count as own")
        << QStringList{oldBegin, "3跳位|A-AAAA|预警"} << QStringList{Begin, b1, End, "3跳位|A-AAAA|预警"} << 1;
}

void TestStarMap::merge()
{
    QFETCH(QStringList, editor);
    MapRules rules;
    rules.home = "H-HHHH";
    rules.radius = 2;
    rules.words = {"%1跳位", "预警"};
    rules.lines = QStringList{"0跳位|A-AAAA|预警", "1跳位|B-BBBB|预警"};
    const MergedRules merged = mergeMapRules(editor, rules);
    QTEST(merged.lines, "merged");
    QTEST(merged.kept, "kept");
    QCOMPARE(merged.added.size(), rules.lines.size() - merged.kept);
}

void TestStarMap::blockSettings_data()
{
    QTest::addColumn<QStringList>("lines");
    // readable, from where I am, centre, radius, jumps to D-DDDD, words before/after
    QTest::addColumn<QString>("read");
    MapRules written = buildMapRules(fixture(), fixture().find("A-AAAA"), 3, {"\\ say \"%1\"", " \"\\", "h\"ere"});
    written.followsPlayer = true;
    QTest::newRow("written") << mergeMapRules({"x|B-BBBB|y"}, written).lines << "1 1 A-AAAA 3 3 \\ say \"%1\"/ \"\\/h\"ere";
    MapRules two = buildMapRules(fixture(), found(fixture(), {"E-EEEE", "Q-QQQQ", "A-AAAA"}), 2, {"a", "b"});
    two.followsPlayer = true;
    QTest::newRow("written from two systems") << mergeMapRules({}, two).lines << "1 1 A-AAAA, E-EEEE 2 1 a/b";
    QTest::newRow("made before the words were kept")
        << QStringList{"# map rules from Kor-Azor Prime within 5 jumps (replaced whole when generated again)", End}
        << "1 0 Kor-Azor Prime 5 -1 /";
    QTest::newRow("made before the own-system words were kept") << QStringList{"# map rules from A-AAAA within 3 jumps, "
        "words \"a\" \"b\" (replaced whole when generated again)", End} << "1 0 A-AAAA 3 3 a/b";
    QTest::newRow("default words made before the own-system words") << QStringList{"# map rules from A-AAAA within 3 "
        "jumps, words \"%1跳位\" \"预警\" (replaced whole when generated again)", End} << "1 0 A-AAAA 3 3 %1跳位/预警/本星系";
    MapRules noHere = buildMapRules(fixture(), fixture().find("A-AAAA"), 3, {"%1 jumps", "hostile", ""});
    noHere.followsPlayer = true;
    QTest::newRow("own-system words left empty") << mergeMapRules({}, noHere).lines << "1 1 A-AAAA 3 3 %1 jumps/hostile";
    const QString damaged = "# map rules from where I am, now A-AAAA, within %1 jumps%2 (replaced whole when generated again)";
    QTest::newRow("damaged: no words") << QStringList{damaged.arg("3", ""), End} << "0 1  0 -1 /";
    QTest::newRow("damaged: radius") << QStringList{damaged.arg("11", ", words \"a\" \"b\""), End} << "0 1  0 -1 /";
    QTest::newRow("no end mark") << QStringList(mergeMapRules({}, written).lines.mid(0, 2)) << "0 1  0 -1 /";
    QTest::newRow("two blocks") << mergeMapRules({}, written).lines + QStringList{damaged.arg("3", ""), End} << "0 1  0 -1 /";
}

void TestStarMap::blockSettings()
{
    QFETCH(QStringList, lines);
    const MapBlock b = readMapBlock(lines);
    FollowedRules followed(fixture());
    followed.setLines(lines);
    QTEST(QString("%1 %2 %3 %4 %5 %6/%7").arg(b.readable).arg(b.followsPlayer).arg(b.centre).arg(b.radius)
              .arg(followed.jumpsTo("D-DDDD")).arg(b.words.before, b.words.after + (b.words.here.isEmpty() ? "" : "/" + b.words.here)), "read");
}

void TestStarMap::bundledMap()
{
    const StarMap &map = StarMap::bundled();
    QCOMPARE(map.size(), 5215);
    QCOMPARE(reached(map, {"1dq1-a"}, 1),
             (QStringList{"1DQ1-A:0", "8WA-Z6:1", "MO-GZ5:1", "N-8YET:1", "T5ZI-S:1"}));
    QCOMPARE(map.within(map.find("1DQ1-A"), 5).size(), 22);
}

QTEST_GUILESS_MAIN(TestStarMap)
#include "tst_starmap.moc"
