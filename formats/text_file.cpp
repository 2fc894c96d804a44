#include "formats/text_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace taravin {

namespace {

namespace fs = std::filesystem;

// The file a save replaces: the target of a symbolic link, so that the link stays.
fs::path replacedFile(const fs::path& path) {
    std::error_code failure;
    if (!fs::is_symlink(path, failure)) {
        return path;
    }
    const fs::path resolved = fs::weakly_canonical(path, failure);
    return failure ? path : resolved;
}

}  // namespace

std::optional<SaveFailure> saveTextFile(const std::string& path, std::string_view text) {
    const fs::path target = replacedFile(path);
    fs::path temporary = target;
    temporary += ".saving";
    const auto removeTemporary = [&] {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    };
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const bool created = out.is_open();
        const int openError = errno;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            SaveFailure failure{"Unable to write " + temporary.string() + ".", created, {}};
            if (!created) {
                failure.reason = openError != 0 ? std::generic_category().message(openError)
                                                : "The file could not be created.";
            }
            removeTemporary();
            return failure;
        }
    }
    std::error_code failure;
    const fs::file_status earlier = fs::status(target, failure);
    if (!failure && fs::is_regular_file(earlier)) {
        fs::permissions(temporary, earlier.permissions(), failure);
    }
    fs::rename(temporary, target, failure);
    if (failure) {
        removeTemporary();
        return SaveFailure{"Unable to save " + path + ": " + failure.message() + ".", false,
                           failure.message()};
    }
    return std::nullopt;
}

}  // namespace taravin
