#include "gui_base/piece_images.h"

#include <QPainter>
#include <QPainterPath>

#include "model/square.h"

namespace taravin {

namespace {

// The crown: five points over a band, on a base plate; coordinates in image pixels.
QPainterPath crownBody() {
    QPainterPath body;
    body.moveTo(3.5, 17.5);
    body.lineTo(2.0, 7.5);
    body.lineTo(7.5, 12.0);
    body.lineTo(12.0, 4.5);
    body.lineTo(16.5, 12.0);
    body.lineTo(22.0, 7.5);
    body.lineTo(20.5, 17.5);
    body.closeSubpath();
    return body;
}

void drawCrown(QPainter& painter, const QColor& light, const QColor& dark) {
    painter.setPen(QPen(dark, 1.0));
    painter.setBrush(light);
    painter.drawPath(crownBody());
    for (const QPointF tip : {QPointF(2.0, 6.0), QPointF(12.0, 3.0), QPointF(22.0, 6.0)}) {
        painter.drawEllipse(tip, 1.8, 1.8);
    }
    // The band, dark, with three jewels in the light colour.
    painter.setBrush(dark);
    painter.drawRect(QRectF(3.5, 17.5, 17.0, 3.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    for (const double x : {7.0, 12.0, 17.0}) {
        painter.drawEllipse(QPointF(x, 19.25), 1.1, 1.1);
    }
    // The base plate.
    painter.setPen(QPen(dark, 1.0));
    painter.setBrush(light);
    painter.drawRect(QRectF(4.5, 21.5, 15.0, 2.0));
}

void drawArrow(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 3.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(4.0, 4.5), QPointF(20.0, 20.5));
    painter.drawLine(QPointF(20.0, 4.5), QPointF(4.0, 20.5));
}

QImage renderedImage(Content content) {
    QImage image(kPieceImageWidth, kPieceImageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPieceShape(painter, content);
    return image;
}

struct PieceImages {
    QImage red = renderedImage(Content::kRed);
    QImage blue = renderedImage(Content::kBlue);
    QImage arrow = renderedImage(Content::kArrow);
    QImage none;
};

}  // namespace

void drawPieceShape(QPainter& painter, Content content) {
    painter.save();
    switch (content) {
        case Content::kRed:
            drawCrown(painter, QColor(255, 0, 0), QColor(128, 0, 0));
            break;
        case Content::kBlue:
            drawCrown(painter, QColor(0, 0, 255), QColor(0, 0, 128));
            break;
        case Content::kArrow:
            drawArrow(painter);
            break;
        default:
            break;
    }
    painter.restore();
}

const QImage& pieceImage(Content content) {
    static const PieceImages images;
    switch (content) {
        case Content::kRed:
            return images.red;
        case Content::kBlue:
            return images.blue;
        case Content::kArrow:
            return images.arrow;
        default:
            return images.none;
    }
}

}  // namespace taravin
