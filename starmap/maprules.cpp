// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/maprules.h"

#include "app/sharedconfig.h"
#include "monitor/detection.h"
#include "starmap/starmap.h"

#include <QSet>

namespace {

const QString BlockBegin = QStringLiteral("# map rules from ");
const QString BlockEnd = QStringLiteral("# end of map rules");

bool isBlockBegin(const QString &line)
{
    return line.trimmed().startsWith(BlockBegin.trimmed());
}

bool isBlockEnd(const QString &line)
{
    return line.trimmed() == BlockEnd;
}

// Whether the detection reports this very name when chat writes it; it
// cannot for names such as "Amarr" or "Kor-Azor Prime".
bool chatCanName(const QString &name)
{
    return isSystemName(name);
}

QString withJumps(QString words, int jumps)
{
    return words.replace(QLatin1String("%1"), QString::number(jumps));
}

} // namespace

bool fitsInRule(const QString &words)
{
    return !words.contains(QLatin1Char('|')) && !words.contains(QLatin1Char('\n'))
        && !words.contains(QLatin1Char('\r'));
}

MapRuleWords defaultMapRuleWords(const QLocale &voice)
{
    if (voice.language() == QLocale::Chinese)
        return {QStringLiteral("%1跳位"), QStringLiteral("预警")};
    return {QStringLiteral("%1 jumps"), QStringLiteral("hostile")};
}

MapRules buildMapRules(const StarMap &map, int home, int radius, const MapRuleWords &words)
{
    MapRules rules;
    if (home < 0 || home >= map.size())
        return rules;
    rules.home = map.name(home);
    rules.radius = radius;
    const QVector<StarMap::Reach> reached = map.within(home, radius);
    for (const StarMap::Reach &r : reached) {
        const QString &name = map.name(r.system);
        if (!chatCanName(name))
            rules.unnamed.append(name);
        else
            rules.lines.append(withJumps(words.before, r.jumps) + QLatin1Char('|') + name + QLatin1Char('|')
                               + withJumps(words.after, r.jumps));
    }
    return rules;
}

MergedRules mergeMapRules(const QStringList &editor, const MapRules &rules)
{
    QStringList own;
    int blockAt = -1;
    for (int i = 0; i < editor.size(); ++i) {
        const QString &line = editor.at(i);
        if (isBlockEnd(line))
            continue;
        if (isBlockBegin(line)) {
            if (blockAt < 0)
                blockAt = own.size();
            int end = i + 1;
            while (end < editor.size() && !isBlockBegin(editor.at(end)) && !isBlockEnd(editor.at(end)))
                ++end;
            // Without its end mark nobody can tell where a block stops: only
            // the mark goes, and the lines after it count as the player's.
            if (end < editor.size() && isBlockEnd(editor.at(end)))
                i = end;
            continue;
        }
        own.append(line);
    }
    if (blockAt < 0) {
        while (!own.isEmpty() && own.last().trimmed().isEmpty())
            own.removeLast();
        blockAt = own.size();
    }

    // Letter case does not count: a rule of the player's for "n-8yet"
    // answers for N-8YET, and a generated one would take its place.
    QSet<QString> ownSystems;
    const QMap<QString, QString> ownRules = SharedConfig::parseLocations(own);
    for (auto it = ownRules.cbegin(); it != ownRules.cend(); ++it)
        ownSystems.insert(SharedConfig::caseBlindSystem(it.key()));
    MergedRules merged;
    QStringList block;
    block << BlockBegin
                 + QStringLiteral("%1 within %2 jumps (replaced whole when generated again)")
                       .arg(rules.home, QString::number(rules.radius));
    for (const QString &rule : rules.lines) {
        if (ownSystems.contains(SharedConfig::caseBlindSystem(rule.section(QLatin1Char('|'), 1, 1)))) {
            ++merged.kept;
        } else {
            block << rule;
            merged.added << rule;
        }
    }
    block << BlockEnd;
    merged.lines = own.mid(0, blockAt) + block + own.mid(blockAt);
    return merged;
}
