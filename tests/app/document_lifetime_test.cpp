#include <gtest/gtest.h>

#include "document_fixture.h"

namespace taravin {
namespace {

// Closing the program while the computer thinks destroys the document under a running
// search: the search must end before the transposition table it probes is freed.
TEST(DocumentLifetime, DestroyedDuringASearchEndsTheSearchFirst) {
    for (int round = 0; round < 3; ++round) {
        auto fixture = std::make_unique<testing::DocumentFixture>();
        fixture->makeComputer(Side::kRed, 2);
        fixture->newGame();
        ASSERT_TRUE(fixture->document.thinking());
        fixture.reset();
    }
}

}  // namespace
}  // namespace taravin
