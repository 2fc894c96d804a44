#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/position_node.h"
#include "model/square.h"
#include "model/zobrist_keys.h"

namespace taravin {

// Mark bits drawn by the board view. The two suggested marks show a suggestion while it is
// asked about: the amazon's two squares, and the arrow's.
enum MarkBits : int32_t {
    kSelectedMark = 1,
    kLastMoveMark = 2,
    kSuggestedMark = 4,
    kSuggestedArrowMark = 8
};

// Distance that border cells read in every evaluation flood and neighbour count.
constexpr int32_t kBorderDistance = 10;

// Boards of up to kCompactSide rows and columns also keep their squares as compact sets of
// 128 bits: square (row, column) is bit (row - 1) * kCompactWidth + column - 1, each row
// followed by one bit that is never a square.
constexpr int32_t kCompactSide = 10;
constexpr int32_t kCompactWidth = kCompactSide + 1;
using CompactSquares = std::array<uint64_t, 2>;

// The position: a cell array with a one-cell border ring (kArrow), per-cell evaluation
// fields, the two amazon lists and the running hash. Cells are addressed by index
// row * stride() + column; the ring lets every walk stop at the edge without bounds tests.
// The evaluation fields live in arrays beside the content, one array per field.
class Board {
  public:
    // Sizes outside 1..20 fall back to 10, so that nothing can address outside the arrays.
    Board(int32_t rows, int32_t columns);
    // Copies every field of every cell, moveCapacity, both lists (node by node), the hash
    // tables in use and the running hash.
    Board(const Board& other);
    Board& operator=(const Board&) = delete;
    // Becomes a copy of a board of the same size, reusing this board's storage.
    void copyPositionFrom(const Board& other);
    virtual ~Board();

    int32_t rows() const { return rows_; }
    int32_t columns() const { return columns_; }
    int32_t totalRows() const { return rows_ + 2; }
    int32_t stride() const { return columns_ + 2; }
    int32_t cellCount() const { return cellCount_; }
    int32_t indexOf(int32_t row, int32_t column) const { return row * stride() + column; }
    int32_t rowOf(int32_t index) const { return index / stride(); }
    int32_t columnOf(int32_t index) const { return index % stride(); }
    bool isInner(int32_t row, int32_t column) const {
        return row >= 1 && row <= rows_ && column >= 1 && column <= columns_;
    }
    // Index step of each of the eight directions, in the common direction order.
    const std::array<int32_t, 8>& directionOffsets() const { return offsets_; }

    Content content(int32_t row, int32_t column) const { return content_[indexOf(row, column)]; }
    Content content(const Square& square) const { return content(square.row, square.column); }
    const Content* contents() const { return content_.data(); }
    // The squares holding the content (kEmpty, kRed or kBlue) as a compact set, low word
    // first; every set is empty on boards larger than kCompactSide.
    const CompactSquares& compactSquares(Content content) const {
        return compact_[contentCode(content)];
    }

    // Stores the content. With update it first keeps the amazon lists and the running hash
    // in step: an amazon placed on a square is appended at the tail of its side's list.
    Content setContent(int32_t row, int32_t column, Content content, bool update);
    Content setContent(const Square& square, Content content, bool update) {
        return setContent(square.row, square.column, content, update);
    }

    int32_t marks(int32_t row, int32_t column) const { return marks_[indexOf(row, column)]; }
    // The view's marks: a square the board does not have (one of an earlier, larger board)
    // is ignored rather than written past the cells.
    void setMark(int32_t row, int32_t column, int32_t bits) {
        if (isInner(row, column)) {
            marks_[indexOf(row, column)] |= bits;
        }
    }
    void clearMark(int32_t row, int32_t column, int32_t bits) {
        if (isInner(row, column)) {
            marks_[indexOf(row, column)] &= ~bits;
        }
    }
    int32_t ownershipMarks(int32_t row, int32_t column) const {
        return ownership_[indexOf(row, column)];
    }
    void setOwnership(int32_t row, int32_t column, int32_t bits) {
        ownership_[indexOf(row, column)] |= bits;
    }
    int32_t* ownershipField() { return ownership_.data(); }

    // Evaluation fields by cell index: the side's distance and the
    // per-amazon distance slots 0..3. The floods fill them, and so do the evaluations of
    // boards too large for square sets; evaluations on square sets leave them alone.
    int32_t* distanceField(Side side) { return distance_[fieldOf(side)].data(); }
    const int32_t* distanceField(Side side) const { return distance_[fieldOf(side)].data(); }
    int32_t distance(Side side, int32_t row, int32_t column) const {
        return distanceField(side)[indexOf(row, column)];
    }
    int32_t* amazonDistanceField(Side side, int32_t slot) {
        return amazonDistance_[fieldOf(side)][slot].data();
    }
    const int32_t* amazonDistanceField(Side side, int32_t slot) const {
        return amazonDistance_[fieldOf(side)][slot].data();
    }

    int32_t evaluationTotal = 0;
    int32_t redOwnedCount = 0;
    int32_t blueOwnedCount = 0;

    // The amazons of Red or Blue in the order they arrived on their squares.
    const NodeList& amazons(Side side) const { return lists_[fieldOf(side)]; }
    int32_t amazonCount(Side side) const { return static_cast<int32_t>(amazons(side).size()); }

    // Hash values in use (shared by every board built at one settings load); without them
    // the running hash stays 0.
    void setHashKeys(std::shared_ptr<const ZobristKeys> keys);
    const std::shared_ptr<const ZobristKeys>& hashKeys() const { return keys_; }
    HashPair hash() const { return hash_; }
    // Sets the running hash from scratch over every cell, border ring included.
    void recomputeHash();

    // (rows + columns + 2 * min(rows, columns))^2 times the larger amazon count.
    void computeMoveCapacity();
    int32_t moveCapacity() const { return moveCapacity_; }

    bool noMoveLeft(Side side) const;
    int32_t countLegalMoves(Side side) const;
    bool hasFreeNeighbour(int32_t row, int32_t column) const;
    bool hasMobileEnemyNeighbour(const PositionNode& amazon, Side side) const;

  private:
    static int fieldOf(Side side) { return side == Side::kRed ? 0 : 1; }
    void toggleHash(int32_t index, Content content);
    void storeContent(int32_t row, int32_t column, Content content);
    void appendAmazon(Side side, int32_t row, int32_t column);
    void removeAmazon(Side side, int32_t row, int32_t column);

    int32_t rows_;
    int32_t columns_;
    int32_t cellCount_;
    std::array<int32_t, 8> offsets_{};
    std::vector<Content> content_;
    // Compact sets of the empty squares and of each side's amazons, by content code.
    std::array<CompactSquares, contentCode(Content::kArrow)> compact_{};
    std::vector<int32_t> marks_;
    std::vector<int32_t> ownership_;
    std::array<std::vector<int32_t>, 2> distance_;
    std::array<std::array<std::vector<int32_t>, kMaxAmazonsPerSide>, 2> amazonDistance_;
    std::array<NodeList, 2> lists_;
    int32_t moveCapacity_ = 0;
    std::shared_ptr<const ZobristKeys> keys_;
    HashPair hash_;
};

}  // namespace taravin
