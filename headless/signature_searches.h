#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "search/computer_player.h"

namespace taravin {

// A fixed set of fixed-depth searches (every algorithm, several evaluations; the start, a
// middle game, a separated endgame and a small board) whose node total pins the search's
// behaviour: any change of a move, score or ordering shows in the sum.
struct SignatureSearch {
    const char* position;
    int32_t algorithm;
    int32_t evaluation;
    int32_t depth;
};

struct SignatureResult {
    SignatureSearch search;
    SearchResult result;
};

const std::vector<SignatureSearch>& signatureSearches();
// Any thread count gives the same result; 0 takes one per hardware thread.
SignatureResult runSignatureSearch(const SignatureSearch& search, int32_t threads = 0,
                                   std::function<void(const SearchReport&)> onReport = {});

// "QScout 1 depth 3 (start): bestmove D1-D7 (G7) score 202 nodes 356"
std::string signatureResultLine(const SignatureResult& result);
// The sum of the node counts.
int64_t signatureOf(const std::vector<SignatureResult>& results);

}  // namespace taravin
