#pragma once

#include <QString>

namespace fonts {

// The window names the fonts it was designed with; on Linux they are drawn with
// their metric-compatible Liberation twins so that every text fits its box.
void substituteWindowsFonts();

// The installed family a design family is drawn with: the design family itself
// when it is installed, else its installed twin. Asked once per family.
QString drawnFamily(const QString &designFamily);

} // namespace fonts
