#pragma once

#include <QColor>
#include <QRect>

#include <functional>

class QPainter;

// The coloured background of an exercise: 256 bands, each 2 units high with a
// 1-unit gap, on a surface whose height counts 512 units.
namespace exercise::bands {

constexpr int count = 256;
constexpr int unitsHigh = 512;

// Band i: red and green fixed for the exercise (20 x the answer's terms,
// at most 255), blue growing by one from the top down.
QColor bandColour(int red, int green, int i);

// Band i in pixels on a surface of the given size; it spans the whole width.
QRect bandRect(int i, int width, int height);

// The bands for red and green as a drawing for the window's surface: it paints
// those within `exposed` on a surface of the given size.
std::function<void(QPainter &painter, const QSize &size, const QRect &exposed)> drawing(int red, int green);

} // namespace exercise::bands
