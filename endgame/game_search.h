#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "endgame/bound_table.h"
#include "endgame/local_moves.h"
#include "endgame/local_set.h"
#include "endgame/local_space.h"
#include "endgame/region_search.h"
#include "endgame/solver_budget.h"
#include "model/square.h"

namespace taravin {

using GameSet = LocalSet<2>;

// A position as the endgame search sees it: the squares of the regions that hold both sides,
// and for each side the moves it has in regions of its own (its spare moves). Regions are
// independent, so that is all that decides the game.
struct GameState {
    GameSet empty;
    GameSet red;
    GameSet blue;
    int32_t redSpare = 0;
    int32_t blueSpare = 0;
    Side mover = Side::kRed;

    bool operator==(const GameState&) const = default;
    uint64_t hash() const {
        return empty.hash() ^ (red.hash() * 3) ^ (blue.hash() * 5) ^
               (static_cast<uint64_t>(redSpare) << 40) ^ (static_cast<uint64_t>(blueSpare) << 20) ^
               static_cast<uint64_t>(sideCode(mover));
    }
    bool shared() const { return !red.empty() || !blue.empty(); }
    const GameSet& moverAmazons() const { return mover == Side::kRed ? red : blue; }
    int32_t spare(Side side) const { return side == Side::kRed ? redSpare : blueSpare; }
    int32_t& spare(Side side) { return side == Side::kRed ? redSpare : blueSpare; }
};

// One move of the side to move: a move on the shared squares, or one of its spare moves; the
// estimate (squares nearer the mover after the move) orders the moves.
struct GameChild {
    std::optional<LocalMove> move;
    GameState state;
    int32_t estimate = 0;
};

// The filling orders of the regions that closed, by side (red first).
struct ClosedFillings {
    std::vector<LocalMove> moves[2];
};

// Searches the sum of the shared squares and the spare moves for the mover's margin: one more
// than the spare moves it keeps when it wins, minus those of the other side when it loses
// (so a margin above 0 is a win). Regions that close during the search are counted by the
// region search and become spare moves. Positions are remembered with proven bounds.
class GameSearch {
  public:
    static constexpr int32_t kInfinity = 30000;

    GameSearch(const LocalSpace& space, BudgetMeter& meter);

    // Turns the parts of the shared squares that hold one side only into its spare moves and
    // drops the parts without amazons; with `fillings`, keeps the closed parts' filling
    // orders. False when a count ran out of budget.
    bool settle(GameState& state, ClosedFillings* fillings);

    // The mover's margin, fail-soft in (alpha, beta); meaningless once the budget is spent.
    // With cancelSpares it only tells a win (1) from a loss (0), on positions whose spare
    // moves are cancelled pairwise first: a spare move each changes who wins in no position.
    int32_t search(const GameState& state, int32_t alpha, int32_t beta, bool cancelSpares);

    // The mover's moves in search order, settled: the shared moves by estimate, the spare move
    // last. Empty when the budget ran out while settling them.
    std::vector<GameChild> children(const GameState& state);

    // The state with the spare moves both sides have taken away.
    static GameState withSparesCancelled(GameState state);

  private:
    int32_t searchAt(const GameState& state, int32_t alpha, int32_t beta, bool cancelSpares,
                     std::size_t depth);
    // The children unsettled, in search order: settling costs a count of each region a move
    // closes, and a node that cuts off early needs few of them.
    void fillChildren(const GameState& state, std::vector<GameChild>& out) const;
    // False when the budget ran out.
    bool settleChild(GameChild& child, bool cancelSpares);
    // Squares nearer the mover's amazons than the other side's, by king steps, minus the
    // opposite.
    int32_t territory(const GameSet& empty, const GameSet& mine, const GameSet& theirs) const;

    const LocalSpace& space_;
    BudgetMeter& meter_;
    RegionSearch<2> regions_;
    BoundTable<GameState> table_;
    std::vector<GameSet> neighbourMasks_;
    std::deque<std::vector<GameChild>> levels_;
};

}  // namespace taravin
