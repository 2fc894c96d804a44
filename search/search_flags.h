#pragma once

#include <atomic>

namespace taravin {

// One-way signals between the window thread and the search worker. During a search each is
// only ever set; they are cleared only while no search runs.
struct SearchFlags {
    std::atomic<bool> abortSearch{false};
    std::atomic<bool> moveNow{false};
    std::atomic<bool> haveBestMove{false};
    std::atomic<bool> memoryError{false};

    // False once the search must end: aborted, out of memory, or asked to move with a move
    // in hand. A time-out before any best move exists does not stop the search.
    bool continueSearch() const {
        return !abortSearch.load(std::memory_order_relaxed) &&
               !memoryError.load(std::memory_order_relaxed) &&
               !(moveNow.load(std::memory_order_relaxed) &&
                 haveBestMove.load(std::memory_order_relaxed));
    }
};

}  // namespace taravin
