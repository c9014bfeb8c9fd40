// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "app/translations.h"
#include "testsupport.h"
#include "ui/channeldialog.h"
#include "ui/locationdialog.h"
#include "ui/mainwindow.h"
#include "ui/mapdialog.h"
#include "ui/statusline.h"
#include "ui/voicedialog.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// What the player reads: the title, and the labels, buttons, tooltips and
// menus that are not hidden.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        texts << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *menuBar = qobject_cast<QMenuBar *>(widget)) {
            for (QAction *menu : menuBar->actions()) {
                texts << menu->text();
                for (QAction *action : menu->menu()->actions())
                    texts << action->text();
            }
        }
    }
    texts.removeAll(QString());
    return texts;
}

std::unique_ptr<QWidget> openWindow(const QString &name)
{
    if (name == "main") {
        auto window = std::make_unique<MainWindow>();
        // The status texts of a start without channels and of a stop.
        auto *status = window->findChild<StatusLine *>();
        window->findChild<QPushButton *>("pushButton")->click();
        const QString started = status->line();
        window->findChild<QPushButton *>("pushButton_2")->click();
        status->setToolTip(started + '\n' + status->line());
        return window;
    }
    if (name == "channels")
        return std::make_unique<ChannelDialog>();
    if (name == "location")
        return std::make_unique<LocationDialog>();
    if (name == "map")
        return std::make_unique<MapDialog>(QStringList(), QLocale(QLocale::Chinese, QLocale::China));
    return std::make_unique<VoiceDialog>();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void language_data();
    void language();
    void windows_data();
    void windows();
    void plurals_data();
    void plurals();
};

void TestTranslations::language_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Chinese") << QStringList{"zh-CN"} << "zh_CN";
    QTest::newRow("Chinese of Taiwan") << QStringList{"zh-TW", "en-US"} << "zh_CN";
    QTest::newRow("English") << QStringList{"en-GB", "zh-CN"} << "en";
    QTest::newRow("German, then Chinese") << QStringList{"de-DE", "de", "zh-CN"} << "zh_CN";
    QTest::newRow("French") << QStringList{"fr-FR"} << "en";
    QTest::newRow("C locale") << QStringList{"C"} << "en";
    QTest::newRow("none") << QStringList() << "en";
}

void TestTranslations::language()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(interfaceLanguage(uiLanguages), expected);
}

void TestTranslations::windows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const char *language : {"en", "zh_CN"}) {
        for (const char *window : {"main", "channels", "location", "map", "voice"})
            QTest::addRow("%s %s", language, window) << language << window;
    }
}

// No text of the other language is left, and no window keeps the form's
// placeholder title.
void TestTranslations::windows()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    WorkingFolder folder;
    resetSharedConfig();
    QCOMPARE(installTranslations({language}), language);
    const std::unique_ptr<QWidget> shown = openWindow(window);

    QVERIFY(shown->windowTitle() != "Dialog" && shown->windowTitle() != "MainWindow");
    // Names, keys and commands stay as they are in Chinese.
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    static const QRegularExpression english(QStringLiteral("\\b(?!(?:ChatWatch|Ctrl|Return)\\b)[A-Za-z]{2,}"));
    const QRegularExpression &foreign = language == "en" ? chinese : english;
    const QStringList texts = shownTexts(shown.get());
    QVERIFY(texts.size() >= 3);
    for (const QString &text : texts)
        QVERIFY2(!foreign.match(text).hasMatch(), qPrintable(text));
}

void TestTranslations::plurals_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    const char *logs = "Listening to %n chat log(s)";
    QTest::newRow("en 0") << "en" << logs << 0 << "Listening to 0 chat logs";
    QTest::newRow("en 1") << "en" << logs << 1 << "Listening to 1 chat log";
    QTest::newRow("en 2") << "en" << logs << 2 << "Listening to 2 chat logs";
    QTest::newRow("en 1 channel") << "en" << "; %n channel(s) without a log" << 1 << "; 1 channel without a log";
    QTest::newRow("en 3 unopened") << "en" << "; %n log(s) cannot be opened" << 3 << "; 3 logs cannot be opened";
    QTest::newRow("zh 1") << "zh_CN" << logs << 1 << "正在监听 1 个聊天日志";
    QTest::newRow("zh 2") << "zh_CN" << logs << 2 << "正在监听 2 个聊天日志";
}

void TestTranslations::plurals()
{
    QFETCH(QString, language);
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, expected);
    installTranslations({language});
    QCOMPARE(QCoreApplication::translate("MainWindow", source.toUtf8().constData(), nullptr, count), expected);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
