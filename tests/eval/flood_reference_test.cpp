#include <gtest/gtest.h>

#include <vector>

#include "eval/distance_floods.h"
#include "eval/reach_queries.h"
#include "model/board.h"
#include "model/mt19937.h"

namespace taravin {
namespace {

// The floods written out plainly: a FIFO of pool nodes carrying their work value d, over a
// field that starts with the border at 10 and every inner cell at 0.
class ReferenceFlood {
  public:
    explicit ReferenceFlood(const Board& board) : board_(board), field_(board.cellCount(), 0) {
        for (int32_t i = 0; i < board.cellCount(); ++i) {
            if (!board.isInner(board.rowOf(i), board.columnOf(i))) {
                field_[i] = kBorderDistance;
            }
        }
    }

    const std::vector<int32_t>& queen(const std::vector<Square>& seeds) {
        run(seeds, [&](PositionNode& node, NodeList& queue) {
            for (const Direction& direction : kDirections) {
                int32_t row = node.row + direction.rowStep;
                int32_t column = node.column + direction.columnStep;
                for (; board_.content(row, column) == Content::kEmpty;
                     row += direction.rowStep, column += direction.columnStep) {
                    int32_t& value = field_[board_.indexOf(row, column)];
                    if (value == 0) {
                        value = node.work;
                        append(queue, row, column, node.work + 1);
                    } else if (value < node.work) {
                        break;
                    }
                }
            }
        });
        return field_;
    }

    const std::vector<int32_t>& king(const std::vector<Square>& seeds) {
        run(seeds, [&](PositionNode& node, NodeList& queue) {
            for (const Direction& direction : kDirections) {
                const int32_t row = node.row + direction.rowStep;
                const int32_t column = node.column + direction.columnStep;
                int32_t& value = field_[board_.indexOf(row, column)];
                if (board_.content(row, column) == Content::kEmpty && value == 0) {
                    value = node.work;
                    append(queue, row, column, node.work + 1);
                }
            }
        });
        return field_;
    }

    // Marks with 1 every square on a ray of a queued square, passing over marked ones.
    int32_t reachable(const std::vector<Square>& seeds) {
        run(seeds, [&](PositionNode& node, NodeList& queue) {
            for (const Direction& direction : kDirections) {
                int32_t row = node.row + direction.rowStep;
                int32_t column = node.column + direction.columnStep;
                for (; board_.content(row, column) == Content::kEmpty;
                     row += direction.rowStep, column += direction.columnStep) {
                    int32_t& value = field_[board_.indexOf(row, column)];
                    if (value <= 0) {
                        value = 1;
                        append(queue, row, column, 0);
                    }
                }
            }
        });
        int32_t count = 0;
        for (int32_t row = 1; row <= board_.rows(); ++row) {
            for (int32_t column = 1; column <= board_.columns(); ++column) {
                count += field_[board_.indexOf(row, column)] > 0 ? 1 : 0;
            }
        }
        return count;
    }

  private:
    static void append(NodeList& queue, int32_t row, int32_t column, int32_t work) {
        PositionNode* node = positionNodePool().take();
        node->row = row;
        node->column = column;
        node->work = work;
        queue.append(node);
    }

    template <class Expand>
    void run(const std::vector<Square>& seeds, Expand expand) {
        NodeList queue;
        for (const Square& seed : seeds) {
            append(queue, seed.row, seed.column, 1);
        }
        while (PositionNode* node = queue.takeHead()) {
            expand(*node, queue);
            positionNodePool().give(node);
        }
    }

    const Board& board_;
    std::vector<int32_t> field_;
};

std::vector<Square> amazonSquares(const Board& board, Side side) {
    std::vector<Square> squares;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        squares.push_back(node->square());
    }
    return squares;
}

// A board of random size with up to four amazons a side and arrows of random density.
Board randomBoard(Mt19937& generator) {
    const auto pick = [&](uint32_t count) {
        return static_cast<int32_t>(generator.next() % count);
    };
    Board board(1 + pick(20), 1 + pick(20));
    const int32_t arrowPercent = pick(70);
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            if (pick(100) < arrowPercent) {
                board.setContent(row, column, Content::kArrow, true);
            }
        }
    }
    for (Side side : {Side::kRed, Side::kBlue}) {
        const int32_t amazons = pick(kMaxAmazonsPerSide + 1);
        for (int32_t k = 0; k < amazons; ++k) {
            board.setContent(1 + pick(static_cast<uint32_t>(board.rows())),
                             1 + pick(static_cast<uint32_t>(board.columns())), contentOf(side),
                             true);
        }
    }
    return board;
}

void expectSameField(const Board& board, const int32_t* field, const std::vector<int32_t>& expected,
                     int trial) {
    for (int32_t i = 0; i < board.cellCount(); ++i) {
        ASSERT_EQ(field[i], expected[i]) << "trial " << trial << " cell " << i;
    }
}

TEST(FloodReference, FastFloodsMatchThePlainNodeQueue) {
    Mt19937 generator(20240611);
    for (int trial = 0; trial < 400; ++trial) {
        Board board = randomBoard(generator);
        // Stale values from another evaluation must not matter.
        computeKingDistances(board, Side::kRed);
        computeAmazonDistances(board);
        for (Side side : {Side::kRed, Side::kBlue}) {
            computeQueenDistances(board, side);
            expectSameField(board, board.distanceField(side),
                            ReferenceFlood(board).queen(amazonSquares(board, side)), trial);
            computeKingDistances(board, side);
            expectSameField(board, board.distanceField(side),
                            ReferenceFlood(board).king(amazonSquares(board, side)), trial);
            ReferenceFlood marks(board);
            const int32_t expected = marks.reachable(amazonSquares(board, side));
            ASSERT_EQ(countReachableSquares(board, side), expected) << "trial " << trial;
        }
        computeAmazonDistances(board);
        for (Side side : {Side::kRed, Side::kBlue}) {
            const std::vector<Square> squares = amazonSquares(board, side);
            for (std::size_t slot = 0; slot < squares.size(); ++slot) {
                expectSameField(board, board.amazonDistanceField(side, static_cast<int32_t>(slot)),
                                ReferenceFlood(board).queen({squares[slot]}), trial);
            }
            for (std::size_t slot = squares.size(); slot < kMaxAmazonsPerSide; ++slot) {
                expectSameField(board, board.amazonDistanceField(side, static_cast<int32_t>(slot)),
                                ReferenceFlood(board).queen({}), trial);
            }
        }
    }
}

}  // namespace
}  // namespace taravin
