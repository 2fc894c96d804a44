#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "endgame/bound_table.h"
#include "endgame/cut_squares.h"
#include "endgame/local_moves.h"
#include "endgame/local_set.h"
#include "endgame/local_space.h"
#include "endgame/solver_budget.h"

namespace taravin {

// The result of counting: proven bounds on the number of moves, and a filling order that makes
// bounds.lower of them (each part filled in turn).
struct LocalCount {
    Bounds bounds;
    std::vector<LocalMove> order;
};

// The most moves the amazons of one side can make over a set of empty squares, every other
// square blocked. A position falls apart into parts (empty squares and amazons joined by king
// steps), which count on their own and add up. Each part is searched depth first for its best
// value with a memo of proven bounds keyed by the part's empty squares and amazons; a child
// whose part sizes cannot beat the best found is cut. A greedy filling first gives a lower
// bound and usually the answer, and the exact search then asks "does it make U?" for falling U
// until it proves one.
template <std::size_t Words>
class RegionSearch {
  public:
    using Set = LocalSet<Words>;

    RegionSearch(const LocalSpace& space, BudgetMeter& meter)
        : space_(space),
          meter_(meter),
          cutFinder_(space),
          levels_(static_cast<std::size_t>(space.size()) + 2) {}

    // Bounds within the budget; with wantOrder the filling order too (without it the order may
    // be missing).
    LocalCount count(const Set& empty, const Set& amazons, bool wantOrder) {
        LocalCount total;
        forEachPart(empty, amazons, [&](const Part& part) {
            const LocalCount partCount = countPart(part, wantOrder);
            total.bounds.lower += partCount.bounds.lower;
            total.bounds.upper += partCount.bounds.upper;
            total.order.insert(total.order.end(), partCount.order.begin(), partCount.order.end());
        });
        return total;
    }

  private:
    struct Part {
        Set empty;
        Set amazons;
        bool operator==(const Part&) const = default;
        uint64_t hash() const { return empty.hash() ^ (amazons.hash() * 31); }
    };
    struct Child {
        LocalMove move;
        int32_t upper = 0;
        int32_t preference = 0;
        int32_t firstPart = 0;
        int32_t partCount = 0;
    };
    // The squares that are not arrows fall apart into pieces when an arrow lands on a cut
    // square; the pieces depend on that square only.
    struct CutPieces {
        int32_t square = 0;
        int32_t first = 0;
        int32_t count = 0;
    };
    // One node of the search: its squares, their cut squares and the pieces each cut square
    // leaves (worked out when a move first needs them), its children and their parts.
    struct Level {
        Set live;
        Set cuts;
        std::vector<CutPieces> cutPieces;
        std::vector<Set> pieces;
        std::vector<Child> children;
        std::vector<Part> parts;
    };

    // The parts that hold an empty square; amazons without one make no move.
    template <class Visit>
    void forEachPart(const Set& empty, const Set& amazons, Visit&& visit) const {
        forEachSeededPart(space_, empty | amazons, amazons, [&](const Set& squares) {
            const Part part{empty & squares, amazons & squares};
            if (!part.empty.empty()) {
                visit(part);
            }
        });
    }

    // Lower is better: an arrow on a square with few empty neighbours fills a corner or a
    // dead end first, and an amazon with many empty neighbours keeps its way open.
    int32_t preference(const Set& emptyAfter, const LocalMove& move) const {
        const auto emptyNeighbours = [&](int32_t square) {
            int32_t count = 0;
            for (int16_t neighbour : space_.neighbours(square)) {
                count += emptyAfter.contains(neighbour) ? 1 : 0;
            }
            return count;
        };
        return emptyNeighbours(move.arrow) * 9 + 8 - emptyNeighbours(move.to);
    }

    void startLevel(const Part& part, Level& level) {
        level.live = part.empty | part.amazons;
        level.cuts = cutFinder_.find(level.live);
        level.cutPieces.clear();
        level.pieces.clear();
        level.children.clear();
        level.parts.clear();
    }

    const CutPieces& piecesWithout(Level& level, int32_t square) const {
        for (const CutPieces& known : level.cutPieces) {
            if (known.square == square) {
                return known;
            }
        }
        CutPieces found{square, static_cast<int32_t>(level.pieces.size()), 0};
        Set rest = level.live;
        rest.erase(square);
        forEachSeededPart(space_, rest, rest, [&](const Set& piece) {
            level.pieces.push_back(piece);
            ++found.count;
        });
        level.cutPieces.push_back(found);
        return level.cutPieces.back();
    }

    // Stores the parts of the position after the move in `level` and fills the child's upper
    // bound: the empty squares left in parts that hold an amazon. A move takes exactly one
    // square out of those that are not arrows, its arrow's, so unless that is a cut square the
    // child is one part.
    void addParts(const Part& parent, const LocalMove& move, Level& level, Child& child) const {
        Set empty = parent.empty;
        Set amazons = parent.amazons;
        applyLocalMove(move, empty, amazons);
        child.move = move;
        child.preference = preference(empty, move);
        child.firstPart = static_cast<int32_t>(level.parts.size());
        child.upper = 0;
        const auto keep = [&](const Part& part) {
            if (!part.empty.empty() && !part.amazons.empty()) {
                level.parts.push_back(part);
                child.upper += part.empty.count();
            }
        };
        if (!level.cuts.contains(move.arrow)) {
            keep(Part{empty, amazons});
        } else {
            const CutPieces& cut = piecesWithout(level, move.arrow);
            for (int32_t k = cut.first; k < cut.first + cut.count; ++k) {
                keep(Part{empty & level.pieces[k], amazons & level.pieces[k]});
            }
        }
        child.partCount = static_cast<int32_t>(level.parts.size()) - child.firstPart;
    }

    // Generation order breaks ties, so that the search order is the same on every run.
    static bool movedEarlier(const LocalMove& left, const LocalMove& right) {
        if (left.from != right.from) {
            return left.from < right.from;
        }
        return left.to != right.to ? left.to < right.to : left.arrow < right.arrow;
    }

    // Every child of the part in search order: most squares kept first, then by preference.
    void expand(const Part& part, Level& level) {
        startLevel(part, level);
        forEachLocalMove(space_, part.empty, part.amazons, [&](const LocalMove& move) {
            Child child;
            addParts(part, move, level, child);
            level.children.push_back(child);
        });
        std::sort(level.children.begin(), level.children.end(),
                  [](const Child& left, const Child& right) {
                      if (left.upper != right.upper) {
                          return left.upper > right.upper;
                      }
                      return left.preference != right.preference
                                 ? left.preference < right.preference
                                 : movedEarlier(left.move, right.move);
                  });
    }

    Bounds storedBounds(const Part& part) const {
        // A part with an empty square always has a move: an amazon beside it steps there and
        // throws back onto the square it left.
        return table_.find(part).value_or(Bounds{1, part.empty.count()});
    }

    // The part's value when it is above `floor`; otherwise an upper bound at most `floor`.
    // Returns at once, with nothing stored, once the budget is spent; callers check.
    int32_t searchPart(const Part& part, int32_t floor, std::size_t depth) {
        const Bounds known = storedBounds(part);
        if (known.exact() || known.upper <= floor) {
            return known.upper;
        }
        if (!meter_.spend()) {
            return known.upper;
        }
        Level& level = levels_[depth];
        expand(part, level);
        int32_t best = known.lower;
        int32_t failedUpper = 0;
        for (std::size_t k = 0; k < level.children.size() && best < known.upper; ++k) {
            const Child& child = level.children[k];
            const int32_t threshold = std::max(best, floor);
            if (1 + child.upper <= threshold) {
                // The children are sorted by their bound: none of the rest can do better.
                failedUpper = std::max(failedUpper, 1 + child.upper);
                break;
            }
            const int32_t value = searchParts(&level.parts[child.firstPart], child.partCount,
                                              threshold - 1, depth + 1);
            if (meter_.spent()) {
                return known.upper;
            }
            if (value > threshold - 1) {
                best = 1 + value;
            } else {
                failedUpper = std::max(failedUpper, 1 + value);
            }
        }
        if (best > floor) {
            table_.tighten(part, Bounds{best, best});
            return best;
        }
        const int32_t upper = std::max(best, failedUpper);
        table_.tighten(part, Bounds{best, upper});
        return upper;
    }

    // The same for the sum of independent parts: each part is asked for just enough to lift
    // the sum above `floor` given the bounds of the others.
    int32_t searchParts(const Part* parts, int32_t count, int32_t floor, std::size_t depth) {
        int32_t total = 0;
        for (int32_t k = 0; k < count; ++k) {
            total += storedBounds(parts[k]).upper;
        }
        for (int32_t k = 0; k < count && total > floor; ++k) {
            const int32_t others = total - storedBounds(parts[k]).upper;
            const int32_t value = searchPart(parts[k], floor - others, depth);
            if (meter_.spent()) {
                return total;
            }
            total = others + value;
        }
        return total;
    }

    // One greedy filling: at each step the first move in preference order that loses no
    // square, or else the one that loses fewest. Returns the moves it made.
    int32_t fillGreedily(const Part& start, std::vector<LocalMove>& order) {
        std::vector<Part> pending{start};
        Level& level = levels_[0];
        int32_t moves = 0;
        while (!pending.empty()) {
            const Part part = pending.back();
            pending.pop_back();
            startLevel(part, level);
            forEachLocalMove(space_, part.empty, part.amazons, [&](const LocalMove& move) {
                Set empty = part.empty;
                Set amazons = part.amazons;
                applyLocalMove(move, empty, amazons);
                level.children.push_back(Child{move, 0, preference(empty, move), 0, 0});
            });
            std::sort(level.children.begin(), level.children.end(),
                      [](const Child& left, const Child& right) {
                          return left.preference != right.preference
                                     ? left.preference < right.preference
                                     : movedEarlier(left.move, right.move);
                      });
            Child chosen;
            chosen.upper = -1;
            for (Child child : level.children) {
                level.parts.clear();
                addParts(part, child.move, level, child);
                if (child.upper > chosen.upper) {
                    chosen = child;
                }
                if (child.upper == part.empty.count() - 1) {
                    break;
                }
            }
            if (chosen.upper < 0) {
                continue;
            }
            order.push_back(chosen.move);
            ++moves;
            level.parts.clear();
            addParts(part, chosen.move, level, chosen);
            pending.insert(pending.end(), level.parts.begin(), level.parts.end());
        }
        return moves;
    }

    LocalCount countPart(const Part& part, bool wantOrder) {
        LocalCount result;
        result.bounds = storedBounds(part);
        if (result.bounds.exact() && !wantOrder) {
            return result;
        }
        const int32_t greedyMoves = fillGreedily(part, result.order);
        result.bounds.lower = std::max(result.bounds.lower, greedyMoves);
        while (result.bounds.lower < result.bounds.upper) {
            const int32_t value = searchPart(part, result.bounds.upper - 1, 0);
            if (meter_.spent()) {
                break;
            }
            if (value >= result.bounds.upper) {
                result.bounds.lower = value;
            } else {
                result.bounds.upper = value;
            }
        }
        table_.tighten(part, result.bounds);
        if (wantOrder && result.bounds.lower > greedyMoves) {
            std::vector<LocalMove> best;
            if (appendBestOrder(part, result.bounds.lower, best)) {
                result.order = std::move(best);
            } else {
                result.bounds.lower = greedyMoves;
            }
        }
        return result;
    }

    // Follows proven values down from a part worth `value`: at each step the first child worth
    // one less, then each of its parts in turn. False when the budget ran out on the way.
    bool appendBestOrder(const Part& part, int32_t value, std::vector<LocalMove>& order) {
        if (value == 0) {
            return true;
        }
        Level& level = levels_[0];
        expand(part, level);
        for (const Child& child : level.children) {
            if (1 + child.upper < value) {
                break;
            }
            const int32_t childValue =
                searchParts(&level.parts[child.firstPart], child.partCount, value - 2, 1);
            if (meter_.spent()) {
                return false;
            }
            if (childValue == value - 1) {
                order.push_back(child.move);
                const std::vector<Part> parts(
                    level.parts.begin() + child.firstPart,
                    level.parts.begin() + child.firstPart + child.partCount);
                for (const Part& next : parts) {
                    const int32_t nextValue = searchPart(next, -1, 1);
                    if (meter_.spent() || !appendBestOrder(next, nextValue, order)) {
                        return false;
                    }
                }
                return true;
            }
        }
        return false;
    }

    const LocalSpace& space_;
    BudgetMeter& meter_;
    CutSquareFinder cutFinder_;
    BoundTable<Part> table_;
    std::vector<Level> levels_;
};

}  // namespace taravin
