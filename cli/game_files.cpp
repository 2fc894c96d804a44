#include "cli/game_files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "formats/sgf_writer.h"
#include "formats/text_file.h"

namespace taravin::cli {

namespace {
constexpr uint64_t kSmallTable = 1u << 20;
}  // namespace

FileDocument::FileDocument() : memory(kSmallTable), document(profile, host, host, memory) {}

bool FileDocument::open(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf())) {
        error = "cannot read the game file " + path;
        return false;
    }
    if (!document.openGame(text.str(), true, path)) {
        error = path + ": " + host.stopMessages().back();
        return false;
    }
    for (const std::string& message : host.stopMessages()) {
        std::fprintf(stderr, "taravin-cli: %s: %s\n", path.c_str(), message.c_str());
    }
    return true;
}

std::string todaysDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = {};
    if (!localtime_r(&now, &local) || std::strftime(text, sizeof text, "%Y-%m-%d", &local) == 0) {
        return {};
    }
    return text;
}

bool isSgfFileName(const std::string& path) {
    constexpr std::string_view kExtension = ".sgf";
    if (path.size() < kExtension.size()) {
        return false;
    }
    return std::equal(
        kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

bool saveGameFile(const std::string& path, const CAmazonDoc& document, std::string& error,
                  const std::string& date) {
    std::optional<SaveFailure> failure;
    if (!isSgfFileName(path)) {
        failure = saveTextFile(path, document.gameText());
    } else {
        SgfGame game = document.sgfGame();
        game.date = date;
        failure = saveTextFile(path, writeSgf(game));
    }
    if (failure) {
        error = failure->message;
    }
    return !failure;
}

}  // namespace taravin::cli
