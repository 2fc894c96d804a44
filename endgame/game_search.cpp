#include "endgame/game_search.h"

#include <algorithm>

namespace taravin {

GameSearch::GameSearch(const LocalSpace& space, BudgetMeter& meter)
    : space_(space), meter_(meter), regions_(space, meter) {
    for (int32_t square = 0; square < space.size(); ++square) {
        GameSet mask;
        for (int16_t neighbour : space.neighbours(square)) {
            mask.insert(neighbour);
        }
        neighbourMasks_.push_back(mask);
    }
}

GameState GameSearch::withSparesCancelled(GameState state) {
    const int32_t common = std::min(state.redSpare, state.blueSpare);
    state.redSpare -= common;
    state.blueSpare -= common;
    return state;
}

bool GameSearch::settle(GameState& state, ClosedFillings* fillings) {
    const GameSet live = state.empty | state.red | state.blue;
    bool counted = true;
    forEachSeededPart(space_, live, state.red | state.blue, [&](const GameSet& part) {
        const GameSet red = state.red & part;
        const GameSet blue = state.blue & part;
        const GameSet empty = state.empty & part;
        if (!red.empty() && !blue.empty() && !empty.empty()) {
            return;
        }
        state.empty -= part;
        state.red -= part;
        state.blue -= part;
        if (red.empty() == blue.empty() || !counted) {
            return;
        }
        const Side side = red.empty() ? Side::kBlue : Side::kRed;
        const LocalCount count =
            regions_.count(empty, side == Side::kRed ? red : blue, fillings != nullptr);
        counted = count.bounds.exact();
        state.spare(side) += count.bounds.lower;
        if (fillings) {
            auto& moves = fillings->moves[side == Side::kRed ? 0 : 1];
            moves.insert(moves.end(), count.order.begin(), count.order.end());
        }
    });
    return counted;
}

int32_t GameSearch::territory(const GameSet& empty, const GameSet& mine,
                              const GameSet& theirs) const {
    const auto grow = [&](const GameSet& frontier, const GameSet& open) {
        GameSet next;
        frontier.forEach([&](int32_t square) { next |= neighbourMasks_[square]; });
        return next & open;
    };
    GameSet open = empty;
    GameSet myFrontier = mine;
    GameSet theirFrontier = theirs;
    int32_t score = 0;
    while (!myFrontier.empty() || !theirFrontier.empty()) {
        myFrontier = grow(myFrontier, open);
        theirFrontier = grow(theirFrontier, open);
        score += (myFrontier - theirFrontier).count() - (theirFrontier - myFrontier).count();
        open -= myFrontier | theirFrontier;
    }
    return score;
}

void GameSearch::fillChildren(const GameState& state, std::vector<GameChild>& out) const {
    out.clear();
    const Side mover = state.mover;
    forEachLocalMove(space_, state.empty, state.moverAmazons(), [&](const LocalMove& move) {
        GameChild child{move, state, 0};
        GameSet& amazons = mover == Side::kRed ? child.state.red : child.state.blue;
        applyLocalMove(move, child.state.empty, amazons);
        child.state.mover = otherSide(mover);
        const GameSet& theirs = mover == Side::kRed ? child.state.blue : child.state.red;
        child.estimate = territory(child.state.empty, amazons, theirs);
        out.push_back(child);
    });
    std::stable_sort(out.begin(), out.end(), [](const GameChild& left, const GameChild& right) {
        return left.estimate > right.estimate;
    });
    if (state.spare(mover) > 0) {
        GameChild child{std::nullopt, state, 0};
        --child.state.spare(mover);
        child.state.mover = otherSide(mover);
        out.push_back(child);
    }
}

bool GameSearch::settleChild(GameChild& child, bool cancelSpares) {
    if (child.move && !settle(child.state, nullptr)) {
        return false;
    }
    if (cancelSpares) {
        child.state = withSparesCancelled(child.state);
    }
    return true;
}

std::vector<GameChild> GameSearch::children(const GameState& state) {
    std::vector<GameChild> out;
    fillChildren(state, out);
    for (GameChild& child : out) {
        if (!settleChild(child, false)) {
            return {};
        }
    }
    return out;
}

int32_t GameSearch::search(const GameState& state, int32_t alpha, int32_t beta, bool cancelSpares) {
    return searchAt(state, alpha, beta, cancelSpares, 0);
}

int32_t GameSearch::searchAt(const GameState& state, int32_t alpha, int32_t beta, bool cancelSpares,
                             std::size_t depth) {
    const Side mover = state.mover;
    const Side other = otherSide(mover);
    if (!state.shared()) {
        // Each side fills its own regions: the mover runs out first unless it has more.
        return state.spare(mover) - state.spare(other);
    }
    const Bounds known = table_.find(state).value_or(Bounds{-kInfinity, kInfinity});
    if (known.lower >= beta || known.exact()) {
        return known.lower;
    }
    if (known.upper <= alpha) {
        return known.upper;
    }
    alpha = std::max(alpha, known.lower);
    beta = std::min(beta, known.upper);
    if (!meter_.spend()) {
        return 0;
    }
    if (levels_.size() <= depth) {
        levels_.resize(depth + 1);
    }
    std::vector<GameChild>& children = levels_[depth];
    fillChildren(state, children);
    if (children.empty()) {
        // The mover cannot move and loses; the winner keeps the moves it can still make.
        if (cancelSpares) {
            table_.tighten(state, Bounds{-kInfinity, 0});
            return 0;
        }
        const LocalCount solo =
            regions_.count(state.empty, mover == Side::kRed ? state.blue : state.red, false);
        if (!solo.bounds.exact()) {
            return 0;
        }
        const int32_t margin = -(state.spare(other) + solo.bounds.lower);
        table_.tighten(state, Bounds{margin, margin});
        return margin;
    }
    int32_t best = -kInfinity;
    for (GameChild& child : children) {
        if (!settleChild(child, cancelSpares)) {
            return 0;
        }
        int32_t value =
            1 - searchAt(child.state, 1 - beta, 1 - std::max(alpha, best), cancelSpares, depth + 1);
        if (meter_.spent()) {
            return 0;
        }
        if (cancelSpares) {
            value = value >= 1 ? 1 : 0;
        }
        best = std::max(best, value);
        if (best >= beta) {
            break;
        }
    }
    if (best <= alpha) {
        table_.tighten(state, Bounds{-kInfinity, best});
    } else if (best >= beta) {
        table_.tighten(state, Bounds{best, kInfinity});
    } else {
        table_.tighten(state, Bounds{best, best});
    }
    return best;
}

}  // namespace taravin
