#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Geometry of the Window menu's arrangements that Qt's multiple-document area lacks. Every
// function fills `area` exactly: the pieces share out the pixels that do not divide evenly.
namespace WindowArrangement {

// "Order": `count` windows stacked top to bottom, each the full width.
QList<QRect> stacked(const QRect &area, int count);

// "Deck": `count` windows side by side, each the full height.
QList<QRect> sideBySide(const QRect &area, int count);

// "Sort": minimised windows of the given sizes in a row along the bottom edge from the left,
// a new row above when the next one would pass the right edge.
QList<QRect> bottomRow(const QRect &area, const QList<QSize> &sizes);

} // namespace WindowArrangement
