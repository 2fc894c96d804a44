#include "formats/sgf_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>

#include "formats/review_text.h"
#include "formats/sgf_tree.h"
#include "formats/text_encoding.h"
#include "model/board_setup.h"
#include "model/location_parser.h"
#include "model/settings.h"

namespace taravin {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view kBlanks = kSgfBlanks;
constexpr std::size_t kMaxTextLength = kMaxPlayerNameLength;

using Property = SgfProperty;
using Node = SgfNode;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view withoutPreamble(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

const std::vector<std::string>* values(const Node& node, std::string_view name) {
    for (const Property& property : node) {
        if (property.name == name) {
            return &property.values;
        }
    }
    return nullptr;
}

std::optional<std::string_view> firstValue(const Node& node, std::string_view name) {
    const std::vector<std::string>* found = values(node, name);
    if (!found || found->empty()) {
        return std::nullopt;
    }
    return found->front();
}

enum class Charset { kUtf8, kLatin1, kGuess };

Charset charsetOf(const Node& root) {
    const std::optional<std::string_view> value = firstValue(root, "CA");
    if (!value) {
        return Charset::kGuess;
    }
    std::string name;
    for (const char c : *value) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    if (name == "UTF8") {
        return Charset::kUtf8;
    }
    if (name == "ISO88591" || name == "LATIN1" || name == "ISOLATIN1" || name == "ASCII" ||
        name == "USASCII") {
        return Charset::kLatin1;
    }
    return Charset::kGuess;
}

// A text property as one line of valid UTF-8: decoded, control characters as blanks, blanks
// trimmed, at most kMaxTextLength characters.
std::string decodedText(std::string_view raw, Charset charset) {
    const bool utf8 = charset == Charset::kUtf8 || (charset == Charset::kGuess && isValidUtf8(raw));
    std::string text;
    std::size_t characters = 0;
    while (!raw.empty() && characters < kMaxTextLength) {
        const unsigned char lead = static_cast<unsigned char>(raw.front());
        std::size_t length = 1;
        if (lead < 0x20 || lead == 0x7F) {
            text += ' ';
        } else if (lead < 0x80) {
            text += static_cast<char>(lead);
        } else if (!utf8) {
            appendLatin1AsUtf8(text, lead);
        } else if (const std::size_t sequence = utf8SequenceLength(raw); sequence > 0) {
            text.append(raw.substr(0, sequence));
            length = sequence;
        } else {
            text.append(kReplacementCharacter);
        }
        raw.remove_prefix(length);
        ++characters;
    }
    return std::string(trimmed(text));
}

// A value quoted in a message: readable and short, whatever the file holds.
std::string shown(std::string_view raw) {
    return decodedText(raw, Charset::kGuess);
}

std::optional<int32_t> boardSizeNumber(std::string_view text) {
    text = trimmed(text);
    int32_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

bool readBoardSize(const Node& root, SgfGame& game, std::string& error) {
    const std::optional<std::string_view> value = firstValue(root, "SZ");
    if (!value) {
        return true;
    }
    const std::size_t colon = value->find(':');
    const std::optional<int32_t> columns = boardSizeNumber(value->substr(0, colon));
    const std::optional<int32_t> rows =
        colon == std::string_view::npos ? columns : boardSizeNumber(value->substr(colon + 1));
    const auto supported = [](const std::optional<int32_t>& size) {
        return size && *size >= kMinBoardSize && *size <= kMaxBoardSize;
    };
    if (!supported(columns) || !supported(rows)) {
        error = "The board of this SGF game (SZ[" + shown(*value) +
                "]) is not supported: a board has 1 to 20 rows and columns.";
        return false;
    }
    game.columns = *columns;
    game.rows = *rows;
    return true;
}

std::optional<Square> pointAt(std::string_view text, int32_t rows, int32_t columns) {
    if (text.size() != 2) {
        return std::nullopt;
    }
    const int32_t column = text[0] - 'a' + 1;
    const int32_t rowFromTop = text[1] - 'a' + 1;
    if (column < 1 || column > columns || rowFromTop < 1 || rowFromTop > rows) {
        return std::nullopt;
    }
    return Square{rows - rowFromTop + 1, column};
}

// The start position while the setup is applied: the content of every point and when it was
// last placed, so that each list comes out in the order of the last placements.
class SetupBoard {
  public:
    SetupBoard(int32_t rows, int32_t columns)
        : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows * columns)) {}

    void place(const Square& square, Content content) {
        Cell& cell =
            cells_[static_cast<std::size_t>((square.row - 1) * columns_ + square.column - 1)];
        cell.content = content;
        cell.placed = ++placements_;
    }

    // Every point of a value "dj" or of a rectangle "aa:cc"; false when one is off the board.
    bool placeValue(std::string_view value, Content content) {
        value = trimmed(value);
        if (value.empty()) {
            return true;
        }
        const std::size_t colon = value.find(':');
        const std::optional<Square> first = pointAt(value.substr(0, colon), rows_, columns_);
        const std::optional<Square> last = colon == std::string_view::npos
                                               ? first
                                               : pointAt(value.substr(colon + 1), rows_, columns_);
        if (!first || !last) {
            return false;
        }
        const auto [lowRow, highRow] = std::minmax(first->row, last->row);
        const auto [lowColumn, highColumn] = std::minmax(first->column, last->column);
        for (int32_t row = highRow; row >= lowRow; --row) {
            for (int32_t column = lowColumn; column <= highColumn; ++column) {
                place({row, column}, content);
            }
        }
        return true;
    }

    // The points holding `content`, in the order they were last placed.
    std::vector<Square> points(Content content) const {
        std::vector<std::pair<uint64_t, Square>> placed;
        for (std::size_t i = 0; i < cells_.size(); ++i) {
            if (cells_[i].content == content) {
                const auto index = static_cast<int32_t>(i);
                placed.push_back({cells_[i].placed, {index / columns_ + 1, index % columns_ + 1}});
            }
        }
        std::sort(placed.begin(), placed.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<Square> squares;
        for (const auto& entry : placed) {
            squares.push_back(entry.second);
        }
        return squares;
    }

  private:
    struct Cell {
        Content content = Content::kEmpty;
        uint64_t placed = 0;
    };

    int32_t rows_;
    int32_t columns_;
    std::vector<Cell> cells_;
    uint64_t placements_ = 0;
};

bool readSetup(const Node& root, SgfGame& game, std::string& error) {
    SetupBoard setup(game.rows, game.columns);
    if (!values(root, "AB") && !values(root, "AW")) {
        if (game.rows != kDefaultBoardSize || game.columns != kDefaultBoardSize) {
            error =
                "This SGF game has no setup (AB, AW): the start position is known only on a "
                "10 x 10 board.";
            return false;
        }
        for (const Square& square :
             parseLocations(kDefaultBlueLocations, game.rows, game.columns)) {
            setup.place(square, Content::kBlue);
        }
        for (const Square& square : parseLocations(kDefaultRedLocations, game.rows, game.columns)) {
            setup.place(square, Content::kRed);
        }
    }
    const std::pair<std::string_view, Content> setupProperties[] = {{"AB", Content::kRed},
                                                                    {"AW", Content::kBlue},
                                                                    {"AA", Content::kArrow},
                                                                    {"AE", Content::kEmpty}};
    for (const Property& property : root) {
        for (const auto& [name, content] : setupProperties) {
            if (property.name != name) {
                continue;
            }
            for (const std::string& value : property.values) {
                if (!setup.placeValue(value, content)) {
                    error =
                        "The setup of this SGF game names a point off the board: " + property.name +
                        "[" + shown(value) + "].";
                    return false;
                }
            }
        }
    }
    game.redAmazons = setup.points(Content::kRed);
    game.blueAmazons = setup.points(Content::kBlue);
    game.arrows = setup.points(Content::kArrow);
    for (const auto& [amazons, side] :
         {std::pair{&game.redAmazons, "Red"}, std::pair{&game.blueAmazons, "Blue"}}) {
        if (amazons->empty() || amazons->size() > static_cast<std::size_t>(kMaxAmazonsPerSide)) {
            error = "The setup of this SGF game is not supported: " + std::string(side) + " has " +
                    std::to_string(amazons->size()) + " amazons, and each side needs 1 to 4.";
            return false;
        }
    }
    return true;
}

std::optional<ScannedMove> moveAt(std::string_view value, int32_t rows, int32_t columns) {
    value = trimmed(value);
    if (value.size() != 6) {
        return std::nullopt;
    }
    const std::optional<Square> from = pointAt(value.substr(0, 2), rows, columns);
    const std::optional<Square> to = pointAt(value.substr(2, 2), rows, columns);
    const std::optional<Square> arrow = pointAt(value.substr(4, 2), rows, columns);
    if (!from || !to || !arrow) {
        return std::nullopt;
    }
    return ScannedMove{*from, *to, *arrow};
}

BoardMove boardMove(const ScannedMove& move) {
    return {move.from, move.to, move.arrow};
}

// The review in the comment of a move's node. When the comment does not name the better move,
// it is the first other move of the same side that a variation beside the node starts with.
std::optional<MoveReview> readReview(const Node& node, const std::vector<Node>& alternatives,
                                     const SgfMove& move, int32_t rows, int32_t columns) {
    const std::optional<std::string_view> comment = firstValue(node, "C");
    if (!comment) {
        return std::nullopt;
    }
    const BoardMove played = boardMove(*move.squares);
    std::optional<MoveReview> review =
        reviewFromText(trimmed(*comment), move.side, played, rows, columns);
    if (!review || review->best) {
        return review;
    }
    const std::string_view moveProperty = move.side == Side::kRed ? "B" : "W";
    for (const Node& alternative : alternatives) {
        const std::optional<std::string_view> value = firstValue(alternative, moveProperty);
        const std::optional<ScannedMove> better =
            value ? moveAt(*value, rows, columns) : std::nullopt;
        if (better && boardMove(*better) != played) {
            review->best = boardMove(*better);
            break;
        }
    }
    return review;
}

// The B and W moves of the main line; a node's review when it holds one move.
void readMoves(const SgfMainLine& line, SgfGame& game) {
    for (std::size_t i = 0; i < line.nodes.size(); ++i) {
        const std::size_t movesBefore = game.moves.size();
        for (const Property& property : line.nodes[i]) {
            if ((property.name != "B" && property.name != "W") || property.values.empty()) {
                continue;
            }
            const std::string& value = property.values.front();
            game.moves.push_back({property.name == "B" ? Side::kRed : Side::kBlue,
                                  moveAt(value, game.rows, game.columns),
                                  property.name + "[" + shown(value) + "]"});
        }
        if (game.moves.size() == movesBefore + 1 && game.moves.back().squares) {
            SgfMove& move = game.moves.back();
            move.review =
                readReview(line.nodes[i], line.alternatives[i], move, game.rows, game.columns);
        }
    }
}

}  // namespace

bool looksLikeSgf(std::string_view text) {
    text = withoutPreamble(text);
    if (!text.starts_with('(')) {
        return false;
    }
    text.remove_prefix(1);
    const std::size_t next = text.find_first_not_of(kBlanks);
    return next != std::string_view::npos && text[next] == ';';
}

std::optional<SgfGame> readSgf(std::string_view text, std::string& error) {
    if (!looksLikeSgf(text)) {
        error = "This is not an SGF file: it does not start with \"(;\".";
        return std::nullopt;
    }
    const std::optional<SgfMainLine> line = readSgfMainLine(withoutPreamble(text), error);
    if (!line) {
        return std::nullopt;
    }
    const Node& root = line->nodes.front();
    if (const auto gameType = firstValue(root, "GM"); gameType && trimmed(*gameType) != "18") {
        error =
            "This SGF file holds another game (GM[" + shown(*gameType) + "]); Amazons is GM[18].";
        return std::nullopt;
    }
    SgfGame game;
    if (!readBoardSize(root, game, error) || !readSetup(root, game, error)) {
        return std::nullopt;
    }
    const Charset charset = charsetOf(root);
    const std::pair<std::string_view, std::string*> texts[] = {
        {"PB", &game.redName}, {"PW", &game.blueName}, {"RE", &game.result}, {"DT", &game.date}};
    for (const auto& [name, target] : texts) {
        if (const auto value = firstValue(root, name)) {
            *target = decodedText(*value, charset);
        }
    }
    readMoves(*line, game);
    return game;
}

}  // namespace taravin
