#include "ui/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "gui_base/piece_images.h"
#include "model/square.h"

namespace taravin {

namespace {

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kGreen(0, 140, 0);
const QColor kRedInk(200, 0, 0);
const QColor kBlueInk(0, 70, 200);
const QColor kYellow(240, 200, 40);

// A triangle pointing left or right, spanning x0..x1.
void triangle(QPainter& p, double x0, double x1, bool pointsRight) {
    QPolygonF shape;
    if (pointsRight) {
        shape << QPointF(x0, 3) << QPointF(x1, 8) << QPointF(x0, 13);
    } else {
        shape << QPointF(x1, 3) << QPointF(x0, 8) << QPointF(x1, 13);
    }
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlueInk);
    p.drawPolygon(shape);
}

void bar(QPainter& p, double x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(x, 3, 2, 10));
}

void miniBoard(QPainter& p, const QRectF& area, int cells) {
    const double cell = area.width() / cells;
    for (int r = 0; r < cells; ++r) {
        for (int c = 0; c < cells; ++c) {
            p.fillRect(QRectF(area.left() + c * cell, area.top() + r * cell, cell, cell),
                       (r + c) % 2 == 0 ? QColor(128, 128, 192) : QColor(192, 192, 192));
        }
    }
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
}

void page(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    QPolygonF sheet;
    sheet << QPointF(3.5, 1.5) << QPointF(10.5, 1.5) << QPointF(13.5, 4.5) << QPointF(13.5, 14.5)
          << QPointF(3.5, 14.5);
    p.drawPolygon(sheet);
}

void drawNewGame(QPainter& p) {
    miniBoard(p, QRectF(1.5, 3.5, 12, 12), 4);
    p.setPen(QPen(kGreen, 2));
    p.drawLine(QPointF(12, 1), QPointF(12, 7));
    p.drawLine(QPointF(9, 4), QPointF(15, 4));
}

void drawPause(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlueInk);
    p.drawRect(QRectF(4, 3, 3, 10));
    p.drawRect(QRectF(9, 3, 3, 10));
}

void drawStop(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kRedInk);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

void drawOpen(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kYellow.darker(115));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.setBrush(kYellow);
    QPolygonF flap;
    flap << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
    p.drawPolygon(flap);
}

void drawSave(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kBlueInk);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
}

void drawSuggest(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kYellow);
    p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(5.5, 10.5, 5, 4));
}

void drawHistory(QPainter& p) {
    page(p);
    p.setPen(QPen(kInk, 1));
    for (int y = 5; y <= 12; y += 2) {
        p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    }
}

void drawMakeAMove(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(1.5, 1.5, 13, 10));
    p.setBrush(QColor(0, 0, 96));
    p.drawRect(QRectF(3.5, 3.5, 9, 6));
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(QRectF(4.5, 12.5, 7, 2));
    p.setPen(QPen(kGreen, 2));
    p.drawLine(QPointF(5, 6.5), QPointF(11, 6.5));
}

void drawStopComputing(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kRedInk);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kPaper, 2));
    p.drawLine(QPointF(4.5, 8), QPointF(10.5, 8));
    p.drawLine(QPointF(8, 5), QPointF(11, 8));
    p.drawLine(QPointF(8, 11), QPointF(11, 8));
}

void drawColors(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(230, 200, 150));
    p.drawEllipse(QRectF(1.5, 2.5, 13, 11));
    const std::array<std::pair<QPointF, QColor>, 4> dabs{{{QPointF(5, 6), kRedInk},
                                                          {QPointF(9, 5), kBlueInk},
                                                          {QPointF(11.5, 8.5), kGreen},
                                                          {QPointF(6, 10), kYellow}}};
    p.setPen(Qt::NoPen);
    for (const auto& [at, colour] : dabs) {
        p.setBrush(colour);
        p.drawEllipse(at, 1.7, 1.7);
    }
}

void drawOptions(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    for (const int y : {4, 8, 12}) {
        p.drawLine(QPointF(2, y + 0.5), QPointF(14, y + 0.5));
    }
    p.setBrush(kBlueInk);
    p.drawRect(QRectF(9.5, 2.5, 3, 4));
    p.drawRect(QRectF(3.5, 6.5, 3, 4));
    p.drawRect(QRectF(7.5, 10.5, 3, 4));
}

void drawPlayers(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(240, 190, 150));
    p.drawEllipse(QRectF(5, 1.5, 6, 6));
    p.setBrush(kBlueInk);
    QPainterPath body;
    body.moveTo(2.5, 15.5);
    body.cubicTo(2.5, 8.5, 13.5, 8.5, 13.5, 15.5);
    body.closeSubpath();
    p.drawPath(body);
}

void drawBoardConfiguration(QPainter& p) {
    miniBoard(p, QRectF(1.5, 1.5, 13, 13), 3);
    p.drawImage(QRectF(5, 5, 7, 7), pieceImage(Content::kRed));
}

void drawMarkLastMove(QPainter& p) {
    p.fillRect(QRectF(1, 1, 14, 14), QColor(128, 128, 192));
    p.setPen(QPen(kPaper, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.drawImage(QRectF(3, 3, 10, 10), pieceImage(Content::kArrow));
}

void drawInformationWindow(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 3), kBlueInk);
    p.setPen(QPen(kBlueInk, 2));
    p.drawLine(QPointF(8, 9), QPointF(8, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlueInk);
    p.drawEllipse(QPointF(8, 7), 1.1, 1.1);
}

void drawSound(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kInk);
    QPolygonF speaker;
    speaker << QPointF(1.5, 5.5) << QPointF(4.5, 5.5) << QPointF(8.5, 2.5) << QPointF(8.5, 13.5)
            << QPointF(4.5, 10.5) << QPointF(1.5, 10.5);
    p.drawPolygon(speaker);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6.5, 5, 5, 6), -60 * 16, 120 * 16);
    p.drawArc(QRectF(6.5, 2.5, 8, 11), -60 * 16, 120 * 16);
}

// A rising and falling line over a base: the evaluation graph.
void drawAnalysisMode(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.setPen(QPen(kGreen, 1.5));
    QPolygonF graph;
    graph << QPointF(1.5, 10) << QPointF(4.5, 7) << QPointF(7.5, 9) << QPointF(10.5, 3)
          << QPointF(14.5, 5);
    p.drawPolyline(graph);
    p.setPen(Qt::NoPen);
    p.setBrush(kRedInk);
    p.drawEllipse(QPointF(10.5, 3), 1.6, 1.6);
}

void drawCommand(QPainter& p, CommandId id) {
    switch (id) {
        case kNewGameCommand:
            return drawNewGame(p);
        case kPauseGameCommand:
            return drawPause(p);
        case kStopGameCommand:
            return drawStop(p);
        case kOpenCommand:
            return drawOpen(p);
        case kSaveCommand:
            return drawSave(p);
        case kBackToStartCommand:
            bar(p, 2);
            return triangle(p, 4.5, 12.5, false);
        case kBackFiveMovesCommand:
            triangle(p, 0.5, 7.5, false);
            return triangle(p, 7.5, 14.5, false);
        case kBackwardCommand:
            return triangle(p, 4.5, 11.5, false);
        case kForwardCommand:
            return triangle(p, 4.5, 11.5, true);
        case kForwardFiveMovesCommand:
            triangle(p, 1.5, 8.5, true);
            return triangle(p, 8.5, 15.5, true);
        case kForwardToEndCommand:
            triangle(p, 3.5, 11.5, true);
            return bar(p, 12);
        case kStopComputingAndMoveCommand:
            return drawStopComputing(p);
        case kMakeAMoveCommand:
            return drawMakeAMove(p);
        case kSuggestCommand:
            return drawSuggest(p);
        case kMoveHistoryCommand:
            return drawHistory(p);
        case kColorsCommand:
            return drawColors(p);
        case kOptionsCommand:
            return drawOptions(p);
        case kPlayerConfigurationCommand:
            return drawPlayers(p);
        case kBoardConfigurationCommand:
            return drawBoardConfiguration(p);
        case kMarkLastMoveCommand:
            return drawMarkLastMove(p);
        case kInformationWindowCommand:
            return drawInformationWindow(p);
        case kSoundCommand:
            return drawSound(p);
        case kAnalysisModeCommand:
            return drawAnalysisMode(p);
        default:
            return;
    }
}

bool hasToolbarButton(CommandId id) {
    for (const CommandId button : toolbarButtons()) {
        if (button == id && id != kNoCommand) {
            return true;
        }
    }
    return false;
}

}  // namespace

QImage commandImage(CommandId id) {
    if (!hasToolbarButton(id)) {
        return {};
    }
    QImage image(kToolbarIconSize, kToolbarIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCommand(painter, id);
    return image;
}

QIcon commandIcon(CommandId id) {
    const QImage image = commandImage(id);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace taravin
