// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mapdialog.h"

#include "starmap/starmap.h"
#include "ui_mapdialog.h"

#include <QCompleter>
#include <QPushButton>
#include <QRadioButton>

namespace {
const int PreviewLines = 8;
const int UnnamedExamples = 3;
}

MapDialog::MapDialog(const QStringList &editor, const QLocale &voice, const QString &player, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::MapDialog)
    , editor(editor)
    , player(player)
{
    ui->setupUi(this);
    ui->radius->setMaximum(MaxMapRadius);

    QStringList names = StarMap::bundled().names();
    names.sort(Qt::CaseInsensitive);
    auto *completer = new QCompleter(names, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    ui->home->setCompleter(completer);

    // Made again, a block starts from what it was made with.
    const MapBlock saved = readMapBlock(editor);
    // A block made before its words were kept has none in its marker.
    const bool savedWords
        = saved.readable && !(saved.words.before.isEmpty() && saved.words.after.isEmpty() && saved.words.here.isEmpty());
    const MapRuleWords defaults = defaultMapRuleWords(voice);
    const MapRuleWords words = savedWords ? saved.words : defaults;
    ui->before->setText(words.before);
    ui->after->setText(words.after);
    ui->here->setText(words.here);
    if (saved.readable) {
        ui->radius->setValue(saved.radius);
        // Made from several characters' systems: the first, as one is typed.
        ui->home->setText(centreSystems(saved.centre).value(0));
        ui->centreHere->setChecked(saved.followsPlayer);
    }
    centreChosen();
    connect(ui->centreHere, &QRadioButton::toggled, this, &MapDialog::centreChosen);

    connect(ui->home, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    connect(ui->radius, QOverload<int>::of(&QSpinBox::valueChanged), this, &MapDialog::updatePreview);
    connect(ui->before, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    connect(ui->after, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    connect(ui->here, &QLineEdit::textChanged, this, &MapDialog::updatePreview);
    updatePreview();
    ui->home->setFocus();
}

MapDialog::~MapDialog()
{
    delete ui;
}

// Where the player is counts from there; until the game says, from the
// system typed.
void MapDialog::centreChosen()
{
    const bool here = ui->centreHere->isChecked();
    ui->homeLabel->setText(here ? tr("Where you are &now:") : tr("&Home system:"));
    if (here && !player.isEmpty())
        ui->home->setText(player);
    updatePreview();
}

void MapDialog::updatePreview()
{
    const StarMap &map = StarMap::bundled();
    const QString typed = ui->home->text().trimmed();
    const int home = map.find(typed);
    const MapRuleWords words{ui->before->text(), ui->after->text(), ui->here->text()};

    QString problem;
    const bool here = ui->centreHere->isChecked();
    if (typed.isEmpty())
        problem = here ? tr("Type the system you are in: the game's Local log has not said it yet.")
                       : tr("Type your home system: the names of the map are offered as you type.");
    else if (home < 0 && map.hasNameStartingWith(typed))
        problem = tr("Go on typing, or choose one of the names offered.");
    else if (home < 0)
        problem = tr("There is no system \"%1\" on the map.").arg(typed);
    else if (words.here.trimmed().isEmpty())
        problem = tr("Type the words said before your own system, in place of a count of jumps.");
    else if (!fitsInRule(words.before) || !fitsInRule(words.after) || !fitsInRule(words.here))
        problem = tr("The words cannot contain \"|\": it separates the fields of a rule.");
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    if (!problem.isEmpty()) {
        merged = MergedRules();
        ui->summary->setText(problem);
        ui->preview->clear();
        return;
    }

    MapRules rules = buildMapRules(map, home, ui->radius->value(), words);
    rules.followsPlayer = here;
    merged = mergeMapRules(editor, rules);
    QString summary = tr("Systems within %n jump(s) of %1: %2\nRules to add: %3\nKept, as you have a rule for them: %4",
                         nullptr, rules.radius)
                          .arg(rules.home, QString::number(rules.lines.size() + rules.unnamed.size()),
                               QString::number(merged.added.size()), QString::number(merged.kept));
    if (!rules.unnamed.isEmpty()) {
        QString examples = rules.unnamed.mid(0, UnnamedExamples).join(QStringLiteral(", "));
        if (rules.unnamed.size() > UnnamedExamples)
            examples += QStringLiteral(", …");
        summary += tr("\nNo rule, as chat detection cannot find such names: %1 (%2)")
                       .arg(QString::number(rules.unnamed.size()), examples);
    }
    if (here && !player.isEmpty())
        summary.prepend(tr("The game's Local log says you are in %1.").arg(player) + QLatin1Char('\n'));
    if (here)
        summary += tr("\nWhile listening, these rules are made again from each system you enter, as the game "
                      "writes it in the Local channel's log.");
    ui->summary->setText(summary);

    QStringList shown = merged.added.mid(0, PreviewLines);
    if (merged.added.size() > PreviewLines)
        shown << tr("… and %1 more").arg(merged.added.size() - PreviewLines);
    ui->preview->setPlainText(shown.join(QLatin1Char('\n')));
}
