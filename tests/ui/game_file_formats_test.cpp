#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "dialog_test_support.h"
#include "dialogs/game_open_dialog.h"
#include "model/move_generation.h"
#include "tests/file_size_limit.h"
#include "ui/game_file_access.h"
#include "ui_test_support.h"

// Saving and opening through the window: the format follows the file the game came from or
// went to, and a save that cannot be completed leaves the earlier file as it was.

namespace taravin {

using namespace testing;

namespace {

void playFirstLegalMoves(CAmazonDoc& document, int count) {
    for (int i = 0; i < count; ++i) {
        std::optional<std::array<Square, 3>> first;
        forEachLegalMove(*document.board(), document.sideToMove(),
                         [&](const Square& from, const Square& to, const Square& arrow) {
                             if (!first) {
                                 first = std::array<Square, 3>{from, to, arrow};
                             }
                         });
        document.applyMove((*first)[0], (*first)[1], (*first)[2]);
    }
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves through the window's Save command, typing `typed`; returns the filter the dialog
// started on.
QString saveAs(CMainFrame& frame, const QString& typed) {
    QString startFilter;
    whenModalOpens<QFileDialog>([&startFilter, typed](QFileDialog& files) {
        startFilter = files.selectedNameFilter();
        typeFileAndAccept(files, typed);
    });
    frame.runCommand(kSaveCommand);
    return startFilter;
}

// Saves over an existing file through the Save command, answering Yes to the overwrite
// question; returns the text of the message box that follows, if any.
QString saveOver(CMainFrame& frame, const QString& path) {
    auto message = std::make_shared<QString>();
    whenModalOpens<QFileDialog>([path, message](QFileDialog& files) {
        whenModalOpens<QMessageBox>([message](QMessageBox& overwrite) {
            whenModalOpens<QMessageBox>([message](QMessageBox& box) {
                *message = box.text();
                box.accept();
            });
            overwrite.button(QMessageBox::Yes)->click();
        });
        typeFileAndAccept(files, path);
    });
    frame.runCommand(kSaveCommand);
    return *message;
}

// Opens through the Game Open dialog, picking the file with Browse.
void open(CMainFrame& frame, const QString& path) {
    whenModalOpens<GameOpenDialog>([path](GameOpenDialog& dialog) {
        whenModalOpens<QFileDialog>([path](QFileDialog& files) { typeFileAndAccept(files, path); });
        click(dialog, "&Browse...");
        click(dialog, "Open");
    });
    frame.runCommand(kOpenCommand);
}

// A game window on a profile of its own; its dialogs are answered by each test.
struct OwnWindow {
    TemporarySettings settings;
    QSettingsProfile profile;
    FixedMemoryStatus memory{1u << 22};
    GameSession session{profile, memory};
};

const QString kNativeFilter = QStringLiteral("Taravin Files (*.txt)");
const QString kSgfFilter = QStringLiteral("SGF game (*.sgf)");

}  // namespace

class GameFileFormatsTest : public QObject {
    Q_OBJECT

  private slots:
    void saveKeepsTheFormatTheGameCameFrom() {
        OwnWindow window;
        CMainFrame& frame = window.session.frame();
        CAmazonDoc& document = window.session.document();
        frame.runCommand(kNewGameCommand);
        playFirstLegalMoves(document, 3);
        QTemporaryDir files;

        // A new game saves in the native format unless SGF is asked for by its extension.
        QCOMPARE(saveAs(frame, files.filePath("native")), kNativeFilter);
        QVERIFY(contentOf(files.filePath("native.txt")).startsWith("<GAME-INFO-START>"));
        QCOMPARE(saveAs(frame, files.filePath("exported.sgf")), kNativeFilter);
        QVERIFY(contentOf(files.filePath("exported.sgf")).startsWith("(;FF[4]GM[18]"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - exported.sgf[*]"));
        // The next save starts on SGF, and a bare name becomes an SGF file.
        QCOMPARE(saveAs(frame, files.filePath("again")), kSgfFilter);
        QVERIFY(contentOf(files.filePath("again.sgf")).startsWith("(;FF[4]GM[18]"));

        // Opening reads each file by its content and makes its format the one Save offers.
        frame.runCommand(kStopGameCommand);
        QVERIFY(waitFor([&] { return document.state() == GameState::kStop; }, 5000));
        open(frame, files.filePath("native.txt"));
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - native.txt[*]"));
        QCOMPARE(static_cast<int>(document.gameRecord()->size()), 3);
        QCOMPARE(saveAs(frame, files.filePath("from native")), kNativeFilter);
        frame.runCommand(kStopGameCommand);
        QVERIFY(waitFor([&] { return document.state() == GameState::kStop; }, 5000));
        open(frame, files.filePath("again.sgf"));
        QCOMPARE(static_cast<int>(document.gameRecord()->size()), 3);
        QCOMPARE(saveAs(frame, files.filePath("from sgf")), kSgfFilter);
        QVERIFY(QFile::exists(files.filePath("from sgf.sgf")));
    }

    void aFailedSaveSaysSoAndKeepsTheEarlierFile() {
        OwnWindow window;
        CMainFrame& frame = window.session.frame();
        CAmazonDoc& document = window.session.document();
        frame.runCommand(kNewGameCommand);
        QTemporaryDir files;
        const QString path = files.filePath("game.txt");
        saveAs(frame, path);
        const QByteArray earlier = contentOf(path);
        QVERIFY(!earlier.isEmpty());
        playFirstLegalMoves(document, 10);
        frame.setWindowTitle(QStringLiteral("before"));

        // A failed save does not move the folder the next file dialog starts in.
        QTemporaryDir elsewhere;
        window.profile.writeString("Settings", "FileDlgDirectory", elsewhere.path().toStdString());
        QString message;
        {
            // The disk is full once the earlier game's size is reached.
            const FileSizeLimit full(static_cast<rlim_t>(earlier.size()));
            message = saveOver(frame, path);
        }
        QCOMPARE(window.profile.readString("Settings", "FileDlgDirectory"),
                 elsewhere.path().toStdString());
        QCOMPARE(message,
                 QStringLiteral("An error occurred while writing game.txt.\n") + kDiskFullMessage);
        QCOMPARE(contentOf(path), earlier);
        QCOMPARE(QDir(files.path()).entryList(QDir::Files), QStringList{"game.txt"});
        QCOMPARE(frame.windowTitle(), QStringLiteral("before"));
    }

    // Neither a section nor a move in it: refused by name, the game on the board stays.
    void aFileThatIsNoGameFileIsRefused() {
        OwnWindow window;
        CMainFrame& frame = window.session.frame();
        CAmazonDoc& document = window.session.document();
        frame.runCommand(kNewGameCommand);
        playFirstLegalMoves(document, 2);
        QTemporaryDir files;
        const QString saved = files.filePath("kept.txt");
        saveAs(frame, saved);
        frame.runCommand(kStopGameCommand);
        QVERIFY(waitFor([&] { return document.state() == GameState::kStop; }, 5000));
        const QString notes = files.filePath("notes.txt");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Shopping list\nmilk, bread, 2 apples\n");
        file.close();

        auto message = std::make_shared<QString>();
        whenModalOpens<QMessageBox>([message](QMessageBox& box) {
            *message = box.text();
            box.accept();
        });
        open(frame, notes);
        QCOMPARE(*message, QString::fromLatin1(CAmazonDoc::kNotAGameFileMessage));
        QCOMPARE(document.gameRecord()->size(), std::size_t{2});
        QCOMPARE(document.state(), GameState::kStop);
        QCOMPARE(frame.windowTitle(), QStringLiteral("Taravin - kept.txt[*]"));
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::GameFileFormatsTest)
#include "game_file_formats_test.moc"
