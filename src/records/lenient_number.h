#pragma once

#include <QString>

namespace records {

// The number a text begins with, read leniently: an optional sign, digits with at
// most one "." and an optional exponent; blanks, tabs and line feeds are skipped
// anywhere, also between digits. Reading stops at the first character that cannot
// continue the number. A text that does not begin with a number gives 0; a number
// too large for a double gives an infinity of its sign.
double lenientNumber(const QString &text);

} // namespace records
