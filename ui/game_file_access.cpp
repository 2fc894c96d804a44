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
    // Unbuffered, so a short write (a full disk) shows in write()'s count: a buffered flush
    // reports a partial write as success, and commit would then put a cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const qint64 size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        return file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QString::fromUtf8(kDiskFullMessage);
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace taravin
