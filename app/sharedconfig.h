// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SHAREDCONFIG_H
#define SHAREDCONFIG_H

#include <QHash>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

// Process-wide settings, filled at start-up and read by everyone else. The
// values are static; they change only through the functions below, and the
// one instance says when a saved one did.
class SharedConfig : public QObject
{
    Q_OBJECT
public:
    enum class Setting { ChatlogDir, Channels, Locations, Voice, Options };
    Q_ENUM(Setting)

    explicit SharedConfig(QObject *parent = nullptr);
    static SharedConfig *instance();

    static QString configDir;
    static QString chatlogFile;
    static QString channelFile;
    static QString locationFile;
    static QString voiceFile;
    static QString optionsFile;

    static QString chatlogDir;
    static QSet<QString> channels;
    static QMap<QString, QString> locations;

    // Each writes its file atomically, then takes the value into memory and
    // emits changed(). On failure the file and memory stay as they were,
    // nothing is emitted, and *error says why.
    static bool saveChatlogDir(const QString &folder, QString *error = nullptr);
    // In the order given, which the file keeps.
    static bool saveChannels(const QStringList &channels, QString *error = nullptr);
    // The rules file as the player wrote it.
    static bool saveLocations(const QString &text, QString *error = nullptr);
    static bool saveVoice(const QStringList &lines, QString *error = nullptr);
    static bool saveOptions(const QString &text, QString *error = nullptr);
    // The rules file catching up with the map rules already in force: memory
    // does not change and nothing is emitted, so that writing it never makes
    // the rules be read again.
    static bool keepLocations(const QStringList &lines, QString *error = nullptr);
    // The rules in force, in memory only: the map rules that follow the
    // player from jump to jump. Nothing is emitted; the rules say it.
    static void setLocations(const QMap<QString, QString> &rules);
    // The rules by caseBlindSystem of their system; of spellings that differ
    // only in case, the first in key order, the one nearest to upper case.
    static const QHash<QString, QString> &caseBlindLocations();

    static void load();
    static void reloadLocations();
    static QMap<QString, QString> parseLocations(const QStringList &lines);
    // A rule's or a report's system as letter case does not count: two
    // spellings name the same system when these are equal. Only ASCII
    // letters are folded, as system names are ASCII.
    static QString caseBlindSystem(const QString &system);

signals:
    // A setting was saved and is in memory now.
    void changed(SharedConfig::Setting which);
};

#endif
