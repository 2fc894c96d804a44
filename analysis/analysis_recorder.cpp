#include "analysis/analysis_recorder.h"

#include "search/monte_carlo_playout.h"
#include "search/search_scores.h"

namespace taravin {

namespace {

BoardMove boardMoveOf(const SearchMove& move) {
    return {move.from, move.to, move.arrow};
}

// A score of the alpha-beta family (the separated endgame) as a chance; a proven win or loss
// is certain.
double chanceOfScore(int32_t score, double scale, bool& decided) {
    decided = score >= kWinScore || score <= kLossScore;
    if (decided) {
        return score > 0 ? 1.0 : 0.0;
    }
    return winProbability(score, scale);
}

}  // namespace

AnalysisRecorder::AnalysisRecorder(Side side, int32_t evaluationCode)
    : side_(side), scale_(winScaleOf(evaluationCode)) {}

void AnalysisRecorder::record(const SearchReport& report) {
    PositionAnalysis analysis;
    analysis.side = side_;
    for (const SearchMove& move : report.moves) {
        analysis.line.push_back(boardMoveOf(move));
    }
    switch (report.kind) {
        case SearchReport::Kind::kMonteCarlo:
            for (const SearchReport::RootMoveStatistics& root : report.rootMoves) {
                analysis.candidates.push_back({boardMoveOf(root.move), root.visits, root.winRate});
            }
            analysis.playouts = report.playouts;
            if (analysis.candidates.empty()) {
                return;
            }
            analysis.chance = analysis.candidates.front().chance;
            break;
        case SearchReport::Kind::kDepthComplete:
        case SearchReport::Kind::kVariation:
            if (report.moves.empty()) {
                return;
            }
            analysis.chance = chanceOfScore(report.score, scale_, analysis.decided);
            analysis.candidates.push_back({analysis.line.front(), 0, analysis.chance});
            break;
        default:
            return;
    }
    store(std::move(analysis));
}

void AnalysisRecorder::finish(const SearchResult& result) {
    if (result.outcome == SearchOutcome::kNoMove) {
        store(lostPosition(side_));
        return;
    }
    if (result.outcome != SearchOutcome::kMoveFound || result.score < kWinScore) {
        return;
    }
    // A win in one ends the search before any report; a proven win keeps the tree's ranking.
    PositionAnalysis won = latest().value_or(PositionAnalysis{});
    won.side = side_;
    won.chance = 1.0;
    won.decided = true;
    if (won.candidates.empty()) {
        const BoardMove move{result.from, result.to, result.arrow};
        won.candidates.push_back({move, 0, 1.0});
        won.line.assign(1, move);
    }
    store(std::move(won));
}

void AnalysisRecorder::store(PositionAnalysis analysis) {
    const std::lock_guard lock(mutex_);
    latest_ = std::move(analysis);
    ++version_;
}

std::optional<PositionAnalysis> AnalysisRecorder::latest() const {
    const std::lock_guard lock(mutex_);
    return latest_;
}

uint64_t AnalysisRecorder::version() const {
    const std::lock_guard lock(mutex_);
    return version_;
}

}  // namespace taravin
