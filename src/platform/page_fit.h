#pragma once

#include <QSizeF>

namespace pagefit {

// The scale at which the game's window, frame and all (`window`, in its own
// pixels), fills as much of the page's free area (`area`, in CSS pixels) as it
// can with its proportions kept: below 1 on a phone, above on a whiteboard.
// Taken in hundredths and rounded down, so that the window never spills over
// the page's edge by a pixel. 1 while either size is not known yet.
double scaleToFit(QSizeF window, QSizeF area);

} // namespace pagefit
