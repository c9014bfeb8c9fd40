// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLAYERRULES_H
#define PLAYERRULES_H

#include "starmap/followedrules.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class FileLoader;

// The map rules that follow the player's characters: made again in memory at
// each jump the loader reports, and kept in the rules file only when asked
// (listening stopped, the rules about to be edited, the program closing).
class PlayerRules : public QObject
{
    Q_OBJECT
public:
    explicit PlayerRules(FileLoader *loader, QObject *parent = nullptr);

    // Reads the rules file again: at the start and after it was edited.
    void reload();
    // Writes the block for the system the rules count from now. Returns why
    // it could not be written; empty when it was or had no need.
    QString keep();
    // The jumps to `system` from the nearest character the map knows, else
    // from where the rules count; -1 when not known.
    int jumpsTo(const QString &system) const;
    // Where the characters are is not known now (not listening, or no word
    // yet): no alert is ranked by where a character was before.
    void settle();
    // The systems the characters are in, each once.
    QStringList playerSystems() const;
    const FollowedRules &rules() const { return m_rules; }

signals:
    // The rules in force, or where the characters are, may have changed.
    void changed();

private:
    void playerMoved();

    FileLoader *m_loader;
    FollowedRules m_rules;
    QVector<int> m_playerJumps; // by system, from the characters; one search per move
};

#endif
