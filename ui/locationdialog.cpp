#include "ui/locationdialog.h"

#include "app/configfile.h"
#include "app/sharedconfig.h"
#include "ui/mapdialog.h"
#include "ui/savefailure.h"
#include "ui_locationdialog.h"

#include <QTextCursor>

LocationDialog::LocationDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LocationDialog)
{
    ui->setupUi(this);
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
    const QString text = ui->plainTextEdit->toPlainText();
    if (!saveSettingsFile(parentWidget(), SharedConfig::locationFile, text))
        return;
    SharedConfig::locations =
        SharedConfig::parseLocations(text.split(QLatin1Char('\n'), Qt::KeepEmptyParts, Qt::CaseSensitive));
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
