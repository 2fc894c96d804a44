#pragma once

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "model/memory_profile.h"
#include "search/memory_status.h"

namespace taravin::fuzz {

// A document on the caller's profile with a window-less host and a small table, made anew for
// every input. The shared hash generator is reseeded here, so an input sees the same hash
// values however many inputs ran before it.
struct DocumentHarness {
    explicit DocumentHarness(MemoryProfile& profile);

    FixedMemoryStatus memory;
    HeadlessGameHost host;
    CAmazonDoc document;
};

}  // namespace taravin::fuzz
