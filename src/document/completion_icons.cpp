#include "document/completion_icons.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

using Kind = CompletionIcons::Kind;
constexpr int Size = 16;

enum class Shape { Box, Rounded, Circle, Tag };

struct Look {
    Shape shape;
    QColor fill;
    QString letter;
};

Look lookOf(Kind kind, int icon) {
    switch (kind) {
    case Kind::Procedure:
        return {Shape::Rounded, QColor(128, 64, 192), QStringLiteral("P")};
    case Kind::Label:
        return {Shape::Tag, QColor(32, 144, 64), QStringLiteral("L")};
    case Kind::Variable:
        return {Shape::Circle, QColor(32, 96, 208), QStringLiteral("v")};
    case Kind::Structure:
        return {Shape::Box, QColor(176, 96, 16), QStringLiteral("K")};
    case Kind::Statement:
        return {Shape::Box, QColor(0, 128, 128), QStringLiteral("S")};
    case Kind::Function:
        return {Shape::Rounded, QColor(192, 48, 112), QStringLiteral("f")};
    case Kind::Graphics:
        return {Shape::Box, QColor(48, 112, 176), QStringLiteral("G")};
    case Kind::Dialog:
        return {Shape::Box, QColor(144, 112, 0), QStringLiteral("D")};
    case Kind::Database:
        return {Shape::Box, QColor(96, 128, 32), QStringLiteral("B")};
    case Kind::System:
        return {Shape::Box, QColor(80, 80, 144), QStringLiteral("Y")};
    case Kind::Other:
        break;
    }
    return {Shape::Box, QColor(112, 112, 112), QString::number(icon % 100)};
}

void drawShape(QPainter &painter, Shape shape) {
    const QRectF box(0.5, 0.5, Size - 1, Size - 1);
    switch (shape) {
    case Shape::Circle:
        painter.drawEllipse(box);
        break;
    case Shape::Rounded:
        painter.drawRoundedRect(box, 4, 4);
        break;
    case Shape::Tag: {
        QPainterPath tag;
        tag.moveTo(0.5, 2.5);
        tag.lineTo(10.5, 2.5);
        tag.lineTo(15.5, 8);
        tag.lineTo(10.5, 13.5);
        tag.lineTo(0.5, 13.5);
        tag.closeSubpath();
        painter.drawPath(tag);
        break;
    }
    case Shape::Box:
        painter.drawRect(box);
        break;
    }
}

} // namespace

CompletionIcons::Kind CompletionIcons::kind(int icon) {
    switch (icon) {
    case 1:
        return Kind::Structure;
    case 2:
        return Kind::Statement;
    case 3:
        return Kind::Function;
    case 4:
        return Kind::Graphics;
    case 5:
        return Kind::Dialog;
    case 6:
        return Kind::Database;
    case 7:
        return Kind::System;
    case 9:
        return Kind::Procedure;
    case 12:
        return Kind::Label;
    case 23:
        return Kind::Variable;
    default:
        return Kind::Other;
    }
}

QPixmap CompletionIcons::pixmap(int icon) {
    const Look look = lookOf(kind(icon), icon);
    QPixmap picture(Size, Size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(look.fill.darker(140));
    painter.setBrush(look.fill);
    drawShape(painter, look.shape);
    QFont font = painter.font();
    font.setPixelSize(look.letter.size() > 1 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, Size, Size), Qt::AlignCenter, look.letter);
    return picture;
}
