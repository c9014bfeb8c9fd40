// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SHAREDCONFIG_H
#define SHAREDCONFIG_H

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Process-wide settings, filled at start-up and read by everyone else.
// Never instantiated: all state is static.
class SharedConfig : public QObject
{
    Q_OBJECT
public:
    explicit SharedConfig(QObject *parent = nullptr);

    static QString configDir;
    static QString chatlogFile;
    static QString channelFile;
    static QString locationFile;
    static QString voiceFile;
    static QString optionsFile;

    static QString chatlogDir;
    static QSet<QString> channels;
    static QMap<QString, QString> locations;

    static void load();
    static void reloadLocations();
    static QMap<QString, QString> parseLocations(const QStringList &lines);
    // A rule's or a report's system as letter case does not count: two
    // spellings name the same system when these are equal. Only ASCII
    // letters are folded, as system names are ASCII.
    static QString caseBlindSystem(const QString &system);

    // Where the game writes its logs when no folder was chosen, as last
    // decided (decided the first time it is asked for).
    static QString defaultChatlogDir();
    // chatlogDir, or the default folder when it is empty.
    static QString effectiveChatlogDir();
    // Decides the default folder again, unless a folder was chosen, and
    // returns the effective folder. Off Windows the default is where the
    // game wrote last (a Wine or Proton prefix, say). Writes nothing.
    static QString decideChatlogDir();
};

#endif
