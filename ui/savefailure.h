// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAVEFAILURE_H
#define SAVEFAILURE_H

#include <QString>

#include <functional>

class QWidget;

// Runs a save of the settings store (which writes `path`); when it fails,
// tells the user which file was kept and why. Returns whether it was saved.
bool settingSaved(QWidget *parent, const QString &path, const std::function<bool(QString *reason)> &save);

#endif
