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

    static QString chatlogDir;
    static QSet<QString> channels;
    static QMap<QString, QString> locations;

    static void load();
    static void reloadLocations();
    static QMap<QString, QString> parseLocations(const QStringList &lines);

    // Where the game writes its logs when no folder was chosen.
    static QString defaultChatlogDir();
    // chatlogDir, or the default folder when it is empty.
    static QString effectiveChatlogDir();
};

#endif
