#include "formats/game_file_reader.h"

#include <cstddef>
#include <limits>
#include <utility>

#include "model/location_parser.h"
#include "model/settings.h"

namespace taravin {

namespace {

constexpr std::string_view kLineBreaks = "\r\n";
constexpr std::string_view kMoveHistoryStart = "<MOVE-HISTORY-START>";
constexpr std::string_view kMoveHistoryEnd = "<MOVE-HISTORY-END>";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The white space a standard integer conversion skips, whatever the locale.
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char upperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int32_t saturated(int64_t value) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

std::string_view toLineEnd(std::string_view text) {
    return text.substr(0, text.find_first_of(kLineBreaks));
}

int32_t integerAt(std::string_view text) {
    return saturated(leadingInteger(text));
}

// Reads a type line field by field as "KEY=%d:%d:%d:%d:%[^\r\n]" would be scanned: a number
// may have leading white space and a sign, the name needs at least one character. A number
// too large for 32 bits saturates.
class TypeLineScanner {
  public:
    explicit TypeLineScanner(std::string_view text) : text_(text) {}

    bool literal(std::string_view expected) {
        if (!text_.starts_with(expected)) {
            return false;
        }
        text_.remove_prefix(expected.size());
        return true;
    }

    std::optional<int32_t> integer() {
        std::size_t start = 0;
        while (start < text_.size() && isSpace(text_[start])) {
            ++start;
        }
        std::size_t end = start;
        if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
            ++end;
        }
        if (end == text_.size() || !isDigit(text_[end])) {
            return std::nullopt;
        }
        const int32_t value = integerAt(text_.substr(start));
        while (end < text_.size() && isDigit(text_[end])) {
            ++end;
        }
        text_.remove_prefix(end);
        return value;
    }

    std::optional<std::string> restOfLine() {
        const std::string_view rest = toLineEnd(text_);
        if (rest.empty()) {
            return std::nullopt;
        }
        text_.remove_prefix(rest.size());
        return std::string(rest);
    }

  private:
    std::string_view text_;
};

std::optional<FilePlayer> readTypeLine(std::string_view text, std::string_view key) {
    const std::optional<std::string_view> line = afterKeyAtLineStart(text, key);
    if (!line) {
        return std::nullopt;
    }
    TypeLineScanner scanner(*line);
    if (!scanner.literal("=")) {
        return std::nullopt;
    }
    FilePlayer player;
    for (int32_t* field : {&player.type, &player.algorithm, &player.evaluation, &player.timeout}) {
        const std::optional<int32_t> value = scanner.integer();
        if (!value || !scanner.literal(":")) {
            return std::nullopt;
        }
        *field = *value;
    }
    std::optional<std::string> name = scanner.restOfLine();
    if (!name) {
        return std::nullopt;
    }
    player.name = std::move(*name);
    return player;
}

std::optional<FilePlayer> readPlayer(std::string_view text, std::string_view typeKey,
                                     std::string_view timeKey) {
    std::optional<FilePlayer> player = readTypeLine(text, typeKey);
    if (!player) {
        return std::nullopt;
    }
    const std::optional<std::string_view> time = afterKeyAtLineStart(text, timeKey);
    if (!time) {
        return std::nullopt;
    }
    player->clock = integerAt(*time);
    return player;
}

// The next square name at or after `position`, which then moves past it (two characters for
// a row below 10, three otherwise). Each run of digits is read only from the character
// before it, so a whole scan stays linear however long the runs are.
std::optional<Square> nextSquare(std::string_view text, std::size_t& position, int32_t rows,
                                 int32_t columns) {
    for (std::size_t p = position; p + 1 < text.size(); ++p) {
        const int32_t column = static_cast<unsigned char>(upperCase(text[p])) - ('A' - 1);
        if (column < 1 || column > columns || text[p + 1] < '1' || text[p + 1] > '9') {
            continue;
        }
        const int64_t row = leadingInteger(text.substr(p + 1));
        if (row > rows) {
            continue;
        }
        position = p + (row < 10 ? 2 : 3);
        return Square{static_cast<int32_t>(row), column};
    }
    position = text.size();
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> afterKeyAtLineStart(std::string_view text, std::string_view key) {
    for (std::size_t lineStart = 0;;) {
        const std::string_view line = text.substr(lineStart);
        if (line.starts_with(key)) {
            return line.substr(key.size());
        }
        const std::size_t lineBreak = text.find_first_of(kLineBreaks, lineStart);
        if (lineBreak == std::string_view::npos) {
            return std::nullopt;
        }
        lineStart = lineBreak + 1;
    }
}

void storeFileBoardSetup(std::string_view setupText, Profile& profile) {
    const std::pair<std::string_view, const StringSetting*> locationKeys[] = {
        {"RED-AMAZONS=", &kRedLocationsSetting},
        {"BLUE-AMAZONS=", &kBlueLocationsSetting},
        {"ARROWS=", &kArrowLocationsSetting},
    };
    for (const auto& [key, setting] : locationKeys) {
        const std::optional<std::string_view> value = afterKeyAtLineStart(setupText, key);
        if (!value) {
            return;
        }
        writeSetting(profile, *setting, toLineEnd(*value));
    }
    const std::pair<std::string_view, const IntSetting*> sizeKeys[] = {
        {"COLUMNS=", &kColumnsSetting},
        {"ROWS=", &kRowsSetting},
    };
    for (const auto& [key, setting] : sizeKeys) {
        const std::optional<std::string_view> value = afterKeyAtLineStart(setupText, key);
        if (!value) {
            return;
        }
        writeSetting(profile, *setting, integerAt(*value));
    }
}

FilePlayers readFilePlayers(std::string_view gameInfoText) {
    FilePlayers players;
    players.red = readPlayer(gameInfoText, "RED-TYPE", "RED-TIME=");
    if (players.red) {
        players.blue = readPlayer(gameInfoText, "BLUE-TYPE", "BLUE-TIME=");
    }
    return players;
}

void applyFilePlayer(const FilePlayer& player, PlayerRecord& record) {
    record.set(player.name, player.type, player.algorithm, player.evaluation,
               guardedMoveTimeout(player.timeout), player.clock);
}

std::string_view moveHistoryText(std::string_view fileText) {
    const std::optional<std::string_view> history =
        afterKeyAtLineStart(fileText, kMoveHistoryStart);
    if (!history) {
        return fileText;
    }
    return history->substr(0, history->find(kMoveHistoryEnd));
}

std::vector<ScannedMove> scanMoves(std::string_view historyText, int32_t rows, int32_t columns) {
    std::vector<ScannedMove> moves;
    std::size_t position = 0;
    for (;;) {
        const std::optional<Square> from = nextSquare(historyText, position, rows, columns);
        const std::optional<Square> to =
            from ? nextSquare(historyText, position, rows, columns) : std::nullopt;
        const std::optional<Square> arrow =
            to ? nextSquare(historyText, position, rows, columns) : std::nullopt;
        if (!arrow) {
            return moves;
        }
        moves.push_back({*from, *to, *arrow});
    }
}

}  // namespace taravin
