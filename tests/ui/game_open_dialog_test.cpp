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

// Types the path into the file dialog's name field, as the user would (the dialog lists its
// folders in the background, so picking from the list would race it), and presses Open or Save.
void typeAndPress(QFileDialog& files, const QString& path) {
    auto* name = files.findChild<QLineEdit*>("fileNameEdit");
    if (!name) {
        qFatal("the file dialog has no name field");
    }
    name->setText(path);
    // QFileDialog keeps its accept() protected; through QDialog it runs as the button runs it.
    static_cast<QDialog&>(files).accept();
    if (files.isVisible()) {
        qFatal("the file dialog refused %s", qPrintable(path));
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
        QString suffix;
        whenModalOpens<QFileDialog>([&](QFileDialog& files) {
            startFolder = files.directory().absolutePath();
            filters = files.nameFilters();
            suffix = files.defaultSuffix();
            typeAndPress(files, games + "/first.txt");
        });
        click(dialog, "&Browse...");
        QCOMPARE(startFolder, QDir(folder_.path()).absolutePath());
        QCOMPARE(filters, QStringList({"Taravin Files (*.txt)", "All Files (*)"}));
        QCOMPARE(suffix, QStringLiteral("txt"));
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
        whenModalOpens<QFileDialog>([&](QFileDialog& files) { typeAndPress(files, path); });
        click(dialog, "&Browse...");
        QCOMPARE(dialog.fileName(), path);
    }

    void saveProposesTheNameAndStoresTheFolder() {
        MemoryProfile profile;
        profile.writeString("Settings", "FileDlgDirectory", folder_.path().toStdString());
        profile.clearWrites();
        QStringList proposed;
        bool saving = false;
        whenModalOpens<QFileDialog>([&](QFileDialog& files) {
            proposed = files.selectedFiles();
            saving = files.acceptMode() == QFileDialog::AcceptSave;
            typeAndPress(files, folder_.filePath("new game"));
        });
        const std::optional<QString> path =
            runSaveFileDialog(nullptr, profile, QStringLiteral("Untitled.txt"));
        QVERIFY(saving);
        QCOMPARE(proposed, QStringList{QDir(folder_.path()).absoluteFilePath("Untitled.txt")});
        QVERIFY(path.has_value());
        QCOMPARE(*path, QDir(folder_.path()).absoluteFilePath("new game.txt"));
        const std::vector<ProfileWrite> expected{
            {"Settings", "FileDlgDirectory", QDir(folder_.path()).absolutePath().toStdString()}};
        QCOMPARE(profile.writes(), expected);

        profile.clearWrites();
        whenModalOpens<QFileDialog>([](QFileDialog& files) { files.reject(); });
        QVERIFY(!runSaveFileDialog(nullptr, profile, "x.txt").has_value());
        QVERIFY(profile.writes().empty());
    }

  private:
    QTemporaryDir folder_;
};

}  // namespace taravin

QTEST_MAIN(taravin::GameOpenDialogTest)
#include "game_open_dialog_test.moc"
