#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "eval/reach_fill.h"

namespace taravin {

// The instruction sets a queen-reach fill can run on; every one gives the same sets.
enum class ReachKernel { kPortable, kAvx2, kAvx512 };

// Whether this processor runs the kernel's instructions.
bool runsReachKernel(ReachKernel kernel);

// The fastest kernel this processor runs, found once.
ReachKernel fastestReachKernel();

// The empty squares one queen move away from a set of squares, by filling each direction in
// doubling rounds over the empty squares. Built once per position: the runs of empty squares
// that the rounds pass over depend only on the position.
class QueenReach {
  public:
    explicit QueenReach(SquareSet empty, ReachKernel kernel = fastestReachKernel());

    // Every empty square on a ray of some origin. The origins need not be empty.
    SquareSet from(SquareSet origins) const;

  private:
    SquareSet empty_;
    ReachKernel kernel_;
    alignas(64) SquareSet runs_[kRunTableSize];
};

// The empty squares one king step away from a set of squares.
SquareSet kingReach(SquareSet origins, SquareSet empty);

// The last distance that has a layer of its own; farther squares share the next one, as the
// score tables look them up.
constexpr int32_t kLastSeparateLayer = 13;

// A side's distances to the empty squares as sets: at[d] holds the squares first reached
// after d moves (d = 1..13), at[14] those reached after 14 or more, at[0] the empty squares
// never reached.
struct DistanceLayers {
    std::array<SquareSet, kLastSeparateLayer + 2> at{};
    SquareSet reached = 0;
};

// Breadth-first layers from the seeds (amazon squares), each layer the squares that
// reach(previous layer) adds.
template <class Reach>
DistanceLayers distanceLayers(SquareSet seeds, SquareSet empty, Reach reach) {
    DistanceLayers layers;
    SquareSet frontier = seeds;
    // Once every empty square is reached no layer can follow.
    for (int32_t distance = 1; layers.reached != empty; ++distance) {
        frontier = reach(frontier) & ~layers.reached;
        if (frontier == 0) {
            break;
        }
        layers.at[std::min(distance, kLastSeparateLayer + 1)] |= frontier;
        layers.reached |= frontier;
    }
    layers.at[0] = empty & ~layers.reached;
    return layers;
}

}  // namespace taravin
