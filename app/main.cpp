// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "app/singleinstance.h"
#include "app/translations.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextCodec>

int main(int argc, char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 scales to the screen's DPI by itself; Qt 5 only when asked before
    // the application exists, else fixed geometries cut scaled-up text.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    installTranslations();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    SharedConfig::load();
    SingleInstance instance(SharedConfig::configDir);
    if (!instance.claim()) {
        if (instance.activateRunning())
            return 0;
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
