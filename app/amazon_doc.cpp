#include "app/amazon_doc.h"

#include "model/board_setup.h"
#include "model/mt19937.h"
#include "model/settings.h"

namespace taravin {

namespace {
// Board sizes as the board itself takes them, for sizing the pools before it exists.
int32_t effectiveSize(int32_t size, int32_t other) {
    const bool valid = size >= kMinBoardSize && size <= kMaxBoardSize && other >= kMinBoardSize &&
                       other <= kMaxBoardSize;
    return valid ? size : kDefaultBoardSize;
}
constexpr int32_t kNodesPerCell = 5;
}  // namespace

CAmazonDoc::CAmazonDoc(Profile& profile, GameWindow& window, SearchHost& searchHost,
                       const MemoryStatus& memory)
    : profile_(profile),
      window_(window),
      memory_(memory),
      moveInProgress_(std::make_unique<MoveRecord>(Side::kNone, nullptr)),
      red_(std::make_unique<PlayerRecord>(readPlayerRecord(profile, Side::kRed))),
      blue_(std::make_unique<PlayerRecord>(readPlayerRecord(profile, Side::kBlue))),
      stateText_(gameStateText(GameState::kStop, Side::kRed)),
      analysisHost_(searchHost),
      computer_(searchHost) {}

CAmazonDoc::~CAmazonDoc() = default;

void CAmazonDoc::loadSettings() {
    // The analysis reads the tables that are rebuilt here.
    haltAnalysis();
    window_.showBusy(true);
    const BoardSetup setup = readBoardSetup(profile_);
    redLocations_ = setup.redLocations;
    blueLocations_ = setup.blueLocations;
    arrowLocations_ = setup.arrowLocations;
    const int32_t rows = effectiveSize(setup.rows, setup.columns);
    const int32_t columns = effectiveSize(setup.columns, setup.rows);

    positionNodePool().refill(static_cast<std::size_t>(kNodesPerCell * (rows + 2) * (columns + 2)));
    tables_.reset();
    tables_ = std::make_unique<SearchTables>(memory_, sharedRandomSource(), rows, columns);
    if (window_.informationWindowOpen()) {
        window_.appendInformation(tables_->memoryLogLine());
    }
    board_ = buildBoard(setup, tables_->hashKeys());
    red_ = std::make_unique<PlayerRecord>(readPlayerRecord(profile_, Side::kRed));
    blue_ = std::make_unique<PlayerRecord>(readPlayerRecord(profile_, Side::kBlue));
    window_.showBusy(false);
}

void CAmazonDoc::reloadSettings() {
    stopGame();
    window_.killClockTimer();
    window_.clearDragState();
    loadSettings();
    forgetGame();
}

void CAmazonDoc::forgetGame() {
    lastMove_ = nullptr;
    if (gameRecord_) {
        gameRecord_->clear();
    }
    moveNumber_ = 1;
    recordLength_ = 1;
    forgetAnalysisFrom(0);
    evaluationText_.clear();
    setTitle("");
    setModified(false);
    window_.redraw(ViewArea::kWhole);
}

void CAmazonDoc::startNewGame(bool start) {
    window_.killClockTimer();
    if (start) {
        window_.startClockTimer(Side::kRed);
    }
    resetGame();
    evaluationText_.clear();
    computer_.flags().abortSearch = false;
    movesAvailable_ = board_->countLegalMoves(Side::kRed);
    if (start && red_->isComputer()) {
        requestSearch(false);
    }
    scheduleWorker();
}

void CAmazonDoc::resetGame() {
    moveNumber_ = 1;
    recordLength_ = 1;
    moveInProgress_ = std::make_unique<MoveRecord>(Side::kRed, board_.get());
    lastMove_ = nullptr;
    gameRecord_ = std::make_unique<MoveRecordList>();
    forgetAnalysisFrom(0);
    setState(GameState::kPlay);
    setTitle("");
    setModified(false);
}

void CAmazonDoc::stopGame() {
    if (moveInProgress_->side() != Side::kNone) {
        stoppedSide_ = moveInProgress_->side();
    }
    moveInProgress_ = std::make_unique<MoveRecord>(Side::kNone, nullptr);
    setState(GameState::kStop);
}

void CAmazonDoc::setState(GameState state, Side sideUnableToMove) {
    state_ = state;
    stateText_ = gameStateText(state, sideUnableToMove);
}

void CAmazonDoc::setTitle(std::string title) {
    title_ = std::move(title);
    window_.titleChanged();
}

void CAmazonDoc::setModified(bool modified) {
    if (modified_ != modified) {
        modified_ = modified;
        window_.titleChanged();
    }
}

void CAmazonDoc::setSearchLimits(int32_t lastIteration, bool useTimeout) {
    lastIteration_ = lastIteration;
    useTimeout_ = useTimeout;
}

Side CAmazonDoc::sideToMove() const {
    return moveInProgress_->side() == Side::kRed ? Side::kRed : Side::kBlue;
}

Side CAmazonDoc::selectionSide() const {
    return moveInProgress_->side() == Side::kNone ? stoppedSide_ : sideToMove();
}

bool CAmazonDoc::sideToMoveIsHuman() const {
    return !player(sideToMove()).isComputer();
}

void CAmazonDoc::startClock(Side side) {
    window_.killClockTimer();
    window_.startClockTimer(side);
}

void CAmazonDoc::requestSearch(bool suggest) {
    if (!board_ || !tables_) {
        return;
    }
    if (computer_.thinking() && task_ != WorkerTask::kPlayer) {
        // One worker at a time: the analysis ends first, then this search starts.
        pendingPlayerSearch_ = suggest;
        computer_.flags().moveNow = true;
        return;
    }
    const Side side = sideToMove();
    const PlayerRecord& mover = player(side);
    const StoredDepthCounts counts = readDepthCounts(profile_, side);
    SearchRequest request;
    request.board = board_.get();
    request.side = side;
    request.moveNumber = moveNumber_;
    request.timeout = mover.timeout();
    request.algorithm = mover.algorithm();
    request.evaluationCode = mover.evaluation();
    request.depthCounts =
        DepthCountSettings{counts.top, counts.second, counts.decrease, counts.minimum};
    request.suggest = suggest;
    request.logOpen = window_.informationWindowOpen();
    request.lastIteration = lastIteration_;
    request.useTimeout = useTimeout_;
    request.table = &tables_->table();
    if (computer_.requestSearch(request)) {
        task_ = WorkerTask::kPlayer;
    }
}

}  // namespace taravin
