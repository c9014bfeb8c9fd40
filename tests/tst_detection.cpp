// SPDX-License-Identifier: GPL-3.0-or-later
#include "monitor/detection.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

// What the four patterns find, applied the slow, obvious way, to each
// message part read with full-width forms as ASCII.
static QStringList referenceFinds(const QString &line, const QList<QRegularExpression> &patterns)
{
    QStringList finds;
    const QStringList parts = line.split(QStringLiteral(" > "), Qt::KeepEmptyParts, Qt::CaseSensitive);
    for (int i = 1; i < parts.size(); ++i) {
        for (const QRegularExpression &pattern : patterns) {
            const QRegularExpressionMatch m = pattern.match(asciiForms(parts.at(i)));
            if (m.hasMatch())
                finds.append(m.captured(0));
        }
    }
    return finds;
}

static QStringList detect(const QString &line)
{
    QVector<QString> found;
    detectSystemNames(line, &found);
    return QStringList(found.cbegin(), found.cend());
}

class TestDetection : public QObject
{
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void enteredSystem_data();
    void enteredSystem();
    void randomLinesMatchThePatterns();
};

void TestDetection::examples_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("finds");
    const QString head = QStringLiteral("[ 2026.12.07 06:00:01 ] Pilot");
    QTest::newRow("no separator") << "[ 2026.12.07 06:00:01 ] Pilot 0-G8NO red" << QStringList();
    QTest::newRow("name then text") << head + " > 0-G8NO red" << QStringList{"0-G8NO"};
    QTest::newRow("4-1") << head + " > 1DQ1-A" << QStringList{"1DQ1-A"};
    QTest::newRow("2-3") << head + " > MJ-5F9" << QStringList{"MJ-5F9"};
    QTest::newRow("lower case kept") << head + " > 0-g8no" << QStringList{"0-g8no"};
    QTest::newRow("second name of the same shape ignored") << head + " > G-M4GK and 0-G8NO" << QStringList{"G-M4GK"};
    QTest::newRow("AB-CDEF") << head + " > AB-CDEF" << QStringList{"B-CDEF", "AB-CDE"};
    QTest::newRow("Abc-98x7z") << head + " > Abc-98x7z" << QStringList{"c-98x7", "bc-98x", "Abc-98"};
    QTest::newRow("D-PNP9-2") << head + " > D-PNP9-2" << QStringList{"D-PNP9", "PNP9-2"};
    QTest::newRow("two separators") << head + " > 0-G8NO > 0-G8NO" << QStringList{"0-G8NO", "0-G8NO"};
    QTest::newRow("> without spaces") << head + " said>0-G8NO" << QStringList();
    QTest::newRow("name in the first part") << "0-G8NO Pilot > hello" << QStringList();
    QTest::newRow("trailing separator") << head + " > " << QStringList();
    QTest::newRow("separator twice in a row") << head + " >  > 0-G8NO" << QStringList{"0-G8NO"};
    QTest::newRow("Cyrillic look-alikes") << head + QString::fromUtf8(" > О-G8NO 0-G8NО") << QStringList();
    QTest::newRow("en dash") << head + QString::fromUtf8(" > 0–G8NO") << QStringList();
    QTest::newRow("minus sign") << head + QString::fromUtf8(" > 0−G8NO") << QStringList();
    QTest::newRow("full-width digit") << head + QString::fromUtf8(" > ０-G8NO") << QStringList{"0-G8NO"};
    QTest::newRow("full-width hyphen and letters") << head + QString::fromUtf8(" > Ｎ－8ｙET红") << QStringList{"N-8yET"};
    QTest::newRow("full-width greater-than sign") << head + QString::fromUtf8(" ＞ N-8YET") << QStringList();
    QTest::newRow("Chinese around the name") << head + QString::fromUtf8(" > 不要去0-G8NO红了") << QStringList{"0-G8NO"};
    QTest::newRow("inside a longer word") << head + " > xx12-345yy" << QStringList{"2-345y", "12-345", "x12-34", "xx12-3"};
    QTest::newRow("hyphen at both ends") << head + " > -ABCDE- -" << QStringList();
    QTest::newRow("NUL bytes") << head + QStringLiteral(" > \u0000A-BCDE\u0000") << QStringList{"A-BCDE"};
    // The game's own line at each jump names the player's system.
    QTest::newRow("game's jump line") << "[ 2026.12.07 06:10:02 ] EVE System > Channel changed to Local : N-8YET*"
                                      << QStringList();
    QTest::newRow("game's jump line, Chinese client")
        << QString::fromUtf8("[ 2026.12.07 06:10:02 ] EVE系统 > 频道更换为本地：N-8YET*") << QStringList();
    QTest::newRow("a player writing the same") << head + " > Channel changed to Local : N-8YET*" << QStringList{"N-8YET"};
    // The expressions find nothing in a part they cannot decode.
    QTest::newRow("unpaired surrogate") << head + " > 0-G8NO " + QChar(0xD800) << QStringList{"0-G8NO"};
}

void TestDetection::examples()
{
    QFETCH(QString, line);
    QFETCH(QStringList, finds);
    QCOMPARE(detect(line), finds);
}

void TestDetection::enteredSystem_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("system");
    const QString game = "[ 2026.12.07 06:10:02 ] EVE System > ";
    QTest::newRow("newer client") << game + "Channel changed to Local : N-8YET*" << "N-8YET";
    QTest::newRow("2017 client") << game + "Channel changed to Local : N-7ECY" << "N-7ECY";
    QTest::newRow("no space before the colon") << game + "Channel changed to Local: N-7ECY *" << "N-7ECY";
    QTest::newRow("name with spaces") << game + "Channel changed to Local : Kor-Azor Prime*" << "Kor-Azor Prime";
    QTest::newRow("Chinese client") << QString::fromUtf8("[ 2026.12.07 06:10:02 ] EVE系统 > 频道更换为本地：吉他*")
                                    << QString::fromUtf8("吉他");
    QTest::newRow("other line of the game's") << game + "Channel MOTD: N-8YET" << "";
    QTest::newRow("no colon") << game + "Channel changed to Local N-8YET" << "";
    QTest::newRow("a player writing it") << "[ 2026.12.07 06:10:02 ] Pilot > Channel changed to Local : N-8YET*" << "";
}

void TestDetection::enteredSystem()
{
    QFETCH(QString, line);
    QTEST(::enteredSystem(line), "system");
}

void TestDetection::randomLinesMatchThePatterns()
{
    const QList<QRegularExpression> patterns = systemNamePatterns();
    const QString alphabet = QString::fromUtf8("aZ09-- >>x_é不－Ａ９");
    QRandomGenerator random(20261207);
    for (int n = 0; n < 20000; ++n) {
        QString line;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            line += alphabet.at(random.bounded(alphabet.size()));
        if (detect(line) != referenceFinds(line, patterns))
            QFAIL(qPrintable("differs from the patterns on: " + line));
    }
}

QTEST_GUILESS_MAIN(TestDetection)
#include "tst_detection.moc"
