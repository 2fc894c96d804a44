#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "ui/screen_size_class.h"
#include "ui_test_support.h"

namespace taravin {

using testing::WindowFixture;

namespace {

int64_t playoutsAt(const CAmazonDoc& document, int32_t ply) {
    const PositionAnalysis* analysis = document.gameAnalysis().at(ply);
    return analysis ? analysis->playouts : 0;
}

void playOpening(CAmazonDoc& document, int moves) {
    for (int round = 0; round < moves; ++round) {
        const std::vector<testing::LegalMove> legal =
            testing::legalMoves(*document.board(), document.sideToMove());
        const testing::LegalMove& move = legal[static_cast<std::size_t>(round * 37) % legal.size()];
        document.applyMove(move.from, move.to, move.arrow);
    }
}

}  // namespace

class AnalysisBoardTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    // Stepping back starts on the position reached and leaves the one left alone.
    void analysisFollowsTheBoardAndGivesWayToTheComputer() {
        WindowFixture fixture;
        fixture.profile.writeInt("Settings", "AnalysisMode", 1);
        fixture.writeSmallBoard();
        fixture.open();
        CAmazonDoc& document = fixture.document();
        fixture.frame().runCommand(kNewGameCommand);
        playOpening(document, 4);
        QVERIFY(testing::waitFor([&] { return playoutsAt(document, 4) > 0; }, 20000));

        const int64_t before = playoutsAt(document, 3);
        fixture.frame().runCommand(kBackwardCommand);
        QCOMPARE(document.currentPly(), 3);
        QVERIFY(testing::waitFor([&] { return playoutsAt(document, 3) > before; }, 20000));
        const int64_t left = playoutsAt(document, 4);
        QTest::qWait(600);
        QCOMPARE(playoutsAt(document, 4), left);
    }

    // A computer's turn stops the analysis, which resumes on the position after its move.
    void aComputerTurnComesBeforeTheAnalysis() {
        WindowFixture fixture;
        fixture.profile.writeInt("Settings", "AnalysisMode", 1);
        fixture.writeSmallBoard();
        fixture.makeComputer(Side::kBlue);
        fixture.open();
        CAmazonDoc& document = fixture.document();
        fixture.frame().runCommand(kNewGameCommand);
        playOpening(document, 1);
        QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 20000));
        playOpening(document, 1);
        QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 20000));
        QVERIFY(testing::waitFor([&] { return playoutsAt(document, 4) > 0; }, 20000));
        // Red's move hands the turn to Blue while the analysis of Red's position runs.
        playOpening(document, 1);
        QVERIFY(document.thinking());
        // Blue's position is never analysed while Blue searches for its own move.
        bool analysedMeanwhile = false;
        QVERIFY(testing::waitFor(
            [&] {
                analysedMeanwhile = analysedMeanwhile || playoutsAt(document, 5) > 0;
                return !document.thinking();
            },
            20000));
        QVERIFY(!analysedMeanwhile);
        QCOMPARE(document.currentPly(), 6);
        QVERIFY(testing::waitFor([&] { return playoutsAt(document, 6) > 0; }, 20000));
    }

    // A whole review in the window: every move classed, the report shown, and the review back
    // again from the game saved as SGF.
    void aReviewedGameKeepsItsReviewThroughSgf() {
        WindowFixture fixture;
        fixture.writeSmallBoard();
        // Few playouts, so that the test also runs in time under valgrind.
        fixture.profile.writeInt("Settings", "ReviewPlayouts", 2000);
        fixture.open();
        CAmazonDoc& document = fixture.document();
        fixture.frame().runCommand(kNewGameCommand);
        playOpening(document, 6);
        fixture.frame().runCommand(kReviewGameCommand);
        QVERIFY(document.reviewing());
        QVERIFY(testing::waitFor([&] { return fixture.frame().reviewReport() != nullptr; }, 60000));
        QVERIFY(fixture.frame().reviewReport()->text().contains(QStringLiteral("Red: best ")));
        const std::vector<std::optional<MoveReview>> reviews = document.gameAnalysis().reviews();
        QCOMPARE(reviews.size(), std::size_t{6});
        for (const std::optional<MoveReview>& review : reviews) {
            QVERIFY(review.has_value());
        }

        QVERIFY(document.openGame(document.gameSgfText(), false, "reviewed.sgf"));
        const std::vector<std::optional<MoveReview>> reread = document.gameAnalysis().reviews();
        QCOMPARE(reread.size(), reviews.size());
        for (std::size_t i = 0; i < reviews.size(); ++i) {
            QCOMPARE(reread[i]->moveClass, reviews[i]->moveClass);
            QCOMPARE(reread[i]->best, reviews[i]->best);
            QCOMPARE(qRound(reread[i]->chanceAfter * 100), qRound(reviews[i]->chanceAfter * 100));
        }
    }

    // The window thread's heartbeat never misses more than 50 ms while the analysis runs on
    // every core and its reports are drawn.
    void theWindowStaysResponsiveDuringAnalysis() {
        WindowFixture fixture;
        fixture.profile.writeInt("Settings", "AnalysisMode", 1);
        fixture.open();
        CAmazonDoc& document = fixture.document();
        fixture.frame().runCommand(kNewGameCommand);
        playOpening(document, 10);

        QElapsedTimer sinceBeat;
        int beats = 0;
        int lateBeats = 0;
        QTimer heartbeat;
        heartbeat.setInterval(10);
        connect(&heartbeat, &QTimer::timeout, [&] {
            ++beats;
            lateBeats += sinceBeat.restart() > 50 ? 1 : 0;
        });
        sinceBeat.start();
        heartbeat.start();
        for (int step = 0; step < 6; ++step) {
            QTest::qWait(400);
            fixture.frame().runCommand(step % 2 == 0 ? kBackwardCommand : kForwardCommand);
        }
        heartbeat.stop();
        QVERIFY(testing::waitFor([&] { return playoutsAt(document, document.currentPly()) > 0; },
                                 20000));
        QVERIFY2(beats > 100, qPrintable(QString::number(beats)));
        QCOMPARE(lateBeats, 0);
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::AnalysisBoardTest)
#include "analysis_board_test.moc"
