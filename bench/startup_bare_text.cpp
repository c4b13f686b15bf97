// A second yardstick: the bare window with one line of text in it, so that the
// share of start-up that any text costs (the font database, a font engine) shows
// apart from the game's own work.

#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QLabel(QStringLiteral("Tempo restante"));
    central->setFixedSize(720, 514);
    window.setCentralWidget(central);
    QuitAfterFirstPaint quit(central);
    window.show();
    return app.exec();
}
