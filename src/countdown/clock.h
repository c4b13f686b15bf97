#pragma once

#include <QString>

// The countdown clock's arithmetic and text, free of any widget.
namespace countdown {

// hh:mm:ss, each part with at least two digits.
QString clockText(int ore, int minuti, float secondi);

// A float rounded to a whole number, halves to the even neighbour.
int wholeSeconds(float value);

} // namespace countdown

namespace countdown {

// One second off the clock and off the seconds left, borrowing from the
// minutes and hours only when the seconds are exactly 0.
void tickDown(qint16 &ore, qint16 &minuti, float &secondi, qint16 &secondiRestanti);

} // namespace countdown
