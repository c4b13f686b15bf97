#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QString>

// The window's pictures and mouse pointers, replayed at any size from the painter
// commands recorded from their SVG drawings (pictures/*.pic, compiled into the program).
namespace images {

QIcon windowIcon();
QCursor handCursor();   // the window's pointer, hot spot (1, 1)
QCursor iconCursor();   // the small square pointer of the message line and "Nuovo calcolo"
QCursor exitCursor();   // hot spot (3, 3)
QCursor nameCursor();   // hot spot (0, 0)
QPixmap nextPicture();
QPixmap nextPressedPicture();
QPixmap nextDisabledPicture();
QPixmap exitPicture();

// The hot spot to give QCursor for a pointer drawn at `ratio` device pixels per
// logical pixel. Qt's xcb plugin hands the hot spot to the X server unscaled,
// beside the picture's device pixels, so on X11 it is scaled here; the other
// platforms take it in logical pixels.
QPoint cursorHotSpot(QPoint logical, qreal ratio, const QString &platformName);

} // namespace images
