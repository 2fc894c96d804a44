#pragma once

namespace taravin::cli {

// Each prints its lines of `taravin-cli bench`.
void benchMoveGeneration();
void benchEvaluations();
void benchSearches();
// The fixed-depth searches and, last, "signature N": their node total.
void benchSignature();

}  // namespace taravin::cli
