#include "cli/uci_search_host.h"

#include "formats/uci_notation.h"

namespace taravin::cli {

void UciSearchHost::reset() {
    std::lock_guard lock(mutex_);
    variation_.reset();
    wroteInfo_ = false;
    finished_ = false;
}

bool UciSearchHost::finished() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

void UciSearchHost::waitUntilFinished() {
    std::unique_lock lock(mutex_);
    ended_.wait(lock, [this] { return finished_; });
}

void UciSearchHost::writeInfo(int32_t depth, int32_t score, int32_t nodes,
                              const std::vector<SearchMove>& moves) {
    std::string line = "info depth " + std::to_string(depth) + " score cp " +
                       std::to_string(score) + " nodes " + std::to_string(nodes) + " pv";
    for (const SearchMove& move : moves) {
        line += ' ';
        line += uciMoveText(move.from, move.to, move.arrow);
    }
    output_.line(line);
    wroteInfo_ = true;
}

bool UciSearchHost::report(const SearchReport& report) {
    using Kind = SearchReport::Kind;
    if (report.kind == Kind::kSeedMove) {
        writeInfo(1, report.score, report.nodes, report.moves);
        variation_ = report;
    } else if (report.kind == Kind::kVariation) {
        variation_ = report;
    } else if (report.kind == Kind::kDepthComplete) {
        // The last variation published in this iteration, when its root move is the best.
        const SearchMove& best = report.moves.front();
        const bool matches = variation_ && variation_->depth == report.depth &&
                             variation_->moves.front().from == best.from &&
                             variation_->moves.front().to == best.to &&
                             variation_->moves.front().arrow == best.arrow;
        writeInfo(report.depth, report.score, report.nodes,
                  matches ? variation_->moves : report.moves);
    } else if (report.kind == Kind::kMonteCarlo && !report.moves.empty()) {
        writeInfo(report.depth, report.score, report.nodes, report.moves);
    }
    return true;
}

void UciSearchHost::postSearchFinished(const SearchResult& result) {
    if (result.outcome == SearchOutcome::kMoveFound) {
        if (!wroteInfo_) {
            writeInfo(std::max(result.depthReached, 1), result.score, result.nodeCount,
                      {SearchMove{result.from, result.to, result.arrow}});
        }
        output_.line("bestmove " + uciMoveText(result.from, result.to, result.arrow));
    } else {
        if (result.outcome == SearchOutcome::kMemoryFailure) {
            output_.line("info string the search ran out of memory");
        }
        output_.line("bestmove (none)");
    }
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    ended_.notify_all();
}

}  // namespace taravin::cli
