// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtcompat.h"
#include "app/sharedconfig.h"
#include "ui/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    useUtf8Locale();
    SharedConfig::load();
    MainWindow window;
    window.show();
    return app.exec();
}
