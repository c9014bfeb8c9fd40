// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <functional>

// A fresh working folder for one test: the process changes into it and back.
class WorkingFolder
{
public:
    explicit WorkingFolder(bool withConfig = true);
    ~WorkingFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Resets the configuration store to its start-up values.
void resetSharedConfig();

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);
void appendBytes(const QString &path, const QByteArray &bytes);

// Text as the game writes it: UTF-16LE.
QByteArray utf16(const QString &text);
// A new chat log as the game starts one: BOM, header block, CR LF.
void writeGameLog(const QString &path, const QString &channel, const QStringList &lines = {});
// One line as the game appends it: U+FEFF, timestamp, speaker, " > ", text.
QByteArray gameLine(const QString &message, const QString &speaker = QStringLiteral("Pilot"));
// A log named as the game names it: "Corp_07_2" is Corp's log begun at 07:00
// on 2026.12.07 by the second character logged in.
QString gameLogPath(const QString &folder, const QString &name);

// Runs `work` without root's right to ignore file permissions, so that a
// read-only file or folder really is read-only. Returns what `work` returned.
bool runUnprivileged(const std::function<bool()> &work);
// Makes a folder tree usable by the unprivileged user of runUnprivileged.
void openUpForUnprivileged(const QString &path);

// What the recording speech engine was asked to do, in order.
QVariantList speechCalls();
QStringList spokenTexts();
// The texts the engines started to speak aloud, as "engine: text"; with
// "said", those they spoke to the end.
QStringList heardTexts(const QString &call = QStringLiteral("speaking"));
void clearSpeechCalls();

// What main() sets up (UTF-8 as the locale codec), and only the plugin
// folders named in QT_PLUGIN_PATH, so that the recording engine is the only
// (and so the default) speech engine.
void initTestEnvironment();

#endif
