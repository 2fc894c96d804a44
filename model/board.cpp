#include "model/board.h"

#include <algorithm>
#include <new>

#include "model/fatal_error.h"

namespace taravin {

namespace {
bool validSize(int32_t size) {
    return size >= kMinBoardSize && size <= kMaxBoardSize;
}
}  // namespace

Board::Board(int32_t rows, int32_t columns)
    : rows_(validSize(rows) && validSize(columns) ? rows : kDefaultBoardSize),
      columns_(validSize(rows) && validSize(columns) ? columns : kDefaultBoardSize),
      cellCount_((rows_ + 2) * (columns_ + 2)) {
    for (std::size_t k = 0; k < kDirections.size(); ++k) {
        offsets_[k] = kDirections[k].rowStep * stride() + kDirections[k].columnStep;
    }
    try {
        content_.assign(cellCount_, Content::kEmpty);
        marks_.assign(cellCount_, 0);
        ownership_.assign(cellCount_, 0);
        for (auto& field : distance_) {
            field.assign(cellCount_, 0);
        }
        for (auto& slots : amazonDistance_) {
            for (auto& field : slots) {
                field.assign(cellCount_, 0);
            }
        }
    } catch (const std::bad_alloc&) {
        fatalError(kMemoryAllocationError);
    }
    for (int32_t row = 0; row < totalRows(); ++row) {
        for (int32_t column = 0; column < stride(); ++column) {
            storeContent(row, column, isInner(row, column) ? Content::kEmpty : Content::kArrow);
            if (!isInner(row, column)) {
                const int32_t i = indexOf(row, column);
                distance_[0][i] = kBorderDistance;
                distance_[1][i] = kBorderDistance;
            }
        }
    }
}

Board::Board(const Board& other)
    : rows_(other.rows_),
      columns_(other.columns_),
      cellCount_(other.cellCount_),
      offsets_(other.offsets_) {
    try {
        copyPositionFrom(other);
    } catch (const std::bad_alloc&) {
        fatalError(kMemoryAllocationError);
    }
}

void Board::copyPositionFrom(const Board& other) {
    evaluationTotal = other.evaluationTotal;
    redOwnedCount = other.redOwnedCount;
    blueOwnedCount = other.blueOwnedCount;
    compact_ = other.compact_;
    moveCapacity_ = other.moveCapacity_;
    keys_ = other.keys_;
    hash_ = other.hash_;
    content_ = other.content_;
    marks_ = other.marks_;
    ownership_ = other.ownership_;
    distance_ = other.distance_;
    amazonDistance_ = other.amazonDistance_;
    for (std::size_t side = 0; side < lists_.size(); ++side) {
        releaseNodes(lists_[side]);
        appendCopies(lists_[side], other.lists_[side]);
    }
}

Board::~Board() {
    releaseNodes(lists_[0]);
    releaseNodes(lists_[1]);
}

void Board::setHashKeys(std::shared_ptr<const ZobristKeys> keys) {
    if (keys && keys->cellCount != cellCount_) {
        keys = nullptr;
    }
    keys_ = std::move(keys);
}

void Board::toggleHash(int32_t index, Content content) {
    if (!keys_ || content < Content::kRed || content > Content::kArrow) {
        return;
    }
    const std::size_t entry =
        static_cast<std::size_t>(contentCode(content) - 1) * cellCount_ + index;
    hash_.index ^= keys_->index[entry];
    hash_.lock ^= keys_->lock[entry];
}

void Board::appendAmazon(Side side, int32_t row, int32_t column) {
    PositionNode* node = positionNodePool().take();
    node->row = row;
    node->column = column;
    node->work = 0;
    node->secondWork = 0;
    lists_[fieldOf(side)].append(node);
}

void Board::removeAmazon(Side side, int32_t row, int32_t column) {
    NodeList& list = lists_[fieldOf(side)];
    for (PositionNode* node = list.head(); node; node = node->next) {
        if (node->row == row && node->column == column) {
            positionNodePool().give(list.unlink(node));
            return;
        }
    }
}

Content Board::setContent(int32_t row, int32_t column, Content content, bool update) {
    const int32_t i = indexOf(row, column);
    if (update) {
        const Content old = content_[i];
        if (old == Content::kRed || old == Content::kBlue) {
            removeAmazon(sideOf(old), row, column);
        }
        toggleHash(i, old);
        if (content == Content::kRed || content == Content::kBlue) {
            appendAmazon(sideOf(content), row, column);
        }
        toggleHash(i, content);
    }
    storeContent(row, column, content);
    return content;
}

void Board::storeContent(int32_t row, int32_t column, Content content) {
    Content& stored = content_[indexOf(row, column)];
    if (rows_ <= kCompactSide && columns_ <= kCompactSide && isInner(row, column)) {
        const int32_t bit = (row - 1) * kCompactWidth + column - 1;
        const uint64_t mask = uint64_t{1} << (bit & 63);
        const auto word = static_cast<std::size_t>(bit >> 6);
        if (stored >= Content::kEmpty && stored < Content::kArrow) {
            compact_[contentCode(stored)][word] &= ~mask;
        }
        if (content >= Content::kEmpty && content < Content::kArrow) {
            compact_[contentCode(content)][word] |= mask;
        }
    }
    stored = content;
}

void Board::recomputeHash() {
    hash_ = {};
    for (int32_t i = 0; i < cellCount_; ++i) {
        toggleHash(i, content_[i]);
    }
}

void Board::computeMoveCapacity() {
    const int32_t reach = rows_ + columns_ + 2 * std::min(rows_, columns_);
    const int32_t amazons = std::max(amazonCount(Side::kRed), amazonCount(Side::kBlue));
    moveCapacity_ = reach * reach * amazons;
}

bool Board::hasFreeNeighbour(int32_t row, int32_t column) const {
    const int32_t i = indexOf(row, column);
    for (int32_t offset : offsets_) {
        if (content_[i + offset] == Content::kEmpty) {
            return true;
        }
    }
    return false;
}

bool Board::noMoveLeft(Side side) const {
    for (const PositionNode* node = amazons(side).head(); node; node = node->next) {
        if (hasFreeNeighbour(node->row, node->column)) {
            return false;
        }
    }
    return true;
}

bool Board::hasMobileEnemyNeighbour(const PositionNode& amazon, Side side) const {
    const Side enemy = otherSide(side);
    const int32_t i = indexOf(amazon.row, amazon.column);
    for (int32_t offset : offsets_) {
        const int32_t neighbour = i + offset;
        if (content_[neighbour] == contentOf(enemy) &&
            hasFreeNeighbour(rowOf(neighbour), columnOf(neighbour))) {
            return true;
        }
    }
    return false;
}

int32_t Board::countLegalMoves(Side side) const {
    // Arrows from a destination D fill the empty runs through D on the four lines; on the line
    // back to the origin O the run goes on through the vacated O. With S(D) the sum of the four
    // run lengths through D, D reached from O in direction k has S(D) - 3 + ray(O, -k) arrows.
    const Content* cells = content_.data();
    std::array<int32_t, (kMaxBoardSize + 2) * (kMaxBoardSize + 2)> runSums{};
    for (std::size_t axis = 0; axis < 4; ++axis) {
        // Directions 2..5 point up, up-right, right and down-right: one per line.
        const int32_t step = offsets_[axis + 2];
        const int32_t back = -step;
        for (int32_t i = 0; i < cellCount_; ++i) {
            if (cells[i] != Content::kEmpty || cells[i + back] == Content::kEmpty) {
                continue;
            }
            int32_t length = 0;
            for (int32_t j = i; cells[j] == Content::kEmpty; j += step) {
                ++length;
            }
            for (int32_t j = i; cells[j] == Content::kEmpty; j += step) {
                runSums[static_cast<std::size_t>(j)] += length;
            }
        }
    }
    int32_t count = 0;
    for (const PositionNode* node = amazons(side).head(); node; node = node->next) {
        const int32_t origin = indexOf(node->row, node->column);
        for (std::size_t k = 0; k < offsets_.size(); ++k) {
            const int32_t step = offsets_[k];
            int32_t behind = 0;
            for (int32_t i = origin - step; cells[i] == Content::kEmpty; i -= step) {
                ++behind;
            }
            for (int32_t to = origin + step; cells[to] == Content::kEmpty; to += step) {
                count += runSums[static_cast<std::size_t>(to)] - 3 + behind;
            }
        }
    }
    return count;
}

}  // namespace taravin
