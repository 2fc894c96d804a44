#include "dialogs/game_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "model/settings.h"

namespace taravin {

namespace {

const QString kNativeFilter = QStringLiteral("Taravin Files (*.txt)");
const QString kSgfFilter = QStringLiteral("SGF game (*.sgf)");
const QString kAllFilesFilter = QStringLiteral("All Files (*)");
const QString kAnyGameFilter = QStringLiteral("Taravin and SGF games (*.txt *.sgf)");

QString suffixOf(GameFileFormat format) {
    return format == GameFileFormat::kSgf ? QStringLiteral("sgf") : QStringLiteral("txt");
}

void startInStoredFolder(QFileDialog& dialog, Profile& profile) {
    const QString folder = QString::fromStdString(readSetting(profile, kFileDlgDirectorySetting));
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
}

std::optional<QString> chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

GameFileFormat formatOf(const QString& path, const QString& selectedFilter) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QStringLiteral("sgf"), Qt::CaseInsensitive) == 0) {
        return GameFileFormat::kSgf;
    }
    if (suffix.compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0) {
        return GameFileFormat::kNative;
    }
    return selectedFilter == kSgfFilter ? GameFileFormat::kSgf : GameFileFormat::kNative;
}

}  // namespace

std::optional<QString> chooseGameFileToOpen(QWidget* parent, Profile& profile) {
    QFileDialog dialog(parent);
    dialog.setNameFilters({kAnyGameFilter, kNativeFilter, kSgfFilter, kAllFilesFilter});
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    startInStoredFolder(dialog, profile);
    const std::optional<QString> path = chosenPath(dialog);
    if (path) {
        rememberGameFolder(profile, *path);
    }
    return path;
}

void rememberGameFolder(Profile& profile, const QString& path) {
    writeSetting(profile, kFileDlgDirectorySetting, QFileInfo(path).absolutePath().toStdString());
}

std::optional<SaveTarget> chooseGameFileToSave(QWidget* parent, Profile& profile,
                                               const QString& proposedName, GameFileFormat format) {
    QFileDialog dialog(parent);
    dialog.setNameFilters({kNativeFilter, kSgfFilter, kAllFilesFilter});
    dialog.selectNameFilter(format == GameFileFormat::kSgf ? kSgfFilter : kNativeFilter);
    dialog.setDefaultSuffix(suffixOf(format));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
            if (filter != kAllFilesFilter) {
                dialog.setDefaultSuffix(suffixOf(filter == kSgfFilter ? GameFileFormat::kSgf
                                                                      : GameFileFormat::kNative));
            }
        });
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    startInStoredFolder(dialog, profile);
    dialog.selectFile(proposedName);
    const std::optional<QString> path = chosenPath(dialog);
    if (!path) {
        return std::nullopt;
    }
    return SaveTarget{*path, formatOf(*path, dialog.selectedNameFilter())};
}

}  // namespace taravin
