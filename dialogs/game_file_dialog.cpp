#include "dialogs/game_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "model/settings.h"

namespace taravin {

std::optional<QString> chooseGameFile(QWidget* parent, Profile& profile, GameFileAction action,
                                      const QString& proposedName) {
    const QString folder = QString::fromStdString(readSetting(profile, kFileDlgDirectorySetting));
    QFileDialog dialog(parent);
    dialog.setNameFilters(
        {QStringLiteral("Taravin Files (*.txt)"), QStringLiteral("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    if (action == GameFileAction::kSave) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.selectFile(proposedName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().front();
    writeSetting(profile, kFileDlgDirectorySetting, QFileInfo(path).absolutePath().toStdString());
    return path;
}

}  // namespace taravin
