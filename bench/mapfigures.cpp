// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include "app/sharedconfig.h"
#include "benchutil.h"
#include "starmap/maprules.h"
#include "starmap/starmap.h"
#include "speech/rulecheck.h"
#include "testsupport.h"
#include "ui/locationdialog.h"
#include "ui/mapdialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <malloc.h>

namespace {

// Notes when a map dialog is first painted, then closes it.
struct MapDialogPainted : QObject
{
    qint64 at = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<MapDialog *>(watched);
        if (dialog && event->type() == QEvent::Paint && at == 0) {
            at = nowNs();
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }
};

} // namespace

// The star map: pressing "From map…" (the first press loads the map), the
// load itself, the memory the map holds, distances and the preview's work.
void starMap()
{
    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, "5跳位|0-G8NO|预警\n");
    LocationDialog location;
    location.show();
    if (!QTest::qWaitForWindowExposed(&location))
        qFatal("map: the Location dialog is not shown");
    auto *button = location.findChild<QPushButton *>("fromMapButton");
    MapDialogPainted painted;
    qApp->installEventFilter(&painted);
    QVector<double> opens;
    for (int run = 0; run < 11; ++run) {
        painted.at = 0;
        const qint64 pressed = nowNs();
        button->click();
        opens << (painted.at - pressed) / 1e6;
    }
    qApp->removeEventFilter(&painted);
    const double first = opens.takeFirst();
    report("\"From map...\" pressed -> dialog painted, first (loads map)", QString::number(first, 'f', 1) + " ms");
    report("same, later presses (median of 10)", QString::number(median(opens), 'f', 1) + " ms");

    const auto readMap = [] {
        QFile file(QStringLiteral(":/starmap/starmap.tsv"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    };
    QVector<double> loads;
    for (int run = 0; run < 5; ++run) {
        const qint64 t = nowNs();
        const StarMap map = StarMap::fromText(readMap());
        loads << (nowNs() - t) / 1e6;
    }
    const size_t heapBefore = mallinfo2().uordblks;
    auto *held = new StarMap(StarMap::fromText(readMap()));
    const size_t heapHeld = mallinfo2().uordblks - heapBefore;
    report("star map load, resource read and parsed (median of 5)", QString::number(median(loads), 'f', 1) + " ms");
    report("heap held by the loaded map (5215 systems)", QString::number(heapHeld / 1024) + " KiB");
    delete held;

    const StarMap &map = StarMap::bundled();
    for (const char *busy : {"Jita", "Zarzakh"}) {
        const int home = map.find(QString::fromLatin1(busy));
        const int reached = map.within(home, 10).size();
        const double ns = meanNs(1000, [&] { map.within(home, 10); });
        report(QStringLiteral("distances to 10 jumps from %1 (%2 systems)").arg(busy).arg(reached),
               QString::number(ns / 1000, 'f', 1) + " us");
    }
    const int zarzakh = map.find(QStringLiteral("Zarzakh"));
    const QStringList editor{"5跳位|0-G8NO|预警", "近|*-****|有人"};
    const MapRuleWords words = defaultMapRuleWords(QLocale::Chinese);
    const double preview = meanNs(200, [&] { mergeMapRules(editor, buildMapRules(map, zarzakh, 10, words)); });
    report("preview: rules to 10 jumps of Zarzakh built and merged", QString::number(preview / 1000, 'f', 1) + " us");
}

// The rule check over 5,000 lines (a rule for each of the map's first 5,000
// systems, so some names chat cannot report), alone and as the Location
// dialog runs it on every key typed.
void ruleCheck()
{
    const StarMap &map = StarMap::bundled();
    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QStringLiteral("%1 jumps|%2|hostile").arg(i % 10).arg(map.name(i % map.size()));
    int found = 0;
    const double check = meanNs(100, [&] { found = checkRules(lines).size(); });
    report(QStringLiteral("check 5,000 rule lines (%1 can never fire)").arg(found), QString::number(check / 1e6, 'f', 2) + " ms");

    WorkingFolder folder;
    writeBytes(SharedConfig::locationFile, lines.join(QLatin1Char('\n')).toUtf8());
    LocationDialog location;
    location.show();
    if (!QTest::qWaitForWindowExposed(&location))
        qFatal("rule check: the Location dialog is not shown");
    auto *editor = location.findChild<QPlainTextEdit *>("plainTextEdit");
    editor->moveCursor(QTextCursor::End);
    const double key = meanNs(100, [&] { QTest::keyClick(editor, Qt::Key_X); });
    if (location.findChild<QLabel *>("ruleCheckCount")->text().isEmpty())
        qFatal("rule check: no count under the editor");
    report("key typed in a 5,000-line Location editor, count shown", QString::number(key / 1e6, 'f', 2) + " ms");
}
