#pragma once

#include <string>

namespace taravin {

// Writes the text to a temporary file in the same folder and renames it over `path` only once
// everything was written, so a failed save never destroys the earlier file. On failure returns
// false with a message in `error`.
bool saveTextFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace taravin
