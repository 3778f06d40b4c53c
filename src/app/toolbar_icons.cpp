#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace ToolbarIcons {
namespace {

const QColor outline(64, 64, 64);
const QColor paper(255, 255, 255);
const QColor textLine(128, 128, 128);
const QColor arrowBlue(32, 96, 192);
const QColor commentGreen(0, 128, 0);

QPen pen(const QColor &colour, qreal width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A page with a folded corner; x/y its top left, the page 9 by 12.
void drawPage(QPainter &p, qreal x, qreal y, qreal w = 10, qreal h = 13) {
    QPainterPath page;
    page.moveTo(x + 0.5, y + 0.5);
    page.lineTo(x + w - 3.5, y + 0.5);
    page.lineTo(x + w - 0.5, y + 3.5);
    page.lineTo(x + w - 0.5, y + h - 0.5);
    page.lineTo(x + 0.5, y + h - 0.5);
    page.closeSubpath();
    p.setPen(pen(outline));
    p.setBrush(paper);
    p.drawPath(page);
    p.drawLine(QPointF(x + w - 3.5, y + 0.5), QPointF(x + w - 3.5, y + 3.5));
    p.drawLine(QPointF(x + w - 3.5, y + 3.5), QPointF(x + w - 0.5, y + 3.5));
}

void drawTextLines(QPainter &p, qreal x, qreal y, const int lengths[], int count,
                   const QColor &colour = textLine) {
    p.setPen(pen(colour));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x + 0.5, y + 2 * i + 0.5),
                   QPointF(x + lengths[i] - 0.5, y + 2 * i + 0.5));
}

void newPage(QPainter &p) {
    drawPage(p, 3, 1, 10, 14);
    // A small star says "new".
    p.setPen(pen(QColor(224, 160, 0)));
    p.drawLine(QPointF(3.5, 1.5), QPointF(3.5, 5.5));
    p.drawLine(QPointF(1.5, 3.5), QPointF(5.5, 3.5));
}

void openFolder(QPainter &p) {
    const QColor dark(160, 112, 0);
    p.setPen(pen(dark));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(12.5, 4.5);
    back.lineTo(12.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(12.5, 13.5);
    front.closeSubpath();
    p.setBrush(QColor(255, 224, 128));
    p.drawPath(front);
}

void floppy(QPainter &p) {
    p.setPen(pen(QColor(16, 48, 112)));
    p.setBrush(QColor(48, 96, 192));
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(13.5, 1.5);
    body.lineTo(14.5, 2.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(1.5, 14.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRect(QRectF(4, 2, 8, 5)); // label
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 10, 8, 4)); // shutter
    p.setBrush(QColor(48, 96, 192));
    p.drawRect(QRectF(9, 11, 2, 2));
}

void printer(QPainter &p) {
    p.setPen(pen(outline));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
    p.setBrush(QColor(176, 176, 176));
    p.drawRect(QRectF(1.5, 6.5, 13, 6)); // body
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4)); // paper coming out
    p.setPen(pen(QColor(0, 160, 0)));
    p.drawPoint(QPointF(12.5, 8.5));
}

// A curved arrow; `mirror` points it to the right.
void curvedArrow(QPainter &p, bool mirror) {
    if (mirror) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(7, 3, 14, 4, 13, 10);
    arc.cubicTo(12.5, 12, 11, 13, 9, 13.5);
    p.setPen(QPen(arrowBlue, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1, 9);
    head.lineTo(2.5, 3);
    head.lineTo(7, 7.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(arrowBlue);
    p.drawPath(head);
}

void magnifier(QPainter &p) {
    p.setPen(QPen(QColor(112, 64, 16), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.setPen(pen(outline, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(pen(paper));
    p.drawLine(QPointF(4.5, 5.5), QPointF(5.5, 4.5));
}

void scissors(QPainter &p) {
    p.setPen(pen(outline, 1.2));
    p.drawLine(QPointF(5, 10), QPointF(11, 1));
    p.drawLine(QPointF(11, 10), QPointF(5, 1));
    p.setPen(pen(QColor(192, 32, 32), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
}

void twoPages(QPainter &p) {
    drawPage(p, 1, 1, 9, 11);
    drawPage(p, 6, 4, 9, 11);
    const int lengths[] = {5, 5, 4};
    drawTextLines(p, 8, 8, lengths, 3);
}

void clipboard(QPainter &p) {
    p.setPen(pen(QColor(96, 64, 16)));
    p.setBrush(QColor(176, 120, 48));
    p.drawRect(QRectF(2.5, 2.5, 11, 13));
    p.setPen(pen(outline));
    p.setBrush(paper);
    p.drawRect(QRectF(4.5, 4.5, 7, 9));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(5.5, 1.5, 5, 3));
    const int lengths[] = {5, 4, 5};
    drawTextLines(p, 5, 7, lengths, 3);
}

// Text lines with an arrow; `inward` points it right (indent), else left.
void indentLines(QPainter &p, bool inward) {
    p.setPen(pen(textLine));
    p.drawLine(QPointF(1.5, 1.5), QPointF(14.5, 1.5));
    for (qreal y : {5.5, 8.5, 11.5})
        p.drawLine(QPointF(9.5, y), QPointF(14.5, y));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    // Drawn pointing right; mirrored within the arrow's own 8 pixels for outdent.
    QPainterPath arrow;
    arrow.moveTo(0.5, 7.5);
    arrow.lineTo(4.5, 7.5);
    arrow.lineTo(4.5, 5);
    arrow.lineTo(8, 8.5);
    arrow.lineTo(4.5, 12);
    arrow.lineTo(4.5, 9.5);
    arrow.lineTo(0.5, 9.5);
    arrow.closeSubpath();
    if (!inward)
        arrow = QTransform(-1, 0, 0, 1, 8.5, 0).map(arrow);
    p.setPen(Qt::NoPen);
    p.setBrush(arrowBlue);
    p.drawPath(arrow);
}

void speechBubble(QPainter &p, const QColor &fill) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 8), 3, 3);
    QPainterPath tail;
    tail.moveTo(4, 10);
    tail.lineTo(3.5, 14.5);
    tail.lineTo(8, 10);
    tail.closeSubpath();
    p.setPen(pen(outline));
    p.setBrush(fill);
    p.drawPath(bubble.united(tail));
    p.setPen(pen(paper));
    p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
    p.drawLine(QPointF(4.5, 7.5), QPointF(9.5, 7.5));
}

void comment(QPainter &p) {
    speechBubble(p, commentGreen);
}

void uncomment(QPainter &p) {
    speechBubble(p, QColor(144, 144, 144));
    p.setPen(QPen(QColor(208, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 14), QPointF(14, 2));
}

void gear(QPainter &p) {
    const QPointF centre(8, 8);
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * std::numbers::pi / 4;
        QPainterPath tooth;
        tooth.addRect(QRectF(-1.5, -7.5, 3, 4));
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotateRadians(angle);
        teeth.addPath(turn.map(tooth));
    }
    QPainterPath wheel;
    wheel.addEllipse(centre, 5, 5);
    QPainterPath hole;
    hole.addEllipse(centre, 2, 2);
    const QPainterPath shape = wheel.united(teeth).subtracted(hole);
    p.setPen(pen(QColor(48, 48, 48)));
    p.setBrush(QColor(150, 150, 160));
    p.drawPath(shape);
}

void letterF(QPainter &p) {
    const QColor ink(16, 32, 128);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(4, 2, 3, 12));  // stem
    p.drawRect(QRectF(4, 2, 9, 2.5)); // top arm
    p.drawRect(QRectF(4, 7, 7, 2.5)); // middle arm
    p.drawRect(QRectF(2, 12, 7, 2));  // foot serif
}

void hashSign(QPainter &p) {
    p.setPen(QPen(outline, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(6.5, 1.5), QPointF(4.5, 14.5));
    p.drawLine(QPointF(11.5, 1.5), QPointF(9.5, 14.5));
    p.drawLine(QPointF(2, 5.5), QPointF(14.5, 5.5));
    p.drawLine(QPointF(1.5, 10.5), QPointF(14, 10.5));
}

void navigatorTree(QPainter &p) {
    p.setPen(pen(textLine));
    p.drawLine(QPointF(3.5, 5), QPointF(3.5, 12.5));
    p.drawLine(QPointF(3.5, 7.5), QPointF(8, 7.5));
    p.drawLine(QPointF(3.5, 12.5), QPointF(8, 12.5));
    p.setPen(pen(outline));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 1.5, 4, 4));
    p.setBrush(arrowBlue);
    p.drawRect(QRectF(8.5, 5.5, 4, 4));
    p.setBrush(commentGreen);
    p.drawRect(QRectF(8.5, 10.5, 4, 4));
}

using Painter = void (*)(QPainter &);

void undo(QPainter &p) {
    curvedArrow(p, false);
}
void redo(QPainter &p) {
    curvedArrow(p, true);
}
void indent(QPainter &p) {
    indentLines(p, true);
}
void outdent(QPainter &p) {
    indentLines(p, false);
}

constexpr Painter painters[Count] = {
    newPage,   openFolder, floppy,  printer, undo,      redo, magnifier, scissors, twoPages,
    clipboard, indent,     outdent, comment, uncomment, gear, letterF,   hashSign, navigatorTree};

} // namespace

QPixmap image(int number, qreal devicePixelRatio) {
    if (number < 1 || number > Count || !(devicePixelRatio > 0))
        return {};
    const int side = qRound(Size * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painters[number - 1](painter);
    return pixmap;
}

} // namespace ToolbarIcons
