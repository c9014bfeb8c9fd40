// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/followedrules.h"

#include "app/sharedconfig.h"
#include "starmap/starmap.h"

void FollowedRules::setLines(const QStringList &lines)
{
    m_block = readMapBlock(lines);
    m_centre = m_block.centre;
    m_own = SharedConfig::parseLocations(ownLines(lines));
    m_ownSystems = OwnSystems(m_own);
}

bool FollowedRules::moveTo(const QString &system, QMap<QString, QString> *rules)
{
    const StarMap &map = StarMap::bundled();
    const int at = map.find(system);
    if (!follows() || at < 0)
        return false;
    const MapRules block = buildMapRules(map, at, m_block.radius, m_block.words);
    QMap<QString, QString> inForce = m_own;
    // The player's own rules win, as when the block is written.
    for (const QString &rule : block.lines) {
        if (!m_ownSystems.haveRuleFor(rule))
            inForce.insert(rule.section(QLatin1Char('|'), 1, 1), rule);
    }
    m_centre = block.home;
    *rules = inForce;
    return true;
}

QStringList FollowedRules::linesToKeep(const QStringList &lines) const
{
    const StarMap &map = StarMap::bundled();
    const MapBlock saved = readMapBlock(lines);
    const bool same = saved.readable && saved.followsPlayer && saved.centre == m_block.centre
        && saved.radius == m_block.radius && saved.words.before == m_block.words.before
        && saved.words.after == m_block.words.after;
    const int centre = map.find(m_centre);
    if (!follows() || !same || m_centre == m_block.centre || centre < 0)
        return lines;
    MapRules rules = buildMapRules(map, centre, m_block.radius, m_block.words);
    rules.followsPlayer = true;
    return mergeMapRules(lines, rules).lines;
}

void FollowedRules::kept()
{
    m_block.centre = m_centre;
}
