// The two location parsers, chosen by the first byte (even: lenient, odd: strict).
//
// Lenient: two bytes of board size (any value; the board falls back to 10 x 10 outside 1..20),
// then the Red, Blue and arrow lists, one a line, built into a board as a stored setup is.
// Strict: the five Board Configuration fields, one a line (rows, columns, Red, Blue, arrows),
// checked as the dialog's OK checks them. A setup the strict parser accepts must build a board
// that holds exactly the squares it named.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/location_validator.h"
#include "fuzz/fuzz_check.h"
#include "model/board_setup.h"
#include "model/location_parser.h"

namespace {

using namespace taravin;

// The lines of the text, padded with empty ones up to `count`; the last takes the rest.
std::vector<std::string> splitLines(std::string_view text, std::size_t count) {
    std::vector<std::string> lines;
    while (lines.size() + 1 < count) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    lines.emplace_back(text);
    lines.resize(count);
    return lines;
}

int32_t cellsHolding(const Board& board, Content content) {
    int32_t count = 0;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            count += board.content(row, column) == content ? 1 : 0;
        }
    }
    return count;
}

void requireConsistentAmazons(const Board& board) {
    for (const Side side : {Side::kRed, Side::kBlue}) {
        fuzz::requireThat(board.amazonCount(side) <= kMaxAmazonsPerSide,
                          "at most four amazons a side");
        fuzz::requireThat(board.amazonCount(side) == cellsHolding(board, contentOf(side)),
                          "the amazon list matches the squares");
        for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
            fuzz::requireThat(board.isInner(node->row, node->column) &&
                                  board.content(node->row, node->column) == contentOf(side),
                              "a listed amazon stands on its square");
        }
    }
}

void checkLenient(std::string_view input) {
    if (input.size() < 2) {
        return;
    }
    const int32_t rows = static_cast<int8_t>(input[0]);
    const int32_t columns = static_cast<int8_t>(input[1]);
    const std::vector<std::string> lists = splitLines(input.substr(2), 3);
    for (const std::string& list : lists) {
        for (const Square& square : parseLocations(list, rows, columns)) {
            fuzz::requireThat(square.row >= 1 && square.row <= rows && square.column >= 1 &&
                                  square.column <= columns,
                              "a parsed square lies on the board");
        }
    }
    const BoardSetup setup{rows, columns, lists[0], lists[1], lists[2]};
    requireConsistentAmazons(*buildBoard(setup));
}

void checkStrict(std::string_view input) {
    const std::vector<std::string> fields = splitLines(input, 5);
    const BoardConfigurationCheck check =
        checkBoardConfiguration({fields[0], fields[1], fields[2], fields[3], fields[4]});
    if (!check.accepted()) {
        return;
    }
    const BoardSetup& setup = check.setup;
    fuzz::requireThat(setup.rows >= kMinBoardSize && setup.rows <= kMaxBoardSize &&
                          setup.columns >= kMinBoardSize && setup.columns <= kMaxBoardSize,
                      "an accepted size is 1..20");
    const std::unique_ptr<Board> board = buildBoard(setup);
    requireConsistentAmazons(*board);
    const auto named = [&setup](const std::string& list) {
        return static_cast<int32_t>(parseLocations(list, setup.rows, setup.columns).size());
    };
    fuzz::requireThat(board->amazonCount(Side::kRed) == named(setup.redLocations) &&
                          board->amazonCount(Side::kBlue) == named(setup.blueLocations) &&
                          cellsHolding(*board, Content::kArrow) == named(setup.arrowLocations),
                      "the lenient parser places every square the strict parser accepted");
    fuzz::requireThat(board->amazonCount(Side::kRed) == board->amazonCount(Side::kBlue),
                      "an accepted setup has equal amazon counts");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        checkLenient(input);
    } else {
        checkStrict(input);
    }
    return 0;
}
