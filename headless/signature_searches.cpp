#include "headless/signature_searches.h"

#include <memory>
#include <string_view>

#include "headless/synchronous_search.h"
#include "model/board_setup.h"
#include "model/player_codes.h"
#include "model/random_playout.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace taravin {

namespace {

// The table size decides the hash values, so it is fixed rather than read off the machine.
constexpr uint64_t kSignatureTableMemory = 64ull << 20;

struct SignaturePosition {
    BoardSetup setup;
    int plies = 0;
};

SignaturePosition positionNamed(std::string_view name) {
    SignaturePosition position;
    if (name == "middle game") {
        position.plies = kMiddleGamePlies;
    } else if (name == "separated endgame") {
        position.setup = {8, 8, "A1, C6", "G2, H7",
                          "E1, E2, E3, E4, E5, E6, E7, E8, B2, A3, C1, B3, C3"};
    } else if (name == "small board") {
        position.setup = {6, 6, "A2, F5", "B6, E1", "C3, D4"};
    }
    return position;
}

}  // namespace

const std::vector<SignatureSearch>& signatureSearches() {
    static const std::vector<SignatureSearch> searches{
        {"start", kAlgorithmQScout, 1, 3},
        {"start", kAlgorithmAlphaBeta, 0, 2},
        {"start", kAlgorithmMtd, 1, 2},
        {"start", kAlgorithmQScoutOlympiadBase, 1, 2},
        {"start", kAlgorithmMiniMax, 5, 2},
        {"middle game", kAlgorithmMiniMax, 1, 2},
        {"middle game", kAlgorithmAlphaBeta, 2, 3},
        {"middle game", kAlgorithmQScout, 3, 3},
        {"middle game", kAlgorithmMtd, 4, 3},
        {"middle game", kAlgorithmQScoutOlympiadBase, 1, 3},
        {"middle game", kAlgorithmQScout, 5, 3},
        {"separated endgame", kAlgorithmQScout, 1, 5},
        {"separated endgame", kAlgorithmMiniMax, 3, 4},
        {"small board", kAlgorithmMiniMax, 0, 3},
        {"small board", kAlgorithmAlphaBeta, 5, 4},
        {"small board", kAlgorithmQScout, 2, 4},
        {"small board", kAlgorithmMtd, 3, 4},
        {"small board", kAlgorithmQScoutOlympiadBase, 4, 4},
        {"small board", kAlgorithmQScout, 1, 5},
    };
    return searches;
}

SignatureResult runSignatureSearch(const SignatureSearch& search, int32_t threads,
                                   std::function<void(const SearchReport&)> onReport) {
    const SignaturePosition position = positionNamed(search.position);
    Mt19937 generator;
    SearchTables tables(FixedMemoryStatus(kSignatureTableMemory), generator, position.setup.rows,
                        position.setup.columns);
    const std::unique_ptr<Board> board =
        playRandomMoves(position.setup, position.plies, Mt19937::kDefaultSeed, tables.hashKeys());
    SearchRequest request;
    request.board = board.get();
    request.side = position.plies % 2 == 0 ? Side::kRed : Side::kBlue;
    request.moveNumber = position.plies + 1;
    request.algorithm = search.algorithm;
    request.evaluationCode = search.evaluation;
    request.lastIteration = search.depth;
    request.useTimeout = false;
    request.table = &tables.table();
    request.threads = threads;
    request.logOpen = static_cast<bool>(onReport);
    return {search, *searchToEnd(request, std::move(onReport))};
}

std::string signatureResultLine(const SignatureResult& entry) {
    const SearchResult& result = entry.result;
    std::string line =
        std::string(kSearchAlgorithmNames[static_cast<std::size_t>(entry.search.algorithm)]) + " " +
        std::to_string(entry.search.evaluation) + " depth " + std::to_string(entry.search.depth) +
        " (" + entry.search.position + "): bestmove ";
    if (result.outcome == SearchOutcome::kMoveFound) {
        line += squareName(result.from) + "-" + squareName(result.to) + " (" +
                squareName(result.arrow) + ") score " + std::to_string(result.score);
    } else {
        line += "none";
    }
    return line + " nodes " + std::to_string(result.nodeCount);
}

int64_t signatureOf(const std::vector<SignatureResult>& results) {
    int64_t sum = 0;
    for (const SignatureResult& entry : results) {
        sum += entry.result.nodeCount;
    }
    return sum;
}

}  // namespace taravin
