// The game's start-up, from the process start to the first painted exercise,
// with dialogs that answer at once. Started over and over by startup_compare.

#include "firstpaint.h"
#include "instantplatform.h"

#include "platform/italian.h"
#include "window/tavola.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installQtItalian();

    InstantPlatform platform;
    Tavola window(&platform);
    window.Form_Load();
    // The window's drawing surface, which carries the window's name.
    QuitAfterFirstPaint quit(window.findChild<QWidget *>(QStringLiteral("Tavola")));
    window.show();
    return app.exec();
}
