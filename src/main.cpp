#include "platform/italian.h"
#include "platform/qtplatform.h"
#include "window/tavola.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // Wayland and the task bar match the window to its desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(QUORVEL_APP_ID));
    // The game ends from its own handlers; hiding the window for a new match must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::installQtItalian();

    QtPlatform platform;
    Tavola window(&platform);
    platform.setDialogParent(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}
