// A game file as Open reads it: by its content an SGF game or a native file (board setup,
// players, moves replayed), then stepped through and written out again. A file the program
// writes must open again and give the same text, whatever its names and location texts hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/document_harness.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace taravin;

constexpr const char* kTitle = "fuzz.txt";

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

    fuzz::requireThat(document.readGame(written, true, kTitle), "a written game opens again");
    fuzz::requireThat(document.gameText() == written, "a written game reads back unchanged");
    return 0;
}
