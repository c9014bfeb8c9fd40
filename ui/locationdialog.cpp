// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/locationdialog.h"

#include "app/configfile.h"
#include "app/options.h"
#include "app/sharedconfig.h"
#include "monitor/fileloader.h"
#include "monitor/logfolders.h"
#include "speech/rulecheck.h"
#include "ui/growtotext.h"
#include "ui/mapdialog.h"
#include "ui/savefailure.h"
#include "ui_locationdialog.h"

#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>

namespace {

QString neverFire(int n)
{
    return LocationDialog::tr("%n line(s) can never fire:", nullptr, n);
}

// The count under the editor, its "Check" a link that does what the button does.
QString neverFireLink(int n)
{
    return LocationDialog::tr("%n line(s) can never fire — %1", nullptr, n)
        .arg(QStringLiteral("<a href=\"check\">%1</a>").arg(LocationDialog::tr("Check").toHtmlEscaped()));
}

} // namespace

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
    connect(ui->ruleCheckCount, &QLabel::linkActivated, this, &LocationDialog::on_pushButton_clicked);
    loadEditor();
    ui->announceQuiet->setChecked(loadOptions().announceQuiet);
    // Connected after loading, so that a long file is checked once.
    connect(ui->plainTextEdit, &QPlainTextEdit::textChanged, this, &LocationDialog::showCheckCount);
    showCheckCount();
}

void LocationDialog::loadEditor()
{
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
    // The option first: written only when changed, the file read again so
    // that no other option is undone. Both failures leave the rules in force.
    const bool quiet = ui->announceQuiet->isChecked();
    if (loadOptions().announceQuiet != quiet
        && !settingSaved(this, SharedConfig::optionsFile,
                         [quiet](QString *reason) { return saveAnnounceQuiet(quiet, reason); }))
        return;
    const QString text = ui->plainTextEdit->toPlainText();
    if (settingSaved(this, SharedConfig::locationFile,
                     [&text](QString *reason) { return SharedConfig::saveLocations(text, reason); }))
        accept();
}

QStringList LocationDialog::editorLines() const
{
    // Split as OK splits it, so that line numbers match what is saved.
    return ui->plainTextEdit->toPlainText().split(QLatin1Char('\n'));
}

void LocationDialog::showCheckCount()
{
    const int n = checkRules(editorLines()).size();
    ui->ruleCheckCount->setText(n > 0 ? neverFireLink(n) : QString());
}

// Lists the lines that can never fire; the text stays as it is, and the
// cursor goes to the first of them.
void LocationDialog::on_pushButton_clicked()
{
    const QVector<RuleFinding> findings = checkRules(editorLines());
    QMessageBox box(QMessageBox::Information, tr("Check"), tr("No line that can never fire."), QMessageBox::Ok, this);
    // Rule text is never taken for markup.
    box.setTextFormat(Qt::PlainText);
    if (!findings.isEmpty()) {
        constexpr int Listed = 15;
        QStringList all;
        for (const RuleFinding &finding : findings)
            all << describeFinding(finding);
        QString text = neverFire(all.size()) + QStringLiteral("\n\n") + all.mid(0, Listed).join(QLatin1Char('\n'));
        if (all.size() > Listed) {
            text += QLatin1Char('\n') + tr("…and %n more, under Show Details.", nullptr, all.size() - Listed);
            box.setDetailedText(all.join(QLatin1Char('\n')));
        }
        box.setIcon(QMessageBox::Warning);
        box.setText(text);
    }
    box.exec();
    if (!findings.isEmpty()) {
        const QTextBlock block = ui->plainTextEdit->document()->findBlockByNumber(findings.first().line - 1);
        if (block.isValid())
            ui->plainTextEdit->setTextCursor(QTextCursor(block));
    }
    // Back to the text, to mend what was found.
    ui->plainTextEdit->setFocus();
}

// The merged lines replace the editor's text as one edit, so Undo brings the
// text back.
void LocationDialog::fromMap()
{
    // Read now, listening or not: the player may have jumped since listening
    // last said where.
    QString here = FileLoader::lastEnteredSystem(effectiveChatlogDir());
    if (here.isEmpty())
        here = playerSystem;
    MapDialog dialog(editorLines(), voiceLocale, here, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Back to the rules: Ctrl+Return then saves them, not From map… again.
    ui->plainTextEdit->setFocus();
    if (!accepted)
        return;
    QTextCursor cursor(ui->plainTextEdit->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(dialog.lines().join(QLatin1Char('\n')));
}
