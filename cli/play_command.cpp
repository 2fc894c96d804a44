#include <cstdio>
#include <sstream>

#include "app/amazon_doc.h"
#include "app/headless_game_host.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/game_files.h"
#include "model/memory_profile.h"
#include "model/settings.h"
#include "search/memory_status.h"

namespace taravin::cli {

namespace {

// "ALG:EVAL:TIMEOUT" into the profile keys of a computer player of the side.
bool storeComputerPlayer(const std::string& text, Side side, Profile& profile) {
    std::istringstream input(text);
    std::string field;
    std::vector<long long> values;
    const long long limits[][2] = {{0, kAlgorithmMonteCarlo}, {0, 5}, {0, 3600}};
    while (std::getline(input, field, ':')) {
        const std::size_t slot = values.size();
        if (slot >= 3) {
            return false;
        }
        const auto value = parseInteger(field, limits[slot][0], limits[slot][1]);
        if (!value) {
            return false;
        }
        values.push_back(*value);
    }
    if (values.size() != 3) {
        return false;
    }
    const SideKeys& keys = sideKeys(side);
    writeSetting(profile, keys.searchAlgorithm, static_cast<int32_t>(values[0]));
    writeSetting(profile, keys.evaluationFunction, static_cast<int32_t>(values[1]));
    writeSetting(profile, keys.moveTimeout, static_cast<int32_t>(values[2]));
    return true;
}

}  // namespace

int runPlay(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions({"red", "blue", "depth", "out"});
        !unknown.empty()) {
        return usageError("play", "unknown option " + unknown.front());
    }
    MemoryProfile profile;
    for (const Side side : {Side::kRed, Side::kBlue}) {
        writeSetting(profile, sideKeys(side).type, kComputerPlayer);
        const char* name = side == Side::kRed ? "red" : "blue";
        if (const auto text = arguments.value(name)) {
            if (!storeComputerPlayer(*text, side, profile)) {
                return usageError("play", std::string("--") + name + " must be ALG:EVAL:TIMEOUT");
            }
        }
    }
    HeadlessGameHost host;
    const SystemMemoryStatus memory;
    CAmazonDoc document(profile, host, host, memory);
    host.setOnTimeout([&] { document.handleSearchTimeout(); });
    if (const auto text = arguments.value("depth")) {
        const auto depth = parseInteger(*text, 1, kDeepestIteration);
        if (!depth) {
            return usageError("play", "--depth must be 1..19");
        }
        document.setSearchLimits(static_cast<int32_t>(*depth), false);
    }

    // Computer against computer, every move is appended to the record and none is taken back.
    const MoveRecord* printed = nullptr;
    int printedCount = 0;
    host.setAfterEvent([&] {
        const MoveRecord* first = printed ? printed->next : document.gameRecord()->head();
        for (const MoveRecord* move = first; move; move = move->next) {
            std::printf("%d. %s\n", ++printedCount, move->text(true).c_str());
            printed = move;
        }
        std::fflush(stdout);
    });
    document.reloadSettings();
    document.startNewGame(true);
    host.processEvents(document);
    for (const auto& shown : host.congratulations()) {
        std::printf("%s\n", shown.text.c_str());
    }
    if (const auto out = arguments.value("out")) {
        std::string error;
        if (!saveGameFile(*out, document, error, todaysDate())) {
            std::fprintf(stderr, "taravin-cli play: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace taravin::cli
