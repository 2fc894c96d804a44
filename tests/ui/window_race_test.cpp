#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <random>

#include "../app/document_consistency.h"
#include "ui/command_rules.h"
#include "ui/screen_size_class.h"
#include "ui_test_support.h"

namespace taravin {

namespace {

using testing::WindowFixture;

// The window thread and the computer's worker together: the user's commands come at random
// moments of the event loop while the computer thinks, the window is closed during searches
// and a new one opened, and after every command the window and the document must agree.
// Each run has its own seed, so a failure names what replays it.

constexpr int kRounds = 60;
constexpr int kMaxCommandsPerRound = 10;
constexpr int kMaxDelayMilliseconds = 15;
constexpr int kSettleMilliseconds = 15000;
// The longest the window thread may go without handling its events during a round.
constexpr qint64 kLongestPauseMilliseconds = 1500;

// What the user picks from at random; kNoCommand stands for a move entered with the mouse.
constexpr std::array kPicks{
    kStopGameCommand,
    kPauseGameCommand,
    kPauseGameCommand,
    kBackwardCommand,
    kForwardCommand,
    kBackFiveMovesCommand,
    kForwardFiveMovesCommand,
    kBackToStartCommand,
    kForwardToEndCommand,
    kNewGameCommand,
    kMakeAMoveCommand,
    kMakeAMoveCommand,
    kStopComputingAndMoveCommand,
    kSuggestCommand,
    kSwitchSidesCommand,
    kInformationWindowCommand,
    kNoCommand,
    kNoCommand,
    kNoCommand,
};

// How a round ends once its commands are used up.
enum class RoundEnd { kStop, kPause, kCloseTheWindow, kEndTheProgram };

// The game as far as a greyed command must leave it as it was, and a command given during a
// search its position (the search works on a copy of it and its move is for it).
struct GameSnapshot {
    GameState state = GameState::kPlay;
    bool thinking = false;
    const MoveRecord* lastMove = nullptr;
    int32_t moveNumber = 0;
    int32_t recordLength = 0;
    bool operator==(const GameSnapshot&) const = default;
    bool samePosition(const GameSnapshot& other) const {
        return lastMove == other.lastMove && moveNumber == other.moveNumber &&
               recordLength == other.recordLength;
    }
};

GameSnapshot snapshot(CAmazonDoc& doc) {
    return {doc.state(), doc.thinking(), doc.lastMove(), doc.moveNumber(), doc.recordLength()};
}

class WindowRace {
  public:
    WindowRace(uint32_t seed, bool humanRed) : seed_(seed), random_(seed) {
        fixture_.writeSmallBoard();
        if (!humanRed) {
            fixture_.makeComputer(Side::kRed);
        }
        fixture_.makeComputer(Side::kBlue);
        writeSetting(fixture_.profile, kRedKeys.searchAlgorithm, uniform(1, 4));
        writeSetting(fixture_.profile, kBlueKeys.searchAlgorithm, uniform(1, 4));
        openWindow();
        actionTimer_.setSingleShot(true);
        QObject::connect(&actionTimer_, &QTimer::timeout, [this] { act(); });
        heartbeat_.setInterval(20);
        QObject::connect(&heartbeat_, &QTimer::timeout,
                         [this] { longestPause_ = std::max(longestPause_, sinceBeat_.restart()); });
    }

    void play() {
        for (int round = 0; round < kRounds && failure_.isEmpty(); ++round) {
            playRound(round);
        }
        fixture_.session.reset();
    }

    const QString& failure() const { return failure_; }
    QString trace() const {
        QString text = QStringLiteral("seed %1, the last commands (* = searching):").arg(seed_);
        for (const QString& entry : history_) {
            text += QLatin1Char(' ') + entry;
        }
        return text;
    }
    int closedDuringASearch() const { return closedDuringASearch_; }
    int endedDuringASearch() const { return endedDuringASearch_; }

  private:
    static constexpr std::size_t kHistoryLength = 40;

    CAmazonDoc& doc() { return fixture_.document(); }
    CMainFrame& frame() { return fixture_.frame(); }

    int32_t uniform(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random_);
    }

    void openWindow() {
        fixture_.open();
        // Short searches: three or four iterations, or deepening until the time-out, whose
        // timer runs in every search.
        const std::array limits{3, 4, kDeepestIteration};
        doc().setSearchLimits(limits[static_cast<std::size_t>(uniform(0, 2))], true);
        start_.reset();
    }

    void note(const QString& entry) {
        history_.push_back(entry + (doc().thinking() ? QStringLiteral("*") : QString()));
        if (history_.size() > kHistoryLength) {
            history_.pop_front();
        }
    }

    void fail(const QString& what) {
        if (failure_.isEmpty()) {
            failure_ = what;
        }
    }

    // The window's commands show what their rules say, the time-out timer runs exactly while
    // the computer thinks, and the document is consistent.
    void check() {
        if (!failure_.isEmpty() || !fixture_.session) {
            return;
        }
        const GameStatus status = gameStatus(doc(), fixture_.view());
        for (const CommandInfo& info : allCommands()) {
            const QAction* entry = frame().action(info.id);
            const CommandState rule = commandState(info.id, status);
            if (entry->isEnabled() != rule.enabled ||
                (entry->isCheckable() && entry->isChecked() != rule.checked)) {
                fail(QStringLiteral("%1 shows a stale state").arg(entry->text()));
                return;
            }
        }
        if (fixture_.view().timeoutTimerActive() != doc().thinking()) {
            fail(QStringLiteral("the time-out timer does not follow the search"));
            return;
        }
        if (start_) {
            const std::string wrong =
                testing::documentInconsistency(doc(), *start_, fixture_.view().runningClock());
            if (!wrong.empty()) {
                fail(QString::fromStdString(wrong));
            }
        }
    }

    // The command as its menu entry or toolbar button runs it: a greyed one does nothing.
    void trigger(CommandId id) {
        QAction* entry = frame().action(id);
        const bool enabled = entry->isEnabled();
        const GameSnapshot before = snapshot(doc());
        note(QString(entry->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) +
             (enabled ? QString() : QStringLiteral("(greyed)")));
        entry->trigger();
        const GameSnapshot after = snapshot(doc());
        if (!enabled && !(after == before)) {
            fail(QStringLiteral("a greyed command changed the game"));
        }
        if (before.thinking && !after.samePosition(before)) {
            fail(QStringLiteral("a command moved the position under a search"));
        }
        if (enabled && id == kNewGameCommand) {
            start_ = std::make_unique<Board>(*doc().board());
        }
    }

    // A legal move with the mouse, when the board takes one.
    void moveWithMouse() {
        CAmazonDoc& game = doc();
        if (game.state() != GameState::kPlay || !game.sideToMoveIsHuman() || game.thinking() ||
            !game.board()) {
            return;
        }
        const std::vector<testing::LegalMove> moves =
            testing::legalMoves(*game.board(), game.sideToMove());
        if (moves.empty()) {
            return;
        }
        note(QStringLiteral("Mouse"));
        fixture_.view().grab();
        testing::playWithMouse(
            fixture_.view(),
            moves[static_cast<std::size_t>(uniform(0, static_cast<int32_t>(moves.size()) - 1))]);
    }

    // One random pick at a random moment of the event loop.
    void act() {
        if (!failure_.isEmpty() || commandsLeft_ <= 0) {
            return;
        }
        // While a modal dialog (the congratulations, a suggestion) runs its own event loop,
        // even after its answer, the user cannot reach the window.
        if (!QApplication::activeModalWidget() && QThread::currentThread()->loopLevel() == 0) {
            check();
            const CommandId pick = kPicks[static_cast<std::size_t>(
                uniform(0, static_cast<int32_t>(kPicks.size()) - 1))];
            if (pick == kNoCommand) {
                moveWithMouse();
            } else {
                trigger(pick);
            }
            check();
            --commandsLeft_;
        }
        actionTimer_.start(uniform(0, kMaxDelayMilliseconds));
    }

    bool settle(const std::function<bool()>& condition) {
        const bool reached = testing::waitFor(
            [&] { return !QApplication::activeModalWidget() && condition(); }, kSettleMilliseconds);
        QCoreApplication::processEvents();
        return reached;
    }

    void playRound(int round) {
        commandsLeft_ = uniform(3, kMaxCommandsPerRound);
        if (doc().state() == GameState::kStop) {
            trigger(kNewGameCommand);
        }
        longestPause_ = 0;
        sinceBeat_.start();
        heartbeat_.start();
        actionTimer_.start(uniform(0, kMaxDelayMilliseconds));
        testing::waitFor([&] { return commandsLeft_ <= 0 || !failure_.isEmpty(); },
                         kSettleMilliseconds);
        actionTimer_.stop();
        heartbeat_.stop();
        if (longestPause_ > kLongestPauseMilliseconds) {
            fail(QStringLiteral("the window thread stood still for %1 ms").arg(longestPause_));
        }
        if (!failure_.isEmpty()) {
            return;
        }
        endRound(round, static_cast<RoundEnd>(uniform(0, 3)));
    }

    void endRound(int round, RoundEnd end) {
        const QString where = QStringLiteral("round %1: ").arg(round);
        // The user waits for any dialog to be answered before ending the round.
        settle([] { return true; });
        switch (end) {
            case RoundEnd::kStop:
                // A pause waiting for its move greys Stop until the move has come.
                settle([&] { return !doc().pauseDiscard(); });
                if (doc().state() != GameState::kStop) {
                    trigger(kStopGameCommand);
                }
                if (!settle(
                        [&] { return doc().state() == GameState::kStop && !doc().thinking(); })) {
                    fail(where + QStringLiteral("Stop did not settle"));
                }
                break;
            case RoundEnd::kPause:
                if (doc().state() == GameState::kPlay) {
                    trigger(kPauseGameCommand);
                }
                if (!settle([&] { return !doc().thinking(); })) {
                    fail(where + QStringLiteral("the pause did not settle"));
                }
                break;
            case RoundEnd::kCloseTheWindow: {
                // Closing during a search waits for it and stops the game; otherwise the
                // window closes at once on the game as it is.
                const bool searching = doc().thinking();
                closedDuringASearch_ += searching ? 1 : 0;
                note(QStringLiteral("Close"));
                frame().close();
                if (!settle([&] { return !frame().isVisible(); })) {
                    fail(where + QStringLiteral("the window did not close"));
                    break;
                }
                if (doc().thinking() || (searching && doc().state() != GameState::kStop)) {
                    fail(where + QStringLiteral("the window closed on a game not stopped"));
                }
                check();
                fixture_.session.reset();
                openWindow();
                break;
            }
            case RoundEnd::kEndTheProgram:
                endedDuringASearch_ += doc().thinking() ? 1 : 0;
                note(QStringLiteral("End"));
                fixture_.session.reset();
                openWindow();
                break;
        }
        check();
        fixture_.view().grab();
    }

    WindowFixture fixture_;
    uint32_t seed_;
    std::mt19937 random_;
    std::unique_ptr<Board> start_;
    QTimer actionTimer_;
    QTimer heartbeat_;
    QElapsedTimer sinceBeat_;
    qint64 longestPause_ = 0;
    int commandsLeft_ = 0;
    int closedDuringASearch_ = 0;
    int endedDuringASearch_ = 0;
    std::deque<QString> history_;
    QString failure_;
};

}  // namespace

class WindowRaceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    void computerAgainstComputer() { race(2001, false); }
    void personAgainstComputer() { race(2002, true); }

  private:
    static void race(uint32_t seed, bool humanRed) {
        WindowRace race(seed, humanRed);
        race.play();
        QVERIFY2(race.failure().isEmpty(), qPrintable(race.failure() + "; " + race.trace()));
        QVERIFY2(race.closedDuringASearch() + race.endedDuringASearch() > 0,
                 "some rounds ended during a search");
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::WindowRaceTest)
#include "window_race_test.moc"
