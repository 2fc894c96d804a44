#pragma once

#include <array>
#include <cstdint>

namespace taravin {

// How much the farther of the two distances of a square grows, by the number (0..8) of its
// neighbours that lie farther than the nearer distance.
using NeighbourRule = std::array<int32_t, 9>;

// Minimum Distance with arrays and with separate amazons: threshold 6, increment 1.
inline constexpr NeighbourRule kArraysNeighbourRule{0, 0, 0, 0, 0, 0, 1, 1, 1};
// Minimum Distance steps: threshold 5, increment 1 for 5 or 6 neighbours and 2 for 7 or 8.
inline constexpr NeighbourRule kStepsNeighbourRule{0, 0, 0, 0, 0, 1, 1, 2, 2};
// Minimum Distance olympiad base: distances are looked up as they are.
inline constexpr NeighbourRule kNoNeighbourRule{};

struct DistancePair {
    int32_t own;
    int32_t opponent;
};

// The distances of the empty cell at `index` as the table lookup sees them. When the opponent
// is farther (o > m), o grows by the rule's amount for the number of neighbours whose opponent
// distance exceeds m; when the own side is farther, m grows likewise by the neighbours' own
// distances exceeding o; equal distances stay. Border neighbours read 10, occupied ones 0.
// The fields are not changed.
inline DistancePair adjustByNeighbours(const int32_t* own, const int32_t* opponent, int32_t index,
                                       const std::array<int32_t, 8>& offsets,
                                       const NeighbourRule& rule) {
    // Written without branches on the comparison, whose outcome varies from square to square.
    const int32_t m = own[index];
    const int32_t o = opponent[index];
    const bool opponentFarther = o > m;
    const int32_t* farther = opponentFarther ? opponent : own;
    const int32_t nearer = opponentFarther ? m : o;
    int32_t count = 0;
    for (int32_t step : offsets) {
        count += farther[index + step] > nearer ? 1 : 0;
    }
    const int32_t increment = m != o ? rule[count] : 0;
    return {opponentFarther ? m : m + increment, opponentFarther ? o + increment : o};
}

}  // namespace taravin
