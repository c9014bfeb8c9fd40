// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOCATIONSTATUS_H
#define LOCATIONSTATUS_H

#include "starmap/followedrules.h"

#include <QObject>
#include <QString>
#include <QVector>

class FileLoader;
class StatusLine;

// Where the player's characters are, as the status line shows it, and the map
// rules that follow them: made again in memory at each jump the loader reports,
// and kept in the rules file only when asked (listening stopped, the rules
// about to be edited, the program closing).
class LocationStatus : public QObject
{
    Q_OBJECT
public:
    LocationStatus(FileLoader *loader, StatusLine *line, QObject *parent = nullptr);

    // Reads the rules file again: at the start and after it was edited.
    void reload();
    // Writes the block for the system the rules count from now. Returns why
    // it could not be written; empty when it was or had no need.
    QString keep();
    // The status line's topics, for listening started, stopped or retargeted.
    void show();
    // The jumps to `system` from the nearest character the map knows, else
    // from where the rules count; -1 when not known.
    int jumpsTo(const QString &system) const;

private:
    void playerMoved();
    // The systems the characters are in, each once.
    QStringList playerSystems() const;

    FileLoader *m_loader;
    StatusLine *m_line;
    FollowedRules m_rules;
    QVector<int> m_playerJumps; // by system, from the characters; one search per move
};

#endif
