#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace taravin {

// How much work a solver may do: a node limit, which makes results repeatable, and an optional
// deadline for callers that count in time. A solver that runs out reports bounds or an unknown
// result instead of a guess.
struct SolverBudget {
    int64_t nodeLimit = 1'000'000;
    std::optional<std::chrono::steady_clock::time_point> deadline;

    // A budget of the given time from now, with no node limit to speak of.
    static SolverBudget forTime(std::chrono::milliseconds time);
    // The fraction of the nodes and of the time left until the deadline.
    SolverBudget share(double fraction) const;
};

// Counts the nodes a solver visits against a budget. Once the budget is spent it stays spent,
// so that every level of a search can see that it has to give up.
class BudgetMeter {
  public:
    explicit BudgetMeter(const SolverBudget& budget) : budget_(budget) {}

    // Counts one node; false once the budget is spent.
    bool spend() {
        if (spent_) {
            return false;
        }
        ++nodes_;
        // The clock is read now and then only: it costs more than a node.
        if (nodes_ > budget_.nodeLimit || (budget_.deadline && nodes_ % kClockInterval == 0 &&
                                           std::chrono::steady_clock::now() >= *budget_.deadline)) {
            spent_ = true;
        }
        return !spent_;
    }
    bool spent() const { return spent_; }
    int64_t nodes() const { return nodes_; }

  private:
    static constexpr int64_t kClockInterval = 256;
    SolverBudget budget_;
    int64_t nodes_ = 0;
    bool spent_ = false;
};

}  // namespace taravin
