// SPDX-License-Identifier: GPL-3.0-or-later
#include "starmap/followedrules.h"

#include "app/sharedconfig.h"

void FollowedRules::setLines(const QStringList &lines)
{
    m_block = readMapBlock(lines);
    m_centre = m_block.centre;
    m_jumps = jumpsFrom(m_centre);
    m_own = SharedConfig::parseLocations(ownLines(lines));
    m_ownSystems = OwnSystems(m_own);
}

QVector<int> FollowedRules::jumpsFrom(const QString &centre) const
{
    const QVector<int> homes = m_map->find(centreSystems(centre));
    return homes.isEmpty() ? QVector<int>() : m_map->jumps(homes);
}

bool FollowedRules::moveTo(const QStringList &systems, QMap<QString, QString> *rules)
{
    const QVector<int> homes = m_map->find(systems);
    if (!follows() || homes.isEmpty())
        return false;
    const MapRules block = buildMapRules(*m_map, homes, m_block.radius, m_block.words);
    QMap<QString, QString> inForce = m_own;
    // The player's own rules win, as when the block is written.
    for (const QString &rule : block.lines) {
        if (!m_ownSystems.haveRuleFor(rule))
            inForce.insert(rule.section(QLatin1Char('|'), 1, 1), rule);
    }
    if (block.home != m_centre) {
        m_centre = block.home;
        m_jumps = jumpsFrom(m_centre);
    }
    *rules = inForce;
    return true;
}

int FollowedRules::jumpsTo(const QString &system) const
{
    const int at = m_map->find(system);
    return at >= 0 && at < m_jumps.size() ? m_jumps.at(at) : -1;
}

QStringList FollowedRules::linesToKeep(const QStringList &lines) const
{
    const MapBlock saved = readMapBlock(lines);
    const bool same = saved.readable && saved.followsPlayer && saved.centre == m_block.centre
        && saved.radius == m_block.radius && saved.words.before == m_block.words.before
        && saved.words.after == m_block.words.after && saved.words.here == m_block.words.here;
    const QVector<int> homes = m_map->find(centreSystems(m_centre));
    if (!follows() || !same || m_centre == m_block.centre || homes.isEmpty())
        return lines;
    MapRules rules = buildMapRules(*m_map, homes, m_block.radius, m_block.words);
    rules.followsPlayer = true;
    return mergeMapRules(lines, rules).lines;
}

void FollowedRules::kept()
{
    m_block.centre = m_centre;
}
