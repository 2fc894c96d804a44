#include "endgame/solver_budget.h"

#include <limits>

namespace taravin {

SolverBudget SolverBudget::forTime(std::chrono::milliseconds time) {
    return SolverBudget{std::numeric_limits<int64_t>::max(),
                        std::chrono::steady_clock::now() + time};
}

SolverBudget BudgetMeter::remaining() const {
    SolverBudget left = budget_;
    left.nodeLimit = spent_ ? 0 : budget_.nodeLimit - nodes_;
    return left;
}

}  // namespace taravin
