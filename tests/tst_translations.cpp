// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"
#include "testsupport.h"
#include "ui/channeldialog.h"
#include "ui/locationdialog.h"
#include "ui/mainwindow.h"
#include "ui/mapdialog.h"
#include "ui/statusline.h"
#include "ui/voicedialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
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
        for (QAction *menu : widget->actions()) {
            texts << menu->text();
            for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>())
                texts << action->text();
        }
    }
    texts.removeAll(QString());
    return texts;
}

std::unique_ptr<QWidget> openWindow(const QString &name)
{
    if (name == "channels")
        return std::make_unique<ChannelDialog>();
    if (name == "location")
        return std::make_unique<LocationDialog>();
    if (name == "map")
        return std::make_unique<MapDialog>(QStringList(), QLocale(QLocale::Chinese, QLocale::China), QString());
    if (name == "voice")
        return std::make_unique<VoiceDialog>();
    auto window = std::make_unique<MainWindow>();
    // The status texts of a start without channels and of a stop.
    auto *status = window->findChild<StatusLine *>();
    window->findChild<QAbstractButton *>("pushButton")->click();
    const QString started = status->line();
    window->findChild<QAbstractButton *>("pushButton_2")->click();
    status->setToolTip(started + '\n' + status->line());
    return window;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void windows_data();
    void windows();
    void plurals_data();
    void plurals();
};

void TestTranslations::windows_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    // Each window in both languages, and the choice for several desktops.
    QTest::newRow("en-US main") << QStringList{"en-US"} << "en" << "main";
    QTest::newRow("fr-FR channels") << QStringList{"fr-FR"} << "en" << "channels";
    QTest::newRow("C location") << QStringList{"C"} << "en" << "location";
    QTest::newRow("en-GB,zh-CN map") << QStringList{"en-GB", "zh-CN"} << "en" << "map";
    QTest::newRow("en-US voice") << QStringList{"en-US"} << "en" << "voice";
    QTest::newRow("zh-CN main") << QStringList{"zh-CN"} << "zh_CN" << "main";
    QTest::newRow("zh-TW,en-US channels") << QStringList{"zh-TW", "en-US"} << "zh_CN" << "channels";
    QTest::newRow("de-DE,zh-CN location") << QStringList{"de-DE", "de", "zh-CN"} << "zh_CN" << "location";
    QTest::newRow("zh-Hans-CN map") << QStringList{"zh-Hans-CN"} << "zh_CN" << "map";
    QTest::newRow("zh-CN voice") << QStringList{"zh-CN"} << "zh_CN" << "voice";
}

// The desktop's language is chosen, no text of the other language is left,
// Qt's own buttons included, and no window keeps the form's placeholder title.
void TestTranslations::windows()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, window);
    WorkingFolder folder;
    resetSharedConfig();
    QCOMPARE(installTranslations(uiLanguages), language);
    const std::unique_ptr<QWidget> shown = openWindow(window);

    QVERIFY(shown->windowTitle() != "Dialog" && shown->windowTitle() != "MainWindow");
    // Names and keys stay as they are in Chinese.
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    static const QRegularExpression english(QStringLiteral("\\b(?!(?:ChatWatch|Ctrl|Return)\\b)[A-Za-z]{2,}"));
    const QStringList texts = shownTexts(shown.get());
    QVERIFY(texts.size() >= 3);
    for (const QString &text : texts)
        QVERIFY2(!(language == "en" ? chinese : english).match(text).hasMatch(), qPrintable(text));
    // Languages and voices as the player reads them.
    if (window == "voice") {
        const bool en = language == "en";
        QVERIFY(shown->findChild<QComboBox *>("language")->findText(en ? "Chinese (China)" : "简体中文 (中国)") >= 0);
        // Other languages in English, whose letters every font has.
        QVERIFY(shown->findChild<QComboBox *>("language")->findText(QStringLiteral("German (Germany) - ") + (en ? "alerts not spoken" : "不能播报预警")) >= 0);
        QCOMPARE(shown->findChild<QComboBox *>("voice")->itemText(0), en ? "Anna - Female - Adult" : "Anna - 女 - 成人");
    }
}

void TestTranslations::plurals_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    const QString logs = "Listening to %n chat log(s)";
    QTest::newRow("en 1") << "en" << logs << 1 << "Listening to 1 chat log";
    QTest::newRow("en 2") << "en" << logs << 2 << "Listening to 2 chat logs";
    QTest::newRow("zh 2") << "zh_CN" << logs << 2 << "正在监听 2 个聊天日志";
}

void TestTranslations::plurals()
{
    QFETCH(QString, language);
    QFETCH(QString, source);
    QFETCH(int, count);
    installTranslations({language});
    QTEST(QCoreApplication::translate("MainWindow", source.toUtf8().constData(), nullptr, count), "expected");
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
