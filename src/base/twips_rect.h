#pragma once

#include <QPointF>
#include <QRect>

// A rectangle designed in twips (1440 per inch), in pixels at the logical resolution
// `dotsPerInch` (horizontal, vertical), each value rounded to the nearest pixel.
QRect twipsRect(int left, int top, int width, int height, QPointF dotsPerInch);
