// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"

#include "app/configfile.h"

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

namespace {
QHash<QString, QString> caseBlind;
} // namespace

SharedConfig::SharedConfig(QObject *parent)
    : QObject(parent)
{
}

SharedConfig *SharedConfig::instance()
{
    static SharedConfig one;
    return &one;
}

bool SharedConfig::saveChatlogDir(const QString &folder, QString *error)
{
    if (!writeConfigFile(chatlogFile, joinConfigLines({folder}), error))
        return false;
    chatlogDir = folder;
    emit instance()->changed(Setting::ChatlogDir);
    return true;
}

bool SharedConfig::saveChannels(const QStringList &list, QString *error)
{
    if (!writeConfigFile(channelFile, joinConfigLines(list), error))
        return false;
    channels = QSet<QString>(list.cbegin(), list.cend());
    emit instance()->changed(Setting::Channels);
    return true;
}

bool SharedConfig::saveLocations(const QString &text, QString *error)
{
    if (!writeConfigFile(locationFile, text, error))
        return false;
    setLocations(parseLocations(text.split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive)));
    emit instance()->changed(Setting::Locations);
    return true;
}

bool SharedConfig::saveVoice(const QStringList &lines, QString *error)
{
    if (!writeConfigFile(voiceFile, joinConfigLines(lines), error))
        return false;
    emit instance()->changed(Setting::Voice);
    return true;
}

bool SharedConfig::saveOptions(const QString &text, QString *error)
{
    if (!writeConfigFile(optionsFile, text, error))
        return false;
    emit instance()->changed(Setting::Options);
    return true;
}

bool SharedConfig::keepLocations(const QStringList &lines, QString *error)
{
    return writeConfigFile(locationFile, joinConfigLines(lines), error);
}

void SharedConfig::setLocations(const QMap<QString, QString> &rules)
{
    locations = rules;
    caseBlind.clear();
    for (auto it = rules.cbegin(); it != rules.cend(); ++it) {
        const QString key = caseBlindSystem(it.key());
        if (!caseBlind.contains(key))
            caseBlind.insert(key, it.value());
    }
}

const QHash<QString, QString> &SharedConfig::caseBlindLocations()
{
    return caseBlind;
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
    setLocations(parseLocations(lines));

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
        setLocations(parseLocations(lines));
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
