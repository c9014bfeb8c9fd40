// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOCATIONDIALOG_H
#define LOCATIONDIALOG_H

#include <QDialog>
#include <QLocale>
#include <QStringList>

namespace Ui {
class LocationDialog;
}

// Edits the watched systems, one rule "prefix|system|message" per line.
class LocationDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LocationDialog(QWidget *parent = nullptr);
    ~LocationDialog() override;

    // The language alerts are spoken in, for the default words of map rules.
    void setVoiceLocale(const QLocale &locale) { voiceLocale = locale; }
    // The system the player is in, empty when not known, for map rules.
    void setPlayerSystem(const QString &system) { playerSystem = system; }

private slots:
    void on_buttonBox_accepted();
    void on_pushButton_clicked();

private:
    void loadEditor();
    QStringList editorLines() const;
    void showCheckCount();
    void fromMap();

    Ui::LocationDialog *ui;
    QLocale voiceLocale = QLocale::c();
    QString playerSystem;
};

#endif
