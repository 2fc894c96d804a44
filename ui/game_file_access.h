#pragma once

#include <QString>
#include <optional>
#include <string>

namespace taravin {

// A game file read whole, or the message that says why it could not be.
struct ReadGameFile {
    std::optional<std::string> text;
    std::string error;
};
ReadGameFile readGameFile(const QString& path);

inline constexpr const char* kUnableToOpenFile = "Unable to open file.";
inline constexpr const char* kUnableToReadGameFile = "Unable to read the game file.";
inline constexpr const char* kDiskFullMessage =
    "Not all of the game could be written; the disk may be full.";

// Writes the text beside the file and puts it in place only when all of it was written, so
// a failed save leaves the earlier file as it was. Returns the error text, or nothing.
std::optional<QString> saveGameFile(const QString& path, const std::string& text);

}  // namespace taravin
