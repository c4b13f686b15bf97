#pragma once

namespace fonts {

// The window names the fonts it was designed with; on Linux they are drawn with
// their metric-compatible Liberation twins so that every text fits its box.
void substituteWindowsFonts();

} // namespace fonts
