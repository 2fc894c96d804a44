// A hostile profile ("Name=Value" lines on the real key names, see hostile_profile.h) and what
// the program does with one: the window placement and custom colours read, the settings loaded
// into a document, a new game, and a move suggested for Red by a real search on the loaded
// players, depth counts and time-out. The suggestion is declined, so one search is all.
//
// The search ends after iteration 2 when Red has few moves and after the depth-one seed when it
// has more. The seed alone weighs every root move, and a time-out cannot cut it short, so with
// still more moves (the 10 x 10 start has 2176) the search is left out and the input stops
// after the new game: one input stays fast whatever board the profile asks for.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/document_harness.h"
#include "fuzz/hostile_profile.h"
#include "model/settings.h"

namespace {

using namespace taravin;

constexpr int32_t kDepthTwoRootMoveLimit = 100;
constexpr int32_t kSearchedRootMoveLimit = 500;

void readWindowSettings(const Profile& profile) {
    const WindowPlacement placement = readWindowPlacement(profile);
    storedPlacementApplies(placement, placement.resolution);
    readCustomColors(profile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    MemoryProfile profile;
    fuzz::storeHostileProfile(std::string_view(reinterpret_cast<const char*>(data), size), profile);
    readWindowSettings(profile);

    fuzz::DocumentHarness harness(profile);
    CAmazonDoc& document = harness.document;
    document.loadSettings();
    document.startNewGame(false);
    const int32_t rootMoves = document.movesAvailable();
    if (rootMoves > kSearchedRootMoveLimit) {
        return 0;
    }
    document.setSearchLimits(rootMoves <= kDepthTwoRootMoveLimit ? 2 : 1, true);
    harness.host.setAnswer(false);
    document.suggestMove();
    harness.host.processEvents(document);
    return 0;
}
