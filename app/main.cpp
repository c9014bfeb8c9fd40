// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "app/translations.h"
#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    scaleWithScreen();
    QApplication app(argc, argv);
    useUtf8Locale();
    installTranslations();
    SharedConfig::load();
    MainWindow window;
    window.show();
    return app.exec();
}
