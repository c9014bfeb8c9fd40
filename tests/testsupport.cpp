// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "app/qtcompat.h"
#include "app/sharedconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QVariantMap>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

WorkingFolder::WorkingFolder(bool withConfig)
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    if (withConfig)
        QDir().mkdir(QStringLiteral("config"));
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

void resetSharedConfig()
{
    SharedConfig::chatlogDir.clear();
    SharedConfig::channels.clear();
    SharedConfig::setLocations({});
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(bytes);
}

void appendBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Append), qPrintable(path));
    f.write(bytes);
}

QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

void writeGameLog(const QString &path, const QString &channel, const QStringList &lines)
{
    const QString dashes(60, QLatin1Char('-'));
    QString text = QStringLiteral("\r\n\r\n");
    text += QStringLiteral("  %1\r\n").arg(dashes);
    text += QStringLiteral("  Channel ID:      %1\r\n").arg(channel.toLower());
    text += QStringLiteral("  Channel Name:    %1\r\n").arg(channel);
    text += QStringLiteral("  Listener:        Test Pilot\r\n");
    text += QStringLiteral("  Session started: 2026.12.07 06:00:00\r\n");
    text += QStringLiteral("  %1\r\n\r\n").arg(dashes);
    QByteArray bytes("\xFF\xFE", 2);
    bytes += utf16(text);
    for (const QString &line : lines)
        bytes += gameLine(line);
    writeBytes(path, bytes);
}

QByteArray gameLine(const QString &message, const QString &speaker)
{
    return utf16(QChar(0xFEFF) + QStringLiteral("[ 2026.12.07 06:00:01 ] %1 > %2\r\n").arg(speaker, message));
}

QString gameLogPath(const QString &folder, const QString &name)
{
    const QStringList parts = name.split(QLatin1Char('_'));
    return folder + QLatin1Char('/') + parts.value(0) + QStringLiteral("_20261207_") + parts.value(1)
        + QStringLiteral("0000") + (parts.size() > 2 ? QLatin1Char('_') + parts[2] : QString()) + QStringLiteral(".txt");
}

bool runUnprivileged(const std::function<bool()> &work)
{
    if (geteuid() != 0)
        return work();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void openUpForUnprivileged(const QString &path)
{
    // The temporary folders are private to their owner.
    QFile::setPermissions(path, QFileDevice::Permissions(0x7777));
}

QVariantList speechCalls()
{
    return qApp->property("mockSpeechCalls").toList();
}

QStringList spokenTexts()
{
    QStringList texts;
    for (const QVariant &call : speechCalls()) {
        const QVariantMap map = call.toMap();
        if (map.value(QStringLiteral("call")) == QLatin1String("say"))
            texts.append(map.value(QStringLiteral("text")).toString());
    }
    return texts;
}

QStringList heardTexts(const QString &which)
{
    QStringList texts;
    for (const QVariant &call : speechCalls()) {
        const QVariantMap map = call.toMap();
        if (map.value(QStringLiteral("call")) == which)
            texts.append(map.value(QStringLiteral("engine")).toString() + QStringLiteral(": ")
                         + map.value(QStringLiteral("text")).toString());
    }
    return texts;
}

void clearSpeechCalls()
{
    qApp->setProperty("mockSpeechCalls", QVariantList());
}

void initTestEnvironment()
{
    // No test talks to the desktop's own bus: one that needs a bus starts its own.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/chatwatch-tests-have-no-bus");
    useUtf8Locale();
    const QStringList paths = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!paths.isEmpty())
        QCoreApplication::setLibraryPaths(paths);
}
