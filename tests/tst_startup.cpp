// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "chatwatch/singleinstance.h"
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
    // A program started here must answer whatever the machine's speech service does.
    void initTestCase() { initTestEnvironment(); qputenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent"); }
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
    // "=TEXT": a lock file of that text, years old; "quitting": one naming this
    // live process, and a socket that takes the message but never answers.
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("start");
    QTest::newRow("first one running") << "process" << int(SingleInstance::Activated);
    QTest::newRow("first one killed, its lock left") << "killed" << int(SingleInstance::First);
    QTest::newRow("lock left empty by a power cut") << "=" << int(SingleInstance::First);
    QTest::newRow("lock of another host") << "=4242\nchatwatch\nfar-away\n" << int(SingleInstance::First);
    QTest::newRow("old lock, its holder alive") << "=PID\ntst_startup\nHOST\n" << int(SingleInstance::Blocked);
    QTest::newRow("first one quitting: no answer") << "quitting" << int(SingleInstance::Blocked);
}

// A second start finds the first and brings it forward; a lock left by a
// process that is gone never blocks a start, a live one's always does.
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
    QLocalServer silent;
    if (first == "quitting" && silent.listen(name))
        first = "=PID\ntst_startup\nHOST\n";
    if (first.startsWith('=')) {
        QString text = first.mid(1).replace("PID", QString::number(qApp->applicationPid()));
        writeBytes(SingleInstance::lockPath(config), text.replace("HOST", QSysInfo::machineHostName()).toUtf8());
        QFile file(SingleInstance::lockPath(config));
        QVERIFY(file.open(QIODevice::ReadWrite)
                && file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
    } else {
        startProgram(running);
    }
    const auto reached = [&name] {
        QLocalSocket socket;
        socket.connectToServer(name);
        return socket.waitForConnected(100);
    };
    QTRY_VERIFY_WITH_TIMEOUT(first.startsWith('=') || reached(), 20000);
    if (first == "killed") {
        running.kill();
        QVERIFY(running.waitForFinished());
    }
    SingleInstance second(config);
    // A live one that does not answer is waited for in full.
    const int start = second.start(first.startsWith('=') ? 1000 : 20000);
    QTEST(start, "start");
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
    if (start == SingleInstance::Blocked)
        return;
    // The one that took over listens until it quits.
    QVERIFY(reached());
    QTimer::singleShot(0, [] { QCoreApplication::exit(); });
    qApp->exec();
    QVERIFY(!reached());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
