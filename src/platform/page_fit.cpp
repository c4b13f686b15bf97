#include "platform/page_fit.h"

#include <algorithm>
#include <cmath>

namespace pagefit {

double scaleToFit(QSizeF window, QSizeF area)
{
    if (window.isEmpty() || area.isEmpty())
        return 1.0;
    const double fit = std::min(area.width() / window.width(), area.height() / window.height());
    // Never nothing at all: a page a hundredth of the window's size still gets the window.
    return std::max(std::floor(fit * 100.0) / 100.0, 0.01);
}

} // namespace pagefit
