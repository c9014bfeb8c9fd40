// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAPDIALOG_H
#define MAPDIALOG_H

#include "starmap/maprules.h"

#include <QDialog>
#include <QLocale>
#include <QStringList>

namespace Ui {
class MapDialog;
}

// Generates rules for every system within some jumps of home, to be put
// into the Location editor.
class MapDialog : public QDialog
{
    Q_OBJECT
public:
    // editor: the Location editor's lines, whose block's settings are shown;
    // voice: the language the alerts are spoken in, which picks the default
    // words; player: the system the player is in, empty when not known.
    MapDialog(const QStringList &editor, const QLocale &voice, const QString &player, QWidget *parent = nullptr);
    ~MapDialog() override;

    // The editor's lines with the generated rules merged in.
    QStringList lines() const { return merged.lines; }

private:
    void updatePreview();
    void centreChosen();

    Ui::MapDialog *ui;
    QStringList editor;
    MergedRules merged;
    QString player;
};

#endif
