#include "platform/qtplatform.h"
#include "window/fonts.h"
#include "window/tavola.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("quorvel"));
    // The game ends from its own handlers; hiding the window for a new match must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // The game speaks Italian whatever the system language, Qt's own buttons too.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    fonts::substituteWindowsFonts();

    QtPlatform platform;
    Tavola window(&platform);
    platform.setDialogParent(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}
