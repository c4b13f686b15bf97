#pragma once

#include <QtGlobal>

#include <stdexcept>

namespace exercise {

// Turns x, the double quotient of two whole numbers, back into a fraction in
// lowest terms by walking the denominators upward: n / d with n / d == x exactly.
// Returns the number of passes through the search loop.
//
// An x that no fraction matches (one with a rounding error of its own) would
// make the walk go on for ever; after `maxPasses` it stops with NoFractionFound.
constexpr int generousPassLimit = 10'000'000;
int findFraction(double x, qint32 &n, qint32 &d, int maxPasses = generousPassLimit);

class NoFractionFound : public std::runtime_error
{
public:
    explicit NoFractionFound(double x);
};

} // namespace exercise
