#include <cstdio>
#include <limits>
#include <memory>

#include "analysis/analysis_search.h"
#include "analysis/game_review.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/game_files.h"
#include "formats/review_text.h"
#include "formats/sgf_writer.h"
#include "formats/text_file.h"
#include "model/board_setup.h"
#include "model/settings.h"

namespace taravin::cli {

namespace {

// A position of the game, before a move or after the last.
struct GamePosition {
    const Board* board;
    Side sideToMove;
};

struct ReviewedGame {
    std::unique_ptr<Board> start;
    std::vector<GamePosition> positions;
    std::vector<BoardMove> played;
};

// The start position from the setup the file stored, then the board after each move of the
// record.
ReviewedGame gamePositions(const FileDocument& file) {
    ReviewedGame game;
    game.start = buildBoard(readBoardSetup(file.profile, StoredBoardSize::kAsStored));
    game.positions.push_back({game.start.get(), Side::kRed});
    for (const MoveRecord* move = file.document.gameRecord() ? file.document.gameRecord()->head()
                                                             : nullptr;
         move && move->board(); move = move->next) {
        const Side mover = move->side() == Side::kRed ? Side::kRed : Side::kBlue;
        game.positions.back().sideToMove = mover;
        game.positions.push_back({move->board(), otherSide(mover)});
        game.played.push_back({move->from(), move->to(), move->arrow()});
    }
    return game;
}

std::optional<AnalysisBudget> budgetFromArguments(const Arguments& arguments, std::string& error) {
    const std::optional<std::string> playouts = arguments.value("playouts");
    const std::optional<std::string> moveTime = arguments.value("movetime");
    AnalysisBudget budget;
    if (playouts && moveTime) {
        error = "give --playouts or --movetime, not both";
        return std::nullopt;
    }
    if (moveTime) {
        const auto value = parseInteger(*moveTime, 1, std::numeric_limits<int32_t>::max());
        if (!value) {
            error = "--movetime must be a positive number of milliseconds";
            return std::nullopt;
        }
        budget.moveTimeMilliseconds = static_cast<int32_t>(*value);
        return budget;
    }
    budget.playouts = kDefaultReviewPlayouts;
    if (playouts) {
        const auto value = parseInteger(*playouts, 1, std::numeric_limits<int32_t>::max());
        if (!value) {
            error = "--playouts must be a positive number";
            return std::nullopt;
        }
        budget.playouts = *value;
    }
    return budget;
}

bool saveReviewedSgf(const std::string& path, const FileDocument& file,
                     const std::vector<MoveReview>& reviews, std::string& error) {
    SgfGame game = file.document.sgfGame();
    for (std::size_t i = 0; i < game.moves.size() && i < reviews.size(); ++i) {
        game.moves[i].review = reviews[i];
    }
    if (const std::optional<SaveFailure> failure = saveTextFile(path, writeSgf(game))) {
        error = failure->message;
        return false;
    }
    return true;
}

}  // namespace

int runReview(const std::vector<std::string>& words) {
    const Arguments arguments(words, {});
    if (const auto unknown = arguments.unknownOptions({"playouts", "movetime", "out"});
        !unknown.empty()) {
        return usageError("review", "unknown option " + unknown.front());
    }
    if (arguments.positional().size() != 1) {
        return usageError("review", "give the game file to review");
    }
    std::string error;
    const std::optional<AnalysisBudget> budget = budgetFromArguments(arguments, error);
    if (!budget) {
        return usageError("review", error);
    }
    const std::optional<std::string> out = arguments.value("out");
    if (out && !isSgfFileName(*out)) {
        return usageError("review", "--out must name an SGF file (*.sgf): only SGF holds a review");
    }
    FileDocument file;
    if (!file.open(arguments.positional().front(), error)) {
        return usageError("review", error);
    }

    const ReviewedGame game = gamePositions(file);
    const auto analyse = [&](std::size_t index) {
        const GamePosition& position = game.positions[index];
        return analysePosition(*position.board, position.sideToMove,
                               static_cast<int32_t>(index + 1), *budget, nullptr);
    };
    const ReviewThresholds thresholds;
    std::vector<MoveReview> reviews;
    PositionAnalysis before = analyse(0);
    for (std::size_t i = 0; i < game.played.size(); ++i) {
        PositionAnalysis after = analyse(i + 1);
        reviews.push_back(reviewMove(game.played[i], before, after, thresholds));
        std::printf("%s\n", reviewLine(static_cast<int32_t>(i + 1), reviews.back()).c_str());
        std::fflush(stdout);
        before = std::move(after);
    }
    for (const Side side : {Side::kRed, Side::kBlue}) {
        std::printf("%s\n", sideSummaryLine(side, summarizeSide(reviews, side)).c_str());
    }
    if (out && !saveReviewedSgf(*out, file, reviews, error)) {
        std::fprintf(stderr, "taravin-cli review: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace taravin::cli
