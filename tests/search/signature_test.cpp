#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/signature_searches.h"

namespace taravin {
namespace {

// Every change of the search's moves, scores or node counts shows here; a change that is
// meant says "Signature: N" and why in its commit message.
TEST(Signature, FixedDepthSearchesGiveTheirKnownAnswers) {
    const std::vector<std::string> expected{
        "QScout 1 depth 3 (start): bestmove D1-D7 (G7) score 202 nodes 356",
        "Alpha-Beta Pruning 0 depth 2 (start): bestmove D1-D7 (G7) score 2 nodes 39",
        "MTD 1 depth 2 (start): bestmove G1-G7 (D7) score 26 nodes 44",
        "QScout - Olympiad Base 1 depth 2 (start): bestmove D1-D7 (G7) score 26 nodes 38",
        "MiniMax 5 depth 2 (start): bestmove D1-D7 (G7) score 66 nodes 39",
        "MiniMax 1 depth 2 (middle game): bestmove G2-F3 (F4) score -206 nodes 38",
        "Alpha-Beta Pruning 2 depth 3 (middle game): bestmove C5-E5 (E6) score 369 nodes 205",
        "QScout 3 depth 3 (middle game): bestmove G2-F3 (F4) score -81 nodes 166",
        "MTD 4 depth 3 (middle game): bestmove G2-F3 (F4) score -11 nodes 199",
        "QScout - Olympiad Base 1 depth 3 (middle game): bestmove G2-F3 (F4) score -95 nodes 934",
        "QScout 5 depth 3 (middle game): bestmove G2-F3 (F4) score -95 nodes 157",
        "QScout 1 depth 5 (separated endgame): bestmove A1-B1 (A1) score -36 nodes 1533",
        "MiniMax 3 depth 4 (separated endgame): bestmove A1-B1 (A1) score -18 nodes 329",
        "MiniMax 0 depth 3 (small board): bestmove F5-B5 (C6) score 5 nodes 1156",
        "Alpha-Beta Pruning 5 depth 4 (small board): bestmove F5-B5 (C6) score 95 nodes 1541",
        "QScout 2 depth 4 (small board): bestmove A2-E2 (B5) score -10 nodes 3686",
        "MTD 3 depth 4 (small board): bestmove F5-B5 (E2) score -24 nodes 1320",
        "QScout - Olympiad Base 4 depth 4 (small board): bestmove A2-B2 (B5) score 14 nodes 1655",
        "QScout 1 depth 5 (small board): bestmove F5-B5 (E2) score 42 nodes 5434",
    };
    std::vector<SignatureResult> results;
    for (const SignatureSearch& search : signatureSearches()) {
        results.push_back(runSignatureSearch(search));
    }
    ASSERT_EQ(results.size(), expected.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(signatureResultLine(results[i]), expected[i]);
    }
    EXPECT_EQ(signatureOf(results), 18869);
}

// Scoring a node's candidates on several threads leaves everything as one thread does: moves,
// scores, node counts and every log line.
TEST(Signature, AnyThreadCountGivesTheSameSearch) {
    for (const std::size_t index : {3u, 6u, 9u, 12u, 15u}) {
        const SignatureSearch& search = signatureSearches()[index];
        std::vector<std::string> logs[2];
        SignatureResult results[2];
        for (const int32_t threads : {1, 3}) {
            std::vector<std::string>& log = logs[threads == 1 ? 0 : 1];
            results[threads == 1 ? 0 : 1] =
                runSignatureSearch(search, threads, [&log](const SearchReport& report) {
                    for (const std::string& line : informationLines(report)) {
                        log.push_back(line);
                    }
                });
        }
        EXPECT_EQ(signatureResultLine(results[0]), signatureResultLine(results[1]));
        EXPECT_EQ(logs[0], logs[1]) << signatureResultLine(results[0]);
    }
}

}  // namespace
}  // namespace taravin
