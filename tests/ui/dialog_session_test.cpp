#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/board_configuration_dialog.h"
#include "dialogs/congratulations_dialog.h"
#include "dialogs/game_open_dialog.h"
#include "dialogs/manual_entry_dialog.h"
#include "dialogs/move_history_dialog.h"
#include "dialogs/player_configuration_dialog.h"
#include "model/player_codes.h"
#include "ui/screen_size_class.h"
#include "ui_test_support.h"

// A whole session through the dialogs, as a user: set up a 6 x 6 board with two amazons a
// side, make Blue the computer, play to the end with typed moves, see the winner, save, stop,
// open the file again with its players and read the history.

namespace taravin {

using namespace testing;

namespace {

// Answers the end-of-game dialog and any message box whenever one opens, and keeps what they
// said; every other dialog is left to the step that expects it.
class GameEndWatcher {
  public:
    GameEndWatcher() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    const QStringList& congratulations() const { return congratulations_; }
    const QStringList& messages() const { return messages_; }

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<CongratulationsDialog*>(modal)) {
            congratulations_.append(dialog->findChild<QLabel*>()->text());
            click(*dialog, "OK");
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_.append(box->text());
            box->done(0);
        }
    }

    QTimer timer_;
    QStringList congratulations_;
    QStringList messages_;
};

QString name(const Square& square) {
    return QString::fromStdString(squareName(square));
}

}  // namespace

class DialogSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setScreenSizeClassOverride(2); }

    void aWholeSessionThroughTheDialogs() {
        TemporarySettings settings;
        QSettingsProfile profile;
        FixedMemoryStatus memory(1u << 22);
        GameEndWatcher watcher;
        GameSession session(profile, memory);
        CMainFrame& frame = session.frame();
        CAmazonDoc& document = session.document();
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        // Board Configuration: 6 x 6, two amazons a side.
        whenModalOpens<BoardConfigurationDialog>([](BoardConfigurationDialog& dialog) {
            labelled<QLineEdit>(dialog, "Board &Size:")->setText("6");
            labelled<QLineEdit>(dialog, "X")->setText("6");
            labelled<QLineEdit>(dialog, "&Red Amazon Locations:")->setText("b1, e1");
            labelled<QLineEdit>(dialog, "&Blue Amazon Locations:")->setText("B6, E6");
            labelled<QLineEdit>(dialog, "Arrow &Locations:")->setText("C3");
            click(dialog, "OK");
        });
        frame.runCommand(kBoardConfigurationCommand);
        QCOMPARE(document.board()->rows(), 6);
        QCOMPARE(document.board()->columns(), 6);
        QCOMPARE(document.board()->content(Square{1, 2}), Content::kRed);
        QCOMPARE(document.board()->content(Square{6, 5}), Content::kBlue);
        QCOMPARE(document.board()->content(Square{3, 3}), Content::kArrow);
        QCOMPARE(document.state(), GameState::kStop);

        // Player Configuration: Blue is the computer with the shortest time-out.
        whenModalOpens<PlayerConfigurationDialog>([](PlayerConfigurationDialog& dialog) {
            labelled<QComboBox>(dialog, "Ty&pe:")->setCurrentIndex(kComputerPlayer);
            labelled<QLineEdit>(dialog, "Mo&ve Timeout (sec):")->setText("3");
            labelled<QLineEdit>(dialog, "Player &Name:")->setText("Ann");
            click(dialog, "OK");
        });
        frame.runCommand(kPlayerConfigurationCommand);
        QVERIFY(document.player(Side::kBlue).isComputer());
        QCOMPARE(document.player(Side::kBlue).timeout(), 3);
        QCOMPARE(document.player(Side::kRed).name(), std::string("Ann"));

        // New Game, Red's moves typed in Manual Entry, Blue's searches hurried along.
        frame.runCommand(kNewGameCommand);
        QCOMPARE(document.state(), GameState::kPlay);
        QElapsedTimer game;
        game.start();
        while (document.state() == GameState::kPlay && game.elapsed() < 180000) {
            if (document.thinking()) {
                QTest::qWait(150);
                frame.runCommand(kStopComputingAndMoveCommand);
                QVERIFY(waitFor([&] { return !document.thinking(); }, 10000));
                continue;
            }
            if (document.sideToMove() == Side::kRed) {
                const std::vector<LegalMove> moves = legalMoves(*document.board(), Side::kRed);
                QVERIFY(!moves.empty());
                const LegalMove move = moves[moves.size() / 3];
                whenModalOpens<ManualEntryDialog>([move](ManualEntryDialog& dialog) {
                    EntryKeys(dialog).type(name(move.from).toLower(), name(move.to),
                                           name(move.arrow));
                    click(dialog, "OK");
                });
                frame.runCommand(kManualEntryCommand);
                QCOMPARE(document.board()->content(move.to), Content::kRed);
            }
            QTest::qWait(20);
        }
        QCOMPARE(document.state(), GameState::kOver);
        QVERIFY(waitFor([&] { return !watcher.congratulations().isEmpty(); }, 2000));
        const Side loser = document.sideToMove();
        const QString winner = sideName(otherSide(loser));
        QVERIFY2(watcher.congratulations().front().startsWith(winner + " wins by "),
                 qPrintable(watcher.congratulations().front()));
        const int moves = static_cast<int>(document.gameRecord()->size());
        QVERIFY(moves >= 4);
        std::vector<std::string> playedTexts;
        for (const MoveRecord* move = document.gameRecord()->head(); move; move = move->next) {
            playedTexts.push_back(move->text());
        }

        // Save, then Stop.
        QTemporaryDir files;
        const QString path = files.filePath("session.txt");
        whenModalOpens<QFileDialog>([&](QFileDialog& dialog) { typeFileAndAccept(dialog, path); });
        frame.runCommand(kSaveCommand);
        QVERIFY(QFile::exists(path));
        QCOMPARE(profile.readString("Settings", "FileDlgDirectory"),
                 QDir(files.path()).absolutePath().toStdString());
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - session.txt[*]"));
        frame.runCommand(kStopGameCommand);
        QVERIFY(waitFor([&] { return document.state() == GameState::kStop; }, 5000));

        // Open it again with its players: the same board, record and Blue computer.
        profile.writeInt("Settings", "BlueType", kHumanPlayer);
        whenModalOpens<GameOpenDialog>([&](GameOpenDialog& dialog) {
            labelled<QLineEdit>(dialog, "&Filename:")->setText(path);
            click(dialog, "Open");
        });
        frame.runCommand(kOpenCommand);
        QCOMPARE(static_cast<int>(document.gameRecord()->size()), moves);
        QVERIFY2(document.player(Side::kBlue).isComputer(), "the players come from the file");
        QCOMPARE(document.board()->rows(), 6);
        QCOMPARE(document.state(), GameState::kPause);
        QVERIFY(waitFor([&] { return watcher.congratulations().size() == 2; }, 2000));
        QVERIFY2(watcher.congratulations()[1] == watcher.congratulations()[0],
                 "the replay ends the game again, with the same winner and margin");

        // Move History lists the game two moves a row, with the last one selected.
        QStringList listed;
        int selectedRow = -1;
        whenModalOpens<MoveHistoryDialog>([&](MoveHistoryDialog& dialog) {
            const auto* table = dialog.findChild<QTableWidget*>();
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column : {1, 3}) {
                    if (const QTableWidgetItem* item = table->item(row, column)) {
                        listed.append(item->text());
                    }
                }
            }
            if (!table->selectedRanges().isEmpty()) {
                selectedRow = table->selectedRanges().front().topRow();
            }
            click(dialog, "OK");
        });
        frame.runCommand(kMoveHistoryCommand);
        QCOMPARE(listed.size(), moves);
        for (int i = 0; i < moves; ++i) {
            QCOMPARE(listed[i], QString::fromStdString(playedTexts[i]));
        }
        QCOMPARE(selectedRow, (moves - 1) / 2);
        QVERIFY2(watcher.messages().isEmpty(), qPrintable(watcher.messages().join("; ")));

        const QString folder = qEnvironmentVariable("TARAVIN_DIALOG_PNG_DIR");
        if (!folder.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            frame.grab().save(folder + "/session_after_open.png");
        }
    }

  private:
    struct EntryKeys {
        explicit EntryKeys(const QDialog& dialog) : dialog_(dialog) {}
        void type(const QString& from, const QString& to, const QString& arrow) const {
            QTest::keyClicks(labelled<QLineEdit>(dialog_, "&Old Queen:"), from);
            QTest::keyClicks(labelled<QLineEdit>(dialog_, "&New Queen:"), to);
            QTest::keyClicks(labelled<QLineEdit>(dialog_, "&Arrow:"), arrow);
        }
        const QDialog& dialog_;
    };
};

}  // namespace taravin

QTEST_MAIN(taravin::DialogSessionTest)
#include "dialog_session_test.moc"
