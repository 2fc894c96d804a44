#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>

namespace taravin {

// The piece images, 24 x 25 pixels, drawn once from vector shapes. Everything outside the
// shape is transparent, so a piece drawn on a square leaves the square's colour around it.
inline constexpr int kPieceImageWidth = 24;
inline constexpr int kPieceImageHeight = 25;

// The image of a square content: 1 the Red queen (a crown in red and dark red), 2 the Blue
// queen (blue and navy), 3 the arrow (a black X). Any other content gives a null image.
const QImage& pieceImage(int32_t content);

// The same shapes as vectors in the image's 24 x 25 box, for painting at any scale and
// resolution; the painter's state is kept.
void drawPieceShape(QPainter& painter, int32_t content);

}  // namespace taravin
