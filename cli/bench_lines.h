#pragma once

namespace taravin::cli {

// Each prints its lines of `taravin-cli bench`.
void benchMoveGeneration();

}  // namespace taravin::cli
