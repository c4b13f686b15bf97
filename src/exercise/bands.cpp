#include "exercise/bands.h"

#include <QPainter>

#include <algorithm>

namespace exercise::bands {

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

std::function<void(QPainter &, const QSize &, const QRect &)> drawing(int red, int green)
{
    return [red, green](QPainter &painter, const QSize &size, const QRect &exposed) {
        for (int i = 0; i < count; ++i) {
            const QRect band = bandRect(i, size.width(), size.height());
            if (band.top() >= size.height())
                break;
            if (band.intersects(exposed))
                painter.fillRect(band, bandColour(red, green, i));
        }
    };
}

} // namespace exercise::bands
