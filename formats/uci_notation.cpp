#include "formats/uci_notation.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <new>

#include "model/fatal_error.h"

namespace taravin {

namespace {

constexpr int32_t kMaxFullMoveNumber = 1000000;

// The square at `position`, which then moves past it: a column letter and a row number.
std::optional<Square> squareAt(std::string_view text, std::size_t& position, int32_t rows,
                               int32_t columns) {
    if (position >= text.size()) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[position])));
    const int32_t column = letter - 'a' + 1;
    std::size_t end = position + 1;
    int32_t row = 0;
    while (end < text.size() && end < position + 3 && text[end] >= '0' && text[end] <= '9') {
        row = row * 10 + (text[end] - '0');
        ++end;
    }
    if (column < 1 || column > columns || row < 1 || row > rows || text[position + 1] == '0') {
        return std::nullopt;
    }
    position = end;
    return Square{row, column};
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (true) {
        position = text.find_first_not_of(" \t\r\n", position);
        if (position == std::string_view::npos) {
            return words;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", position), text.size());
        words.push_back(text.substr(position, end - position));
        position = end;
    }
}

// The board part without a "[...]" part at its end.
std::optional<std::string_view> boardPart(std::string_view field, std::string& error) {
    const std::size_t open = field.find('[');
    if (open == std::string_view::npos) {
        return field;
    }
    if (field.find(']', open) != field.size() - 1) {
        error = "the [...] part must close at the end of the board";
        return std::nullopt;
    }
    return field.substr(0, open);
}

struct RankReader {
    FenPosition& position;
    std::string& error;

    // Reads one rank at `row`; its width, or nothing after an error.
    std::optional<int32_t> read(std::string_view rank, int32_t row) {
        int32_t column = 0;
        int32_t run = 0;
        bool inRun = false;
        for (const char c : rank) {
            if (c >= '0' && c <= '9') {
                run = run * 10 + (c - '0');
                inRun = true;
                if (run > kMaxBoardSize) {
                    error = "a rank is wider than 20 squares";
                    return std::nullopt;
                }
                continue;
            }
            if (!endRun(column, run, inRun)) {
                return std::nullopt;
            }
            if (++column > kMaxBoardSize) {
                error = "a rank is wider than 20 squares";
                return std::nullopt;
            }
            const Square square{row, column};
            if (c == 'Q') {
                position.redAmazons.push_back(square);
            } else if (c == 'q') {
                position.blueAmazons.push_back(square);
            } else if (c == '*' || c == 'P' || c == 'p') {
                position.arrows.push_back(square);
            } else {
                error = std::string("unexpected character '") + c + "' in the board";
                return std::nullopt;
            }
        }
        if (!endRun(column, run, inRun)) {
            return std::nullopt;
        }
        return column;
    }

    bool endRun(int32_t& column, int32_t& run, bool& inRun) {
        if (!inRun) {
            return true;
        }
        if (run == 0) {
            error = "a run of 0 empty squares";
            return false;
        }
        column += run;
        run = 0;
        inRun = false;
        if (column > kMaxBoardSize) {
            error = "a rank is wider than 20 squares";
            return false;
        }
        return true;
    }
};

bool readBoard(std::string_view board, FenPosition& position, std::string& error) {
    std::vector<std::string_view> ranks;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = board.find('/', start);
        ranks.push_back(
            board.substr(start, slash == std::string_view::npos ? slash : slash - start));
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    if (ranks.size() > static_cast<std::size_t>(kMaxBoardSize)) {
        error = "more than 20 ranks";
        return false;
    }
    position.rows = static_cast<int32_t>(ranks.size());
    RankReader reader{position, error};
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        const std::optional<int32_t> width =
            reader.read(ranks[i], position.rows - static_cast<int32_t>(i));
        if (!width) {
            return false;
        }
        if (i == 0) {
            position.columns = *width;
        } else if (*width != position.columns) {
            error = "rank " + std::to_string(position.rows - static_cast<int32_t>(i)) + " has " +
                    std::to_string(*width) + " squares, the top rank " +
                    std::to_string(position.columns);
            return false;
        }
    }
    if (position.columns < kMinBoardSize) {
        error = "the board has no squares";
        return false;
    }
    return true;
}

bool columnMajor(const Square& a, const Square& b) {
    return a.column != b.column ? a.column < b.column : a.row < b.row;
}

char pieceLetter(Content content) {
    return content == Content::kRed ? 'Q' : content == Content::kBlue ? 'q' : '*';
}

}  // namespace

std::string uciSquare(const Square& square) {
    return static_cast<char>('a' + square.column - 1) + std::to_string(square.row);
}

std::string uciMoveText(const Square& from, const Square& to, const Square& arrow) {
    return uciSquare(from) + uciSquare(to) + "," + uciSquare(to) + uciSquare(arrow);
}

std::optional<ScannedMove> parseUciMove(std::string_view text, int32_t rows, int32_t columns) {
    std::size_t position = 0;
    const std::optional<Square> from = squareAt(text, position, rows, columns);
    const std::optional<Square> to = squareAt(text, position, rows, columns);
    if (!from || !to || position >= text.size() || text[position] != ',') {
        return std::nullopt;
    }
    ++position;
    const std::optional<Square> to2 = squareAt(text, position, rows, columns);
    const std::optional<Square> arrow = squareAt(text, position, rows, columns);
    if (!to2 || !arrow || *to2 != *to || position != text.size()) {
        return std::nullopt;
    }
    return ScannedMove{*from, *to, *arrow};
}

std::optional<FenPosition> parseFen(std::string_view fen, std::string& error) {
    const std::vector<std::string_view> words = fields(fen);
    if (words.empty()) {
        error = "the FEN is empty";
        return std::nullopt;
    }
    const std::optional<std::string_view> board = boardPart(words[0], error);
    FenPosition position;
    if (!board || !readBoard(*board, position, error)) {
        return std::nullopt;
    }
    for (const auto& [amazons, side] : {std::pair{&position.redAmazons, "white (Q)"},
                                        std::pair{&position.blueAmazons, "black (q)"}}) {
        if (amazons->size() > static_cast<std::size_t>(kMaxAmazonsPerSide)) {
            error = std::string(side) + " has more than 4 amazons";
            return std::nullopt;
        }
        std::sort(amazons->begin(), amazons->end(), columnMajor);
    }
    if (words.size() > 1) {
        if (words[1] != "w" && words[1] != "b") {
            error = "the side to move must be w or b";
            return std::nullopt;
        }
        position.sideToMove = words[1] == "w" ? Side::kRed : Side::kBlue;
    }
    int32_t fullMoves = 1;
    if (words.size() > 5) {
        const std::string_view text = words[5];
        const auto [end, status] =
            std::from_chars(text.data(), text.data() + text.size(), fullMoves);
        if (status != std::errc() || end != text.data() + text.size() || fullMoves < 1 ||
            fullMoves > kMaxFullMoveNumber) {
            error = "the move number must be 1 to 1000000";
            return std::nullopt;
        }
    }
    position.moveNumber = 2 * (fullMoves - 1) + (position.sideToMove == Side::kRed ? 1 : 2);
    return position;
}

std::unique_ptr<Board> buildFenBoard(const FenPosition& position,
                                     std::shared_ptr<const ZobristKeys> keys) {
    std::unique_ptr<Board> board(new (std::nothrow) Board(position.rows, position.columns));
    if (!board) {
        fatalError(kMemoryAllocationErrorDot);
    }
    board->setHashKeys(std::move(keys));
    for (const auto& [squares, content] : {std::pair{&position.blueAmazons, Content::kBlue},
                                           std::pair{&position.redAmazons, Content::kRed},
                                           std::pair{&position.arrows, Content::kArrow}}) {
        for (const Square& square : *squares) {
            board->setContent(square, content, true);
        }
    }
    board->recomputeHash();
    board->computeMoveCapacity();
    return board;
}

std::string writeFen(const Board& board, Side sideToMove, int32_t moveNumber) {
    std::string fen;
    for (int32_t row = board.rows(); row >= 1; --row) {
        int32_t run = 0;
        for (int32_t column = 1; column <= board.columns(); ++column) {
            const Content content = board.content(row, column);
            if (content == Content::kEmpty) {
                ++run;
                continue;
            }
            if (run > 0) {
                fen += std::to_string(run);
                run = 0;
            }
            fen += pieceLetter(content);
        }
        if (run > 0) {
            fen += std::to_string(run);
        }
        if (row > 1) {
            fen += '/';
        }
    }
    fen += sideToMove == Side::kRed ? " w - - 0 " : " b - - 0 ";
    fen += std::to_string((std::max(moveNumber, 1) - 1) / 2 + 1);
    return fen;
}

}  // namespace taravin
