// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/playerrules.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "starmap/starmap.h"

PlayerRules::PlayerRules(FileLoader *loader, QObject *parent)
    : QObject(parent)
    , m_loader(loader)
{
    connect(loader, &FileLoader::playerMoved, this, &PlayerRules::playerMoved);
    reload();
}

void PlayerRules::reload()
{
    QStringList lines;
    readConfigLines(SharedConfig::locationFile, &lines);
    m_rules.setLines(lines);
    // Made again at once, so that the player's own rules win from the start,
    // as they do after a jump. Where the player was seen counts only while
    // listening: else the system the file counts from, which may be the one
    // just typed in From map….
    QMap<QString, QString> rules;
    if ((m_loader->isListening() && m_rules.moveTo(playerSystems(), &rules))
        || m_rules.moveTo(centreSystems(m_rules.centre()), &rules))
        SharedConfig::setLocations(rules);
    settle();
    emit changed();
}

// Not at each jump: the file stays plain rules, for the last known system.
QString PlayerRules::keep()
{
    QStringList lines;
    readConfigLines(SharedConfig::locationFile, &lines);
    const QStringList kept = m_rules.linesToKeep(lines);
    QString error;
    // Only the block changes: the player's own lines stay as they were read,
    // and edits made elsewhere meanwhile apply at the next reload.
    if (kept != lines && SharedConfig::keepLocations(kept, &error))
        m_rules.kept();
    return error;
}

QStringList PlayerRules::playerSystems() const
{
    QStringList systems;
    const QMap<QString, QString> byCharacter = m_loader->playerSystems();
    for (const QString &system : byCharacter) {
        if (!system.isEmpty() && !systems.contains(system))
            systems << system;
    }
    return systems;
}

// Only the rules in memory change, counted from the nearest character.
int PlayerRules::jumpsTo(const QString &system) const
{
    const int at = StarMap::bundled().find(system);
    if (at >= 0 && at < m_playerJumps.size())
        return m_playerJumps.at(at);
    return m_rules.jumpsTo(system);
}

void PlayerRules::settle()
{
    if (!m_loader->isListening() || playerSystems().isEmpty())
        m_playerJumps.clear();
}

void PlayerRules::playerMoved()
{
    const QVector<int> homes = StarMap::bundled().find(playerSystems());
    m_playerJumps = homes.isEmpty() ? QVector<int>() : StarMap::bundled().jumps(homes);
    QMap<QString, QString> rules;
    if (m_rules.moveTo(playerSystems(), &rules))
        SharedConfig::setLocations(rules);
    settle();
    emit changed();
}
