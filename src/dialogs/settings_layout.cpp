#include "dialogs/settings_layout.h"

#include "base/window_placement.h"

#include <algorithm>

SettingsLayout SettingsLayout::forInnerSize(QSize inner, QSize cancelSize, QSize okSize,
                                            QPointF dotsPerInch) {
    const auto x = [&](int twips) {
        return twipsToPixels(float(twips), dotsPerInch.x());
    };
    const auto y = [&](int twips) {
        return twipsToPixels(float(twips), dotsPerInch.y());
    };
    SettingsLayout layout;
    const int gridWidth = std::max(0, inner.width() - x(10));
    const int gridHeight = std::max(0, inner.height() - y(500));
    layout.grid = QRect(x(10), y(10), gridWidth, gridHeight);
    const int buttonTop = gridHeight + y(100);
    layout.cancel = QRect(QPoint(x(10), buttonTop), cancelSize);
    layout.ok = QRect(QPoint(inner.width() - okSize.width() - x(10), buttonTop), okSize);
    return layout;
}
