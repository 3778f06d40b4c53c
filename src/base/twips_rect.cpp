#include "base/twips_rect.h"

#include "base/window_placement.h"

QRect twipsRect(int left, int top, int width, int height, QPointF dotsPerInch) {
    const double dx = dotsPerInch.x(), dy = dotsPerInch.y();
    return QRect(twipsToPixels(float(left), dx), twipsToPixels(float(top), dy),
                 twipsToPixels(float(width), dx), twipsToPixels(float(height), dy));
}
