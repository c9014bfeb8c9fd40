// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIGFILE_H
#define CONFIGFILE_H

#include <QString>
#include <QStringList>

// Reads a configuration file as UTF-8 text lines (CR LF and LF alike, no
// trimming). Returns false, leaving *lines empty, when it does not open.
bool readConfigLines(const QString &path, QStringList *lines);

// Replaces a configuration file atomically with `text` (UTF-8, no BOM, "\n"
// written as the platform's text-mode line end). On failure the old file is
// left exactly as it was, false is returned and *error names the reason.
bool writeConfigFile(const QString &path, const QString &text, QString *error = nullptr);

// The text of whole lines, each followed by a line end.
QString joinConfigLines(const QStringList &lines);

#endif
