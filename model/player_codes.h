#pragma once

#include <array>
#include <cstdint>

namespace taravin {

// The codes a player record holds. Each name table is in code order, which is also the order
// of the choices in the Player Configuration dialogs (the list index is the stored code).

enum PlayerType : int32_t { kHumanPlayer = 0, kComputerPlayer = 1 };

enum SearchAlgorithmCode : int32_t {
    kAlgorithmMiniMax = 0,
    kAlgorithmAlphaBeta = 1,
    kAlgorithmQScout = 2,
    kAlgorithmMtd = 3,
    kAlgorithmQScoutOlympiadBase = 4,
    kAlgorithmMonteCarlo = 5,
};

enum EvaluationCode : int32_t {
    kEvaluationSquareOwnership = 0,
    kEvaluationMinimumDistanceArrays = 1,
    kEvaluationMinimumDistanceSeparateAmazons = 2,
    kEvaluationMinimumDistanceOlympiadBase = 3,
    kEvaluationMinimumDistanceSteps = 4,
    kEvaluationMobility = 5,
};

inline constexpr std::array<const char*, 2> kPlayerTypeNames{"Human", "Computer"};

inline constexpr std::array<const char*, 6> kSearchAlgorithmNames{
    "MiniMax", "Alpha-Beta Pruning", "QScout", "MTD", "QScout - Olympiad Base", "Monte Carlo",
};

inline constexpr std::array<const char*, 6> kEvaluationFunctionNames{
    "Square Ownership",
    "Minimum Distance (with arrays)",
    "Minimum Distance (separate amazons)",
    "Minimum Distance (olympiad base)",
    "Minimum Distance (steps)",
    "Mobility",
};

}  // namespace taravin
