// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/locationstatus.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "starmap/starmap.h"
#include "ui/statusline.h"

#include <QFileInfo>

LocationStatus::LocationStatus(FileLoader *loader, StatusLine *line, QObject *parent)
    : QObject(parent)
    , m_loader(loader)
    , m_line(line)
{
    connect(loader, &FileLoader::playerMoved, this, &LocationStatus::playerMoved);
    reload();
}

void LocationStatus::reload()
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
        SharedConfig::locations = rules;
    show();
}

// Not at each jump: the file stays plain rules, for the last known system.
QString LocationStatus::keep()
{
    QStringList lines;
    readConfigLines(SharedConfig::locationFile, &lines);
    const QStringList kept = m_rules.linesToKeep(lines);
    QString error;
    // Only the block changes: the player's own lines stay as they were read,
    // and edits made elsewhere meanwhile apply at the next reload.
    if (kept != lines && writeConfigFile(SharedConfig::locationFile, joinConfigLines(kept), &error))
        m_rules.kept();
    return error;
}

QStringList LocationStatus::playerSystems() const
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
int LocationStatus::jumpsTo(const QString &system) const
{
    const int at = StarMap::bundled().find(system);
    if (at >= 0 && at < m_playerJumps.size())
        return m_playerJumps.at(at);
    return m_rules.jumpsTo(system);
}

void LocationStatus::playerMoved()
{
    const QVector<int> homes = StarMap::bundled().find(playerSystems());
    m_playerJumps = homes.isEmpty() ? QVector<int>() : StarMap::bundled().jumps(homes);
    QMap<QString, QString> rules;
    if (m_rules.moveTo(playerSystems(), &rules))
        SharedConfig::locations = rules;
    show();
}

// A block that cannot follow, or no word of where the player is, are
// warnings: the counts said may then be wrong.
void LocationStatus::show()
{
    const QStringList systems = playerSystems();
    const QString centre = m_rules.centre();
    const bool listening = m_loader->isListening(), follows = m_rules.follows();
    const QString damaged = tr("Map rules cannot follow you: their marker lines are damaged");
    m_line->setTopic(StatusLine::MapRules, listening && m_rules.block().followsPlayer && !follows ? damaged : QString(),
                     tr("The map rules' marker lines (their first line and \"# end of map rules\") cannot be read, "
                        "so they count jumps from where they were made. Make them again in 选项 > Location > From "
                        "map…."));
    const QString unknown = tr("Where you are is not known: jump counts from %1").arg(centre);
    m_line->setTopic(StatusLine::Unlocated, listening && follows && systems.isEmpty() ? unknown : QString(),
                     tr("No line of the game's in a Local log says which system you are in: Local is not logged, "
                        "or the game is not running. The rules counted from %1 stay in force.")
                         .arg(centre));
    if (!listening || systems.isEmpty()) {
        // Not known now: no alert is ranked by where a character was before.
        m_playerJumps.clear();
        m_line->clearTopic(StatusLine::Location);
        return;
    }
    QStringList named;
    bool onMap = false;
    for (const QString &system : systems) {
        const bool found = StarMap::bundled().find(system) >= 0;
        onMap = onMap || found;
        named << (found ? system : tr("%1 (not on the map)").arg(system));
    }
    const QString where = named.join(QStringLiteral(", "));
    // With none on the map the last counts stay.
    const QString brief = follows && !onMap ? tr("In %1: jump counts from %2").arg(where, centre) : tr("In %1").arg(where);
    QString full = systems.size() == 1
        ? tr("In %1, as the game says in %2.").arg(where, QFileInfo(m_loader->locationLog()).fileName())
        : tr("Your characters are in %1, as the game says in their Local logs.").arg(where);
    if (follows)
        full += QLatin1Char('\n') + tr("Map rules count jumps from %1.").arg(centre);
    m_line->setTopic(StatusLine::Location, brief, full);
}
