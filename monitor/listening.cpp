// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/listening.h"

#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "monitor/logfolders.h"
#include "monitor/playerrules.h"
#include "speech/matchlocation.h"

#include <QFileInfo>
#include <QtDebug>

ListeningSession::ListeningSession(QObject *parent)
    : QObject(parent)
    , m_loader(new FileLoader(this))
    , m_watcher(new ChatlogWatcher(this))
    , m_playerRules(new PlayerRules(m_loader, this))
{
    connect(m_watcher, &ChatlogWatcher::changesChanged, this, &ListeningSession::checkChanges);
    connect(m_loader, &FileLoader::followed, this, [this](const QStringList &channels) {
        m_watcher->setFollowed(m_loader->logFiles());
        m_playerRules->settle();
        emit followed(channels);
    });
    connect(SharedConfig::instance(), &SharedConfig::changed, this, [this](SharedConfig::Setting which) {
        if (which == SharedConfig::Setting::Locations)
            m_playerRules->reload();
        if (which == SharedConfig::Setting::ChatlogDir || which == SharedConfig::Setting::Channels
            || which == SharedConfig::Setting::Locations)
            settingsChanged();
        // Following newer logs may just have been turned on.
        else if (which == SharedConfig::Setting::Options)
            checkChanges();
    });
}

ListeningSession::~ListeningSession()
{
    // The logs are closed before anything that reads from the loader goes.
    m_loader->stop_monitoring();
    // The file counts from where the player was last, for the next start.
    const QString error = m_playerRules->keep();
    if (!error.isEmpty())
        qWarning("Map rules for where you are not saved in %s: %s", qPrintable(SharedConfig::locationFile),
                 qPrintable(error));
    delete m_loader;
}

bool ListeningSession::isListening() const
{
    return m_loader->isListening();
}

void ListeningSession::start()
{
    m_armed = true;
    m_loader->start_monitoring();
    remember(true);
    follow();
}

void ListeningSession::stop()
{
    m_armed = false;
    m_loader->stop_monitoring();
    m_watcher->stop();
    m_changes.clear();
    remember(false);
    m_playerRules->settle();
    // The file counts from where the player was last, for the next start.
    keepRules();
}

bool ListeningSession::resumes()
{
    return loadOptions().listening;
}

void ListeningSession::keepRules()
{
    const QString error = m_playerRules->keep();
    if (!error.isEmpty())
        emit saveFailed(SharedConfig::locationFile, error);
}

ListeningSession::Alert ListeningSession::alertFor(const QString &system) const
{
    Alert alert;
    alert.message = matchLocation(system);
    if (alert.message.isEmpty())
        return alert;
    qDebug() << alert.message;
    alert.channel = m_loader->examinedChannel();
    alert.line = m_loader->examinedText();
    alert.kind = m_loader->examinedKind();
    // The option is read at such a line only: they are few, and OK in the
    // dialog applies at once.
    alert.said = alert.kind == LineKind::Report || loadOptions().announceQuiet;
    alert.jumps = m_playerRules->jumpsTo(system);
    return alert;
}

void ListeningSession::settingsChanged()
{
    if (m_armed) {
        if (m_loader->isListening())
            m_loader->retarget();
        else
            m_loader->start_monitoring();
        follow();
    }
    // Following newer logs may just have been turned on.
    checkChanges();
}

// The watch follows what the loader follows now.
void ListeningSession::follow()
{
    if (m_loader->isListening())
        m_watcher->start(effectiveChatlogDir(), m_loader->readChannels(), m_loader->logFiles());
    else
        m_watcher->stop();
    m_playerRules->settle();
    emit followingChanged();
}

// A newer log of a channel is followed by itself, unless the player turned
// that off; what is left (a log removed, an older one newest again) is for
// the player.
void ListeningSession::checkChanges()
{
    m_changes.clear();
    const bool followNewer = m_armed && loadOptions().followNewer;
    for (const ChatlogWatcher::Change &change : m_watcher->changes()) {
        const QString newest = QFileInfo(change.newest).fileName(), was = QFileInfo(change.followed).fileName();
        // Names carry the date and time: a later name is a later session.
        // Local read only for where the player is always follows the game.
        const bool locationOnly = m_loader->locationOnly(change.channel);
        if ((followNewer || (m_armed && locationOnly)) && !newest.isEmpty()
            && (was.isEmpty() || newest.compare(was, Qt::CaseInsensitive) > 0))
            m_loader->followNewer(change.channel, change.newest);
        else if (!locationOnly)
            m_changes.append(change);
    }
    emit changesChanged();
}

void ListeningSession::remember(bool on)
{
    QString error;
    saveListening(on, &error);
    if (!error.isEmpty())
        emit saveFailed(SharedConfig::optionsFile, error);
}
