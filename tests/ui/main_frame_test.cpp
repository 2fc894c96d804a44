#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include "ui/command_rules.h"
#include "ui/frame_placement.h"
#include "ui/game_file_access.h"
#include "ui/help_window.h"
#include "ui/screen_size_class.h"
#include "ui/secondary_window_placement.h"
#include "ui/toolbar_icons.h"
#include "ui_test_support.h"

namespace taravin {

using testing::WindowFixture;

namespace {

QStringList menuEntries(QMenu* menu) {
    QStringList entries;
    for (const QAction* entry : menu->actions()) {
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    return entries;
}

bool enabled(CMainFrame& frame, CommandId id) {
    return frame.action(id)->isEnabled();
}

bool checked(CMainFrame& frame, CommandId id) {
    return frame.action(id)->isChecked();
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    void fiveMenusWithEveryEntryAndItsShortcut() {
        WindowFixture fixture;
        fixture.open();
        const QList<QAction*> menus = fixture.frame().menuBar()->actions();
        QStringList titles;
        for (const QAction* menu : menus) {
            titles << menu->text();
        }
        QCOMPARE(titles, (QStringList{"&Game", "&Move", "&Settings", "&View", "&Help"}));
        QCOMPARE(menuEntries(menus[0]->menu()),
                 (QStringList{"&New Game\tCtrl+N", "&Pause Game\t", "&Stop Game\tCtrl+X", "-",
                              "&Open...\tCtrl+O", "Sa&ve...\tCtrl+S", "-", "P&rint...\tCtrl+P", "-",
                              "E&xit\tCtrl+Q"}));
        QCOMPARE(
            menuEntries(menus[1]->menu()),
            (QStringList{"&Backward\tLeft Arrow", "&Forward\tRight Arrow",
                         "Bac&k Five Moves\tPage Up", "Fo&rward Five Moves\tPage Down",
                         "Ba&ck To Start\tHome", "Forwar&d To End\tEnd", "-", "&Suggest...\t",
                         "Make A Mo&ve\t", "Stop Computing && &Move\t", "-", "S&witch Sides\t",
                         "Man&ual Entry...\t", "-", "Move &History...\t", "-", "Re&view Game\t",
                         "Ne&xt Mistake\tCtrl+Right", "Pre&vious Mistake\tCtrl+Left"}));
        QCOMPARE(menuEntries(menus[2]->menu()),
                 (QStringList{"&Colors...\t", "&Options...\t", "&Board Configuration...\t",
                              "&Player Configuration...\t"}));
        QCOMPARE(
            menuEntries(menus[3]->menu()),
            (QStringList{"&Mark Last Move\t", "&Information Window\t", "-", "Show &Legal Moves\t",
                         "Show &Territory\t", "-", "&Analysis Mode\tCtrl+A"}));
        QCOMPARE(menuEntries(menus[4]->menu()),
                 (QStringList{"&Online Help...\tF1", "-", "&About Taravin...\t"}));

        CMainFrame& frame = fixture.frame();
        QCOMPARE(frame.action(kNewGameCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(frame.action(kStopGameCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(frame.action(kBackFiveMovesCommand)->shortcut(), QKeySequence(Qt::Key_PageUp));
        QCOMPARE(frame.action(kForwardToEndCommand)->shortcut(), QKeySequence(Qt::Key_End));
        QCOMPARE(frame.action(kOnlineHelpCommand)->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(frame.action(kExitCommand)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(frame.action(kStopComputingAndMoveCommand)->toolTip(),
                 QStringLiteral("Stop Computing & Move"));
        QCOMPARE(frame.action(kColorsCommand)->statusTip(), QStringLiteral("Color Configuation"));
    }

    void toolbarButtonsInOrderWithDrawnIcons() {
        WindowFixture fixture;
        fixture.open();
        QStringList tips;
        int buttons = 0;
        for (const QAction* entry : fixture.frame().toolbar()->actions()) {
            if (entry->isSeparator()) {
                tips << QStringLiteral("|");
                continue;
            }
            ++buttons;
            tips << entry->toolTip();
            QVERIFY2(!entry->icon().isNull(), qPrintable(entry->toolTip()));
        }
        QCOMPARE(buttons, 23);
        QCOMPARE(tips, (QStringList{"New Game",
                                    "Pause Game",
                                    "Stop Game",
                                    "|",
                                    "Open Game",
                                    "Save Game",
                                    "|",
                                    "Back to Start",
                                    "Back Five Moves",
                                    "Backward",
                                    "Forward",
                                    "Forward Five Moves",
                                    "Forward To End",
                                    "|",
                                    "Stop Computing & Move",
                                    "Make a move",
                                    "|",
                                    "Suggest",
                                    "Move History",
                                    "|",
                                    "Colors",
                                    "Options",
                                    "Player Configuration",
                                    "Board Configuration",
                                    "|",
                                    "Mark Last Move",
                                    "Information window",
                                    "Analysis Mode",
                                    "Sound"}));
        // Every icon is drawn: some pixels are opaque, and no two buttons look the same.
        QList<QImage> images;
        for (const CommandId id : toolbarButtons()) {
            if (id == kNoCommand) {
                continue;
            }
            const QImage image = commandImage(id);
            QCOMPARE(image.size(), QSize(16, 16));
            int opaque = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    opaque += image.pixelColor(x, y).alpha() > 128 ? 1 : 0;
                }
            }
            QVERIFY(opaque > 10);
            QVERIFY(!images.contains(image));
            images << image;
        }
        QVERIFY(commandImage(kAboutCommand).isNull());
    }

    void enablingRulesFollowTheGame() {
        WindowFixture fixture;
        fixture.open();
        CMainFrame& frame = fixture.frame();
        CAmazonDoc& document = fixture.document();

        // Stopped, no game yet.
        for (const CommandId id : {kNewGameCommand, kOpenCommand, kBoardConfigurationCommand,
                                   kPlayerConfigurationCommand, kColorsCommand, kOptionsCommand,
                                   kExitCommand, kAboutCommand, kOnlineHelpCommand}) {
            QVERIFY2(enabled(frame, id), qPrintable(frame.action(id)->text()));
        }
        for (const CommandId id :
             {kPauseGameCommand, kStopGameCommand, kSaveCommand, kPrintCommand, kBackwardCommand,
              kForwardCommand, kSuggestCommand, kMakeAMoveCommand, kStopComputingAndMoveCommand,
              kSwitchSidesCommand, kManualEntryCommand, kMoveHistoryCommand}) {
            QVERIFY2(!enabled(frame, id), qPrintable(frame.action(id)->text()));
        }
        QVERIFY(!checked(frame, kPauseGameCommand));
        QVERIFY(!checked(frame, kMarkLastMoveCommand));
        QVERIFY(!checked(frame, kInformationWindowCommand));
        QVERIFY(checked(frame, kSoundCommand));

        // Playing, human to move.
        frame.runCommand(kNewGameCommand);
        QVERIFY(!enabled(frame, kNewGameCommand));
        QVERIFY(!enabled(frame, kOpenCommand));
        QVERIFY(!enabled(frame, kBoardConfigurationCommand));
        QVERIFY(enabled(frame, kPauseGameCommand));
        QVERIFY(enabled(frame, kStopGameCommand));
        QVERIFY(enabled(frame, kSaveCommand));
        QVERIFY(enabled(frame, kSuggestCommand));
        QVERIFY(!enabled(frame, kMakeAMoveCommand));
        QVERIFY(enabled(frame, kSwitchSidesCommand));
        QVERIFY(enabled(frame, kManualEntryCommand));
        QVERIFY(!enabled(frame, kMoveHistoryCommand));
        QVERIFY(!enabled(frame, kBackwardCommand));

        // A queen picked up: no manual entry until the move is put back.
        const QPoint d1 = testing::squareCentre(fixture.view(), {1, 4});
        QTest::mousePress(&fixture.view(), Qt::LeftButton, {}, d1);
        QVERIFY(!enabled(frame, kManualEntryCommand));
        QTest::mouseRelease(&fixture.view(), Qt::LeftButton, {}, d1);
        QVERIFY(enabled(frame, kManualEntryCommand));

        document.applyMove({1, 4}, {7, 4}, {7, 7});
        document.applyMove({10, 4}, {8, 4}, {8, 5});
        frame.updateCommandStates();
        QVERIFY(enabled(frame, kBackwardCommand));
        QVERIFY(enabled(frame, kMoveHistoryCommand));
        QVERIFY(!enabled(frame, kForwardCommand));
        frame.runCommand(kBackwardCommand);
        QVERIFY(enabled(frame, kForwardCommand));
        QCOMPARE(document.moveNumber(), 2);
        frame.runCommand(kForwardToEndCommand);
        QCOMPARE(document.moveNumber(), 3);

        frame.runCommand(kPauseGameCommand);
        QVERIFY(checked(frame, kPauseGameCommand));
        QVERIFY(!enabled(frame, kSuggestCommand));
        QVERIFY(!enabled(frame, kManualEntryCommand));
        QCOMPARE(fixture.view().runningClock(), 0);
        frame.runCommand(kPauseGameCommand);
        QVERIFY(!checked(frame, kPauseGameCommand));
        QCOMPARE(fixture.view().runningClock(), sideCode(Side::kRed));

        frame.runCommand(kStopGameCommand);
        QVERIFY(testing::waitFor([&] { return enabled(frame, kNewGameCommand); }, 2000));
        QVERIFY(!enabled(frame, kStopGameCommand));
        QVERIFY2(enabled(frame, kSaveCommand), "a stopped game keeps its record");
        QCOMPARE(document.moveInProgress().prompt(), std::string("None"));
    }

    void rulesWhileTheComputerThinksAndAfterThePause() {
        GameStatus status;
        status.state = GameState::kPlay;
        status.hasRecord = true;
        status.thinking = true;
        status.sideToMoveHuman = false;
        QVERIFY(commandState(kStopComputingAndMoveCommand, status).enabled);
        QVERIFY(commandState(kPauseGameCommand, status).enabled);
        for (const CommandId id : {kSaveCommand, kPrintCommand, kMakeAMoveCommand,
                                   kSwitchSidesCommand, kBackwardCommand, kMoveHistoryCommand}) {
            QVERIFY(!commandState(id, status).enabled);
        }
        status.moveNow = true;
        QVERIFY(!commandState(kStopComputingAndMoveCommand, status).enabled);
        status.pauseDiscard = true;
        QVERIFY(!commandState(kPauseGameCommand, status).enabled);
        QVERIFY(!commandState(kStopGameCommand, status).enabled);
        status = GameStatus{};
        status.state = GameState::kOver;
        status.hasRecord = true;
        QVERIFY(!commandState(kPauseGameCommand, status).enabled);
        QVERIFY(commandState(kStopGameCommand, status).enabled);
        QVERIFY(!commandState(kNewGameCommand, status).enabled);
        status.state = GameState::kPlay;
        status.sideToMoveHuman = false;
        QVERIFY(commandState(kMakeAMoveCommand, status).enabled);
        QVERIFY(!commandState(kSuggestCommand, status).enabled);
    }

    void pauseDuringASearchDiscardsItsMove() {
        WindowFixture fixture;
        fixture.makeComputer(Side::kRed, 30);
        fixture.open();
        CMainFrame& frame = fixture.frame();
        CAmazonDoc& document = fixture.document();
        frame.runCommand(kNewGameCommand);
        QVERIFY(document.thinking());
        QVERIFY(fixture.view().timeoutTimerActive());
        QVERIFY(enabled(frame, kStopComputingAndMoveCommand));
        frame.runCommand(kPauseGameCommand);
        QVERIFY(!enabled(frame, kPauseGameCommand));
        QVERIFY(!enabled(frame, kStopGameCommand));
        QVERIFY(testing::waitFor([&] { return !document.thinking(); }, 10000));
        QVERIFY(enabled(frame, kPauseGameCommand));
        QCOMPARE(document.moveNumber(), 1);
        QVERIFY(!fixture.view().timeoutTimerActive());
        frame.runCommand(kPauseGameCommand);
        QVERIFY2(!document.thinking(), "resuming starts no search");
        QVERIFY(enabled(frame, kMakeAMoveCommand));
        frame.runCommand(kMakeAMoveCommand);
        QVERIFY(document.thinking());
        QCOMPARE(fixture.view().runningClock(), sideCode(Side::kRed));
        frame.runCommand(kStopComputingAndMoveCommand);
        QVERIFY(testing::waitFor([&] { return document.moveNumber() == 2; }, 10000));
    }

    void soundAndMarkLastMoveWriteTheProfile() {
        WindowFixture fixture;
        fixture.open();
        CMainFrame& frame = fixture.frame();
        frame.runCommand(kSoundCommand);
        QCOMPARE(fixture.profile.readInt("Settings", "Sound", -1), 0);
        QVERIFY(!checked(frame, kSoundCommand));
        frame.runCommand(kSoundCommand);
        QCOMPARE(fixture.profile.readInt("Settings", "Sound", -1), 1);
        fixture.profile.writeInt("Settings", "Sound", 7);
        frame.runCommand(kSoundCommand);
        QCOMPARE(fixture.profile.readInt("Settings", "Sound", -1), 0);
        frame.runCommand(kMarkLastMoveCommand);
        QVERIFY(checked(frame, kMarkLastMoveCommand));
        QCOMPARE(fixture.profile.readInt("Settings", "MarkLastMove", -1), 1);
    }

    void informationWindowLogsTheSearch() {
        WindowFixture fixture;
        fixture.makeComputer(Side::kRed, 30);
        fixture.open(QSize(900, 650));
        CMainFrame& frame = fixture.frame();
        frame.runCommand(kInformationWindowCommand);
        QVERIFY(checked(frame, kInformationWindowCommand));
        const InformationWindow* window = fixture.view().informationWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Information Window"));
        QCOMPARE(window->width(), InformationWindow::kWidth);
        QCOMPARE(window->height(), frame.frameGeometry().height());
        QVERIFY(frame.screen()->availableGeometry().contains(window->geometry()));

        frame.runCommand(kNewGameCommand);
        QVERIFY(testing::waitFor([&] { return window->list().count() > 2; }, 10000));
        frame.runCommand(kStopComputingAndMoveCommand);
        QVERIFY(testing::waitFor([&] { return fixture.document().moveNumber() == 2; }, 10000));
        const QListWidget& list = window->list();
        QCOMPARE(list.currentRow(), list.count() - 1);

        frame.runCommand(kInformationWindowCommand);
        QVERIFY(!fixture.view().informationWindow());
        QVERIFY(!checked(frame, kInformationWindowCommand));
        frame.runCommand(kInformationWindowCommand);
        QCOMPARE(fixture.view().informationWindow()->list().count(), 0);
        // Closed by the window system: forgotten, and the command shows unchecked.
        const_cast<InformationWindow*>(fixture.view().informationWindow())->close();
        QVERIFY(testing::waitFor([&] { return !checked(frame, kInformationWindowCommand); }, 2000));
        QVERIFY(!fixture.view().informationWindowOpen());
    }

    void closingWaitsForTheSearchAndStoresThePlacement() {
        WindowFixture fixture;
        fixture.makeComputer(Side::kRed, 30);
        fixture.open(QSize(950, 640));
        CMainFrame& frame = fixture.frame();
        frame.runCommand(kNewGameCommand);
        QVERIFY(fixture.document().thinking());
        QVERIFY2(!frame.close(), "a running search defers the close");
        QVERIFY(frame.isVisible());
        QVERIFY(testing::waitFor([&] { return !frame.isVisible(); }, 10000));
        QCOMPARE(fixture.document().state(), GameState::kStop);
        const WindowPlacement stored = readWindowPlacement(fixture.profile);
        QCOMPARE(stored.right - stored.left, 950);
        QCOMPARE(stored.bottom - stored.top, 640);
        QCOMPARE(stored.resolution, 2);
    }

    // The program ending under a search that writes to the open log: the worker must not
    // wait for a window thread that is waiting for it.
    void endingDuringASearchWithTheLogOpen() {
        for (int round = 0; round < 3; ++round) {
            WindowFixture fixture;
            fixture.makeComputer(Side::kRed, 30);
            fixture.open();
            fixture.frame().runCommand(kInformationWindowCommand);
            fixture.frame().runCommand(kNewGameCommand);
            QTest::qWait(50 * round);
            QVERIFY(fixture.document().thinking());
            fixture.session.reset();
        }
    }

    void storedPlacementOpensTheWindowWhenTheClassMatches() {
        const ScreenArea screen{QRect(0, 30, 1024, 738), QSize(1024, 768), QSize(32, 32)};
        WindowPlacement placement{10, 20, 610, 920, 2};
        QCOMPARE(storedFrameRect(placement, 2, screen), QRect(20, 40, 900, 600));
        QVERIFY2(!storedFrameRect(placement, 3, screen), "another screen class");
        placement.top = kNoPlacement;
        QVERIFY(!storedFrameRect(placement, 2, screen));
        // Off the screen: kept an icon's size inside.
        placement = WindowPlacement{5000, 5000, 5600, 5900, 2};
        QCOMPARE(storedFrameRect(placement, 2, screen)->topLeft(), QPoint(1024 - 32, 768 - 32));
        const WindowPlacement back = placementOf(QRect(20, 40, 900, 600), screen.workArea, 2);
        QCOMPARE(back, (WindowPlacement{10, 20, 610, 920, 2}));

        testing::TemporarySettings settings;
        QSettingsProfile profile;
        writeWindowPlacement(profile, WindowPlacement{0, 0, 700, 900, 2});
        CMainFrame matching(profile);
        QCOMPARE(matching.size(), QSize(900, 700));
        writeWindowPlacement(profile, WindowPlacement{0, 0, 700, 900, 4});
        CMainFrame other(profile);
        QVERIFY(other.size() != QSize(900, 700));
    }

    void resizingSnapsBackToTwoPanelWidths() {
        QCOMPARE(snappedFrameSize(QSize(900, 600), 400), QSize(900, 600));
        QCOMPARE(snappedFrameSize(QSize(700, 600), 400), QSize(800, 600));
        QCOMPARE(snappedFrameSize(QSize(1700, 600), 400), QSize(800, 600));
        QCOMPARE(snappedFrameSize(QSize(1600, 300), 400), QSize(1600, 400));
        const QSize initial = defaultFrameSize(QRect(0, 0, 1600, 1200), 400, 20, 30, 10);
        QVERIFY(initial.width() >= 800 && initial.width() <= 1600);
        QVERIFY(initial.height() >= 400);
    }

    void keysStepThroughTheGame() {
        WindowFixture fixture;
        fixture.open();
        CMainFrame& frame = fixture.frame();
        CAmazonDoc& document = fixture.document();
        QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(document.state(), GameState::kPlay);
        for (int move = 0; move < 7; ++move) {
            const auto moves = testing::legalMoves(*document.board(), document.sideToMove());
            document.applyMove(moves.front().from, moves.front().to, moves.front().arrow);
        }
        frame.updateCommandStates();
        QTest::keyClick(&frame, Qt::Key_Left);
        QCOMPARE(document.moveNumber(), 7);
        QTest::keyClick(&frame, Qt::Key_PageUp);
        QCOMPARE(document.moveNumber(), 2);
        QTest::keyClick(&frame, Qt::Key_Home);
        QCOMPARE(document.moveNumber(), 1);
        QTest::keyClick(&frame, Qt::Key_PageDown);
        QCOMPARE(document.moveNumber(), 6);
        QTest::keyClick(&frame, Qt::Key_End);
        QCOMPARE(document.moveNumber(), 8);
        QTest::keyClick(&frame, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(testing::waitFor([&] { return document.state() == GameState::kStop; }, 2000));
    }

    void onlineHelpShowsTheHelpPage() {
        WindowFixture fixture;
        fixture.open();
        fixture.frame().runCommand(kOnlineHelpCommand);
        HelpWindow* help = fixture.frame().findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->toPlainText().contains("Entering a move with the mouse"));
        // It leaves the menu and toolbar free, and Escape closes it.
        QVERIFY(help->geometry().top() >= fixture.view().mapToGlobal(QPoint(0, 0)).y());
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(testing::waitFor([&] { return !fixture.frame().findChild<HelpWindow*>(); }, 2000));
    }

    // On a 1600-pixel screen a window beside the main one goes right of it, else left of it,
    // else over its right part: never off the screen.
    void secondaryWindowsStayOnTheScreen() {
        const QRect screen(0, 0, 1600, 1000);
        const QSize log(400, 900);
        QCOMPARE(secondaryWindowRect(QRect(100, 40, 1000, 900), log, 40, screen),
                 QRect(1100, 40, 400, 900));
        QCOMPARE(secondaryWindowRect(QRect(500, 40, 1000, 900), log, 40, screen),
                 QRect(100, 40, 400, 900));
        QCOMPARE(secondaryWindowRect(QRect(100, 40, 1300, 900), log, 40, screen),
                 QRect(1200, 40, 400, 900));
        QCOMPARE(secondaryWindowRect(QRect(0, 0, 1600, 1000), QSize(400, 1200), 90, screen),
                 QRect(1200, 0, 400, 1000));
    }

    void gameFilesAreReadWholeAndSavedSafely() {
        QTemporaryDir folder;
        const QString path = folder.filePath("game.txt");
        QCOMPARE(readGameFile(path).error, std::string(kUnableToOpenFile));
        QVERIFY(!saveGameFile(path, "first\r\n"));
        QCOMPARE(readGameFile(path).text.value(), std::string("first\r\n"));
        QVERIFY(!saveGameFile(path, "second"));
        QCOMPARE(readGameFile(path).text.value(), std::string("second"));
        QVERIFY(saveGameFile(folder.filePath("missing/game.txt"), "x").has_value());
        QVERIFY2(saveGameFile(folder.path(), "x").has_value(), "a folder is no game file");
        QCOMPARE(readGameFile(path).text.value(), std::string("second"));
    }

    void titleFollowsTheDocument() {
        WindowFixture fixture;
        fixture.open();
        QCOMPARE(fixture.frame().windowTitle(), QStringLiteral("Taravin[*]"));
        fixture.document().setTitle("game.txt");
        QCOMPARE(fixture.frame().windowTitle(), QStringLiteral("Taravin - game.txt[*]"));
        fixture.frame().runCommand(kNewGameCommand);
        QCOMPARE(fixture.frame().windowTitle(), QStringLiteral("Taravin[*]"));
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::MainFrameTest)
#include "main_frame_test.moc"
