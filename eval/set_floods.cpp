#include "eval/set_floods.h"

#include "eval/reach_fill_kernels.h"

namespace taravin {

namespace {

// One direction at a time on the 128-bit sets, for processors without the vector kernels.
struct PortableLanes {
    using Vector = SquareSet;
    static constexpr int32_t kSets = 1;

    static Vector load(const SquareSet* sets) { return *sets; }
    static void store(SquareSet* sets, Vector v) { *sets = v; }
    static Vector broadcast(SquareSet set) { return set; }
    static Vector zero() { return 0; }
    static Vector both(Vector a, Vector b) { return a & b; }
    static Vector either(Vector a, Vector b) { return a | b; }
    static Vector addRun(Vector fill, Vector run, Vector shifted) { return fill | (run & shifted); }
    static Vector shift(Vector x, int32_t first, int32_t round) {
        return shiftedBy(x, kReachSteps[static_cast<std::size_t>(first)] << round);
    }
    static SquareSet unionOf(Vector v) { return v; }
};

ReachKernel detectFastestKernel() {
    for (ReachKernel kernel : {ReachKernel::kAvx512, ReachKernel::kAvx2}) {
        if (runsReachKernel(kernel)) {
            return kernel;
        }
    }
    return ReachKernel::kPortable;
}

}  // namespace

bool runsReachKernel(ReachKernel kernel) {
    switch (kernel) {
        case ReachKernel::kPortable:
            return true;
#if TARAVIN_VECTOR_REACH
        case ReachKernel::kAvx2:
            return __builtin_cpu_supports("avx2");
        case ReachKernel::kAvx512:
            return __builtin_cpu_supports("avx512f");
#endif
        default:
            return false;
    }
}

ReachKernel fastestReachKernel() {
    static const ReachKernel fastest = detectFastestKernel();
    return fastest;
}

QueenReach::QueenReach(SquareSet empty, ReachKernel kernel) : empty_(empty), kernel_(kernel) {
    switch (kernel_) {
#if TARAVIN_VECTOR_REACH
        case ReachKernel::kAvx512:
            openRunsAvx512(empty, runs_);
            return;
        case ReachKernel::kAvx2:
            openRunsAvx2(empty, runs_);
            return;
#endif
        default:
            ReachFill<PortableLanes>::openRuns(empty, runs_);
    }
}

SquareSet QueenReach::from(SquareSet origins) const {
    switch (kernel_) {
#if TARAVIN_VECTOR_REACH
        case ReachKernel::kAvx512:
            return reachAvx512(runs_, origins) & empty_;
        case ReachKernel::kAvx2:
            return reachAvx2(runs_, origins) & empty_;
#endif
        default:
            return ReachFill<PortableLanes>::reach(runs_, origins) & empty_;
    }
}

SquareSet kingReach(SquareSet origins, SquareSet empty) {
    const SquareSet row = origins | origins << 1 | origins >> 1;
    return (row | row << kSetWidth | row >> kSetWidth) & empty;
}

}  // namespace taravin
