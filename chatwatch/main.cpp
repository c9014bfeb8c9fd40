// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "app/translations.h"
#include "chatwatch/singleinstance.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    scaleWithScreen();
    QApplication app(argc, argv);
    useUtf8Locale();
    installTranslations();
    SharedConfig::load();
    SingleInstance instance(SharedConfig::configDir);
    switch (instance.start()) {
    case SingleInstance::First:
        break;
    case SingleInstance::Activated:
        return 0;
    case SingleInstance::Blocked:
        QMessageBox::warning(nullptr, QStringLiteral("ChatWatch"),
                             QCoreApplication::translate("main", "ChatWatch already runs with the settings in %1 "
                                                                 "but does not answer. End it, then start "
                                                                 "ChatWatch again.")
                                 .arg(QDir(SharedConfig::configDir).absolutePath()));
        return 1;
    }
    MainWindow window;
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &MainWindow::bringForward);
    window.show();
    return app.exec();
}
