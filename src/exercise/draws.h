#pragma once

#include <QString>

// The random draws of a new exercise, from numbers r in [0, 1).
namespace exercise::draws {

// A whole number from 1 to n: Int(r x n + 1).
int wholeNumber(float r, int n);
// The factor that multiplies the answer for display: 2 to 7.
int factor(float r);
// The denominator kept beside the second numerator, both as the boxes hold them:
// when the denominator's text sorts before the numerator's (a comparison of
// texts, not of numbers, so "10" sorts before "3"), it becomes the numerator + 2.
QString keptDenominator(const QString &denominator, const QString &numerator);

} // namespace exercise::draws
