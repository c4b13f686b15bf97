#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The window's pictures and mouse pointers, drawn from the SVG files compiled into the program.
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

} // namespace images
