#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>

#include "model/square.h"

namespace taravin {

// The piece images, 24 x 25 pixels, drawn once from vector shapes. Everything outside the
// shape is transparent, so a piece drawn on a square leaves the square's colour around it.
inline constexpr int kPieceImageWidth = 24;
inline constexpr int kPieceImageHeight = 25;

// The image of a square content: kRed the Red queen (a crown in red and dark red), kBlue the
// Blue queen (blue and navy), kArrow the arrow (a black X). kEmpty gives a null image.
const QImage& pieceImage(Content content);

// The same shapes as vectors in the image's 24 x 25 box, for painting at any scale and
// resolution; the painter's state is kept.
void drawPieceShape(QPainter& painter, Content content);

}  // namespace taravin
