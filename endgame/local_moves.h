#pragma once

#include <cstdint>

#include "endgame/local_set.h"
#include "endgame/local_space.h"

namespace taravin {

// A move in a local space: the amazon's start and destination and the arrow, as local indices.
struct LocalMove {
    int16_t from = 0;
    int16_t to = 0;
    int16_t arrow = 0;
};

// The local position after the move: `empty` and `amazons` are the mover's side's view (its
// amazons, and the empty squares); the vacated square is empty unless the arrow went there.
template <std::size_t Words>
void applyLocalMove(const LocalMove& move, LocalSet<Words>& empty, LocalSet<Words>& amazons) {
    amazons.erase(move.from);
    amazons.insert(move.to);
    empty.insert(move.from);
    empty.erase(move.to);
    empty.erase(move.arrow);
}

// Calls visit(LocalMove) for every move of the amazons over the empty squares: amazons by
// local index, destinations by direction then distance, arrows the same way from the
// destination, passing over the vacated square.
template <std::size_t Words, class Visit>
void forEachLocalMove(const LocalSpace& space, const LocalSet<Words>& empty,
                      const LocalSet<Words>& amazons, Visit&& visit) {
    amazons.forEach([&](int32_t from) {
        for (int32_t direction = 0; direction < 8; ++direction) {
            for (int16_t to : space.ray(from, direction)) {
                if (!empty.contains(to)) {
                    break;
                }
                for (int32_t arrowDirection = 0; arrowDirection < 8; ++arrowDirection) {
                    for (int16_t arrow : space.ray(to, arrowDirection)) {
                        if (!empty.contains(arrow) && arrow != from) {
                            break;
                        }
                        visit(LocalMove{static_cast<int16_t>(from), to, arrow});
                    }
                }
            }
        }
    });
}

// The squares of `live` joined to `start` by king steps inside `live`.
template <std::size_t Words>
LocalSet<Words> connectedPart(const LocalSpace& space, const LocalSet<Words>& live, int32_t start) {
    LocalSet<Words> part;
    part.insert(start);
    LocalSet<Words> frontier = part;
    while (!frontier.empty()) {
        LocalSet<Words> next;
        frontier.forEach([&](int32_t square) {
            for (int16_t neighbour : space.neighbours(square)) {
                if (live.contains(neighbour) && !part.contains(neighbour)) {
                    part.insert(neighbour);
                    next.insert(neighbour);
                }
            }
        });
        frontier = next;
    }
    return part;
}

// Calls visit(part) for each set of `live` squares joined by king steps that holds a square of
// `seeds`, in the order of their lowest seed. Parts without a seed are left out: with no amazon
// in them nobody can move there again.
template <std::size_t Words, class Visit>
void forEachSeededPart(const LocalSpace& space, const LocalSet<Words>& live, LocalSet<Words> seeds,
                       Visit&& visit) {
    while (!seeds.empty()) {
        const LocalSet<Words> part = connectedPart(space, live, seeds.first());
        seeds -= part;
        visit(part);
    }
}

}  // namespace taravin
