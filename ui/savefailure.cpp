// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/savefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

bool settingSaved(QWidget *parent, const QString &path, const std::function<bool(QString *reason)> &save)
{
    QString reason;
    if (save(&reason))
        return true;
    QMessageBox::warning(parent, QCoreApplication::translate("ChatWatch", "Settings not saved"),
                         QCoreApplication::translate("ChatWatch", "Could not save %1: %2\nThe previous settings are kept.")
                             .arg(QDir::toNativeSeparators(QDir(path).absolutePath()), reason));
    return false;
}
