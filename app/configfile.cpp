// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/configfile.h"
#include "app/qtcompat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

bool readConfigLines(const QString &path, QStringList *lines)
{
    lines->clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    readAsUtf8(in);
    while (!in.atEnd())
        lines->append(in.readLine());
    return true;
}

bool writeConfigFile(const QString &path, const QString &text, QString *error)
{
    QString reason;
    QSaveFile file(path);
    // Its own message would name the file, which the caller does already.
    if (QFileInfo(path).exists() && !QFileInfo(path).isWritable()) {
        reason = QCoreApplication::translate("ChatWatch", "the file is read-only");
    } else if (file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        // Unbuffered, and a short write is tried again at once: only then
        // does a full disk report why, instead of an unknown error.
        const QByteArray bytes = text.toUtf8();
        qint64 done = 0;
        while (done < bytes.size()) {
            const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                break;
            done += n;
        }
        if (done < bytes.size()) {
            reason = file.errorString();
            file.cancelWriting();
        }
        if (file.commit())
            return true;
        if (reason.isEmpty())
            reason = file.errorString();
    } else {
        reason = file.errorString();
    }
    if (error)
        *error = reason;
    return false;
}

QString joinConfigLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}
