#include "app/window_arrangement.h"

namespace WindowArrangement {

namespace {

// The start of piece `index` when `total` pixels are cut into `count` pieces.
int cut(int total, int count, int index) {
    return int(qint64(total) * index / count);
}

} // namespace

QList<QRect> stacked(const QRect &area, int count) {
    QList<QRect> pieces;
    for (int i = 0; i < count; ++i) {
        const int top = cut(area.height(), count, i);
        const int bottom = cut(area.height(), count, i + 1);
        pieces.append(QRect(area.left(), area.top() + top, area.width(), bottom - top));
    }
    return pieces;
}

QList<QRect> sideBySide(const QRect &area, int count) {
    QList<QRect> pieces;
    for (int i = 0; i < count; ++i) {
        const int left = cut(area.width(), count, i);
        const int right = cut(area.width(), count, i + 1);
        pieces.append(QRect(area.left() + left, area.top(), right - left, area.height()));
    }
    return pieces;
}

QList<QRect> bottomRow(const QRect &area, const QList<QSize> &sizes) {
    QList<QRect> places;
    int x = area.left();
    int rowBottom = area.bottom() + 1;
    int rowHeight = 0;
    for (const QSize &size : sizes) {
        // A window wider than the area still gets a row of its own rather than none.
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            rowBottom -= rowHeight;
            rowHeight = 0;
        }
        places.append(QRect(QPoint(x, rowBottom - size.height()), size));
        x += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
    return places;
}

} // namespace WindowArrangement
