#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "ui/screen_size_class.h"
#include "ui_test_support.h"

namespace taravin {

using testing::WindowFixture;

class ComputerGameTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    // A person (the mouse) against the computer with a three-second time-out, on a small
    // board, to the end of the game; the window keeps handling events all the while.
    void humanAgainstComputerToTheEnd() {
        WindowFixture fixture;
        fixture.writeSmallBoard();
        fixture.makeComputer(Side::kBlue, 3);
        fixture.open();
        CMainFrame& frame = fixture.frame();
        CAmazonDoc& document = fixture.document();
        CAmazonView& view = fixture.view();

        // The window thread's heartbeat: the longest pause between two beats.
        QElapsedTimer sinceBeat;
        qint64 longestPause = 0;
        QTimer heartbeat;
        heartbeat.setInterval(20);
        connect(&heartbeat, &QTimer::timeout,
                [&] { longestPause = std::max(longestPause, sinceBeat.restart()); });
        sinceBeat.start();
        heartbeat.start();

        frame.runCommand(kNewGameCommand);
        QElapsedTimer game;
        game.start();
        int humanMoves = 0;
        int searches = 0;
        bool wasThinking = false;
        int32_t blueClockSeen = 0;
        while (document.state() == GameState::kPlay && game.elapsed() < 240000) {
            if (document.thinking()) {
                wasThinking = true;
                blueClockSeen = std::max(blueClockSeen, document.player(Side::kBlue).clock());
                QTest::qWait(20);
                continue;
            }
            if (wasThinking) {
                ++searches;
                wasThinking = false;
            }
            if (document.sideToMove() == Side::kRed) {
                const std::vector<testing::LegalMove> moves =
                    testing::legalMoves(*document.board(), Side::kRed);
                QVERIFY(!moves.empty());
                fixture.settle();
                testing::playWithMouse(view, moves[moves.size() / 2]);
                ++humanMoves;
            }
            QTest::qWait(20);
        }
        heartbeat.stop();
        QCOMPARE(document.state(), GameState::kOver);
        QVERIFY(humanMoves >= 2);
        QVERIFY(searches >= 1);
        QCOMPARE(document.recordLength(), document.moveNumber());
        QCOMPARE(static_cast<int>(document.gameRecord()->size()), document.moveNumber() - 1);
        QVERIFY2(blueClockSeen >= 2, "Blue's clock runs while it thinks");
        QCOMPARE(view.runningClock(), 0);
        QVERIFY2(longestPause < 1500, qPrintable(QString::number(longestPause)));
        QVERIFY(QString::fromStdString(document.stateText()).startsWith("Game State - Over."));
    }

    // A suggestion is offered as a question, with its squares marked on the board while the
    // question is open; Yes plays it.
    void suggestionIsAskedAndPlayed() {
        WindowFixture fixture;
        fixture.writeSmallBoard();
        fixture.profile.writeInt("Settings", "RedMoveTimeout", 3);
        const auto markedSquares = [&](int32_t mark) {
            int count = 0;
            const Board& board = *fixture.document().board();
            for (int32_t row = 1; row <= board.rows(); ++row) {
                for (int32_t column = 1; column <= board.columns(); ++column) {
                    count += (board.marks(row, column) & mark) != 0 ? 1 : 0;
                }
            }
            return count;
        };
        std::pair<int, int> markedWhileAsked;
        fixture.answerer.whileModalOpen([&] {
            markedWhileAsked = {markedSquares(kSuggestedMark), markedSquares(kSuggestedArrowMark)};
        });
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.frame().runCommand(kSuggestCommand);
        QVERIFY(fixture.document().thinking());
        QVERIFY(testing::waitFor([&] { return fixture.document().moveNumber() == 2; }, 10000));
        QCOMPARE(fixture.answerer.messages().size(), std::size_t{1});
        QVERIFY(fixture.answerer.messages().front().startsWith("The suggested move is "));
        QVERIFY(fixture.answerer.messages().front().endsWith(" Would you like to execute it?"));
        QCOMPARE(markedWhileAsked, (std::pair<int, int>{2, 1}));
        QCOMPARE(markedSquares(kSuggestedMark | kSuggestedArrowMark), 0);
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::ComputerGameTest)
#include "computer_game_test.moc"
