#include "search/computer_player.h"

#include <algorithm>
#include <limits>

#include "eval/evaluation_selection.h"
#include "search/search_worker.h"

namespace taravin {

ComputerPlayer::ComputerPlayer(SearchHost& host) : host_(host) {
    context_.flags = &flags_;
}

ComputerPlayer::~ComputerPlayer() {
    // A search never outlives its document, nor does its time-out timer, whose expiry would
    // call into the document.
    if (worker_.joinable()) {
        flags_.abortSearch = true;
        worker_.join();
        host_.killTimeoutTimer();
    }
}

bool ComputerPlayer::requestSearch(const SearchRequest& request) {
    if (flags_.abortSearch || thinking_ || !request.board) {
        return false;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    flags_.moveNow = false;
    flags_.haveBestMove = false;
    flags_.memoryError = false;
    thinking_ = true;

    context_ = SearchContext{};
    context_.flags = &flags_;
    context_.host = request.host ? request.host : &host_;
    context_.logOpen = request.logOpen;
    context_.side = request.side == Side::kRed ? Side::kRed : Side::kBlue;
    context_.moveNumber = request.moveNumber;
    context_.timeout = request.timeout;
    context_.suggest = request.suggest;
    context_.evaluation = selectEvaluation(request.evaluationCode);
    context_.evaluationCode = request.evaluationCode;
    context_.algorithm = request.algorithm;
    context_.depthCountSettings = request.depthCounts;
    context_.lastIteration = request.lastIteration;
    context_.playoutBudget = request.playoutBudget;
    context_.reportPeriodMilliseconds = std::max(request.reportPeriodMilliseconds, 1);
    context_.table = request.table;
    const int participants =
        request.threads > 0 ? std::min(request.threads, kMaxSearchThreads) : machineThreadCount();
    if (!pool_ || pool_->participants() != participants) {
        pool_ = std::make_unique<WorkerPool>(participants);
    }
    context_.pool = pool_.get();

    auto board = std::make_unique<Board>(*request.board);
    const int64_t period =
        std::clamp<int64_t>(int64_t{request.timeout} * 1000, 1, std::numeric_limits<int>::max());
    if (request.useTimeout) {
        host_.startTimeoutTimer(static_cast<int>(period));
    }
    worker_ = std::thread([this, searchBoard = std::move(board)]() mutable {
        const SearchResult result = runSearch(context_, std::move(searchBoard));
        context_.host->postSearchFinished(result);
    });
    return true;
}

void ComputerPlayer::searchEnded() {
    if (worker_.joinable()) {
        worker_.join();
    }
    host_.killTimeoutTimer();
    thinking_ = false;
}

}  // namespace taravin
