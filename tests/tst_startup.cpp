// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QPushButton>
#include <QSlider>
#include <QTextToSpeech>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void init() { resetSharedConfig(); }
    void withoutConfigFolder();
    void withConfigFolder();
};

void TestStartup::withoutConfigFolder()
{
    WorkingFolder folder(false);
    QTest::ignoreMessage(QtWarningMsg, "Cannot find the config directory");
    SharedConfig::load();

    QVERIFY(QFileInfo(folder.file("config")).isDir());
    QVERIFY(QDir(folder.file("config")).isEmpty());
    QVERIFY(SharedConfig::chatlogDir.isEmpty());
    QVERIFY(SharedConfig::channels.isEmpty());
    QVERIFY(SharedConfig::locations.isEmpty());

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.findChild<QPushButton *>("pushButton")->isEnabled());
    QVERIFY(!window.findChild<QPushButton *>("pushButton_2")->isEnabled());
    auto *speech = window.findChild<QTextToSpeech *>();
    QVERIFY(speech);
    QCOMPARE(speech->volume(), 0.7);
    QCOMPARE(speech->rate(), 0.0);
    QCOMPARE(speech->pitch(), 0.0);
    // Nothing is written at start-up.
    QVERIFY(QDir(folder.file("config")).isEmpty());
}

void TestStartup::withConfigFolder()
{
    WorkingFolder folder(true);
    writeBytes(SharedConfig::chatlogFile, "/games/logs\n");
    // No warning: any message here would have to be ignored explicitly.
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type == QtWarningMsg)
            QFAIL(qPrintable("unexpected warning: " + msg));
    });
    SharedConfig::load();
    qInstallMessageHandler(previous);
    QCOMPARE(SharedConfig::chatlogDir, QString("/games/logs"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
