#include "ui/game_file_access.h"

#include <QFile>

#include "formats/text_file.h"

namespace taravin {

ReadGameFile readGameFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, kUnableToOpenFile};
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError ||
        (!file.isSequential() && content.size() < file.size())) {
        return {std::nullopt, kUnableToReadGameFile};
    }
    return {content.toStdString(), {}};
}

std::optional<QString> saveGameFile(const QString& path, const std::string& text) {
    const std::optional<SaveFailure> failure = saveTextFile(path.toStdString(), text);
    if (!failure) {
        return std::nullopt;
    }
    return QString::fromStdString(failure->fellShort ? kDiskFullMessage : failure->reason);
}

}  // namespace taravin
