#include "endgame/solver_budget.h"

#include <limits>

namespace taravin {

SolverBudget SolverBudget::forTime(std::chrono::milliseconds time) {
    return SolverBudget{std::numeric_limits<int64_t>::max(),
                        std::chrono::steady_clock::now() + time};
}

SolverBudget SolverBudget::share(double fraction) const {
    SolverBudget part = *this;
    part.nodeLimit = static_cast<int64_t>(static_cast<double>(nodeLimit) * fraction);
    if (deadline) {
        const auto now = std::chrono::steady_clock::now();
        part.deadline = now + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  (*deadline - now) * fraction);
    }
    return part;
}

}  // namespace taravin
