#pragma once

class QWidget;

// What the game in the browser does for its page.
namespace webpage {

// Adds the window's fonts, which the browser's Qt lacks, before the window is built.
void addWindowFonts();
// Puts the widgets into the page's accessibility tree from the start, for a
// screen reader.
void enableScreenReaderSupport();
// Browsers slow down the timers of a page in the background: while it is
// hidden, the countdown's Timer1 is given the ticks it missed, so the clock
// follows real time as on a computer.
void keepCountdownInRealTime();
// In the page the key press that closes a message box reaches the window
// below it too, once the box has gone (the Enter that closes the last
// instruction would put the focus into the denominator's box): that second
// delivery of the same press is dropped.
void deliverEachKeyPressOnce();
// Puts the window, frame and all, in the middle of the page.
void centreOnPage(QWidget &window);
// Tells the page when the program ends, so that it can offer a new match.
void tellPageWhenProgramEnds();

} // namespace webpage
