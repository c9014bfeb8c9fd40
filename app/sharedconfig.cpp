// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"

#include "app/configfile.h"
#include "monitor/logfolders.h"

#include <QDir>
#include <QtDebug>

QString SharedConfig::configDir = QStringLiteral("config");
QString SharedConfig::locationFile = QStringLiteral("config/location.ini");
QString SharedConfig::channelFile = QStringLiteral("config/channel.ini");
QString SharedConfig::chatlogFile = QStringLiteral("config/chatlog.ini");
QString SharedConfig::voiceFile = QStringLiteral("config/voice.ini");
QString SharedConfig::optionsFile = QStringLiteral("config/options.ini");
QString SharedConfig::chatlogDir;
QMap<QString, QString> SharedConfig::locations;
QSet<QString> SharedConfig::channels;

SharedConfig::SharedConfig(QObject *parent)
    : QObject(parent)
{
}

void SharedConfig::load()
{
    QDir dir;
    if (!dir.exists(configDir)) {
        qWarning("Cannot find the config directory");
        dir.mkdir(configDir);
        return;
    }

    QStringList lines;
    if (readConfigLines(chatlogFile, &lines)) {
        for (const QString &line : qAsConst(lines)) {
            if (!line.isEmpty()) {
                chatlogDir = line;
                break;
            }
        }
    }

    // Without location rules the channels are not read either.
    if (!readConfigLines(locationFile, &lines))
        return;
    locations = parseLocations(lines);

    channels.clear();
    if (readConfigLines(channelFile, &lines)) {
        for (const QString &line : qAsConst(lines))
            channels.insert(line);
    }
}

void SharedConfig::reloadLocations()
{
    QStringList lines;
    if (readConfigLines(locationFile, &lines))
        locations = parseLocations(lines);
}

QMap<QString, QString> SharedConfig::parseLocations(const QStringList &lines)
{
    QMap<QString, QString> rules;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('|'), Qt::KeepEmptyParts, Qt::CaseSensitive);
        if (fields.size() != 3)
            continue;
        rules.insert(fields.at(1), line);
    }
    return rules;
}

QString SharedConfig::caseBlindSystem(const QString &system)
{
    QString key = system;
    for (QChar &c : key) {
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return key;
}

namespace {
QString decidedDefault;
}

QString SharedConfig::defaultChatlogDir()
{
    // The folder that holds the newest log: Documents may be OneDrive's on
    // Windows, a Wine or Proton prefix elsewhere.
    if (decidedDefault.isEmpty()) {
        const QString home = QDir::homePath();
        const QString found = newestChatlogFolder(chatlogFolderCandidates(home, documentsFolders(home)));
#ifdef Q_OS_WIN
        decidedDefault = found.isEmpty() ? home + QStringLiteral("\\Documents\\EVE\\logs\\Chatlogs") : found;
#else
        decidedDefault = found.isEmpty() ? home + QStringLiteral("/Documents/EVE/logs/Chatlogs") : found;
#endif
    }
    return decidedDefault;
}

QString SharedConfig::effectiveChatlogDir()
{
    return chatlogDir.isEmpty() ? defaultChatlogDir() : chatlogDir;
}

QString SharedConfig::decideChatlogDir()
{
    if (!chatlogDir.isEmpty())
        return chatlogDir;
    decidedDefault.clear();
    return defaultChatlogDir();
}
