#include "endgame/region_count.h"

#include <algorithm>
#include <numeric>

#include "endgame/board_regions.h"
#include "endgame/local_space.h"
#include "endgame/region_search.h"

namespace taravin {

namespace {

RegionOwner ownerOf(const BoardRegion& region) {
    if (region.redAmazons > 0) {
        return region.blueAmazons > 0 ? RegionOwner::kBoth : RegionOwner::kRed;
    }
    return region.blueAmazons > 0 ? RegionOwner::kBlue : RegionOwner::kNone;
}

// Counts the region of one side on sets of the given width.
template <std::size_t Words>
void countOnSets(const Board& board, Side side, BudgetMeter& meter, RegionCount& count) {
    const LocalSpace space(board, count.squares);
    LocalSet<Words> empty;
    LocalSet<Words> amazons;
    for (int32_t index = 0; index < space.size(); ++index) {
        const Content content = board.content(space.square(index));
        if (content == Content::kEmpty) {
            empty.insert(index);
        } else if (content == contentOf(side)) {
            amazons.insert(index);
        }
    }
    RegionSearch<Words> search(space, meter);
    const LocalCount local = search.count(empty, amazons, true);
    count.lowerBound = local.bounds.lower;
    count.upperBound = local.bounds.upper;
    count.solved = local.bounds.exact();
    count.moves = count.solved ? local.bounds.lower : 0;
    for (const LocalMove& move : local.order) {
        count.fillingOrder.push_back(
            BoardMove{space.square(move.from), space.square(move.to), space.square(move.arrow)});
    }
}

}  // namespace

std::vector<RegionCount> countRegions(const Board& board, const SolverBudget& budget) {
    BudgetMeter meter(budget);
    return countRegions(board, meter);
}

std::vector<RegionCount> countRegions(const Board& board, BudgetMeter& meter) {
    std::vector<RegionCount> counts;
    for (BoardRegion& region : findBoardRegions(board)) {
        RegionCount count;
        count.owner = ownerOf(region);
        count.squares = std::move(region.squares);
        count.emptySquares = region.emptySquares;
        counts.push_back(std::move(count));
    }
    std::vector<std::size_t> bySize(counts.size());
    std::iota(bySize.begin(), bySize.end(), std::size_t{0});
    std::stable_sort(bySize.begin(), bySize.end(), [&](std::size_t left, std::size_t right) {
        return counts[left].emptySquares < counts[right].emptySquares;
    });
    for (std::size_t index : bySize) {
        RegionCount& count = counts[index];
        if (count.owner != RegionOwner::kRed && count.owner != RegionOwner::kBlue) {
            continue;
        }
        const Side side = count.owner == RegionOwner::kRed ? Side::kRed : Side::kBlue;
        if (count.squares.size() <= static_cast<std::size_t>(LocalSet<2>::kCapacity)) {
            countOnSets<2>(board, side, meter, count);
        } else {
            countOnSets<(kMaxBoardSize * kMaxBoardSize + 63) / 64>(board, side, meter, count);
        }
    }
    return counts;
}

}  // namespace taravin
