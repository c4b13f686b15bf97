#pragma once

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
// Tells the page that the program has ended, so that it can offer a new match.
void tellProgramEnded();

} // namespace webpage
