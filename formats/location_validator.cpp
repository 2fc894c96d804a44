#include "formats/location_validator.h"

#include <algorithm>

#include "model/integer_text.h"
#include "model/location_parser.h"

namespace taravin {

namespace {

bool isSeparator(char c) {
    return c == ',' || c == ' ';
}

bool alreadyAccepted(const AcceptedSquares& accepted, const Square& square) {
    for (const std::vector<Square>* list : {&accepted.red, &accepted.blue, &accepted.arrows}) {
        if (std::find(list->begin(), list->end(), square) != list->end()) {
            return true;
        }
    }
    return false;
}

std::vector<Square>& listOf(AcceptedSquares& accepted, Content content) {
    return content == Content::kRed    ? accepted.red
           : content == Content::kBlue ? accepted.blue
                                       : accepted.arrows;
}

// The column of a square name's letter in either case, 0 for anything that is no letter
// (bytes above 127 included).
int32_t columnOfLetter(char letter) {
    const auto code = static_cast<unsigned char>(letter);
    if (code >= 'a' && code <= 'z') {
        return code - 'a' + 1;
    }
    return code >= 'A' && code <= 'Z' ? code - 'A' + 1 : 0;
}

}  // namespace

LocationCheck validateLocations(std::string_view text, Content content, int32_t rows,
                                int32_t columns, AcceptedSquares& accepted) {
    // A location text ends at a NUL as a C string does, for both parsers.
    text = text.substr(0, text.find('\0'));
    if (text.empty()) {
        return {content == Content::kArrow, 0};
    }
    std::vector<Square>& list = listOf(accepted, content);
    int32_t count = 0;
    std::size_t p = 0;
    while (true) {
        std::size_t cut = p;
        while (cut < text.size() && !isSeparator(text[cut])) {
            ++cut;
        }
        const std::string_view token = text.substr(p, cut - p);
        if (token.size() < 2) {
            return {false, count};
        }
        const int32_t column = columnOfLetter(token[0]);
        const int64_t row = leadingInteger(token.substr(1));
        if (column < 1 || column > columns || row < 1 || row > rows) {
            return {false, count};
        }
        const Square square{static_cast<int32_t>(row), column};
        if (alreadyAccepted(accepted, square)) {
            return {false, count};
        }
        list.push_back(square);
        ++count;
        p = cut;
        while (p < text.size() && isSeparator(text[p])) {
            ++p;
        }
        if (p == text.size()) {
            return {true, count};
        }
    }
}

std::string queenLimitMessage() {
    return "The game allows only up to " + std::to_string(kMaxAmazonsPerSide) + " number of queens";
}

BoardConfigurationCheck checkBoardConfiguration(const BoardConfigurationFields& fields) {
    BoardConfigurationCheck check;
    const auto refuse = [&check](std::string message, BoardConfigurationField field) {
        check.message = std::move(message);
        check.field = field;
        return check;
    };
    const IntegerField rows = readIntegerField(fields.rows, kMinBoardSize, kMaxBoardSize);
    if (!rows.value) {
        return refuse(rows.message, BoardConfigurationField::kRows);
    }
    const IntegerField columns = readIntegerField(fields.columns, kMinBoardSize, kMaxBoardSize);
    if (!columns.value) {
        return refuse(columns.message, BoardConfigurationField::kColumns);
    }
    struct ListToCheck {
        const std::string& text;
        Content content;
        const char* message;
        BoardConfigurationField field;
    };
    const ListToCheck lists[] = {
        {fields.redLocations, Content::kRed, kInvalidRedMessage, BoardConfigurationField::kRed},
        {fields.blueLocations, Content::kBlue, kInvalidBlueMessage, BoardConfigurationField::kBlue},
        {fields.arrowLocations, Content::kArrow, kInvalidArrowsMessage,
         BoardConfigurationField::kArrows},
    };
    AcceptedSquares accepted;
    for (const ListToCheck& list : lists) {
        if (!validateLocations(list.text, list.content, *rows.value, *columns.value, accepted)
                 .valid) {
            return refuse(list.message, list.field);
        }
    }
    if (accepted.red.size() != accepted.blue.size()) {
        return refuse(kQueenCountMismatchMessage, BoardConfigurationField::kNone);
    }
    if (accepted.red.size() > static_cast<std::size_t>(kMaxAmazonsPerSide)) {
        return refuse(queenLimitMessage(), BoardConfigurationField::kNone);
    }
    check.setup = {*rows.value, *columns.value, fields.redLocations, fields.blueLocations,
                   fields.arrowLocations};
    return check;
}

}  // namespace taravin
