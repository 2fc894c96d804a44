#pragma once

#include <array>
#include <cstdint>

#include "model/board.h"
#include "model/player_codes.h"

namespace taravin {

// (board, side judged for, move number) -> score, larger is better for that side.
using EvaluationFunction = int32_t (*)(Board&, Side, int32_t);

constexpr int32_t kEvaluationCount = static_cast<int32_t>(kEvaluationFunctionNames.size());
constexpr int32_t kDefaultEvaluationCode = 1;

// The search's function for an evaluation code; a code outside 0..5 gets Minimum Distance
// (with arrays).
EvaluationFunction selectEvaluation(int32_t code);

// The function behind the board view's status text; unlike the search, a code outside 0..5
// gets Square Ownership there.
EvaluationFunction selectStatusEvaluation(int32_t code);

}  // namespace taravin
