#include "fuzz/document_harness.h"

#include "model/mt19937.h"

namespace taravin::fuzz {

namespace {
// A small table keeps building and clearing it cheap for every input.
constexpr uint64_t kTableMemoryBytes = uint64_t{1} << 20;
}  // namespace

DocumentHarness::DocumentHarness(MemoryProfile& profile)
    : memory(kTableMemoryBytes), document(profile, host, host, memory) {
    sharedRandomSource().seed(Mt19937::kDefaultSeed);
    host.setOnTimeout([this] { document.handleSearchTimeout(); });
}

}  // namespace taravin::fuzz
