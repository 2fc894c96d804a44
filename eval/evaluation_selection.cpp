#include "eval/evaluation_selection.h"

#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval/square_ownership.h"

namespace taravin {

namespace {

constexpr std::array<EvaluationFunction, kEvaluationCount> kFunctions{
    evaluateSquareOwnership, evaluateMinDistanceArrays, evaluateMinDistanceSeparate,
    evaluateMinDistanceBase, evaluateMinDistanceSteps,  evaluateMobility,
};

bool isEvaluationCode(int32_t code) {
    return code >= 0 && code < kEvaluationCount;
}

}  // namespace

EvaluationFunction selectEvaluation(int32_t code) {
    return kFunctions[isEvaluationCode(code) ? code : kDefaultEvaluationCode];
}

EvaluationFunction selectStatusEvaluation(int32_t code) {
    return isEvaluationCode(code) ? kFunctions[code] : evaluateSquareOwnership;
}

}  // namespace taravin
