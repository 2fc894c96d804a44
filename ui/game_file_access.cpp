#include "ui/game_file_access.h"

#include <QFile>
#include <QSaveFile>

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
    QSaveFile file(path);
    const qint64 size = static_cast<qint64>(text.size());
    if (file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size && file.commit()) {
        return std::nullopt;
    }
    return file.errorString();
}

}  // namespace taravin
