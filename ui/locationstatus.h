// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOCATIONSTATUS_H
#define LOCATIONSTATUS_H

#include <QObject>

class FileLoader;
class PlayerRules;
class StatusLine;

// Where the player's characters are and whether the map rules follow them,
// as the status line shows it.
class LocationStatus : public QObject
{
    Q_OBJECT
public:
    LocationStatus(FileLoader *loader, PlayerRules *rules, StatusLine *line, QObject *parent = nullptr);

    // The status line's topics, for listening started, stopped or retargeted.
    void show();

private:
    FileLoader *m_loader;
    PlayerRules *m_rules;
    StatusLine *m_line;
};

#endif
