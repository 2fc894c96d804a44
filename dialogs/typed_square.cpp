#include "dialogs/typed_square.h"

#include "model/location_parser.h"

namespace taravin {

std::optional<Square> parseTypedSquare(std::string_view text, int32_t rows, int32_t columns) {
    if (text.size() < 2) {
        return std::nullopt;
    }
    char letter = text.front();
    if (letter >= 'a' && letter <= 'z') {
        letter = static_cast<char>(letter - 'a' + 'A');
    }
    const int32_t column = letter - 'A' + 1;
    if (letter < 'A' || column > columns) {
        return std::nullopt;
    }
    const int64_t row = leadingInteger(text.substr(1));
    if (row < 1 || row > rows) {
        return std::nullopt;
    }
    return Square{static_cast<int32_t>(row), column};
}

}  // namespace taravin
