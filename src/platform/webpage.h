#pragma once

class QWidget;

// What the game in the browser does for its page.
namespace webpage {

// Adds the window's fonts, which the browser's Qt lacks, before the window is built.
void addWindowFonts();
// Gives the menus and dialogs the font they have on Debian, DejaVu Sans at 9
// points, where the browser's Qt would take 12 points: at that size the menus
// would not fit the window.
void useDebiansSystemFont();
// Puts the widgets into the page's accessibility tree from the start, for a
// screen reader.
void enableScreenReaderSupport();
// Browsers slow down the timers of a page in the background: while it is
// hidden, the countdown's Timer1 is given the ticks it missed, so the clock
// follows real time as on a computer.
void keepCountdownInRealTime();
// Draws the window, frame and all, as large as the page's free area allows
// with its proportions kept, sharp at the device's resolution, in the middle
// of the page: smaller on a phone, larger on a whiteboard, again whenever
// the page changes its size (a device turned, the keypad shown).
void fitToPage(QWidget &window);
// Lets the page's keypad give the game its keys.
void takeKeypadKeys();
// Tells the page when the program ends, so that it can offer a new match.
void tellPageWhenProgramEnds();

} // namespace webpage
