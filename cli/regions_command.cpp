#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/position_argument.h"
#include "endgame/region_count.h"

namespace taravin::cli {

namespace {

// Enough for every region of a finished 10 x 10 game, and the same answer on every run.
constexpr int64_t kRegionNodeLimit = 1'000'000;

const char* ownerName(RegionOwner owner) {
    switch (owner) {
        case RegionOwner::kRed:
            return "red";
        case RegionOwner::kBlue:
            return "blue";
        case RegionOwner::kBoth:
            return "both";
        case RegionOwner::kNone:
            break;
    }
    return "none";
}

// "M" when the bounds meet, "L..U" otherwise.
std::string boundsText(int32_t lower, int32_t upper) {
    return lower == upper ? std::to_string(lower)
                          : std::to_string(lower) + ".." + std::to_string(upper);
}

}  // namespace

int runRegions(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions(positionOptionNames()); !unknown.empty()) {
        return usageError("regions", "unknown option " + unknown.front());
    }
    std::string error;
    auto position = positionFromArguments(arguments, error);
    if (!position) {
        return usageError("regions", error);
    }
    const std::vector<RegionCount> regions =
        countRegions(*position->board, SolverBudget{kRegionNodeLimit, std::nullopt});
    int32_t lower[2] = {0, 0};
    int32_t upper[2] = {0, 0};
    bool closed = true;
    for (std::size_t k = 0; k < regions.size(); ++k) {
        const RegionCount& region = regions[k];
        std::string line = "region " + std::to_string(k + 1) + ": " + ownerName(region.owner) +
                           ", squares " + std::to_string(region.emptySquares);
        if (region.owner == RegionOwner::kRed || region.owner == RegionOwner::kBlue) {
            const int side = region.owner == RegionOwner::kRed ? 0 : 1;
            lower[side] += region.lowerBound;
            upper[side] += region.upperBound;
            line += ", moves " + boundsText(region.lowerBound, region.upperBound);
        }
        closed = closed && region.owner != RegionOwner::kBoth;
        std::printf("%s\n", line.c_str());
    }
    std::printf("red %s blue %s\n", boundsText(lower[0], upper[0]).c_str(),
                boundsText(lower[1], upper[1]).c_str());
    if (!closed) {
        std::printf("not every region is closed\n");
        return 0;
    }
    // The side to move runs out first unless it has more moves.
    const Side mover = position->sideToMove;
    const int moverIndex = mover == Side::kRed ? 0 : 1;
    const int otherIndex = 1 - moverIndex;
    const char* moverName = mover == Side::kRed ? "red" : "blue";
    const char* otherName = mover == Side::kRed ? "blue" : "red";
    if (lower[moverIndex] > upper[otherIndex]) {
        std::printf("every region is closed, %s to move: %s wins\n", moverName, moverName);
    } else if (upper[moverIndex] <= lower[otherIndex]) {
        std::printf("every region is closed, %s to move: %s wins\n", moverName, otherName);
    } else {
        std::printf("every region is closed, %s to move: the bounds leave the winner open\n",
                    moverName);
    }
    return 0;
}

}  // namespace taravin::cli
