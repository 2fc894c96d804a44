#pragma once

namespace taravin::cli {

// Each prints its lines of `taravin-cli bench`.
void benchMoveGeneration();
void benchEvaluations();
void benchSearches();

}  // namespace taravin::cli
