// A game file as Open reads it: by its content an SGF game or a native file (board setup,
// players, moves replayed), then stepped through and written out again. A file the program
// writes must open again and, unless its free texts hold the file's own keywords, give the
// same text.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/document_harness.h"
#include "fuzz/fuzz_check.h"
#include "model/settings.h"

namespace {

using namespace taravin;

constexpr const char* kTitle = "fuzz.txt";

// What the native readers look for anywhere in the text, not only at a line start.
constexpr std::array<std::string_view, 11> kFileKeywords{
    "<GAME-INFO-START>", "<BOARD-SETUP-START>", "<MOVE-HISTORY-START>", "RED-TYPE",
    "BLUE-TYPE",         "RED-TIME=",           "BLUE-TIME=",           "RED-AMAZONS=",
    "BLUE-AMAZONS=",     "ARROWS=",             "<MOVE-HISTORY-END>",
};

bool holdsFileKeyword(std::string_view text) {
    for (const std::string_view keyword : kFileKeywords) {
        if (text.find(keyword) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Player names and location texts are written as they are, so one that holds a keyword is
// read back as that keyword; such a game cannot come back unchanged.
bool freeTextsHoldKeywords(const CAmazonDoc& document, const Profile& profile) {
    const BoardSetup setup = readBoardSetup(profile, StoredBoardSize::kAsStored);
    for (const std::string* text :
         {&document.player(kRed).name(), &document.player(kBlue).name(), &setup.redLocations,
          &setup.blueLocations, &setup.arrowLocations}) {
        if (holdsFileKeyword(*text)) {
            return true;
        }
    }
    return false;
}

void stepThroughRecord(CAmazonDoc& document) {
    document.stepBack(StepKind::kToEnd);
    document.stepForward(StepKind::kFive);
    document.stepBack(StepKind::kOne);
    document.stepForward(StepKind::kToEnd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryProfile profile;
    fuzz::DocumentHarness harness(profile);
    CAmazonDoc& document = harness.document;
    if (!document.openGame(text, true, kTitle)) {
        return 0;
    }
    stepThroughRecord(document);
    const std::string written = document.gameText();
    document.gameSgfText();
    const bool comparable = !freeTextsHoldKeywords(document, profile);

    fuzz::requireThat(document.readGame(written, true, kTitle), "a written game opens again");
    fuzz::requireThat(!comparable || document.gameText() == written,
                      "a written game reads back unchanged");
    return 0;
}
