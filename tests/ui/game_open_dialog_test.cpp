#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/dialog_commands.h"
#include "dialogs/game_open_dialog.h"
#include "model/settings.h"

namespace taravin {

using namespace testing;

namespace {

void createFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot create %s", qPrintable(path));
    }
}

}  // namespace

// The file dialogs are Qt's own on the offscreen platform, so the tests act on them as a user.
class GameOpenDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(folder_.isValid()); }

    void opensEmptyWithThePlayersBoxChecked() {
        MemoryProfile profile;
        GameOpenDialog dialog(profile);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Game Open"));
        const auto* fileName = labelled<QLineEdit>(dialog, "&Filename:");
        QVERIFY(fileName);
        QVERIFY(fileName->text().isEmpty());
        QCOMPARE(fileName->maxLength(), 256);
        QVERIFY(
            captioned<QCheckBox>(dialog, "&Load the player configuration information from the file")
                ->isChecked());
        QVERIFY(captioned(dialog, "&Browse..."));
    }

    void openGivesTheTypedNameAndTheBoxAndWritesNothing() {
        MemoryProfile profile;
        whenModalOpens<GameOpenDialog>([](GameOpenDialog& dialog) {
            QTest::keyClicks(labelled<QLineEdit>(dialog, "&Filename:"), "saved game.txt");
            click(dialog, "&Load the player configuration information from the file");
            click(dialog, "Open");
        });
        const std::optional<GameOpenChoice> choice = runGameOpenDialog(nullptr, profile);
        QVERIFY(choice.has_value());
        QCOMPARE(choice->fileName, QStringLiteral("saved game.txt"));
        QVERIFY(!choice->loadPlayers);
        QVERIFY(profile.writes().empty());

        whenModalOpens<GameOpenDialog>([](GameOpenDialog& dialog) { click(dialog, "Cancel"); });
        QVERIFY(!runGameOpenDialog(nullptr, profile).has_value());
        QVERIFY(profile.writes().empty());
    }

    void browseStartsInTheStoredFolderAndStoresThePickedOne() {
        QDir(folder_.path()).mkdir("games");
        const QString games = folder_.filePath("games");
        createFile(games + "/first.txt");
        MemoryProfile profile;
        profile.writeString("Settings", "FileDlgDirectory", folder_.path().toStdString());
        profile.clearWrites();
        GameOpenDialog dialog(profile);
        dialog.show();

        QString startFolder;
        QStringList filters;
        whenModalOpens<QFileDialog>([&](QFileDialog& files) {
            startFolder = files.directory().absolutePath();
            filters = files.nameFilters();
            typeFileAndAccept(files, games + "/first.txt");
        });
        click(dialog, "&Browse...");
        QCOMPARE(startFolder, QDir(folder_.path()).absolutePath());
        QCOMPARE(filters,
                 QStringList({"Taravin and SGF games (*.txt *.sgf)", "Taravin Files (*.txt)",
                              "SGF game (*.sgf)", "All Files (*)"}));
        QCOMPARE(dialog.fileName(), QDir(games).absoluteFilePath("first.txt"));
        const std::vector<ProfileWrite> expected{
            {"Settings", "FileDlgDirectory", QDir(games).absolutePath().toStdString()}};
        QCOMPARE(profile.writes(), expected);

        profile.clearWrites();
        whenModalOpens<QFileDialog>([](QFileDialog& files) { files.reject(); });
        click(dialog, "&Browse...");
        QCOMPARE(dialog.fileName(), QDir(games).absoluteFilePath("first.txt"));
        QVERIFY(profile.writes().empty());
    }

    void aPickedPathLongerThanTheTypingLimitIsKeptWhole() {
        QString deep = folder_.path();
        for (int level = 0; level < 6; ++level) {
            deep += "/" + QString(50, QChar('a' + level));
        }
        QVERIFY(QDir().mkpath(deep));
        const QString path = deep + "/long.txt";
        createFile(path);
        QVERIFY(path.size() > 256);
        MemoryProfile profile;
        GameOpenDialog dialog(profile);
        dialog.show();
        whenModalOpens<QFileDialog>([&](QFileDialog& files) { typeFileAndAccept(files, path); });
        click(dialog, "&Browse...");
        QCOMPARE(dialog.fileName(), path);
    }

    void saveProposesTheNameAndLeavesTheFolderToTheCaller() {
        MemoryProfile profile;
        profile.writeString("Settings", "FileDlgDirectory", folder_.path().toStdString());
        profile.clearWrites();
        QStringList proposed;
        QStringList filters;
        QString startFilter;
        bool saving = false;
        whenModalOpens<QFileDialog>([&](QFileDialog& files) {
            proposed = files.selectedFiles();
            filters = files.nameFilters();
            startFilter = files.selectedNameFilter();
            saving = files.acceptMode() == QFileDialog::AcceptSave;
            typeFileAndAccept(files, folder_.filePath("new game"));
        });
        const std::optional<SaveTarget> target = runSaveFileDialog(
            nullptr, profile, QStringLiteral("Untitled.txt"), GameFileFormat::kNative);
        QVERIFY(saving);
        QCOMPARE(proposed, QStringList{QDir(folder_.path()).absoluteFilePath("Untitled.txt")});
        QCOMPARE(filters,
                 QStringList({"Taravin Files (*.txt)", "SGF game (*.sgf)", "All Files (*)"}));
        QCOMPARE(startFilter, QStringLiteral("Taravin Files (*.txt)"));
        QVERIFY(target.has_value());
        QCOMPARE(target->path, QDir(folder_.path()).absoluteFilePath("new game.txt"));
        QVERIFY(target->format == GameFileFormat::kNative);
        // The folder is stored by the caller once the file is written.
        QVERIFY(profile.writes().empty());

        whenModalOpens<QFileDialog>([](QFileDialog& files) { files.reject(); });
        QVERIFY(!runSaveFileDialog(nullptr, profile, "x.txt", GameFileFormat::kNative));
        QVERIFY(profile.writes().empty());
    }

    void saveChoosesTheFormatByFilterAndTypedExtension() {
        MemoryProfile profile;
        profile.writeString("Settings", "FileDlgDirectory", folder_.path().toStdString());
        const auto save = [&](GameFileFormat start, const QString& typed,
                              const QString& chosenFilter) {
            whenModalOpens<QFileDialog>([this, typed, chosenFilter](QFileDialog& files) {
                if (!chosenFilter.isEmpty()) {
                    files.selectNameFilter(chosenFilter);
                    emit files.filterSelected(chosenFilter);
                }
                typeFileAndAccept(files, folder_.filePath(typed));
            });
            return runSaveFileDialog(nullptr, profile, "game", start);
        };
        const QString sgf = QDir(folder_.path()).absoluteFilePath("game.sgf");

        // A game opened or last saved as SGF starts on SGF.
        std::optional<SaveTarget> target = save(GameFileFormat::kSgf, "game", {});
        QVERIFY(target && target->format == GameFileFormat::kSgf);
        QCOMPARE(target->path, sgf);

        // Choosing the SGF filter by hand does the same.
        target = save(GameFileFormat::kNative, "game", "SGF game (*.sgf)");
        QVERIFY(target && target->format == GameFileFormat::kSgf);
        QCOMPARE(target->path, sgf);

        // A typed extension wins over the filter.
        target = save(GameFileFormat::kNative, "typed.sgf", {});
        QVERIFY(target && target->format == GameFileFormat::kSgf);
        target = save(GameFileFormat::kSgf, "typed.txt", {});
        QVERIFY(target && target->format == GameFileFormat::kNative);
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace taravin

QTEST_MAIN(taravin::GameOpenDialogTest)
#include "game_open_dialog_test.moc"
