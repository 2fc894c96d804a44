#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "dialog_test_support.h"
#include "dialogs/board_configuration_dialog.h"
#include "dialogs/game_open_dialog.h"
#include "dialogs/player_configuration_dialog.h"
#include "ui/screen_size_class.h"
#include "ui_test_support.h"

// A game's life in the window: the settings reload that replaces the board takes the old game
// with it, and a game with unsaved moves is never thrown away without asking.

namespace taravin {

using namespace testing;

namespace {

// A game window whose dialogs each test answers itself.
struct OwnWindow {
    OwnWindow() {
        session.frame().resize(1000, 700);
        session.frame().show();
        QCoreApplication::processEvents();
        session.view().grab();
    }
    CMainFrame& frame() { return session.frame(); }
    CAmazonDoc& document() { return session.document(); }
    void stop() {
        frame().runCommand(kStopGameCommand);
        QVERIFY(waitFor([&] { return document().state() == GameState::kStop; }, 5000));
    }

    TemporarySettings settings;
    QSettingsProfile profile;
    FixedMemoryStatus memory{1u << 22};
    GameSession session{profile, memory};
};

// The contents of every square, row by row.
std::vector<Content> contents(const Board& board) {
    std::vector<Content> squares;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            squares.push_back(board.content(row, column));
        }
    }
    return squares;
}

// Runs the command that opens the configuration dialog T and confirms it with OK.
template <class T>
void confirmConfiguration(CMainFrame& frame, CommandId command) {
    whenModalOpens<T>([](T& dialog) { click(dialog, "OK"); });
    frame.runCommand(command);
}

// Answers the next save prompt with the button, typing `path` into the file dialog on Save.
// The prompt's text goes to `text`; `next` prepares for what the command does after it.
void answerSavePrompt(QMessageBox::StandardButton answer, const QString& path,
                      std::shared_ptr<QString> text, std::function<void()> next = {}) {
    whenModalOpens<QMessageBox>([answer, path, text, next](QMessageBox& box) {
        *text = box.text();
        if (answer == QMessageBox::Save) {
            whenModalOpens<QFileDialog>(
                [path](QFileDialog& files) { typeFileAndAccept(files, path); });
        }
        if (next) {
            next();
        }
        box.button(answer)->click();
    });
}

}  // namespace

class GameLifecycleTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    // The last move of a 10 x 10 game lies in rows 9 and 10; after a 6 x 6 board replaced it,
    // marking the last move must touch nothing (it once wrote past the board's cells).
    void aSmallerBoardTakesTheOldGameWithIt() {
        OwnWindow window;
        CMainFrame& frame = window.frame();
        CAmazonDoc& document = window.document();
        frame.runCommand(kMarkLastMoveCommand);
        frame.runCommand(kNewGameCommand);
        document.applyMove({1, 7}, {9, 7}, {10, 6});
        window.stop();
        window.profile.writeInt("Settings", "Rows", 6);
        window.profile.writeInt("Settings", "Columns", 6);
        window.profile.writeString("Settings", "RedLocations", "B1, E1");
        window.profile.writeString("Settings", "BlueLocations", "B6, E6");
        answerSavePrompt(QMessageBox::Discard, {}, std::make_shared<QString>());
        confirmConfiguration<BoardConfigurationDialog>(frame, kBoardConfigurationCommand);
        QCOMPARE(document.board()->rows(), 6);

        frame.runCommand(kMarkLastMoveCommand);
        frame.runCommand(kMarkLastMoveCommand);
        QVERIFY(!document.lastMove());
        QCOMPARE(document.gameRecord()->size(), std::size_t{0});
        QCOMPARE(document.moveNumber(), 1);
        QVERIFY(!frame.action(kBackwardCommand)->isEnabled());
        for (int32_t row = 1; row <= 6; ++row) {
            for (int32_t column = 1; column <= 6; ++column) {
                QCOMPARE(document.board()->marks(row, column), 0);
            }
        }
        QVERIFY(document.player(Side::kRed).lastMoveText().empty());
        QVERIFY(!document.modified());
    }

    void aSaveAfterAConfigurationChangeReopensToTheBoardShown() {
        OwnWindow window;
        CMainFrame& frame = window.frame();
        CAmazonDoc& document = window.document();
        frame.runCommand(kNewGameCommand);
        document.applyMove({1, 4}, {7, 4}, {7, 7});
        document.applyMove({10, 4}, {8, 4}, {8, 5});
        window.stop();
        writeSetting(window.profile, sideKeys(Side::kBlue).type, 1);
        answerSavePrompt(QMessageBox::Discard, {}, std::make_shared<QString>());
        confirmConfiguration<PlayerConfigurationDialog>(frame, kPlayerConfigurationCommand);
        QVERIFY(document.player(Side::kBlue).isComputer());
        const std::vector<Content> shown = contents(*document.board());

        QTemporaryDir files;
        const QString path = files.filePath("after configuration.txt");
        whenModalOpens<QFileDialog>(
            [path](QFileDialog& dialog) { typeFileAndAccept(dialog, path); });
        frame.runCommand(kSaveCommand);
        QVERIFY(QFile::exists(path));
        whenModalOpens<GameOpenDialog>([path](GameOpenDialog& dialog) {
            labelled<QLineEdit>(dialog, "&Filename:")->setText(path);
            click(dialog, "Open");
        });
        frame.runCommand(kOpenCommand);
        QCOMPARE(contents(*document.board()), shown);
        QCOMPARE(document.gameRecord()->size(), std::size_t{0});
        QCOMPARE(document.moveNumber(), 1);
        QVERIFY(document.player(Side::kBlue).isComputer());
        QCOMPARE(document.player(Side::kRed).clock(), 0);
    }

    // Exit (Ctrl+Q), closing the window, New Game and Open each ask before a game with unsaved
    // moves goes: Cancel keeps it, Discard lets the command go on, Save writes it first.
    void unsavedMovesAreAskedFor_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        const std::pair<const char*, int> commands[] = {{"exit", kExitCommand},
                                                        {"close", kNoCommand},
                                                        {"new", kNewGameCommand},
                                                        {"open", kOpenCommand}};
        const std::pair<const char*, QMessageBox::StandardButton> answers[] = {
            {"cancel", QMessageBox::Cancel},
            {"discard", QMessageBox::Discard},
            {"save", QMessageBox::Save}};
        for (const auto& [commandName, command] : commands) {
            for (const auto& [answerName, answer] : answers) {
                QTest::addRow("%s-%s", commandName, answerName) << command << int(answer);
            }
        }
    }

    void unsavedMovesAreAskedFor() {
        QFETCH(int, command);
        QFETCH(int, answer);
        OwnWindow window;
        CMainFrame& frame = window.frame();
        CAmazonDoc& document = window.document();
        frame.runCommand(kNewGameCommand);
        QVERIFY(!frame.isWindowModified());
        document.applyMove({1, 4}, {7, 4}, {7, 7});
        QVERIFY(frame.isWindowModified());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin[*]"));
        window.stop();

        QTemporaryDir files;
        const QString path = files.filePath("kept.txt");
        const bool goesOn = answer != QMessageBox::Cancel;
        auto prompt = std::make_shared<QString>();
        auto openDialogShown = std::make_shared<bool>(false);
        answerSavePrompt(static_cast<QMessageBox::StandardButton>(answer), path, prompt, [=] {
            if (command == kOpenCommand && goesOn) {
                whenModalOpens<GameOpenDialog>([openDialogShown](GameOpenDialog& dialog) {
                    *openDialogShown = true;
                    dialog.reject();
                });
            }
        });
        if (command == kExitCommand) {
            QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
        } else if (command == kNoCommand) {
            frame.close();
        } else {
            frame.runCommand(static_cast<CommandId>(command));
        }
        QCOMPARE(*prompt, QStringLiteral("Save changes to Untitled?"));

        QCOMPARE(QFile::exists(path), answer == QMessageBox::Save);
        if (answer != QMessageBox::Discard) {
            QCOMPARE(frame.isWindowModified(), answer == QMessageBox::Cancel);
        }
        if (answer == QMessageBox::Save && command != kNewGameCommand) {
            QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - kept.txt[*]"));
        }
        switch (command) {
            case kExitCommand:
            case kNoCommand:
                QCOMPARE(frame.isVisible(), !goesOn);
                break;
            case kNewGameCommand:
                QCOMPARE(document.state(), goesOn ? GameState::kPlay : GameState::kStop);
                QCOMPARE(document.gameRecord()->size(), goesOn ? std::size_t{0} : std::size_t{1});
                break;
            case kOpenCommand:
                QCOMPARE(*openDialogShown, goesOn);
                QCOMPARE(document.gameRecord()->size(), std::size_t{1});
                break;
        }
    }

    // Stepping changes what Save writes; a saved or freshly opened game has nothing unsaved.
    void steppingCountsAsAChangeAndSavingClearsIt() {
        OwnWindow window;
        CMainFrame& frame = window.frame();
        CAmazonDoc& document = window.document();
        frame.runCommand(kNewGameCommand);
        document.applyMove({1, 4}, {7, 4}, {7, 7});
        QTemporaryDir files;
        const QString path = files.filePath("stepped.txt");
        whenModalOpens<QFileDialog>(
            [path](QFileDialog& dialog) { typeFileAndAccept(dialog, path); });
        frame.runCommand(kSaveCommand);
        QVERIFY(!document.modified());
        frame.runCommand(kBackwardCommand);
        QVERIFY(document.modified());
        window.stop();
        answerSavePrompt(QMessageBox::Discard, {}, std::make_shared<QString>());
        whenModalOpens<GameOpenDialog>([path](GameOpenDialog& dialog) {
            labelled<QLineEdit>(dialog, "&Filename:")->setText(path);
            click(dialog, "Open");
        });
        frame.runCommand(kOpenCommand);
        QCOMPARE(document.gameRecord()->size(), std::size_t{1});
        QVERIFY(!document.modified());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - stepped.txt[*]"));
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::GameLifecycleTest)
#include "game_lifecycle_test.moc"
