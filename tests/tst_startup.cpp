// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "app/singleinstance.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QLocalSocket>
#include <QProcess>
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
    void oneInstancePerFolder_data();
    void oneInstancePerFolder();
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

void TestStartup::oneInstancePerFolder_data()
{
    QTest::addColumn<QString>("first");
    QTest::newRow("first one running") << "process";
    QTest::newRow("first one killed, its lock left") << "killed";
}

// A second start finds the first and brings it forward; a lock left by a
// process that is gone never blocks a start.
void TestStartup::oneInstancePerFolder()
{
    QFETCH(QString, first);
    WorkingFolder folder;
    const QString config = folder.file("config"), name = SingleInstance::serverName(config);
    const auto cleanup = qScopeGuard([name] { QLocalServer::removeServer(name); });
    const auto startProgram = [&folder](QProcess &process) {
        process.setWorkingDirectory(folder.path());
        process.start(qEnvironmentVariable("CHATWATCH_BINARY"), QStringList());
    };
    QProcess running;
    startProgram(running);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance::lockPath(config)) && [&name] {
        QLocalSocket socket;
        socket.connectToServer(name);
        return socket.waitForConnected(100);
    }(), 20000);
    if (first == "killed") {
        running.kill();
        QVERIFY(running.waitForFinished());
    }
    SingleInstance second(config);
    QCOMPARE(second.claim(), first == "killed");
    if (first == "process") {
        QProcess again;
        startProgram(again);
        QVERIFY(again.waitForFinished(20000));
        QCOMPARE(again.exitCode(), 0);
        QCOMPARE(running.state(), QProcess::Running);
        running.kill();
        QVERIFY(running.waitForFinished());
        return;
    }
    // The one that took over is the one a later start reaches.
    SingleInstance later(config);
    QVERIFY(!later.claim());
    QSignalSpy asked(&second, &SingleInstance::activationRequested);
    QVERIFY(later.activateRunning());
    QTRY_COMPARE(asked.count(), 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
