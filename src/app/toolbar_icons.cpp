#include "app/toolbar_icons.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>

namespace ToolbarIcons {
namespace {

// The drawings, in image-number order, from the program's resources (data/icons).
constexpr std::array<const char *, Count> names = {
    "new",     "open",      "save",      "print", "undo",         "redo",
    "find",    "cut",       "copy",      "paste", "indent",       "outdent",
    "comment", "uncomment", "translate", "font",  "line-numbers", "navigator"};

} // namespace

QPixmap image(int number, qreal devicePixelRatio) {
    if (number < 1 || number > Count || !(devicePixelRatio > 0))
        return {};
    QSvgRenderer drawing(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(names[number - 1])));
    const int side = qRound(Size * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    drawing.render(&painter, QRectF(0, 0, Size, Size));
    return pixmap;
}

} // namespace ToolbarIcons
