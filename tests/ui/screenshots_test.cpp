#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "ui/screen_size_class.h"
#include "ui/summary_printer.h"
#include "ui_test_support.h"

namespace taravin {

using testing::WindowFixture;

namespace {

// Where the pictures go: $TARAVIN_SCREENSHOT_DIR when set (scripts/screenshots.sh), else a
// temporary folder, so that the test still checks that they can be made.
class PictureFolder {
  public:
    PictureFolder() {
        const QString chosen = qEnvironmentVariable("TARAVIN_SCREENSHOT_DIR");
        path_ = chosen.isEmpty() ? temporary_.path() : chosen;
        QDir().mkpath(path_);
    }
    QString file(const QString& name) const { return QDir(path_).filePath(name); }

  private:
    QTemporaryDir temporary_;
    QString path_;
};

// A varied but repeatable choice among the legal moves.
testing::LegalMove someMove(const Board& board, Side side, int round) {
    const std::vector<testing::LegalMove> moves = testing::legalMoves(board, side);
    return moves[static_cast<std::size_t>(round * 7919 + 13) % moves.size()];
}

// Opens the window, maximised or at the size, and plays that many of the chosen moves of a
// new game, fewer when a side runs out of moves.
void openAndPlay(WindowFixture& fixture, QSize size, bool maximised, int moves) {
    fixture.open(size);
    CMainFrame& frame = fixture.frame();
    if (maximised) {
        frame.showMaximized();
        QTest::qWait(200);
    }
    frame.runCommand(kNewGameCommand);
    CAmazonDoc& document = fixture.document();
    for (int round = 0; round < moves && !document.board()->noMoveLeft(document.sideToMove());
         ++round) {
        const testing::LegalMove move = someMove(*document.board(), document.sideToMove(), round);
        document.applyMove(move.from, move.to, move.arrow);
    }
}

}  // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT

  private slots:
    void midGameWhileTheComputerThinks_data() {
        QTest::addColumn<int>("sizeClass");
        QTest::addColumn<QSize>("clientSize");
        QTest::newRow("class2") << 2 << QSize(1000, 700);
        QTest::newRow("class5") << 5 << QSize(1500, 1100);
    }

    void midGameWhileTheComputerThinks() {
        QFETCH(int, sizeClass);
        QFETCH(QSize, clientSize);
        setScreenSizeClassOverride(sizeClass);
        PictureFolder folder;
        WindowFixture fixture;
        fixture.makeComputer(Side::kBlue, 30);
        fixture.profile.writeInt("Settings", "MarkLastMove", 1);
        fixture.open(clientSize);
        CMainFrame& frame = fixture.frame();
        CAmazonDoc& document = fixture.document();
        frame.runCommand(kNewGameCommand);
        QCOMPARE(fixture.view().sizeClass(), sizeClass);

        const auto blueAnswersSoon = [&] {
            QVERIFY(testing::waitFor([&] { return !document.searchText().empty(); }, 10000));
            frame.runCommand(kStopComputingAndMoveCommand);
            QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 10000));
        };
        for (int round = 0; round < 6; ++round) {
            fixture.settle();
            testing::playWithMouse(fixture.view(), someMove(*document.board(), Side::kRed, round));
            blueAnswersSoon();
        }
        fixture.settle();
        testing::playWithMouse(fixture.view(), someMove(*document.board(), Side::kRed, 6));
        QVERIFY(document.thinking());
        QTest::qWait(1500);
        const QString tag = QStringLiteral("class%1").arg(sizeClass);
        const QImage normal = frame.grab().toImage();
        QVERIFY(normal.save(folder.file(tag + "-normal.png")));
        QVERIFY(!fixture.view().flipped());

        // The same game turned round: after Switch Sides the computer plays Red.
        blueAnswersSoon();
        frame.runCommand(kSwitchSidesCommand);
        frame.runCommand(kMakeAMoveCommand);
        QVERIFY(document.thinking());
        QTest::qWait(1500);
        QVERIFY(fixture.view().flipped());
        const QImage flipped = frame.grab().toImage();
        QVERIFY(flipped.save(folder.file(tag + "-flipped.png")));
        QVERIFY(normal != flipped);
        frame.runCommand(kStopComputingAndMoveCommand);
        QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 10000));
    }

    // A small window and a maximised one with legal moves and territory shown: Red's amazon
    // picked up in the first, Red's arrow pending in the second. Names start with
    // $TARAVIN_SCREENSHOT_TAG (the high-resolution run sets one).
    void overlaysSmallAndMaximised() {
        const QString tag = qEnvironmentVariable("TARAVIN_SCREENSHOT_TAG");
        PictureFolder folder;
        for (const bool maximised : {false, true}) {
            setScreenSizeClassOverride(maximised ? std::nullopt : std::optional<int32_t>(1));
            WindowFixture fixture;
            fixture.profile.writeInt("Settings", "MarkLastMove", 1);
            fixture.profile.writeInt("Settings", "ShowLegalMoves", 1);
            fixture.profile.writeInt("Settings", "ShowTerritory", 1);
            openAndPlay(fixture, QSize(600, 420), maximised, 12);
            CMainFrame& frame = fixture.frame();
            CAmazonDoc& document = fixture.document();
            fixture.settle();
            CAmazonView& view = fixture.view();
            const PositionNode* amazon = document.board()->amazons(Side::kRed).head();
            const Square from{amazon->row, amazon->column};
            QTest::mousePress(&view, Qt::LeftButton, {}, testing::squareCentre(view, from));
            if (maximised) {
                const testing::LegalMove move = someMove(*document.board(), Side::kRed, 3);
                QTest::mouseRelease(&view, Qt::LeftButton, {}, testing::squareCentre(view, from));
                QTest::mousePress(&view, Qt::LeftButton, {},
                                  testing::squareCentre(view, move.from));
                QTest::mouseRelease(&view, Qt::LeftButton, {},
                                    testing::squareCentre(view, move.to));
                QCOMPARE(document.moveInProgress().inputState(), static_cast<int32_t>(kThrowArrow));
            }
            const QString name = tag + (maximised ? "maximised.png" : "small.png");
            QVERIFY(frame.grab().toImage().save(folder.file(name)));
            qInfo("%s: window %dx%d, squares of %d pixels, size class %d", qPrintable(name),
                  frame.width(), frame.height(), view.boardGeometry().squareSize, view.sizeClass());
        }
        setScreenSizeClassOverride(2);
    }

    // Analysis on in a middle game, small and maximised (names start with
    // $TARAVIN_SCREENSHOT_TAG); then the same game reviewed, with its graph and a mistake
    // stepped to.
    void analysisBoard() {
        const QString tag = qEnvironmentVariable("TARAVIN_SCREENSHOT_TAG");
        PictureFolder folder;
        for (const bool maximised : {false, true}) {
            setScreenSizeClassOverride(maximised ? std::nullopt : std::optional<int32_t>(1));
            WindowFixture fixture;
            fixture.profile.writeInt("Settings", "MarkLastMove", 1);
            fixture.profile.writeInt("Settings", "AnalysisMode", 1);
            fixture.profile.writeInt("Settings", "ReviewPlayouts", 5000);
            openAndPlay(fixture, QSize(700, 520), maximised, 20);
            CMainFrame& frame = fixture.frame();
            QTest::qWait(2500);
            fixture.settle();
            const QString name =
                tag + (maximised ? "analysis-maximised.png" : "analysis-small.png");
            QVERIFY(frame.grab().toImage().save(folder.file(name)));
            if (!maximised || !tag.isEmpty()) {
                continue;
            }
            frame.runCommand(kReviewGameCommand);
            QTest::qWait(1500);
            QVERIFY(frame.grab().toImage().save(folder.file("review-running.png")));
            QVERIFY(testing::waitFor([&] { return frame.reviewReport() != nullptr; }, 120000));
            QVERIFY(const_cast<ReviewReportDialog*>(frame.reviewReport())
                        ->grab()
                        .save(folder.file("review-report.png")));
            fixture.settle();
            QVERIFY(frame.grab().toImage().save(folder.file("review-graph.png")));
            frame.runCommand(kBackToStartCommand);
            frame.runCommand(kNextMistakeCommand);
            fixture.settle();
            QVERIFY(frame.grab().toImage().save(folder.file("review-mistake.png")));
        }
        setScreenSizeClassOverride(2);
    }

    // Analysis on late in a game: closed regions with their counts, defective ones hatched.
    void analysisInTheEndgame() {
        setScreenSizeClassOverride(2);
        PictureFolder folder;
        WindowFixture fixture;
        fixture.profile.writeInt("Settings", "AnalysisMode", 1);
        openAndPlay(fixture, QSize(1000, 760), false, 72);
        QTest::qWait(1500);
        fixture.settle();
        QVERIFY(fixture.frame().grab().toImage().save(folder.file("analysis-endgame.png")));
    }

    void informationWindowDuringASearch() {
        setScreenSizeClassOverride(2);
        PictureFolder folder;
        WindowFixture fixture;
        fixture.makeComputer(Side::kRed, 30);
        fixture.open(QSize(1000, 700));
        fixture.frame().runCommand(kInformationWindowCommand);
        fixture.frame().runCommand(kNewGameCommand);
        QTest::qWait(2500);
        const InformationWindow* window = fixture.view().informationWindow();
        QVERIFY(window && window->list().count() > 0);
        QVERIFY(const_cast<InformationWindow*>(window)->grab().save(
            folder.file("information-window.png")));
        fixture.frame().runCommand(kStopComputingAndMoveCommand);
        QVERIFY(testing::waitFor([&] { return !fixture.document().thinking(); }, 10000));
    }

    void printedSummaryOfAThirtyMoveGame() {
        setScreenSizeClassOverride(2);
        PictureFolder folder;
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kNewGameCommand);
        CAmazonDoc& document = fixture.document();
        for (int round = 0; round < 30; ++round) {
            const testing::LegalMove move =
                someMove(*document.board(), document.sideToMove(), round);
            document.applyMove(move.from, move.to, move.arrow);
        }
        QPrinter printer(QPrinter::HighResolution);
        useSummaryPageMargins(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.file("summary.pdf"));
        QVERIFY(printGameSummary(printer, summaryInput(document)));
        QVERIFY(QFileInfo(folder.file("summary.pdf")).size() > 1000);
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::ScreenshotsTest)
#include "screenshots_test.moc"
