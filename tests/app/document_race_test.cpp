#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "document_consistency.h"
#include "document_fixture.h"

namespace taravin {
namespace {

using testing::DocumentFixture;
using testing::documentInconsistency;

// The window thread and the computer's worker together: the commands of the game flow come
// at random moments while a search runs, computer against computer on a small board, and
// after every command and every notification the document must still be consistent. Each
// session has its own seed, so a failure names what replays it.

constexpr int kSessions = 20;
constexpr int kRoundsPerSession = 10;
constexpr int kMaxDelayMilliseconds = 5;
constexpr int kActingPercent = 60;

enum class Command {
    kStop,
    kPause,
    kBackward,
    kBackToStart,
    kBackFiveMoves,
    kForward,
    kForwardToEnd,
    kForwardFiveMoves,
    kNewGame,
    kMakeAMove,
    kStopComputingAndMove,
    kTimeout,
};
// The pick of a random command, Stop less often than the rest: a Stop during a search holds
// the window thread for at least one 100 ms wait.
constexpr std::array kCommands{
    Command::kStop,
    Command::kPause,
    Command::kPause,
    Command::kBackward,
    Command::kBackToStart,
    Command::kBackFiveMoves,
    Command::kForward,
    Command::kForwardToEnd,
    Command::kForwardFiveMoves,
    Command::kNewGame,
    Command::kMakeAMove,
    Command::kMakeAMove,
    Command::kStopComputingAndMove,
    Command::kStopComputingAndMove,
    Command::kTimeout,
};

const char* commandName(Command command) {
    switch (command) {
        case Command::kStop:
            return "Stop";
        case Command::kPause:
            return "Pause";
        case Command::kBackward:
            return "Backward";
        case Command::kBackToStart:
            return "BackToStart";
        case Command::kBackFiveMoves:
            return "BackFive";
        case Command::kForward:
            return "Forward";
        case Command::kForwardToEnd:
            return "ForwardToEnd";
        case Command::kForwardFiveMoves:
            return "ForwardFive";
        case Command::kNewGame:
            return "NewGame";
        case Command::kMakeAMove:
            return "MakeAMove";
        case Command::kStopComputingAndMove:
            return "StopComputingAndMove";
        case Command::kTimeout:
            return "Timeout";
    }
    return "?";
}

// Whether the window offers the command now; what it greys out never reaches the document.
bool offered(CAmazonDoc& doc, Command command) {
    const GameState state = doc.state();
    const bool playing = state == GameState::kPlay;
    switch (command) {
        case Command::kStop:
            return state != GameState::kStop && !doc.pauseDiscard();
        case Command::kPause:
            return state != GameState::kStop && state != GameState::kOver && !doc.pauseDiscard();
        case Command::kBackward:
        case Command::kBackToStart:
        case Command::kBackFiveMoves:
            return doc.canStepBack();
        case Command::kForward:
        case Command::kForwardToEnd:
        case Command::kForwardFiveMoves:
            return doc.canStepForward();
        case Command::kNewGame:
            return state == GameState::kStop;
        case Command::kMakeAMove:
            return playing && !doc.thinking() && !doc.sideToMoveIsHuman();
        case Command::kStopComputingAndMove:
            return playing && doc.thinking() && !doc.searchFlags().moveNow;
        case Command::kTimeout:
            // The time-out timer runs only while a search does.
            return doc.thinking();
    }
    return false;
}

// What a search was asked about: the position on the board and its place in the record.
struct GamePosition {
    const MoveRecord* lastMove = nullptr;
    int32_t moveNumber = 0;
    int32_t recordLength = 0;
    std::vector<Content> squares;
    bool operator==(const GamePosition&) const = default;
};

GamePosition positionOf(const CAmazonDoc& doc) {
    GamePosition position{doc.lastMove(), doc.moveNumber(), doc.recordLength(), {}};
    if (const Board* board = doc.board()) {
        for (int32_t row = 1; row <= board->rows(); ++row) {
            for (int32_t column = 1; column <= board->columns(); ++column) {
                position.squares.push_back(board->content(row, column));
            }
        }
    }
    return position;
}

// How a round ends once its commands are used up.
enum class RoundEnd {
    kStopDuringTheSearch,
    kPauseThenStop,
    kPause,
};

class RaceSession {
  public:
    explicit RaceSession(uint32_t seed) : seed_(seed), random_(seed) {
        fixture_ = std::make_unique<DocumentFixture>();
        writeSmallBoard(fixture_->profile, uniform(0, 1) == 0);
        const int32_t algorithm = uniform(0, 4);
        fixture_->makeComputer(Side::kRed, algorithm);
        fixture_->makeComputer(Side::kBlue, uniform(1, 4));
        // Minimax is slow; it gets the shallow searches only.
        const int32_t lastIteration = algorithm == 0 || uniform(0, 2) != 0 ? 2 : 3;
        fixture_->document.setSearchLimits(lastIteration, uniform(0, 1) == 0);
        fixture_->host.setAfterEvent([this] { afterEvent(); });
    }

    void play() {
        for (int round = 0; round < kRoundsPerSession && failure_.empty(); ++round) {
            playRound(round);
        }
    }

    // Ends the session the way closing the program does: mostly in the middle of a search,
    // sometimes with a Stop or a Pause still waiting for it.
    void destroyDuringASearch() {
        CAmazonDoc& doc = fixture_->document;
        if (uniform(0, 3) != 0) {
            startASearch();
            if (uniform(0, 1) == 0 && offered(doc, Command::kStop)) {
                run(Command::kStop);
            } else if (uniform(0, 1) == 0 && offered(doc, Command::kPause)) {
                run(Command::kPause);
            }
        }
        sleepAWhile();
        fixture_.reset();
    }

    const std::string& failure() const { return failure_; }
    std::string trace() const {
        std::string text = "seed " + std::to_string(seed_) + ", the last commands (* = searching):";
        for (const std::string& entry : history_) {
            text += " " + entry;
        }
        return text;
    }

  private:
    static constexpr std::size_t kHistoryLength = 40;
    static constexpr int kMaxPicks = 500;

    static void writeSmallBoard(MemoryProfile& profile, bool square) {
        profile.writeInt("Settings", "Rows", square ? 6 : 5);
        profile.writeInt("Settings", "Columns", square ? 6 : 7);
        profile.writeString("Settings", "RedLocations", "B1, E1");
        profile.writeString("Settings", "BlueLocations", square ? "B6, E6" : "B5, E5");
        profile.writeString("Settings", "ArrowLocations", "");
    }

    int32_t uniform(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random_);
    }
    void sleepAWhile() {
        std::this_thread::sleep_for(std::chrono::milliseconds(uniform(0, kMaxDelayMilliseconds)));
    }

    void run(Command command) {
        CAmazonDoc& doc = fixture_->document;
        history_.push_back(std::string(commandName(command)) + (doc.thinking() ? "*" : ""));
        if (history_.size() > kHistoryLength) {
            history_.pop_front();
        }
        const bool searching = doc.thinking();
        const GamePosition before = positionOf(doc);
        switch (command) {
            case Command::kStop:
                doc.requestStop();
                break;
            case Command::kPause:
                doc.togglePause();
                break;
            case Command::kBackward:
                doc.stepBack(StepKind::kOne);
                break;
            case Command::kBackToStart:
                doc.stepBack(StepKind::kToEnd);
                break;
            case Command::kBackFiveMoves:
                doc.stepBack(StepKind::kFive);
                break;
            case Command::kForward:
                doc.stepForward(StepKind::kOne);
                break;
            case Command::kForwardToEnd:
                doc.stepForward(StepKind::kToEnd);
                break;
            case Command::kForwardFiveMoves:
                doc.stepForward(StepKind::kFive);
                break;
            case Command::kNewGame:
                fixture_->newGame();
                start_ = std::make_unique<Board>(*doc.board());
                break;
            case Command::kMakeAMove:
                doc.makeMove();
                break;
            case Command::kStopComputingAndMove:
                doc.stopComputingAndMove();
                break;
            case Command::kTimeout:
                doc.handleSearchTimeout();
                break;
        }
        // The search works on a copy of this position; the move it returns is for it.
        if (searching && failure_.empty() && !(positionOf(doc) == before)) {
            failure_ = std::string(commandName(command)) + " moved the position under a search";
        }
        check();
    }

    // One command the window offers now, picked at random; false when the pick is greyed.
    bool actAtRandom() {
        const Command command = kCommands[static_cast<std::size_t>(
            uniform(0, static_cast<int32_t>(kCommands.size()) - 1))];
        if (!offered(fixture_->document, command)) {
            return false;
        }
        run(command);
        return true;
    }

    // Commands at random until the computer thinks (a new game, Make A Move after a pause),
    // with what they post handled in between: a Stop still pending refuses a search.
    void startASearch() {
        commandsLeft_ = 0;
        endRequested_ = true;
        for (int pick = 0; pick < kMaxPicks && failure_.empty(); ++pick) {
            if (fixture_->document.thinking()) {
                return;
            }
            fixture_->host.processEvents(fixture_->document);
            actAtRandom();
        }
        if (failure_.empty()) {
            failure_ = "no command the window offers starts a search";
        }
    }

    void check() {
        if (!failure_.empty() || !start_) {
            return;
        }
        failure_ =
            documentInconsistency(fixture_->document, *start_, fixture_->host.runningClock());
    }

    // Between two notifications, as the window thread would be: sometimes the user acts.
    void afterEvent() {
        check();
        if (!failure_.empty()) {
            return;
        }
        if (commandsLeft_ <= 0) {
            endTheSearch();
            return;
        }
        if (uniform(1, 100) <= kActingPercent) {
            sleepAWhile();
            if (actAtRandom()) {
                --commandsLeft_;
            }
        }
    }

    // The round's commands are used up: its end comes to the running search, once.
    void endTheSearch() {
        CAmazonDoc& doc = fixture_->document;
        if (endRequested_ || !doc.thinking()) {
            return;
        }
        const Command command =
            end_ == RoundEnd::kStopDuringTheSearch ? Command::kStop : Command::kPause;
        if (offered(doc, command)) {
            run(command);
            endRequested_ = true;
            stopRequested_ = command == Command::kStop;
        }
    }

    void playRound(int round) {
        CAmazonDoc& doc = fixture_->document;
        startASearch();
        commandsLeft_ = uniform(2, 6);
        const int32_t pick = uniform(1, 20);
        end_ = pick <= 3    ? RoundEnd::kStopDuringTheSearch
               : pick <= 14 ? RoundEnd::kPauseThenStop
                            : RoundEnd::kPause;
        endRequested_ = false;
        stopRequested_ = false;
        for (int pickWhileIdle = 0; failure_.empty(); ++pickWhileIdle) {
            // Returns with nothing pending and no search running.
            fixture_->host.processEvents(doc);
            check();
            if (commandsLeft_ <= 0 || pickWhileIdle >= kMaxPicks || !failure_.empty()) {
                break;
            }
            // The window idles (paused, over, stopped, or a computer side waiting).
            if (actAtRandom()) {
                --commandsLeft_;
            }
        }
        if (!failure_.empty() || end_ == RoundEnd::kPause) {
            return;
        }
        if (!stopRequested_ && offered(doc, Command::kStop)) {
            run(Command::kStop);
            stopRequested_ = true;
            fixture_->host.processEvents(doc);
        }
        // Stop settles into a stopped game: no search, and a move in progress of no side.
        if (failure_.empty() && (doc.state() != GameState::kStop || doc.thinking() ||
                                 (stopRequested_ && doc.moveInProgress().side() != Side::kNone))) {
            failure_ = "round " + std::to_string(round) + " did not end stopped";
        }
    }

    uint32_t seed_;
    std::mt19937 random_;
    std::unique_ptr<DocumentFixture> fixture_;
    std::unique_ptr<Board> start_;
    std::deque<std::string> history_;
    std::string failure_;
    int commandsLeft_ = 0;
    RoundEnd end_ = RoundEnd::kPause;
    bool endRequested_ = false;
    bool stopRequested_ = false;
};

TEST(DocumentRace, RandomCommandsDuringSearchesKeepTheDocumentConsistent) {
    for (int session = 0; session < kSessions; ++session) {
        RaceSession race(static_cast<uint32_t>(1000 + session));
        race.play();
        ASSERT_EQ(race.failure(), "") << race.trace();
        race.destroyDuringASearch();
    }
}

}  // namespace
}  // namespace taravin
