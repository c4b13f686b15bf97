#pragma once

// What the game in the browser does for its page.
namespace webpage {

// Adds the window's fonts, which the browser's Qt lacks, before the window is built.
void addWindowFonts();
// Puts the widgets into the page's accessibility tree from the start, for a
// screen reader.
void enableScreenReaderSupport();
// Tells the page that the program has ended, so that it can offer a new match.
void tellProgramEnded();

} // namespace webpage
