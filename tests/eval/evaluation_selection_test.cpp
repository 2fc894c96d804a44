#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "eval/evaluation_selection.h"
#include "eval/min_distance.h"
#include "eval/mobility.h"
#include "eval/square_ownership.h"

namespace taravin {
namespace {

TEST(EvaluationSelection, CodesInDialogOrder) {
    const EvaluationFunction expected[] = {
        evaluateSquareOwnership, evaluateMinDistanceArrays, evaluateMinDistanceSeparate,
        evaluateMinDistanceBase, evaluateMinDistanceSteps,  evaluateMobility,
    };
    for (int32_t code = 0; code < kEvaluationCount; ++code) {
        EXPECT_EQ(selectEvaluation(code), expected[code]) << code;
        EXPECT_EQ(selectStatusEvaluation(code), expected[code]) << code;
    }
    EXPECT_EQ(std::string(kEvaluationFunctionNames[0]), "Square Ownership");
    EXPECT_EQ(std::string(kEvaluationFunctionNames[2]), "Minimum Distance (separate amazons)");
    EXPECT_EQ(std::string(kEvaluationFunctionNames[5]), "Mobility");
}

TEST(EvaluationSelection, UnknownCodesFallBackDifferentlyForSearchAndStatus) {
    for (int32_t code : {-1, 6, 42, std::numeric_limits<int32_t>::min()}) {
        EXPECT_EQ(selectEvaluation(code), evaluateMinDistanceArrays) << code;
        EXPECT_EQ(selectStatusEvaluation(code), evaluateSquareOwnership) << code;
    }
}

}  // namespace
}  // namespace taravin
