// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOLLOWEDRULES_H
#define FOLLOWEDRULES_H

#include "starmap/maprules.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The rules in force when the generated block follows the player: the
// player's own rules, and the block made again in memory from each system
// the player enters, with the radius and words its marker line keeps. The
// file is left as it is.
class FollowedRules
{
public:
    // The rules file's lines as saved.
    void setLines(const QStringList &lines);
    const MapBlock &block() const { return m_block; }
    bool follows() const { return m_block.readable && m_block.followsPlayer; }
    // The system the block in force counts from.
    const QString &centre() const { return m_centre; }
    // The rules for the player in `system`, by system as SharedConfig keeps
    // them. False, and *rules untouched, when the block does not follow the
    // player or `system` is not on the map.
    bool moveTo(const QString &system, QMap<QString, QString> *rules);
    // The rules file's `lines` with the block made from centre(), to be kept
    // when listening stops; `lines` as they are when the player has not left
    // the system the file counts from, the block does not follow the player
    // or the file no longer holds the block these rules were read from.
    QStringList linesToKeep(const QStringList &lines) const;
    // The file now holds the block made from centre().
    void kept();

private:
    MapBlock m_block;
    QString m_centre;
    QMap<QString, QString> m_own;
    OwnSystems m_ownSystems;
};

#endif
