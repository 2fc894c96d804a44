#include "cli/text_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace taravin {

bool saveTextFile(const std::string& path, const std::string& text, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path temporary = target;
    temporary += ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            error = "Unable to write " + temporary.string() + ".";
            out.close();
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code failure;
    fs::rename(temporary, target, failure);
    if (failure) {
        error = "Unable to save " + path + ": " + failure.message() + ".";
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace taravin
