#include <QPaintEvent>
#include <QTest>

#include "app/move_input.h"
#include "ui/board_geometry.h"
#include "ui/notifications.h"
#include "ui/panel_texts.h"
#include "ui/screen_size_class.h"
#include "ui/view_painter.h"
#include "ui_test_support.h"

namespace taravin {

using testing::LegalMove;
using testing::squareCentre;
using testing::WindowFixture;

// Records the region of every paint the widget receives.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

class BoardViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    void geometryFollowsTheClientAndLeavesRoomForThePanel() {
        const SizeClassMetrics& metrics = sizeClassMetrics(2);
        const BoardGeometry wide = computeBoardGeometry(1200, 700, 10, 10, 400, metrics, false);
        QCOMPARE(wide.squareSize, (700 - 2 * (20 + 30)) / 10);
        QCOMPARE(wide.squares.left, 50);
        QCOMPARE(wide.squares.right, 50 + 10 * 60);
        QCOMPARE(wide.frame.right, 20 + 60 + 600);
        // Too narrow: free width 800 - 20 - 60 - 600 = 120 < 400, so 280 / 10 = 28 less.
        const BoardGeometry narrow = computeBoardGeometry(800, 700, 10, 10, 400, metrics, false);
        QCOMPARE(narrow.squareSize, 32);
        // A window too small for any square still gives one-pixel squares.
        QCOMPARE(computeBoardGeometry(10, 10, 10, 10, 400, metrics, false).squareSize, 1);
        QCOMPARE(sizeClassMetrics(9).fontHeight, 16);
        QCOMPARE(sizeClassMetrics(-1).margin, 10);
    }

    void squaresUnderThePointerNormalAndFlipped() {
        const SizeClassMetrics& metrics = sizeClassMetrics(2);
        BoardGeometry geometry = computeBoardGeometry(1200, 700, 8, 10, 400, metrics, false);
        const int left = geometry.squares.left;
        const int top = geometry.squares.top;
        const int s = geometry.squareSize;
        QCOMPARE(geometry.squareAt(left + 1, top + 1), (Square{8, 1}));
        QCOMPARE(geometry.squareAt(left + 10 * s - 1, top + 8 * s - 1), (Square{1, 10}));
        QVERIFY2(!geometry.squareAt(left, top + 5), "the edge itself is outside");
        QVERIFY(!geometry.squareAt(geometry.squares.right, top + 5));
        QCOMPARE(geometry.squareRect(Square{8, 1}), QRect(left, top, s, s));
        geometry.flipped = true;
        QCOMPARE(geometry.squareAt(left + 1, top + 1), (Square{1, 10}));
        QCOMPARE(geometry.squareAt(left + 10 * s - 1, top + 8 * s - 1), (Square{8, 1}));
        QCOMPARE(geometry.squareRect(Square{1, 10}), QRect(left, top, s, s));
        for (int row = 1; row <= 8; ++row) {
            for (int column = 1; column <= 10; ++column) {
                const QPoint centre = geometry.squareRect(Square{row, column}).center();
                QCOMPARE(geometry.squareAt(centre.x(), centre.y()), (Square{row, column}));
            }
        }
    }

    void aGameEnteredWithTheMouse() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        CAmazonDoc& document = fixture.document();
        QCOMPARE(document.state(), GameState::kPlay);

        // Red D1-D7, arrow back onto D1, which the queen has just left.
        const QPoint d1 = squareCentre(view, {1, 4});
        const QPoint d7 = squareCentre(view, {7, 4});
        QTest::mousePress(&view, Qt::LeftButton, {}, d1);
        QVERIFY(view.dragging());
        QCOMPARE(document.moveInProgress().inputState(), static_cast<int32_t>(kSelectNewLocation));
        QCOMPARE(document.board()->marks(1, 4) & kSelectedMark,
                 static_cast<int32_t>(kSelectedMark));
        QCOMPARE(document.moveInProgress().prompt(),
                 std::string("Red - select a new location for the queen"));
        QTest::mouseMove(&view, d7);
        QVERIFY(view.dragImageShown());
        QCOMPARE(view.dragImagePosition(), d7);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, d7);
        QVERIFY(!view.dragging());
        QVERIFY(!view.dragImageShown());
        QCOMPARE(document.board()->content(7, 4), Content::kRed);
        QCOMPARE(document.board()->content(1, 4), Content::kEmpty);
        QCOMPARE(document.board()->marks(1, 4) & kSelectedMark,
                 static_cast<int32_t>(kSelectedMark));
        QCOMPARE(document.moveInProgress().prompt(), std::string("Red - throw an arrow"));
        QTest::mouseClick(&view, Qt::LeftButton, {}, d1);
        QCOMPARE(document.board()->content(1, 4), Content::kArrow);
        QCOMPARE(document.moveNumber(), 2);
        QCOMPARE(document.sideToMove(), Side::kBlue);
        QCOMPARE(document.player(Side::kRed).lastMoveText(), std::string("D1 - D7 (D1)"));
        QCOMPARE(document.board()->marks(7, 4), static_cast<int32_t>(kLastMoveMark));
        QCOMPARE(view.runningClock(), sideCode(Side::kBlue));

        // Blue answers with the helper, all by the mouse.
        const std::vector<LegalMove> moves = testing::legalMoves(*document.board(), Side::kBlue);
        QVERIFY(!moves.empty());
        testing::playWithMouse(view, moves.front());
        QCOMPARE(document.moveNumber(), 3);
        QCOMPARE(document.sideToMove(), Side::kRed);
        QCOMPARE(document.board()->marks(7, 4) & kLastMoveMark, 0);
        QCOMPARE(document.board()->content(moves.front().arrow), Content::kArrow);
    }

    void theThreeMessagesAndTheSilentCases() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        CAmazonDoc& document = fixture.document();
        const auto message = [&] { return document.moveInProgress().message(); };
        const auto state = [&] { return document.moveInProgress().inputState(); };
        const auto click = [&](Square square) {
            QTest::mouseClick(&view, Qt::LeftButton, {}, squareCentre(view, square));
        };
        const auto drag = [&](Square from, Square to) {
            QTest::mousePress(&view, Qt::LeftButton, {}, squareCentre(view, from));
            QTest::mouseMove(&view, squareCentre(view, to));
            QTest::mouseRelease(&view, Qt::LeftButton, {}, squareCentre(view, to));
        };

        click({10, 4});  // an opponent's queen: nothing happens
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));
        click({5, 5});  // an empty square
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));

        click({1, 4});  // press and release on the queen itself
        QCOMPARE(message(), std::string(MoveInput::kInvalidNewLocation));
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));
        QCOMPARE(document.board()->marks(1, 4) & kSelectedMark, 0);

        drag({1, 4}, {2, 5});  // D1-E2 along the diagonal
        QCOMPARE(state(), static_cast<int32_t>(kThrowArrow));
        QCOMPARE(message(), std::string());
        click({4, 4});  // not on a line from E2
        QCOMPARE(message(), std::string(MoveInput::kInvalidArrowSquare));
        QCOMPARE(state(), static_cast<int32_t>(kThrowArrow));
        click({1, 7});  // another own queen
        QCOMPARE(message(), std::string(MoveInput::kInvalidArrowSquare));
        click({2, 5});  // the moved queen: the move is taken back
        QCOMPARE(message(), std::string(MoveInput::kMoveCancelled));
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));
        QCOMPARE(document.board()->content(1, 4), Content::kRed);
        QCOMPARE(document.board()->content(2, 5), Content::kEmpty);
        QCOMPARE(document.board()->marks(1, 4) & kSelectedMark, 0);

        // A10 lies behind Blue's A7 on the A file.
        drag({4, 1}, {10, 1});
        QCOMPARE(message(), std::string(MoveInput::kInvalidNewLocation));

        // Released outside the board while dragging: silently back to choosing; the press
        // had cleared the message and it stays so.
        QTest::mousePress(&view, Qt::LeftButton, {}, squareCentre(view, {1, 7}));
        QTest::mouseMove(&view, QPoint(2, 2));
        QVERIFY(!view.dragImageShown());
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));
        QCOMPARE(message(), std::string());
        QCOMPARE(document.board()->marks(1, 7) & kSelectedMark, 0);
        QVERIFY(!view.dragging());

        // Paused, nothing is taken.
        fixture.frame().runCommand(kPauseGameCommand);
        click({1, 7});
        QCOMPARE(state(), static_cast<int32_t>(kSelectQueen));
        QVERIFY(!view.dragging());
    }

    void flippedBoardTakesTheMouseTurnedRound() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.frame().runCommand(kSwitchSidesCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        QVERIFY(view.flipped());
        const BoardGeometry& geometry = view.boardGeometry();
        QCOMPARE(geometry.squareAt(geometry.squares.left + 1, geometry.squares.top + 1),
                 (Square{1, 10}));
        // J4 is shown near the top left when turned.
        const QPoint j4 = squareCentre(view, {4, 10});
        QVERIFY(j4.x() < geometry.squares.left + 1 * geometry.squareSize);
        testing::playWithMouse(view, LegalMove{{4, 10}, {5, 10}, {6, 10}});
        QCOMPARE(fixture.document().board()->content(5, 10), Content::kRed);
        QCOMPARE(fixture.document().board()->content(6, 10), Content::kArrow);
        // A new game turns the board back.
        fixture.frame().runCommand(kStopGameCommand);
        QVERIFY(
            testing::waitFor([&] { return fixture.document().state() == GameState::kStop; }, 2000));
        fixture.frame().runCommand(kNewGameCommand);
        QVERIFY(!view.flipped());
    }

    void piecesMarksAndColoursArePainted() {
        WindowFixture fixture;
        fixture.profile.writeInt("Settings", "MarkLastMove", 1);
        // Hand-edited: no choice of the Options dialog, so the default border as it shows there.
        fixture.profile.writeInt("Settings", "LastMoveOption", 2);
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        CAmazonDoc& document = fixture.document();
        document.applyMove({1, 4}, {7, 4}, {7, 7});
        QTest::mousePress(&view, Qt::LeftButton, {}, squareCentre(view, {10, 4}));
        const QImage image = view.grab().toImage();
        const BoardGeometry& geometry = view.boardGeometry();
        const QRect d7 = geometry.squareRect({7, 4});
        const QRect d10 = geometry.squareRect({10, 4});
        QCOMPARE(image.pixelColor(d7.topLeft()), QColor(Qt::white));  // last-move frame
        QCOMPARE(image.pixelColor(d10.topLeft() + QPoint(1, 1)), kSelectedBlue);
        // Color1 where screen row and column add up to an even number, Color2 elsewhere.
        QCOMPARE(image.pixelColor(geometry.squareRect({6, 5}).center()), QColor(128, 128, 192));
        QCOMPARE(image.pixelColor(geometry.squareRect({5, 5}).center()), QColor(192, 192, 192));
        const QRect arrow = geometry.squareRect({7, 7});
        QCOMPARE(image.pixelColor(arrow.center()), QColor(Qt::black));  // the X's crossing
        // Inside the last-move frame, whose width grows with the square, no part of the X.
        const int frame = markWidth(geometry.squareSize);
        QVERIFY(frame > 1);
        QCOMPARE(image.pixelColor(arrow.topLeft() + QPoint(12, frame - 1)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(arrow.topLeft() + QPoint(12, frame)),
                 image.pixelColor(arrow.topLeft() + QPoint(12, frame + 1)));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(2, 2));

        // Turning the marks off through the command clears the three squares.
        fixture.frame().runCommand(kMarkLastMoveCommand);
        QCOMPARE(document.board()->marks(7, 4) & kLastMoveMark, 0);
        QCOMPARE(fixture.profile.readInt("Settings", "MarkLastMove", -1), 0);
        const QImage unmarked = view.grab().toImage();
        QVERIFY(unmarked.pixelColor(d7.topLeft()) != QColor(Qt::white));

        // With both square colours alike the squares get black outlines.
        const QRect e6 = geometry.squareRect({6, 5});
        QVERIFY(unmarked.pixelColor(e6.topLeft()) != QColor(Qt::black));
        fixture.profile.writeInt("Settings", "Color1Code", 0xC0C0C0);
        view.reloadColors();
        const QImage outlined = view.grab().toImage();
        QCOMPARE(outlined.pixelColor(e6.topLeft()), QColor(Qt::black));
        QCOMPARE(outlined.pixelColor(e6.center()), QColor(192, 192, 192));
    }

    // When the game waits for a command rather than for the board, the message line says
    // which one; a finished game names no side to move.
    void statusHintsSayWhatComesNext() {
        WindowFixture fixture;
        fixture.makeComputer(Side::kBlue, 30);
        fixture.open();
        CAmazonView& view = fixture.view();
        CAmazonDoc& document = fixture.document();
        CMainFrame& frame = fixture.frame();
        const auto shown = [&] { return panelTexts(document).status[kMessageStatus]; };
        const auto press = [&](Square square) {
            QTest::mouseClick(&view, Qt::LeftButton, {}, squareCentre(view, square));
        };
        const auto computerAnswers = [&] {
            frame.runCommand(kStopComputingAndMoveCommand);
            QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 10000));
        };
        press({1, 4});
        QCOMPARE(shown(), QString::fromLatin1(kNewGameHint));
        frame.runCommand(kNewGameCommand);
        QCOMPARE(shown(), QString());
        testing::playWithMouse(view, LegalMove{{1, 4}, {7, 4}, {7, 7}});
        QVERIFY(document.thinking());
        QCOMPARE(shown(), QString());
        computerAnswers();
        frame.runCommand(kBackwardCommand);
        QCOMPARE(shown(), QStringLiteral("Blue (computer) waits for Make A Move."));
        QCOMPARE(view.runningClock(), 0);
        frame.runCommand(kMakeAMoveCommand);
        QCOMPARE(shown(), QString());
        computerAnswers();
        frame.runCommand(kSwitchSidesCommand);
        QCOMPARE(shown(), QStringLiteral("Red (computer) waits for Make A Move."));

        // Blue's only amazon is walled in: Red's move ends the game.
        frame.runCommand(kStopGameCommand);
        QVERIFY(testing::waitFor([&] { return document.state() == GameState::kStop; }, 5000));
        fixture.profile.writeInt("Settings", "Rows", 3);
        fixture.profile.writeInt("Settings", "Columns", 3);
        fixture.profile.writeString("Settings", "RedLocations", "A1");
        fixture.profile.writeString("Settings", "BlueLocations", "C3");
        fixture.profile.writeString("Settings", "ArrowLocations", "B2, B3, C2");
        writeSetting(fixture.profile, sideKeys(Side::kBlue).type, 0);
        writeSetting(fixture.profile, sideKeys(Side::kRed).type, 0);
        frame.runCommand(kNewGameCommand);
        fixture.settle();
        // Behind the Congratulations box the panel already shows the winning move.
        PaintRecorder recorder(view);
        bool lastMoveRepainted = false;
        fixture.answerer.whileModalOpen([&] {
            lastMoveRepainted = recorder.painted.contains(view.panelLayout().lastMoves[1]);
        });
        document.applyMove({1, 1}, {2, 1}, {3, 1});
        QVERIFY(lastMoveRepainted);
        QCOMPARE(document.state(), GameState::kOver);
        QCOMPARE(panelTexts(document).currentMove, QStringLiteral("Blue - none"));
        press({1, 3});
        QCOMPARE(shown(), QString::fromLatin1(kGameOverHint));
    }

    // A stopped game has no side, but the frames of a move it stopped keep the mover's colour.
    // The panel is as wide as its longest texts, a long player name among them; no line runs
    // into the window's edge.
    void thePanelHoldsItsTexts() {
        WindowFixture fixture;
        fixture.open(QSize(1200, 700));
        const int humanPanel = fixture.view().panelWidth();
        writeSetting(fixture.profile, sideKeys(Side::kBlue).name,
                     "Bartholomew Fitzgerald-Montgomery of Little Whinging");
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        QVERIFY(view.panelWidth() > humanPanel);
        QVERIFY(view.width() - view.boardGeometry().frame.right >= view.panelWidth() - 10);
        const QImage image = view.grab().toImage();
        const PanelLayout& panel = view.panelLayout();
        const QColor background = image.pixelColor(view.width() - 1, 1);
        const int inset = sizeClassMetrics(view.sizeClass()).panelInset;
        for (int y = panel.lineTop(panel.redPlayerLine()); y < view.height(); ++y) {
            for (int x = view.width() - inset + 1; x < view.width(); ++x) {
                QCOMPARE(image.pixelColor(x, y), background);
            }
        }
    }

    void stopWithAnArrowPendingKeepsTheFrameColour() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        QTest::mousePress(&view, Qt::LeftButton, {}, squareCentre(view, {1, 4}));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, squareCentre(view, {7, 4}));
        fixture.frame().runCommand(kStopGameCommand);
        QVERIFY(
            testing::waitFor([&] { return fixture.document().state() == GameState::kStop; }, 2000));
        const QRect d7 = view.boardGeometry().squareRect({7, 4});
        QCOMPARE(view.grab().toImage().pixelColor(d7.topLeft() + QPoint(1, 1)), kSelectedRed);
    }

    // The View menu's overlays: dots on the squares the picked-up amazon, then its arrow, can
    // reach; a tint of the side that reaches each empty square first. Both are stored.
    void legalMovesAndTerritoryAreShown() {
        WindowFixture fixture;
        fixture.open();
        CMainFrame& frame = fixture.frame();
        CAmazonView& view = fixture.view();
        frame.runCommand(kNewGameCommand);
        fixture.settle();
        const auto pixel = [&](Square square, QPoint offset) {
            const QRect rect = view.boardGeometry().squareRect(square);
            return view.grab().toImage().pixelColor(rect.topLeft() + offset);
        };
        const auto centre = [&](Square square) {
            const QRect rect = view.boardGeometry().squareRect(square);
            return pixel(square, rect.center() - rect.topLeft());
        };
        const QColor plainD2 = centre({2, 4});
        const QColor plainE5 = centre({5, 5});
        const QPoint corner(5, 5);
        const QColor plainE1 = pixel({1, 5}, corner);
        const QColor plainE10 = pixel({10, 5}, corner);

        frame.runCommand(kShowLegalMovesCommand);
        QVERIFY(frame.action(kShowLegalMovesCommand)->isChecked());
        QCOMPARE(fixture.profile.readInt("Settings", "ShowLegalMoves", -1), 1);
        QCOMPARE(centre({2, 4}), plainD2);  // nothing picked up yet
        QTest::mousePress(&view, Qt::LeftButton, {}, squareCentre(view, {1, 4}));
        QVERIFY(centre({2, 4}).red() > plainD2.red());  // D1 reaches D2
        QCOMPARE(centre({5, 5}), plainE5);              // but not E5
        QTest::mouseRelease(&view, Qt::LeftButton, {}, squareCentre(view, {7, 4}));
        QVERIFY(centre({1, 4}) != centre({1, 5}));  // the arrow may fly back to D1, not to E1
        QTest::mouseClick(&view, Qt::LeftButton, {}, squareCentre(view, {7, 7}));
        QCOMPARE(centre({2, 4}), plainD2);

        frame.runCommand(kShowLegalMovesCommand);
        frame.runCommand(kShowTerritoryCommand);
        QCOMPARE(fixture.profile.readInt("Settings", "ShowTerritory", -1), 1);
        const QColor redSide = pixel({1, 5}, corner);    // G1 reaches E1 in one move
        const QColor blueSide = pixel({10, 5}, corner);  // D10 reaches E10 in one move
        QVERIFY(redSide.red() > plainE1.red() && redSide.blue() < plainE1.blue());
        QVERIFY(blueSide.blue() >= plainE10.blue() && blueSide.red() < plainE10.red());
        // It follows the game: stepping back redraws every square's tint.
        const QImage before = view.grab().toImage();
        frame.runCommand(kBackwardCommand);
        QVERIFY(view.grab().toImage() != before);
        frame.runCommand(kShowTerritoryCommand);
        QCOMPARE(pixel({1, 5}, corner), plainE1);
    }

    // The fixed-size look stretches pieces on small squares and centres them on large ones;
    // the default look sizes them to the square.
    void smallSquaresStretchThePieces() {
        const auto arrowOn = [](int size, bool fixedSize) {
            QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::white);
            QPainter painter(&canvas);
            paintPiece(painter, QRect(0, 0, size, size), Content::kArrow, fixedSize);
            return canvas;
        };
        // Stretched, the X reaches into the corners of the square.
        QVERIFY(arrowOn(20, true).pixelColor(3, 3).value() < 128);
        const QImage big = arrowOn(40, true);
        QCOMPARE(big.pixelColor(3, 3), QColor(Qt::white));  // centred, unscaled
        QCOMPARE(big.pixelColor(9, 9), QColor(Qt::white));
        QVERIFY(big.pixelColor(20, 19).value() < 128);
        const QImage scaled = arrowOn(40, false);
        QCOMPARE(scaled.pixelColor(3, 3), QColor(Qt::white));
        QVERIFY(scaled.pixelColor(9, 9).value() < 128);  // grown with the square
        QCOMPARE(markWidth(24), 1);
        QCOMPARE(markWidth(95), 4);
    }

    void clockTicksRepaintOnlyTheChangedPieces() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        fixture.settle();
        CAmazonView& view = fixture.view();
        PlayerRecord& red = fixture.document().player(Side::kRed);
        const ClockPieces pieces = view.panelLayout().clock(Side::kRed);
        // The region painted after the clock moves on from the given total; empty when
        // no tick came.
        const auto tickFrom = [&](int32_t seconds) -> QRegion {
            red.set(red.name(), red.type(), red.algorithm(), red.evaluation(), red.timeout(),
                    seconds);
            fixture.settle();
            PaintRecorder recorder(view);
            const bool ticked = testing::waitFor([&] { return red.clock() != seconds; }, 3000);
            const bool painted = testing::waitFor([&] { return recorder.paints > 0; }, 1000);
            return ticked && painted ? recorder.painted : QRegion();
        };
        QRegion painted = tickFrom(5);
        QVERIFY(painted.contains(pieces.units));
        QVERIFY(!painted.intersects(pieces.tens));
        QVERIFY(!painted.intersects(pieces.minutes));
        painted = tickFrom(59);
        QVERIFY(painted.contains(pieces.units));
        QVERIFY(painted.intersects(pieces.tens));
        QVERIFY(painted.intersects(pieces.minutes));
        QVERIFY(!painted.intersects(pieces.hours));
        painted = tickFrom(3599);
        QVERIFY(painted.intersects(pieces.hours));
        QVERIFY(!painted.intersects(view.boardGeometry().squares.toQRect()));
        QCOMPARE(red.clockText(), std::string("Red  - 01:00:00"));
        QCOMPARE(fixture.document().moveInProgress().seconds(), 3);
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::BoardViewTest)
#include "board_view_test.moc"
