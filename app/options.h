// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef OPTIONS_H
#define OPTIONS_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The few choices the program keeps by itself besides the settings files:
// one "key=value" line each. A missing file, line or value means the default.
struct Options {
    bool followNewer = true;  // a channel's newer log is followed by itself
    bool listening = false;   // listening was on when the program ended
    bool announceQuiet = false; // clear reports and questions are spoken too
    QByteArray window;        // the main window's saveGeometry(), empty: default
};

Options parseOptions(const QStringList &lines);
QString optionsText(const Options &options);

// From SharedConfig::optionsFile.
Options loadOptions();
// Reads the file again, changes one option and writes it back atomically, so
// that two writers never undo each other's change.
bool saveFollowNewer(bool on, QString *error = nullptr);
bool saveAnnounceQuiet(bool on, QString *error = nullptr);
bool saveListening(bool on, QString *error = nullptr);
bool saveWindow(const QByteArray &geometry, QString *error = nullptr);

#endif
