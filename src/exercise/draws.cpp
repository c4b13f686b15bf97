#include "exercise/draws.h"

#include <cmath>

namespace exercise::draws {

int wholeNumber(float r, int n)
{
    // In double precision r x n is exact, so r < 1 can never reach n + 1.
    return int(std::floor(double(r) * n + 1));
}

int factor(float r)
{
    return int(std::floor(double(r) * 6)) + 2;
}

QString keptDenominator(const QString &denominator, const QString &numerator)
{
    // QString's ordering is ordinal, character by character, a prefix first.
    if (denominator < numerator)
        return QString::number(numerator.toInt() + 2);
    return denominator;
}

} // namespace exercise::draws
