#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace taravin {

// Why a save failed; the earlier file is as it was in every case.
struct SaveFailure {
    // Names the file: "Unable to write game.txt.saving." or "Unable to save game.txt: ...".
    std::string message;
    // The text was cut off while it was written: the disk is full or the file too large.
    bool fellShort = false;
    // The system's reason when the file could not be made or put in place.
    std::string reason;
};

// Writes the text to a temporary file in the same folder and renames it over `path` only once
// everything was written, so a failed save never destroys the earlier file. The new file keeps
// the earlier one's permissions, and a symbolic link is followed rather than replaced.
std::optional<SaveFailure> saveTextFile(const std::string& path, std::string_view text);

}  // namespace taravin
