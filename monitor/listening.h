// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LISTENING_H
#define LISTENING_H

#include "monitor/chatlogwatcher.h"
#include "monitor/detection.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class FileLoader;
class PlayerRules;

// Listening as the player turns it on and off, and what follows by itself
// while it is on: a newer log of a followed channel, settings changed. It
// owns the loader, the folder watch and the map rules that follow the
// player; the window only shows what it says.
class ListeningSession : public QObject
{
    Q_OBJECT
public:
    explicit ListeningSession(QObject *parent = nullptr);
    ~ListeningSession() override;

    FileLoader *loader() const { return m_loader; }
    PlayerRules *playerRules() const { return m_playerRules; }
    // Started by the player: listening, or waiting for a channel and a rule.
    bool isArmed() const { return m_armed; }
    bool isListening() const;

    // Both kept for the next start of the program; stopping also keeps the
    // map rules that followed the player.
    void start();
    void stop();
    // Folder, channels or rules changed (as the settings store says): while
    // armed they apply at once and the logs that stay followed keep their place.
    void settingsChanged();
    // What changed in the folder that listening did not follow by itself.
    const QVector<ChatlogWatcher::Change> &changes() const { return m_changes; }
    // Whether listening was on when the program last ended.
    static bool resumes();
    // Writes the map rules that followed the player to the file, as plain
    // rules counted from where the player is (a failure is said).
    void keepRules();

    // A system named in the line just read, as the rules answer it: no
    // message when no rule watches it.
    struct Alert
    {
        QString message;
        QString channel;
        QString line;
        LineKind kind = LineKind::Report;
        // A clear or a question is said only when the player asks for them.
        bool said = true;
        // From the nearest character; -1 when not known.
        int jumps = -1;
    };
    Alert alertFor(const QString &system) const;

signals:
    // Started, or follows what the settings say now.
    void followingChanged();
    // The folder's logs changed; changes() says what is left to the player.
    void changesChanged();
    // Newer logs of these channels have taken over.
    void followed(const QStringList &channels);
    void saveFailed(const QString &path, const QString &error);

private:
    void follow();
    void checkChanges();
    void remember(bool on);

    FileLoader *m_loader;
    ChatlogWatcher *m_watcher;
    PlayerRules *m_playerRules;
    QVector<ChatlogWatcher::Change> m_changes;
    bool m_armed = false;
};

#endif
