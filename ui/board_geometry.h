#pragma once

#include <QRect>
#include <cstdint>
#include <optional>

#include "model/square.h"

namespace taravin {

// What the size class of the screen sets: the view's margin, gutter, panel inset, line factor
// and the cell height of its font.
struct SizeClassMetrics {
    int margin;
    int gutter;
    int panelInset;
    int lineFactor;
    int fontHeight;
};
inline constexpr int kSizeClassCount = 6;
// Classes outside 0..5 read as the nearest one.
const SizeClassMetrics& sizeClassMetrics(int32_t sizeClass);

// A rectangle as the view measures it: right and bottom are the first pixels outside.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
};

// Where the board stands in the view, recomputed from the client size on every paint.
struct BoardGeometry {
    int rows = 0;
    int columns = 0;
    int squareSize = 0;
    EdgeRect frame;    // the board with its coordinate gutter
    EdgeRect squares;  // the squares alone; clicks are tested against it
    bool flipped = false;

    bool valid() const { return squareSize > 0; }
    // The square under the point, when the point lies strictly inside the squares.
    std::optional<Square> squareAt(int x, int y) const;
    // The pixels of a game square on screen (the board may be turned).
    QRect squareRect(const Square& square) const;
    QRect screenSquareRect(int screenRow, int screenColumn) const;
    // The game square shown at a screen row (0 at the top) and column (0 at the left).
    Square squareAtScreen(int screenRow, int screenColumn) const;
};

// The geometry for a client area: squares as large as the height allows, shrunk when the
// free width would not hold the text panel. A window too small for squares of one pixel
// still gets one-pixel squares, so the geometry always stays usable.
BoardGeometry computeBoardGeometry(int clientWidth, int clientHeight, int rows, int columns,
                                   int panelWidth, const SizeClassMetrics& metrics, bool flipped);

}  // namespace taravin
