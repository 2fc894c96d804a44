#include "model/location_parser.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

namespace taravin {

namespace {

bool isSeparator(char c) {
    return c == ',' || c == ' ';
}

// Upper-case copy up to the first NUL, which ends a location text as it ends a C string.
std::string upperCaseCopy(std::string_view text) {
    std::string copy(text.substr(0, text.find('\0')));
    for (char& c : copy) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return copy;
}

bool placeAllowed(const Board& board, const Square& square, Content content) {
    if (content != Content::kRed && content != Content::kBlue) {
        return true;
    }
    return board.content(square) == content ||
           board.amazonCount(sideOf(content)) < kMaxAmazonsPerSide;
}

}  // namespace

int64_t leadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr int64_t kLimit = std::numeric_limits<int32_t>::max() + int64_t{1};
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
    }
    return negative ? -value : value;
}

std::vector<Square> parseLocations(std::string_view text, int32_t rows, int32_t columns) {
    const std::string upper = upperCaseCopy(text);
    const std::size_t end = upper.size();
    std::vector<Square> squares;
    std::size_t p = 0;
    while (p < end) {
        std::size_t cut = p;
        while (cut < end && !isSeparator(upper[cut])) {
            ++cut;
        }
        const std::string_view token = std::string_view(upper).substr(p, cut - p);
        p = cut < end ? cut + 1 : end;
        if (token.size() < 2) {
            continue;
        }
        const int32_t column = static_cast<unsigned char>(token[0]) - 64;
        const int64_t row = leadingInteger(token.substr(1));
        if (column < 1 || column > columns || row < 1 || row > rows) {
            continue;
        }
        squares.push_back(Square{static_cast<int32_t>(row), column});
        while (p < end && isSeparator(upper[p])) {
            ++p;
        }
    }
    return squares;
}

void placeLocations(Board& board, std::string_view text, Content content) {
    for (const Square& square : parseLocations(text, board.rows(), board.columns())) {
        if (placeAllowed(board, square, content)) {
            board.setContent(square, content, true);
        }
    }
}

}  // namespace taravin
