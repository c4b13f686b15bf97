#include "platform/italian.h"
#include "platform/webpage.h"
#include "platform/webplatform.h"
#include "resources/images.h"
#include "window/tavola.h"

#include <QApplication>
#include <QTimer>

// The game in a web page: as on a computer, with the window's fonts added,
// the screen reader support on, the countdown kept in real time in a
// background tab, the window fitted to the page, the keys of the page's keypad
// taken, and the page told when the game has ended.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // The game ends from its own handlers; hiding the window for a new match must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // The name prompt and the message boxes carry the game's icon in their
    // captions, where the page would show Qt's own.
    QApplication::setWindowIcon(images::windowIcon());

    platform::installQtItalian();
    webpage::addWindowFonts();
    webpage::useDebiansSystemFont();
    webpage::enableScreenReaderSupport();
    webpage::keepCountdownInRealTime();
    webpage::tellPageWhenProgramEnds();
    webpage::takeKeypadKeys();

    WebPlatform platform;
    Tavola window(&platform);
    platform.setDialogParent(&window);
    // The name prompt and the instructions wait for the pupil from the event
    // loop, not from main(): a main() that a dialog suspended would end, once
    // resumed, with the loop's start thrown into the page as an uncaught error.
    QTimer::singleShot(0, &window, [&window] {
        webpage::fitToPage(window);
        window.Form_Load();
        // The window has a fixed size: no button to maximise it, as on a computer.
        window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        // Not show(): in a page Qt stretches a main window shown that way over the
        // whole page; the game's window keeps its size, in the middle of the page.
        window.setVisible(true);
    });
    return app.exec();
}
