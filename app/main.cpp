// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sharedconfig.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QTextCodec>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    SharedConfig::load();
    MainWindow window;
    window.show();
    return app.exec();
}
