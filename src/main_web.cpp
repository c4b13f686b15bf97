#include "platform/italian.h"
#include "platform/webpage.h"
#include "platform/webplatform.h"
#include "window/tavola.h"

#include <QApplication>

// The game in a web page: as on a computer, with the window's fonts added,
// the screen reader support on, the countdown kept in real time in a
// background tab, and the page told when the game has ended.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // The game ends from its own handlers; hiding the window for a new match must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::installQtItalian();
    webpage::addWindowFonts();
    webpage::enableScreenReaderSupport();
    webpage::keepCountdownInRealTime();
    webpage::deliverEachKeyPressOnce();
    webpage::tellPageWhenProgramEnds();

    WebPlatform platform;
    Tavola window(&platform);
    platform.setDialogParent(&window);
    window.Form_Load();
    window.show();
    webpage::centreOnPage(window);
    return app.exec();
}
