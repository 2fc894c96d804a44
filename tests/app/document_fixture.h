#pragma once

#include <memory>

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "model/memory_profile.h"
#include "search/memory_status.h"

namespace taravin::testing {

// A document on an in-memory profile and a small table, with a window-less host.
struct DocumentFixture {
    DocumentFixture() : memory(1u << 22), document(profile, host, host, memory) {
        host.setOnTimeout([this] { document.handleSearchTimeout(); });
    }

    void newGame(bool start = true) {
        document.reloadSettings();
        document.startNewGame(start);
    }
    void play(const Square& from, const Square& to, const Square& arrow) {
        document.applyMove(from, to, arrow);
        host.processEvents(document);
    }
    void makeComputer(Side side, int32_t algorithm = 1) {
        const char* prefix = side == Side::kRed ? "Red" : "Blue";
        profile.writeInt("Settings", std::string(prefix) + "Type", 1);
        profile.writeInt("Settings", std::string(prefix) + "SearchAlgorithm", algorithm);
    }

    MemoryProfile profile;
    FixedMemoryStatus memory;
    HeadlessGameHost host;
    CAmazonDoc document;
};

}  // namespace taravin::testing
