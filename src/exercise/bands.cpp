#include "bands.h"

#include <algorithm>

namespace bands {

QColor bandColour(int red, int green, int i)
{
    return QColor(std::min(red, 255), std::min(green, 255), std::min(i, 255));
}

QRect bandRect(int i, int width, int height)
{
    const int y = 3 * i;
    const int top = (y * height + unitsHigh / 2) / unitsHigh;
    const int bottom = ((y + 2) * height + unitsHigh / 2) / unitsHigh;
    return QRect(0, top, width, bottom - top);
}

} // namespace bands
