#include "formats/game_file_writer.h"

#include <cstddef>
#include <utility>

#include "model/position_node.h"
#include "model/square.h"

namespace taravin {

namespace {

constexpr int kArrowsPerLine = 15;
constexpr std::string_view kIndent = "  ";

class GameText {
  public:
    // Appends the text up to its first line break, then the line end.
    void line(std::string_view text) {
        text_.append(text.substr(0, text.find_first_of("\r\n")));
        text_ += "\r\n";
    }
    void line(std::string_view prefix, std::string_view text) {
        std::string joined(prefix);
        joined += text;
        line(joined);
    }
    std::string take() { return std::move(text_); }

  private:
    std::string text_;
};

// "A4 D1 G1 J4 ": every square of the side's list, each followed by one blank.
std::string amazonEntries(const Board& board, Side side) {
    std::string entries;
    for (const PositionNode* node = board.amazons(side).head(); node; node = node->next) {
        entries += node->text() + " ";
    }
    return entries;
}

void writeArrowLines(GameText& out, const Board& board) {
    std::string entries;
    int count = 0;
    for (int32_t row = 1; row <= board.rows(); ++row) {
        for (int32_t column = 1; column <= board.columns(); ++column) {
            if (board.content(row, column) != Content::kArrow) {
                continue;
            }
            entries += squareName(row, column) + " ";
            if (++count == kArrowsPerLine) {
                out.line(kIndent, entries);
                entries.clear();
                count = 0;
            }
        }
    }
    if (count > 0) {
        out.line(kIndent, entries);
    }
}

// "N. text": one move of a move line.
void appendNumberedMove(std::string& line, int64_t number, const std::string& text) {
    line.append(std::to_string(number));
    line.append(". ");
    line.append(text);
}

// Two moves a line, Red's and Blue's, separated by a tab.
void writeMoveLines(GameText& out, const GameFileSource& source) {
    const int64_t onBoard = int64_t{source.moveNumber} - 1;
    const int64_t recorded = static_cast<int64_t>(source.moveTexts.size());
    const int64_t written = onBoard < recorded ? onBoard : recorded;
    for (int64_t i = 1; i <= written; i += 2) {
        std::string line(kIndent);
        appendNumberedMove(line, i, source.moveTexts[static_cast<std::size_t>(i - 1)]);
        if (i + 1 <= written) {
            line.append("\t");
            appendNumberedMove(line, i + 1, source.moveTexts[static_cast<std::size_t>(i)]);
        }
        out.line(line);
    }
}

}  // namespace

std::string writeGameText(const GameFileSource& source) {
    GameText out;
    out.line("<GAME-INFO-START>");
    out.line("");
    out.line("Players:");
    out.line(kIndent, source.red.description());
    out.line(kIndent, source.blue.description());
    out.line("");
    out.line("RED-TYPE=", source.red.serialised());
    out.line("BLUE-TYPE=", source.blue.serialised());
    out.line("");
    out.line("Game Time:");
    out.line(kIndent, source.red.clockText());
    out.line(kIndent, source.blue.clockText());
    out.line("");
    out.line("RED-TIME=", std::to_string(source.red.clock()));
    out.line("BLUE-TIME=", std::to_string(source.blue.clock()));
    out.line("");
    out.line("Red Amazons:");
    out.line(kIndent, amazonEntries(source.board, Side::kRed));
    out.line("");
    out.line("Blue Amazons:");
    out.line(kIndent, amazonEntries(source.board, Side::kBlue));
    out.line("");
    out.line("Arrows:");
    writeArrowLines(out, source.board);
    out.line("");
    out.line("<GAME-INFO-END>");
    out.line("");
    out.line("<BOARD-SETUP-START>");
    out.line("");
    out.line("RED-AMAZONS=", source.redLocations);
    out.line("BLUE-AMAZONS=", source.blueLocations);
    out.line("ARROWS=", source.arrowLocations);
    out.line("COLUMNS=", std::to_string(source.board.columns()));
    out.line("ROWS=", std::to_string(source.board.rows()));
    out.line("");
    out.line("<BOARD-SETUP-END>");
    out.line("");
    out.line("<MOVE-HISTORY-START>");
    out.line("");
    out.line("Red/Blue");
    out.line("");
    writeMoveLines(out, source);
    out.line("");
    out.line("<MOVE-HISTORY-END>");
    return out.take();
}

}  // namespace taravin
