// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAPRULES_H
#define MAPRULES_H

#include <QLocale>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class StarMap;

// The words spoken before and after the system in a generated rule; "%1"
// in either stands for the number of jumps. `here` takes the place of
// `before` for the system counted from; empty, `before` says 0 jumps.
struct MapRuleWords
{
    QString before;
    QString after;
    QString here{};
};

// "%1跳位", "预警" and "本星系" for a Chinese voice, "%1 jumps", "hostile"
// and "in your system" for any other (only Chinese and English are spoken).
// The English "%1 jumps" says "1 jump"; other words are used as typed.
MapRuleWords defaultMapRuleWords(const QLocale &voice);

// Words that keep a rule one line of three fields: no "|", no line break.
bool fitsInRule(const QString &words);

struct MapRules
{
    QString home;           // as the map spells it; several by name, joined by CentreSeparator
    int radius = 0;
    MapRuleWords words;         // fitsInRule: the block's marker line keeps them
    bool followsPlayer = false; // counted again from each system the player enters
    QStringList lines;      // one rule per system in range, nearest first
    QStringList unnamed;    // systems in range whose names chat detection never reports
};

// Between the systems a block counts from: no system name holds it, and the
// marker line keeps it as it keeps one name.
constexpr QLatin1String CentreSeparator(", ");

// Rules for every system within `radius` jumps of the nearest of `homes`,
// homes included; homes not on the map are left out.
MapRules buildMapRules(const StarMap &map, const QVector<int> &homes, int radius, const MapRuleWords &words);
inline MapRules buildMapRules(const StarMap &map, int home, int radius, const MapRuleWords &words)
{
    return buildMapRules(map, QVector<int>{home}, radius, words);
}

struct MergedRules
{
    QStringList lines;
    QStringList added;      // the generated rules put in
    int kept = 0;           // systems left to a rule of the player's own
};

// The editor's lines with `rules` as the one block of generated rules. The
// block sits between two marker lines that hold no "|", so they are never
// rules; an earlier block is replaced in place, otherwise the block goes at
// the end. Every line outside a block is the player's and stays as it is,
// and a system with a rule there gets no generated one.
MergedRules mergeMapRules(const QStringList &editor, const MapRules &rules);

// The most jumps a block reaches: the dialog's limit.
constexpr int MaxMapRadius = 10;

// The systems of the player's own rules, as letter case does not count: a
// rule of the player's for "n-8yet" answers for N-8YET, and a generated one
// for it would take its place.
class OwnSystems
{
public:
    OwnSystems() = default;
    explicit OwnSystems(const QMap<QString, QString> &own);
    // Whether the generated rule line is for one of these systems.
    bool haveRuleFor(const QString &generated) const;

private:
    QSet<QString> m_systems;
};

// What a block of generated rules was made from, as its first marker line
// keeps it, so that it can be made again from another system.
struct MapBlock
{
    bool found = false;         // the lines hold a block
    bool readable = false;      // and its marker line could be read
    bool followsPlayer = false;
    QString centre;             // the system its lines count from, or several as MapRules::home
    int radius = 0;
    MapRuleWords words;
};

MapBlock readMapBlock(const QStringList &lines);

// The systems of a block's centre.
QStringList centreSystems(const QString &centre);

// The lines outside every block, the player's own. *blockAt: where the first
// block was among them, -1 when there is none.
QStringList ownLines(const QStringList &lines, int *blockAt = nullptr);

#endif
