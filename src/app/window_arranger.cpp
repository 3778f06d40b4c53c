#include "app/window_arranger.h"

#include "app/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace WindowArranger {

namespace {

QList<QMdiSubWindow *> children(const QMdiArea &area, bool minimised) {
    QList<QMdiSubWindow *> found;
    for (QMdiSubWindow *child : area.subWindowList())
        if (!child->isHidden() && child->isMinimized() == minimised)
            found.append(child);
    return found;
}

void tile(QMdiArea &area, bool sideBySide) {
    const QList<QMdiSubWindow *> windows = children(area, false);
    const QRect space = area.viewport()->rect();
    const QList<QRect> places = sideBySide
                                    ? WindowArrangement::sideBySide(space, int(windows.size()))
                                    : WindowArrangement::stacked(space, int(windows.size()));
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(places[i]);
    }
}

void arrangeIcons(QMdiArea &area) {
    const QList<QMdiSubWindow *> windows = children(area, true);
    QList<QSize> sizes;
    for (const QMdiSubWindow *window : windows)
        sizes.append(window->size());
    const QList<QRect> places = WindowArrangement::bottomRow(area.viewport()->rect(), sizes);
    for (qsizetype i = 0; i < windows.size(); ++i)
        windows[i]->move(places[i].topLeft());
}

} // namespace

void Arrange(QMdiArea &area, int code) {
    switch (code) {
    case Cascade:
        area.cascadeSubWindows();
        break;
    case TileHorizontal:
        tile(area, false);
        break;
    case TileVertical:
        tile(area, true);
        break;
    case ArrangeIcons:
        arrangeIcons(area);
        break;
    default:
        break;
    }
}

} // namespace WindowArranger
