// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/locationstatus.h"

#include "monitor/fileloader.h"
#include "monitor/playerrules.h"
#include "starmap/starmap.h"
#include "ui/statusline.h"

#include <QFileInfo>

LocationStatus::LocationStatus(FileLoader *loader, PlayerRules *rules, StatusLine *line, QObject *parent)
    : QObject(parent)
    , m_loader(loader)
    , m_rules(rules)
    , m_line(line)
{
    connect(rules, &PlayerRules::changed, this, &LocationStatus::show);
    show();
}

// A block that cannot follow, or no word of where the player is, are
// warnings: the counts said may then be wrong.
void LocationStatus::show()
{
    const QStringList systems = m_rules->playerSystems();
    const QString centre = m_rules->rules().centre();
    const bool listening = m_loader->isListening(), follows = m_rules->rules().follows();
    const QString damaged = tr("Map rules cannot follow you: their marker lines are damaged");
    const bool cannotFollow = listening && m_rules->rules().block().followsPlayer && !follows;
    m_line->setTopic(StatusLine::MapRules, cannotFollow ? damaged : QString(),
                     tr("The map rules' marker lines (their first line and \"# end of map rules\") cannot be read, "
                        "so they count jumps from where they were made. Make them again in 选项 > Location > From "
                        "map…."));
    const QString unknown = tr("Where you are is not known: jump counts from %1").arg(centre);
    m_line->setTopic(StatusLine::Unlocated, listening && follows && systems.isEmpty() ? unknown : QString(),
                     tr("No line of the game's in a Local log says which system you are in: Local is not logged, "
                        "or the game is not running. The rules counted from %1 stay in force.")
                         .arg(centre));
    if (!listening || systems.isEmpty()) {
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
