#include "endgame/endgame_solver.h"

#include <optional>

#include "endgame/game_search.h"
#include "endgame/region_count.h"

namespace taravin {

namespace {

int32_t sideIndex(Side side) {
    return side == Side::kRed ? 0 : 1;
}

// The closed regions: each side's move count (as bounds) and its filling orders one after
// the other, which a line plays whenever the side spends a spare move.
struct ClosedRegions {
    Bounds moves[2];
    std::vector<BoardMove> fillings[2];
};

ClosedRegions closedRegions(const std::vector<RegionCount>& regions) {
    ClosedRegions closed;
    for (const RegionCount& region : regions) {
        if (region.owner != RegionOwner::kRed && region.owner != RegionOwner::kBlue) {
            continue;
        }
        const int32_t index = region.owner == RegionOwner::kRed ? 0 : 1;
        closed.moves[index].lower += region.lowerBound;
        closed.moves[index].upper += region.upperBound;
        closed.fillings[index].insert(closed.fillings[index].end(), region.fillingOrder.begin(),
                                      region.fillingOrder.end());
    }
    return closed;
}

std::vector<Square> sharedSquares(const std::vector<RegionCount>& regions) {
    std::vector<Square> squares;
    for (const RegionCount& region : regions) {
        if (region.owner == RegionOwner::kBoth) {
            squares.insert(squares.end(), region.squares.begin(), region.squares.end());
        }
    }
    return squares;
}

GameState sharedState(const Board& board, const LocalSpace& space, Side toMove) {
    GameState state;
    state.mover = toMove;
    for (int32_t index = 0; index < space.size(); ++index) {
        switch (board.content(space.square(index))) {
            case Content::kEmpty:
                state.empty.insert(index);
                break;
            case Content::kRed:
                state.red.insert(index);
                break;
            case Content::kBlue:
                state.blue.insert(index);
                break;
            case Content::kArrow:
                break;
        }
    }
    return state;
}

// Walks the proven line down from the root, re-asking the search (mostly its memo) at each
// step: with a known margin for the child that keeps it, else the winner for a child the
// loser loses and the loser for its first move.
class LineWalk {
  public:
    LineWalk(const LocalSpace& space, GameSearch& search, BudgetMeter& meter,
             const ClosedRegions& closed)
        : space_(space), search_(search), meter_(meter) {
        for (int32_t index = 0; index < 2; ++index) {
            fillings_[index] = closed.fillings[index];
        }
    }

    // The line, and whether it reaches the end of the game.
    std::pair<std::vector<BoardMove>, bool> walk(GameState state, Side winner,
                                                 std::optional<int32_t> margin) {
        std::vector<BoardMove> line;
        for (;; margin = margin ? std::optional<int32_t>(1 - *margin) : std::nullopt) {
            if (!state.shared()) {
                if (state.spare(state.mover) == 0) {
                    return {line, true};
                }
                if (!spendSpare(state, line)) {
                    return {line, false};
                }
                continue;
            }
            const std::optional<GameChild> child = choose(state, winner, margin);
            if (!child) {
                return {line, !meter_.spent() && search_.children(state).empty()};
            }
            if (!child->move) {
                if (!spendSpare(state, line)) {
                    return {line, false};
                }
                continue;
            }
            line.push_back(BoardMove{space_.square(child->move->from),
                                     space_.square(child->move->to),
                                     space_.square(child->move->arrow)});
            keepFillings(state, *child->move);
            state = child->state;
        }
    }

  private:
    std::optional<GameChild> choose(const GameState& state, Side winner,
                                    std::optional<int32_t> margin) {
        for (const GameChild& child : search_.children(state)) {
            if (!margin && state.mover != winner) {
                return child;
            }
            const bool keeps =
                margin
                    ? search_.search(child.state, -*margin, 2 - *margin, false) == 1 - *margin
                    : search_.search(GameSearch::withSparesCancelled(child.state), 0, 1, true) <= 0;
            if (meter_.spent()) {
                return std::nullopt;
            }
            if (keeps) {
                return child;
            }
        }
        return std::nullopt;
    }

    // Keeps the filling orders of the regions that the move on the shared squares closes.
    void keepFillings(const GameState& state, const LocalMove& move) {
        GameState after = state;
        applyLocalMove(move, after.empty, after.mover == Side::kRed ? after.red : after.blue);
        after.mover = otherSide(state.mover);
        ClosedFillings closed;
        search_.settle(after, &closed);
        for (int32_t index = 0; index < 2; ++index) {
            for (const LocalMove& filling : closed.moves[index]) {
                fillings_[index].push_back(BoardMove{space_.square(filling.from),
                                                     space_.square(filling.to),
                                                     space_.square(filling.arrow)});
            }
        }
    }

    bool spendSpare(GameState& state, std::vector<BoardMove>& line) {
        std::vector<BoardMove>& own = fillings_[sideIndex(state.mover)];
        std::size_t& next = nextFilling_[sideIndex(state.mover)];
        if (next >= own.size()) {
            return false;
        }
        line.push_back(own[next++]);
        --state.spare(state.mover);
        state.mover = otherSide(state.mover);
        return true;
    }

    const LocalSpace& space_;
    GameSearch& search_;
    BudgetMeter& meter_;
    std::vector<BoardMove> fillings_[2];
    std::size_t nextFilling_[2] = {0, 0};
};

// The root's margin by null-window probes that close in on it; nothing when the budget runs
// out first.
std::optional<int32_t> rootMargin(GameSearch& search, const GameState& root, bool wins,
                                  BudgetMeter& meter) {
    int32_t lower = wins ? 1 : -GameSearch::kInfinity;
    int32_t upper = wins ? GameSearch::kInfinity : 0;
    int32_t guess = wins ? 1 : 0;
    while (lower < upper) {
        const int32_t beta = guess == lower ? guess + 1 : guess;
        guess = search.search(root, beta - 1, beta, false);
        if (meter.spent()) {
            return std::nullopt;
        }
        (guess < beta ? upper : lower) = guess;
    }
    return lower;
}

}  // namespace

EndgameSolution solveEndgame(const Board& board, Side toMove, const SolverBudget& budget) {
    EndgameSolution solution;
    BudgetMeter regionMeter(budget.share(0.5));
    const std::vector<RegionCount> regions = countRegions(board, regionMeter);
    const std::vector<Square> shared = sharedSquares(regions);
    if (shared.size() > static_cast<std::size_t>(GameSet::kCapacity)) {
        return solution;
    }
    SolverBudget rest = budget;
    rest.nodeLimit -= regionMeter.nodes();
    BudgetMeter meter(rest);
    const LocalSpace space(board, shared);
    GameSearch search(space, meter);
    const ClosedRegions closed = closedRegions(regions);
    GameState root = sharedState(board, space, toMove);
    if (!search.settle(root, nullptr)) {
        return solution;
    }
    const Side other = otherSide(toMove);
    // The mover wins if it wins with its fewest closed moves against the most of the other
    // side, and loses if it loses with the opposite.
    const auto withSpares = [&](bool forMover) {
        GameState state = root;
        state.spare(toMove) = forMover ? closed.moves[sideIndex(toMove)].upper
                                       : closed.moves[sideIndex(toMove)].lower;
        state.spare(other) =
            forMover ? closed.moves[sideIndex(other)].lower : closed.moves[sideIndex(other)].upper;
        return state;
    };
    const auto wins = [&](const GameState& state) {
        return search.search(GameSearch::withSparesCancelled(state), 0, 1, true) > 0;
    };
    GameState proven = withSpares(false);
    const bool winsAtWorst = wins(proven);
    if (meter.spent()) {
        return solution;
    }
    if (!winsAtWorst) {
        proven = withSpares(true);
        const bool winsAtBest = wins(proven);
        if (meter.spent() || winsAtBest) {
            return solution;
        }
    }
    solution.result = winsAtWorst ? EndgameResult::kWin : EndgameResult::kLoss;
    const bool winning = solution.result == EndgameResult::kWin;
    const Side winner = winning ? toMove : other;
    // A line that only keeps the win first, from what the proof left in the memo; one with the
    // best defence if the margin can be found as well.
    solution.line = LineWalk(space, search, meter, closed).walk(proven, winner, std::nullopt).first;
    if (withSpares(false) != withSpares(true)) {
        return solution;
    }
    const std::optional<int32_t> margin = rootMargin(search, proven, winning, meter);
    if (!margin) {
        return solution;
    }
    solution.spareMovesKnown = true;
    solution.spareMoves = winning ? *margin - 1 : -*margin;
    auto [line, complete] = LineWalk(space, search, meter, closed).walk(proven, winner, margin);
    if (complete) {
        solution.line = std::move(line);
    }
    return solution;
}

}  // namespace taravin
