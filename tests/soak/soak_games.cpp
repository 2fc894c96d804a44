// Plays many computer-against-computer games through the document on random boards and checks
// each: it ends with a winner, every move was legal and left the board its record holds, and
// the game read back from its native text and from its SGF text is the same game.
// Usage: taravin_soak [GAMES] [SEED]; prints the figures, exit code 1 on any report.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "../app/document_consistency.h"
#include "app/amazon_doc.h"
#include "app/game_state.h"
#include "app/headless_game_host.h"
#include "model/board_setup.h"
#include "model/memory_profile.h"
#include "model/move_record.h"
#include "model/settings.h"
#include "search/memory_status.h"

namespace taravin {
namespace {

constexpr uint64_t kTableMemory = 16ull << 20;

struct GamePlan {
    BoardSetup setup;
    int32_t algorithm[2];
    int32_t evaluation[2];
    int32_t depth;
};

std::string locationList(const std::vector<Square>& squares) {
    std::string text;
    for (const Square& square : squares) {
        text += (text.empty() ? "" : ", ") + squareName(square);
    }
    return text;
}

GamePlan drawPlan(std::mt19937& random) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    GamePlan plan;
    plan.setup.rows = between(5, 12);
    plan.setup.columns = between(5, 12);
    std::vector<Square> squares;
    for (int32_t row = 1; row <= plan.setup.rows; ++row) {
        for (int32_t column = 1; column <= plan.setup.columns; ++column) {
            squares.push_back({row, column});
        }
    }
    std::shuffle(squares.begin(), squares.end(), random);
    const auto take = [&](int count) {
        std::vector<Square> taken(squares.end() - count, squares.end());
        squares.resize(squares.size() - static_cast<std::size_t>(count));
        return taken;
    };
    plan.setup.redLocations = locationList(take(between(2, 4)));
    plan.setup.blueLocations = locationList(take(between(2, 4)));
    plan.setup.arrowLocations =
        locationList(take(between(0, plan.setup.rows * plan.setup.columns / 6)));
    for (int side = 0; side < 2; ++side) {
        plan.algorithm[side] = between(kAlgorithmMiniMax, kAlgorithmQScoutOlympiadBase);
        plan.evaluation[side] = between(0, 5);
    }
    plan.depth = between(1, 2);
    return plan;
}

void storePlan(Profile& profile, const GamePlan& plan) {
    writeSetting(profile, kRowsSetting, plan.setup.rows);
    writeSetting(profile, kColumnsSetting, plan.setup.columns);
    writeSetting(profile, kRedLocationsSetting, plan.setup.redLocations);
    writeSetting(profile, kBlueLocationsSetting, plan.setup.blueLocations);
    writeSetting(profile, kArrowLocationsSetting, plan.setup.arrowLocations);
    for (const Side side : {Side::kRed, Side::kBlue}) {
        const SideKeys& keys = sideKeys(side);
        writeSetting(profile, keys.type, kComputerPlayer);
        writeSetting(profile, keys.searchAlgorithm, plan.algorithm[sideCode(side) - 1]);
        writeSetting(profile, keys.evaluationFunction, plan.evaluation[sideCode(side) - 1]);
    }
}

struct RecordedMove {
    Side side;
    Square from, to, arrow;
    bool operator==(const RecordedMove&) const = default;
};

std::vector<RecordedMove> movesOf(const CAmazonDoc& document) {
    std::vector<RecordedMove> moves;
    for (const MoveRecord* move = document.gameRecord()->head(); move; move = move->next) {
        moves.push_back({move->side(), move->from(), move->to(), move->arrow()});
    }
    return moves;
}

class Soak {
  public:
    int reports = 0;
    long moves = 0;

    void play(int game, const GamePlan& plan) {
        MemoryProfile profile;
        storePlan(profile, plan);
        HeadlessGameHost host;
        const FixedMemoryStatus memory(kTableMemory, kTableMemory);
        CAmazonDoc document(profile, host, host, memory);
        host.setOnTimeout([&] { document.handleSearchTimeout(); });
        document.setSearchLimits(plan.depth, false);
        document.reloadSettings();
        document.startNewGame(true);
        host.processEvents(document);

        if (document.state() != GameState::kOver || host.congratulations().size() != 1) {
            report(game, plan, "the game did not end with one winner");
        }
        checkMoves(game, plan, document);
        checkReadBack(game, plan, document, document.gameText(), "native");
        checkReadBack(game, plan, document, document.gameSgfText(), "SGF");
    }

  private:
    void report(int game, const GamePlan& plan, const std::string& what) {
        ++reports;
        std::printf(
            "game %d (%d x %d, red %s, blue %s, arrows %s, players %d:%d and %d:%d, "
            "depth %d): %s\n",
            game, plan.setup.rows, plan.setup.columns, plan.setup.redLocations.c_str(),
            plan.setup.blueLocations.c_str(), plan.setup.arrowLocations.c_str(), plan.algorithm[0],
            plan.evaluation[0], plan.algorithm[1], plan.evaluation[1], plan.depth, what.c_str());
    }

    void checkMoves(int game, const GamePlan& plan, const CAmazonDoc& document) {
        const auto start = buildBoard(plan.setup);
        const MoveRecordList& record = *document.gameRecord();
        moves += static_cast<long>(record.size());
        int32_t cursorIndex = 0;
        if (const std::string fault = testing::checkRecord(record, nullptr, *start, cursorIndex);
            !fault.empty()) {
            report(game, plan, fault);
            return;
        }
        const Side sideToMove = record.size() % 2 == 0 ? Side::kRed : Side::kBlue;
        if (document.board()->countLegalMoves(sideToMove) != 0) {
            report(game, plan, "the game ended while the side to move could still move");
        }
    }

    void checkReadBack(int game, const GamePlan& plan, const CAmazonDoc& played,
                       const std::string& text, const char* format) {
        MemoryProfile profile;
        HeadlessGameHost host;
        const FixedMemoryStatus memory(kTableMemory, kTableMemory);
        CAmazonDoc document(profile, host, host, memory);
        document.reloadSettings();
        if (!document.openGame(text, true, "soak") || movesOf(document) != movesOf(played) ||
            !testing::sameContent(*document.board(), *played.board())) {
            report(game, plan, std::string("the ") + format + " text reads back to another game");
        }
    }
};

}  // namespace
}  // namespace taravin

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    std::mt19937 random(seed);
    taravin::Soak soak;
    const auto start = std::chrono::steady_clock::now();
    for (int game = 1; game <= games; ++game) {
        soak.play(game, taravin::drawPlan(random));
        if (game % 50 == 0) {
            std::printf("%d games, %ld moves, reports: %d\n", game, soak.moves, soak.reports);
            std::fflush(stdout);
        }
    }
    const double minutes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60;
    std::printf("games: %d, moves: %ld, minutes: %.1f, reports: %d\n", games, soak.moves, minutes,
                soak.reports);
    return soak.reports == 0 ? 0 : 1;
}
