#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace taravin {

// What a square holds. The codes are what files, the profile and the hash keys use; a side's
// code equals the code of its amazons.
enum class Content : int32_t { kEmpty = 0, kRed = 1, kBlue = 2, kArrow = 3 };

constexpr int32_t contentCode(Content content) {
    return static_cast<int32_t>(content);
}

// A side. Its code, the content code of its amazons, is what files and the profile store;
// kNone is the side of the move being entered while the game is stopped.
enum class Side : int32_t { kRed = 1, kBlue = 2, kNone = 3 };

constexpr int32_t sideCode(Side side) {
    return static_cast<int32_t>(side);
}
// The content of the side's amazons.
constexpr Content contentOf(Side side) {
    return static_cast<Content>(side);
}
// The side whose amazon the content (kRed or kBlue) is.
constexpr Side sideOf(Content amazon) {
    return static_cast<Side>(amazon);
}
constexpr int kMinBoardSize = 1;
constexpr int kMaxBoardSize = 20;
constexpr int kDefaultBoardSize = 10;
constexpr int kMaxAmazonsPerSide = 4;

constexpr Side otherSide(Side side) {
    return side == Side::kRed ? Side::kBlue : Side::kRed;
}
inline const char* sideName(Side side) {
    return side == Side::kRed ? "Red" : "Blue";
}

// A square of the inner board, 1-based; row 1 is the bottom row, column 1 is column A.
struct Square {
    int32_t row = 0;
    int32_t column = 0;
    friend bool operator==(const Square&, const Square&) = default;
};

struct Direction {
    int rowStep;
    int columnStep;
};

// Every walk over the eight directions uses this order: left, up-left, up, up-right,
// right, down-right, down, down-left.
constexpr std::array<Direction, 8> kDirections{{
    {0, -1},
    {1, -1},
    {1, 0},
    {1, 1},
    {0, 1},
    {-1, 1},
    {-1, 0},
    {-1, -1},
}};

// "%c%d": the letter with code 64 + column, then the row (A1, J10, T20).
std::string squareName(int32_t row, int32_t column);
inline std::string squareName(const Square& square) {
    return squareName(square.row, square.column);
}

}  // namespace taravin
