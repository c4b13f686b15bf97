// The yardstick: a bare Qt program that shows an empty 720 x 514 main window,
// paints it once and quits.

#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget;
    central->setFixedSize(720, 514);
    window.setCentralWidget(central);
    QuitAfterFirstPaint quit(central);
    window.show();
    return app.exec();
}
