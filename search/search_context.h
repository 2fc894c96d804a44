#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "eval/evaluation_selection.h"
#include "model/board.h"
#include "model/player_codes.h"
#include "search/depth_counts.h"
#include "search/search_flags.h"
#include "search/search_host.h"
#include "search/search_scores.h"

namespace taravin {

class TranspositionTable;
class WorkerPool;

// The request handed to the worker, and the values it writes back. The worker reads and
// writes it in place; the window reads the results only after the final notification.
struct SearchContext {
    SearchHost* host = nullptr;
    bool logOpen = false;
    int32_t bestScore = kLossScore;
    Side side = Side::kRed;
    int32_t moveNumber = 1;
    int32_t timeout = 30;
    int32_t hashHits = 0;
    int32_t perAmazonMinimum = 3;
    int32_t depthReached = 0;
    int32_t nodeCount = 0;
    DepthMoveCounts depthMoveCounts{};
    bool suggest = false;
    Square bestArrow;
    Square bestFrom;
    Square bestTo;
    EvaluationFunction evaluation = nullptr;
    int32_t evaluationCode = kDefaultEvaluationCode;

    // Carried with the request so the worker never reads the profile.
    int32_t algorithm = kAlgorithmQScout;
    DepthCountSettings depthCountSettings;
    // The deepening stops after this iteration (the command line's --depth).
    int32_t lastIteration = kDeepestIteration;
    // Monte Carlo ends after this many playouts; 0 leaves it to the time-out or a stop.
    int64_t playoutBudget = 0;
    // How often Monte Carlo reports the tree.
    int32_t reportPeriodMilliseconds = 1000;
    TranspositionTable* table = nullptr;
    SearchFlags* flags = nullptr;
    // The threads that score a node's candidates; none scores them on the search thread.
    WorkerPool* pool = nullptr;
};

}  // namespace taravin
