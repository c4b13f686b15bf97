#include "exercise/fraction_search.h"

#include <cmath>
#include <limits>
#include <string>

namespace exercise {

NoFractionFound::NoFractionFound(double x)
    : std::runtime_error("findFraction: no fraction found for x = " + std::to_string(x))
{
}

int findFraction(double x, qint32 &n, qint32 &d, int maxPasses)
{
    constexpr qint32 largest = std::numeric_limits<qint32>::max();
    n = 1;
    d = 1;
    double t = double(n) / 1;
    int passes = 0;
    while (t != x) {
        if (passes >= maxPasses || !(x > 0))
            throw NoFractionFound(x);
        ++passes;
        // The terms are 32-bit: a step past the largest one ends the search
        // rather than wrap round.
        if (t < x) {
            if (n == largest)
                throw NoFractionFound(x);
            ++n;
        } else {
            if (d == largest)
                throw NoFractionFound(x);
            ++d;
            // std::nearbyint rounds halves to the even neighbour.
            const double rounded = std::nearbyint(d * x);
            if (!(rounded <= largest))
                throw NoFractionFound(x);
            n = qint32(rounded);
        }
        t = double(n) / double(d);
    }
    return passes;
}

} // namespace exercise
