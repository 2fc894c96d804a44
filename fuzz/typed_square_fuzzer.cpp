// The square parser of Manual Move Entry: the first two bytes give the board size (1..20, as
// the dialog always has a board), the rest is the typed text. A square it returns lies on the
// board and reads back from its own name; the row it reads is what strtoll reads, saturated.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/typed_square.h"
#include "fuzz/fuzz_check.h"
#include "model/location_parser.h"

namespace {

using namespace taravin;

int32_t boardSize(uint8_t byte) {
    return kMinBoardSize + byte % kMaxBoardSize;
}

// The standard conversion, which stops at a NUL as at any other byte that is no digit.
int64_t strtollReading(std::string_view text) {
    constexpr long long kLimit = std::numeric_limits<int32_t>::max() + 1LL;
    const std::string terminated(text);
    return std::clamp(std::strtoll(terminated.c_str(), nullptr, 10), -kLimit, kLimit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int32_t rows = boardSize(data[0]);
    const int32_t columns = boardSize(data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    fuzz::requireThat(leadingInteger(text) == strtollReading(text),
                      "the leading integer is the one strtoll reads");
    const std::optional<Square> square = parseTypedSquare(text, rows, columns);
    if (!square) {
        return 0;
    }
    fuzz::requireThat(
        square->row >= 1 && square->row <= rows && square->column >= 1 && square->column <= columns,
        "a typed square lies on the board");
    fuzz::requireThat(parseTypedSquare(squareName(*square), rows, columns) == square,
                      "a square reads back from its name");
    return 0;
}
