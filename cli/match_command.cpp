#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <thread>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/game_files.h"
#include "cli/match_players.h"
#include "cli/position_argument.h"
#include "formats/sgf_writer.h"
#include "formats/text_file.h"
#include "match/match_game.h"
#include "match/match_standings.h"
#include "match/random_opening.h"
#include "model/mt19937.h"

namespace taravin::cli {

namespace {

constexpr int64_t kDefaultMoveMilliseconds = 1000;
constexpr int64_t kDefaultGamesPerPairing = 2;
constexpr int64_t kDefaultTableMegabytes = 64;
// How long a move may take before its player loses: at a fixed depth, and on top of twice
// the move time.
constexpr std::chrono::milliseconds kDepthMoveLimit{60000};
constexpr std::chrono::milliseconds kMoveTimeMargin{1000};
constexpr int64_t kMaxOpeningPlies = 20;

struct ScheduledGame {
    std::size_t red;
    std::size_t blue;
    // The colour pair the game belongs to, which picks its random opening.
    uint32_t pair;
};

// Every pairing plays its games `firstGame` on, one after the other, the colours alternating;
// both games of a colour pair start with the same opening. A later first game plays the games
// a longer match would play there, so that a long match can be played in parts.
std::vector<ScheduledGame> schedule(std::size_t players, int64_t firstGame,
                                    int64_t gamesPerPairing) {
    std::vector<ScheduledGame> games;
    for (std::size_t a = 0; a < players; ++a) {
        for (std::size_t b = a + 1; b < players; ++b) {
            for (int64_t g = firstGame - 1; g < firstGame - 1 + gamesPerPairing; ++g) {
                const auto pair = static_cast<uint32_t>(g / 2);
                games.push_back(g % 2 == 0 ? ScheduledGame{a, b, pair} : ScheduledGame{b, a, pair});
            }
        }
    }
    return games;
}

struct MatchSettings {
    std::vector<PlayerChoice> players;
    ThinkingLimit thinking;
    std::chrono::milliseconds limit{0};
    BoardSetup start;
    int32_t openingPlies = 0;
    std::string outFolder;
    uint64_t tableBytes = 0;
    int64_t concurrency = 1;
};

// Runs the scheduled games on `concurrency` slots at once. Each slot has players of its own,
// an external engine being one process a slot, kept from game to game.
class MatchRunner {
  public:
    MatchRunner(const MatchSettings& settings, std::vector<ScheduledGame> games)
        : settings_(settings), games_(std::move(games)), standings_(names(settings.players)) {}

    void run() {
        std::vector<std::thread> slots;
        for (int64_t s = 0; s < settings_.concurrency; ++s) {
            slots.emplace_back([this] { runSlot(); });
        }
        for (std::thread& slot : slots) {
            slot.join();
        }
    }

    const MatchStandings& standings() const { return standings_; }

  private:
    static std::vector<std::string> names(const std::vector<PlayerChoice>& players) {
        std::vector<std::string> list;
        for (const PlayerChoice& player : players) {
            list.push_back(player.name);
        }
        return list;
    }

    void runSlot() {
        std::vector<std::unique_ptr<MatchPlayer>> players(settings_.players.size());
        const auto playerFor = [&](std::size_t index) -> MatchPlayer& {
            if (!players[index]) {
                players[index] =
                    makePlayer(settings_.players[index], settings_.thinking, settings_.tableBytes);
            }
            return *players[index];
        };
        for (std::size_t index = next_++; index < games_.size(); index = next_++) {
            const ScheduledGame& game = games_[index];
            MatchPlayer& red = playerFor(game.red);
            MatchPlayer& blue = playerFor(game.blue);
            const MatchGameResult result =
                playMatchGame(red, settings_.players[game.red].name, blue,
                              settings_.players[game.blue].name, settings_.start, settings_.limit,
                              randomOpening(settings_.start, settings_.openingPlies,
                                            Mt19937::kDefaultSeed + game.pair));
            report(index, game, result);
        }
    }

    void report(std::size_t index, const ScheduledGame& game, const MatchGameResult& result) {
        const std::lock_guard lock(mutex_);
        const bool redWon = result.winner == Side::kRed;
        standings_.record(game.red, game.blue, redWon);
        const std::string& red = settings_.players[game.red].name;
        const std::string& blue = settings_.players[game.blue].name;
        std::printf("Game %zu of %zu: %s - %s %s (%s) %s %s, %s %s\n", index + 1, games_.size(),
                    red.c_str(), blue.c_str(), redWon ? "1-0" : "0-1", result.reason.c_str(),
                    red.c_str(), standings_.scoreText(game.red).c_str(), blue.c_str(),
                    standings_.scoreText(game.blue).c_str());
        std::fflush(stdout);
        if (!settings_.outFolder.empty()) {
            save(index, result);
        }
    }

    void save(std::size_t index, const MatchGameResult& result) const {
        SgfGame record = result.record;
        record.date = todaysDate();
        const std::string digits = std::to_string(games_.size());
        std::string number = std::to_string(index + 1);
        number.insert(0, digits.size() - number.size(), '0');
        const std::string path =
            (std::filesystem::path(settings_.outFolder) / ("game-" + number + ".sgf")).string();
        if (const std::optional<SaveFailure> failure = saveTextFile(path, writeSgf(record))) {
            std::fprintf(stderr, "taravin-cli match: %s\n", failure->message.c_str());
        }
    }

    const MatchSettings& settings_;
    const std::vector<ScheduledGame> games_;
    std::atomic<std::size_t> next_{0};
    std::mutex mutex_;
    MatchStandings standings_;
};

// Reads an integer option into `value`; false after a usage error was printed.
bool integerOption(const Arguments& arguments, const std::string& name, long long low,
                   long long high, int64_t& value) {
    const auto text = arguments.value(name);
    if (!text) {
        return true;
    }
    const auto number = parseInteger(*text, low, high);
    if (!number) {
        usageError("match", "--" + name + " must be an integer from " + std::to_string(low) +
                                " to " + std::to_string(high));
        return false;
    }
    value = *number;
    return true;
}

}  // namespace

int runMatch(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    std::vector<std::string> known = positionOptionNames();
    known.insert(known.end(), {"games", "depth", "movetime", "concurrency", "out", "limit", "hash",
                               "opening-plies", "first-game"});
    if (const auto unknown = arguments.unknownOptions(known); !unknown.empty()) {
        return usageError("match", "unknown option " + unknown.front());
    }
    MatchSettings settings;
    for (const std::string& text : arguments.positional()) {
        std::optional<PlayerChoice> player = parsePlayerChoice(text);
        if (!player) {
            return usageError("match",
                              "a player is ALG:EVAL (0..5:0..5) or uci:COMMAND, not " + text);
        }
        const auto sameName = [&](const PlayerChoice& other) { return other.name == player->name; };
        if (const auto count =
                std::count_if(settings.players.begin(), settings.players.end(), sameName)) {
            player->name += " #" + std::to_string(count + 1);
        }
        settings.players.push_back(std::move(*player));
    }
    if (settings.players.size() < 2) {
        return usageError("match", "give at least two players");
    }
    if (arguments.value("depth") && arguments.value("movetime")) {
        return usageError("match", "give --depth or --movetime, not both");
    }
    int64_t games = kDefaultGamesPerPairing;
    int64_t depth = 0;
    int64_t moveTime = kDefaultMoveMilliseconds;
    int64_t limit = 0;
    int64_t tableMegabytes = kDefaultTableMegabytes;
    int64_t openingPlies = 0;
    int64_t firstGame = 1;
    if (!integerOption(arguments, "games", 1, 100000, games) ||
        !integerOption(arguments, "depth", 1, kDeepestIteration, depth) ||
        !integerOption(arguments, "movetime", 1, 3600000, moveTime) ||
        !integerOption(arguments, "concurrency", 1, 64, settings.concurrency) ||
        !integerOption(arguments, "limit", 1, 86400000, limit) ||
        !integerOption(arguments, "hash", 1, 1 << 20, tableMegabytes) ||
        !integerOption(arguments, "opening-plies", 0, kMaxOpeningPlies, openingPlies) ||
        !integerOption(arguments, "first-game", 1, 100000, firstGame)) {
        return 2;
    }
    settings.thinking =
        depth > 0 ? ThinkingLimit{static_cast<int32_t>(depth), 0} : ThinkingLimit{0, moveTime};
    settings.limit = limit > 0   ? std::chrono::milliseconds(limit)
                     : depth > 0 ? kDepthMoveLimit
                                 : std::chrono::milliseconds(2 * moveTime) + kMoveTimeMargin;
    settings.tableBytes = static_cast<uint64_t>(tableMegabytes) << 20;
    std::string error;
    const std::optional<BoardSetup> start = setupFromArguments(arguments, error);
    if (!start) {
        return usageError("match", error);
    }
    settings.start = *start;
    settings.openingPlies = static_cast<int32_t>(openingPlies);
    if (const auto folder = arguments.value("out")) {
        std::error_code failure;
        std::filesystem::create_directories(*folder, failure);
        if (failure || !std::filesystem::is_directory(*folder)) {
            return usageError("match", "cannot make the folder " + *folder);
        }
        settings.outFolder = *folder;
    }

    MatchRunner runner(settings, schedule(settings.players.size(), firstGame, games));
    runner.run();
    std::printf("\n%s", runner.standings().table().c_str());
    return 0;
}

}  // namespace taravin::cli
