#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "analysis/analysis_recorder.h"
#include "app/analysis_host.h"
#include "app/game_analysis.h"
#include "app/game_state.h"
#include "app/game_window.h"
#include "endgame/region_count.h"
#include "formats/sgf_game.h"
#include "model/board.h"
#include "model/move_record.h"
#include "model/player_record.h"
#include "model/profile.h"
#include "search/computer_player.h"
#include "search/memory_status.h"
#include "search/search_tables.h"

namespace taravin {

// How far a step through the game record goes.
enum class StepKind { kOne = 0, kToEnd = 1, kFive = 2 };

// The document: the board on screen, the game record, the move in progress, the players,
// the game state and the texts shown about them. Moves from the mouse, the keyboard, a game
// file and the computer all end in the same move completion. Everything runs on the window
// thread; the computer player searches a copy of the board on its worker and reports through
// the search host, whose notifications the window hands back to handleSearchFinished and
// handleStatusText.
class CAmazonDoc {
  public:
    CAmazonDoc(Profile& profile, GameWindow& window, SearchHost& searchHost,
               const MemoryStatus& memory);
    virtual ~CAmazonDoc();
    CAmazonDoc(const CAmazonDoc&) = delete;
    CAmazonDoc& operator=(const CAmazonDoc&) = delete;

    // Rebuilds the pools, the search tables, the board and the players from the profile.
    void loadSettings();
    // Stops the game and loads the settings again (New Game, Open, the configuration dialogs).
    // The record of the earlier game goes with its board: the document then holds the new
    // start position with no moves, as after New Game.
    void reloadSettings();
    // A new game on the loaded settings; with start, Red's clock runs and a computer Red
    // starts thinking.
    void startNewGame(bool start);

    void resetGame();
    void stopGame();
    void setState(GameState state, Side sideUnableToMove = Side::kRed);

    // Plays a move that does not come from the mouse, for the side to move.
    void applyMove(const Square& from, const Square& to, const Square& arrow);
    // Records the finished move in progress and starts the other side.
    void completeMove();
    void gameOver();

    void stepBack(StepKind kind);
    void stepForward(StepKind kind);

    // The commands of the game flow.
    void togglePause();
    void requestStop();
    void handleDeferredStop();
    void suggestMove();
    void makeMove();
    void stopComputingAndMove();
    void switchSides();

    // The search notifications, on the window thread.
    void handleSearchFinished(const SearchResult& result);
    void handleStatusText(const std::string& text);
    // The move time-out timer's expiry.
    void handleSearchTimeout();
    // One tick of the clock timer of the side.
    void tickClock(Side side);

    // The game up to the position on the board, as the native game file holds it.
    std::string gameText() const;
    // Opens a game from its text: board setup into the profile, a new game on it, the
    // players (when asked), the moves replayed, then paused. A setup the board cannot hold
    // is refused with a message and changes nothing, and so is a text with no section marker
    // and no move in it; returns whether the game was opened.
    bool readGame(const std::string& text, bool loadPlayers, const std::string& title);
    static const char* const kNotAGameFileMessage;
    static const char* const kUnsupportedSetupMessage;
    // Opens an SGF game: its setup into the profile, a new game on it, the player names (when
    // asked), then the main line replayed up to the first move that is not legal, which a
    // message names by its number; then paused. A game the board cannot hold is refused with
    // a message and changes nothing; returns whether the game was opened.
    bool readSgfGame(const std::string& text, bool loadPlayers, const std::string& title);
    // Opens a game by its content: SGF when the text starts with "(;", else the native format.
    bool openGame(const std::string& text, bool loadPlayers, const std::string& title);
    // The game as SGF: the start position, the names, every move of the game record, and the
    // result when the record ends with the side to move unable to move.
    SgfGame sgfGame() const;
    std::string gameSgfText() const;

    // What the window shows and the rules that enable its commands.
    const Board* board() const { return board_.get(); }
    Board* board() { return board_.get(); }
    MoveRecord& moveInProgress() { return *moveInProgress_; }
    const MoveRecord& moveInProgress() const { return *moveInProgress_; }
    const MoveRecord* lastMove() const { return lastMove_; }
    // Sets or clears the last-move frames of the last move's three squares and redraws them.
    void markLastMove(bool marked);
    const MoveRecordList* gameRecord() const { return gameRecord_.get(); }
    const PlayerRecord& player(Side side) const { return side == Side::kRed ? *red_ : *blue_; }
    PlayerRecord& player(Side side) { return side == Side::kRed ? *red_ : *blue_; }
    Side sideToMove() const;
    // The side whose selection frames the board shows: the side to move, and after Stop the
    // side whose move was in progress (a stopped game has no side of its own).
    Side selectionSide() const;
    bool sideToMoveIsHuman() const;
    GameState state() const { return state_; }
    int32_t moveNumber() const { return moveNumber_; }
    int32_t recordLength() const { return recordLength_; }
    int32_t movesAvailable() const { return movesAvailable_; }
    const std::string& title() const { return title_; }
    const std::string& stateText() const { return stateText_; }
    const std::string& evaluationText() const { return evaluationText_; }
    const std::string& searchText() const { return searchText_; }
    // Whether a computer player searches for its own move, or waits for the worker to do so.
    bool thinking() const;
    bool pauseDiscard() const { return pauseDiscard_; }
    SearchFlags& searchFlags() { return computer_.flags(); }
    bool canStepBack() const;
    bool canStepForward() const;

    void setTitle(std::string title);
    // Whether a move was made or the position stepped since the game was started, opened or
    // last saved: what Save would write differs from the file.
    bool modified() const { return modified_; }
    void markSaved() { setModified(false); }
    void setSoundEnabled(bool enabled) { soundEnabled_ = enabled; }
    // The command line ends the deepening after this iteration and may run without a
    // time-out.
    void setSearchLimits(int32_t lastIteration, bool useTimeout);

    // Analysis: while it is on and no computer player searches for its own move, the worker
    // analyses the position on the board until that position changes. A computer player's
    // search comes first; the analysis resumes after it.
    void setAnalysisEnabled(bool enabled);
    bool analysisEnabled() const { return analysisEnabled_; }
    // Takes what the running analysis has found so far into the game's analysis; true when
    // there was something new.
    bool collectAnalysis();
    const GameAnalysis& gameAnalysis() const { return analysis_; }
    // The ply of the position on the board: 0 at the start, k after the k-th move.
    int32_t currentPly() const { return moveNumber_ - 1; }
    const PositionAnalysis* currentAnalysis() const;
    // The regions of the position on the board with the moves closed ones hold, counted
    // once a position.
    const std::vector<RegionCount>& currentRegions();
    // Hands the worker its next task: a computer player's waiting search, a review's next
    // position, or the analysis of the position on the board.
    void scheduleWorker();
    // Ends a running analysis and waits for its worker.
    void haltAnalysis();

    // The review analyses every position of the record at a fixed budget, one after the other
    // on the worker, then classes the moves.
    void startReview();
    void cancelReview();
    bool reviewing() const { return analysis_.reviewing(); }
    // Whether a review has ended since the last call.
    bool takeReviewFinished();
    // The review's classes again, by the thresholds in the profile now.
    void reclassifyReview();
    // Steps the record to the position at the ply.
    void goToPly(int32_t ply);
    // The next or previous move (by its index) that the review marks as an inaccuracy or
    // worse; nothing when there is none.
    std::optional<int32_t> nextMarkedMove(bool forward) const;

  private:
    void requestSearch(bool suggest);
    void setModified(bool modified);
    void markSuggestion(const SearchResult& result, bool shown);
    void forgetGame();
    void startClock(Side side);
    void discardRecordsAfter(MoveRecord* move);
    void updateEvaluationText(Side side);
    void placeBoard(MoveRecord* position);
    void placeMoveInProgress(MoveRecord* position);
    void replayMoves(const std::string& text);
    void replaySgfMoves(const std::vector<SgfMove>& moves);
    // The common end of opening a game: shown paused under its title.
    void finishOpening(const std::string& title);

    enum class WorkerTask { kNone, kPlayer, kAnalysis, kReview };
    void handlePlayerSearchFinished(const SearchResult& result);
    void forgetAnalysisFrom(int32_t ply);
    bool analysisTaskWanted() const;
    bool startAnalysisTask(WorkerTask task, int32_t ply, int64_t playouts);
    void finishAnalysisTask();
    void finishReview();
    std::unique_ptr<Board> boardAtPly(int32_t ply) const;
    Side sideAtPly(int32_t ply) const;
    int32_t recordMoves() const;

    Profile& profile_;
    GameWindow& window_;
    const MemoryStatus& memory_;

    bool loading_ = false;
    int32_t searchDepth_ = 0;
    int32_t searchNodes_ = 0;
    int32_t movesAvailable_ = 0;
    std::unique_ptr<Board> board_;
    MoveRecord* lastMove_ = nullptr;
    std::unique_ptr<MoveRecord> moveInProgress_;
    std::unique_ptr<MoveRecordList> gameRecord_;
    std::unique_ptr<PlayerRecord> red_;
    std::unique_ptr<PlayerRecord> blue_;
    GameState state_ = GameState::kStop;
    int32_t moveNumber_ = 1;
    int32_t recordLength_ = 1;
    std::string title_;
    bool modified_ = false;
    Side stoppedSide_ = Side::kRed;
    std::string stateText_;
    std::string evaluationText_;
    std::string searchText_;
    std::string redLocations_;
    std::string blueLocations_;
    std::string arrowLocations_;
    std::unique_ptr<SearchTables> tables_;
    bool pauseDiscard_ = false;
    bool soundEnabled_ = true;
    int32_t lastIteration_ = kDeepestIteration;
    bool useTimeout_ = true;

    bool analysisEnabled_ = false;
    GameAnalysis analysis_;
    WorkerTask task_ = WorkerTask::kNone;
    int32_t taskPly_ = 0;
    // Counts the changes of the record, so that an analysis of a position that has gone is
    // not kept.
    uint64_t recordGeneration_ = 0;
    uint64_t taskGeneration_ = 0;
    uint64_t collectedVersion_ = 0;
    // The position whose analysis ended by itself, which is not started again.
    int32_t finishedPly_ = -1;
    uint64_t finishedGeneration_ = 0;
    // A computer player's search (suggest or not) that waits for an analysis to end.
    std::optional<bool> pendingPlayerSearch_;
    bool reviewFinished_ = false;
    std::vector<RegionCount> regions_;
    int32_t regionsPly_ = -1;
    uint64_t regionsGeneration_ = 0;
    // Ends of halted analyses still on their way to handleSearchFinished.
    int32_t haltedFinishes_ = 0;
    AnalysisHost analysisHost_;
    std::unique_ptr<AnalysisRecorder> recorder_;
    // Declared last, so that a running search is ended before the tables it reads are freed.
    ComputerPlayer computer_;
};

}  // namespace taravin
