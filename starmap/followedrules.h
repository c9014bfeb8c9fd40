// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOLLOWEDRULES_H
#define FOLLOWEDRULES_H

#include "starmap/maprules.h"
#include "starmap/starmap.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// The rules in force when the generated block follows the player: the
// player's own rules, and the block made again in memory from the systems
// the player's characters enter, with the radius and words its marker line
// keeps. The file is left as it is.
class FollowedRules
{
public:
    explicit FollowedRules(const StarMap &map = StarMap::bundled()) : m_map(&map) {}

    // The rules file's lines as saved.
    void setLines(const QStringList &lines);
    const MapBlock &block() const { return m_block; }
    bool follows() const { return m_block.readable && m_block.followsPlayer; }
    // The systems the block in force counts from, joined as in its marker.
    const QString &centre() const { return m_centre; }
    // The rules for the player's characters in `systems`, counted from the
    // nearest, by system as SharedConfig keeps them. Systems not on the map
    // are left out. False, and *rules untouched, when the block does not
    // follow the player or none of `systems` is on the map.
    bool moveTo(const QStringList &systems, QMap<QString, QString> *rules);
    // The jumps from centre() to `system`, in any letter case, also beyond
    // the block's radius; -1 when there is no readable block or no way.
    int jumpsTo(const QString &system) const;
    // The rules file's `lines` with the block made from centre(), to be kept
    // when listening stops; `lines` as they are when the player has not left
    // the systems the file counts from, the block does not follow the player
    // or the file no longer holds the block these rules were read from.
    QStringList linesToKeep(const QStringList &lines) const;
    // The file now holds the block made from centre().
    void kept();

private:
    QVector<int> jumpsFrom(const QString &centre) const;

    const StarMap *m_map;
    MapBlock m_block;
    QString m_centre;
    QVector<int> m_jumps; // from m_centre, by system: one search per move, not per alert
    QMap<QString, QString> m_own;
    OwnSystems m_ownSystems;
};

#endif
