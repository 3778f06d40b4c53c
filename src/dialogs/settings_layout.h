#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

// Where the settings dialog puts its grid and buttons for an inner size, all in pixels. The
// design values are twips: the grid at 10/10 reaching the right edge and leaving 500 at the
// bottom, the buttons 100 below the grid, Cancel at the left, OK 10 from the right.
struct SettingsLayout {
    QRect grid;
    QRect cancel;
    QRect ok;

    // `dotsPerInch` holds the horizontal and vertical logical resolution. The buttons keep
    // their sizes; a window too small for the grid gets an empty one.
    static SettingsLayout forInnerSize(QSize inner, QSize cancelSize, QSize okSize,
                                       QPointF dotsPerInch);
};
