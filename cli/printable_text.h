#pragma once

#include <string>
#include <string_view>

namespace taravin::cli {

// A piece of foreign input quoted in a message: at most `limit` characters, control
// characters shown as '?', and "..." when it was cut.
inline std::string printableText(std::string_view text, std::size_t limit = 60) {
    std::string shown;
    for (const char c : text.substr(0, limit)) {
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    }
    return shown + (text.size() > limit ? "..." : "");
}

}  // namespace taravin::cli
