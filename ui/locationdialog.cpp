// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/locationdialog.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "ui/growtotext.h"
#include "ui/mapdialog.h"
#include "ui/savefailure.h"
#include "ui_locationdialog.h"

#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>

LocationDialog::LocationDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LocationDialog)
{
    ui->setupUi(this);
    growToText(ui->pushButton);
    growToText(ui->fromMapButton);
    ui->fromMapButton->move(qMax(ui->fromMapButton->x(), ui->pushButton->geometry().right() + 16), ui->fromMapButton->y());
    // Return belongs to the editor; Ctrl+Return is OK.
    QPushButton *ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    ok->setToolTip(tr("Save the rules (Ctrl+Return)"));
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(int(Qt::CTRL) | key), this), &QShortcut::activated, ok, &QPushButton::click);
    connect(ui->fromMapButton, &QPushButton::clicked, this, &LocationDialog::fromMap);

    QStringList lines;
    if (!readConfigLines(SharedConfig::locationFile, &lines))
        return;
    ui->plainTextEdit->setPlainText(QStringLiteral("5跳位|0-G8NO|预警"));
    bool first = true;
    for (const QString &line : qAsConst(lines)) {
        if (line.isEmpty())
            continue;
        if (first) {
            ui->plainTextEdit->clear();
            first = false;
        }
        ui->plainTextEdit->appendPlainText(line);
    }
}

LocationDialog::~LocationDialog()
{
    delete ui;
}

void LocationDialog::on_buttonBox_accepted()
{
    // A failed save keeps the dialog open, so the text typed is not lost.
    const QString text = ui->plainTextEdit->toPlainText();
    if (!saveSettingsFile(this, SharedConfig::locationFile, text))
        return;
    SharedConfig::locations =
        SharedConfig::parseLocations(text.split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive));
    accept();
}

// Has no task yet; it must not change the editor, the file or the rules.
void LocationDialog::on_pushButton_clicked()
{
}

// The merged lines replace the editor's text as one edit, so Undo brings the
// text back.
void LocationDialog::fromMap()
{
    MapDialog dialog(ui->plainTextEdit->toPlainText().split(QLatin1Char('\n')), voiceLocale, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(dialog.lines().join(QLatin1Char('\n')));
}
