// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAVEFAILURE_H
#define SAVEFAILURE_H

#include <QString>

class QWidget;

// Writes a settings file atomically; when that fails, tells the user which
// file was kept and why. Returns whether the file was written.
bool saveSettingsFile(QWidget *parent, const QString &path, const QString &text);

#endif
