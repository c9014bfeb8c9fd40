// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mapdialog.h"

#include "starmap/starmap.h"
#include "ui_mapdialog.h"

#include <QCompleter>
#include <QPushButton>

namespace {
const int PreviewLines = 8;
const int UnnamedExamples = 3;
}

MapDialog::MapDialog(const QStringList &editor, const QLocale &voice, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MapDialog)
    , editor(editor)
{
    ui->setupUi(this);

    QStringList names = StarMap::bundled().names();
    names.sort(Qt::CaseInsensitive);
    auto *completer = new QCompleter(names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    ui->home->setCompleter(completer);

    const MapRuleWords words = defaultMapRuleWords(voice);
    ui->before->setText(words.before);
    ui->after->setText(words.after);

    connect(ui->home, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    connect(ui->radius, QOverload<int>::of(&QSpinBox::valueChanged), this, &MapDialog::updatePreview);
    connect(ui->before, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    connect(ui->after, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    updatePreview();
    ui->home->setFocus();
}

MapDialog::~MapDialog()
{
    delete ui;
}

void MapDialog::updatePreview()
{
    const StarMap &map = StarMap::bundled();
    const QString typed = ui->home->text().trimmed();
    const int home = map.find(typed);
    const MapRuleWords words{ui->before->text(), ui->after->text()};

    QString problem;
    if (typed.isEmpty())
        problem = tr("Type your home system: the names of the map are offered as you type.");
    else if (home < 0)
        problem = tr("There is no system \"%1\" on the map.").arg(typed);
    else if (!fitsInRule(words.before) || !fitsInRule(words.after))
        problem = tr("The words cannot contain \"|\": it separates the fields of a rule.");
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (!problem.isEmpty()) {
        merged = MergedRules();
        ui->summary->setText(problem);
        ui->preview->clear();
        return;
    }

    const MapRules rules = buildMapRules(map, home, ui->radius->value(), words);
    merged = mergeMapRules(editor, rules);
    QString summary = tr("Systems within %1 jumps of %2: %3\nRules to add: %4\nKept, as you have a rule for them: %5")
                          .arg(QString::number(rules.radius), rules.home,
                               QString::number(rules.lines.size() + rules.unnamed.size()),
                               QString::number(merged.added.size()), QString::number(merged.kept));
    if (!rules.unnamed.isEmpty()) {
        QString examples = rules.unnamed.mid(0, UnnamedExamples).join(QStringLiteral(", "));
        if (rules.unnamed.size() > UnnamedExamples)
            examples += QStringLiteral(", …");
        summary += tr("\nNo rule, as chat detection cannot find such names: %1 (%2)")
                       .arg(QString::number(rules.unnamed.size()), examples);
    }
    ui->summary->setText(summary);

    QStringList shown = merged.added.mid(0, PreviewLines);
    if (merged.added.size() > PreviewLines)
        shown << tr("… and %1 more").arg(merged.added.size() - PreviewLines);
    ui->preview->setPlainText(shown.join(QLatin1Char('\n')));
}
