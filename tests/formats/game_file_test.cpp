#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formats/game_file_reader.h"
#include "formats/game_file_writer.h"
#include "model/board_setup.h"
#include "model/memory_profile.h"
#include "model/mt19937.h"
#include "model/settings.h"

namespace taravin {
namespace {

using namespace std::string_view_literals;

void play(Board& board, Square from, Square to, Square arrow) {
    const Content amazon = board.content(from);
    board.setContent(from, Content::kEmpty, true);
    board.setContent(to, amazon, true);
    board.setContent(arrow, Content::kArrow, true);
}

struct SmallGame {
    PlayerRecord red{kHumanPlayer, "Alice", Side::kRed, kAlgorithmQScout, 1, 30};
    PlayerRecord blue{kComputerPlayer, "Bob", Side::kBlue, kAlgorithmQScout, 1, 30};
    std::unique_ptr<Board> board = buildBoard(BoardSetup{});
    std::vector<std::string> moveTexts{"D1 - D7 (G7)", "G10 - G8 (E8)", "A4 - C4 (C6)"};

    SmallGame() {
        red.set("Alice", kHumanPlayer, kAlgorithmQScout, 1, 30, 3725);
        blue.set("Bob", kComputerPlayer, kAlgorithmQScout, 1, 30, 59);
        play(*board, {1, 4}, {7, 4}, {7, 7});
        play(*board, {10, 7}, {8, 7}, {8, 5});
        play(*board, {4, 1}, {4, 3}, {6, 3});
    }

    std::string write(int32_t moveNumber = 4, std::string_view arrows = "") const {
        return writeGameText({.red = red,
                              .blue = blue,
                              .board = *board,
                              .redLocations = kDefaultRedLocations,
                              .blueLocations = kDefaultBlueLocations,
                              .arrowLocations = arrows,
                              .moveNumber = moveNumber,
                              .moveTexts = moveTexts});
    }
};

std::string_view after(std::string_view text, std::string_view marker) {
    const std::size_t at = text.find(marker);
    return at == std::string_view::npos ? std::string_view() : text.substr(at + marker.size());
}

std::string_view between(std::string_view text, std::string_view first, std::string_view last) {
    const std::string_view rest = after(text, first);
    return rest.substr(0, rest.find(last));
}

int lineCount(std::string_view text) {
    int count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

TEST(GameFileWriter, WritesTheWholeTextOfASmallGame) {
    const std::string expected =
        "<GAME-INFO-START>\r\n"
        "\r\n"
        "Players:\r\n"
        "  Red  - Alice\r\n"
        "  Blue - Computer (QScout/Min. Distance (array)) (30s)\r\n"
        "\r\n"
        "RED-TYPE=0:2:1:30:Alice\r\n"
        "BLUE-TYPE=1:2:1:30:Computer\r\n"
        "\r\n"
        "Game Time:\r\n"
        "  Red  - 01:02:05\r\n"
        "  Blue - 00:00:59\r\n"
        "\r\n"
        "RED-TIME=3725\r\n"
        "BLUE-TIME=59\r\n"
        "\r\n"
        "Red Amazons:\r\n"
        "  G1 J4 D7 C4 \r\n"
        "\r\n"
        "Blue Amazons:\r\n"
        "  A7 D10 J7 G8 \r\n"
        "\r\n"
        "Arrows:\r\n"
        "  C6 G7 E8 \r\n"
        "\r\n"
        "<GAME-INFO-END>\r\n"
        "\r\n"
        "<BOARD-SETUP-START>\r\n"
        "\r\n"
        "RED-AMAZONS=A4, D1, G1, J4\r\n"
        "BLUE-AMAZONS=A7, D10, G10, J7\r\n"
        "ARROWS=\r\n"
        "COLUMNS=10\r\n"
        "ROWS=10\r\n"
        "\r\n"
        "<BOARD-SETUP-END>\r\n"
        "\r\n"
        "<MOVE-HISTORY-START>\r\n"
        "\r\n"
        "Red/Blue\r\n"
        "\r\n"
        "  1. D1 - D7 (G7)\t2. G10 - G8 (E8)\r\n"
        "  3. A4 - C4 (C6)\r\n"
        "\r\n"
        "<MOVE-HISTORY-END>\r\n";
    EXPECT_EQ(SmallGame().write(), expected);
}

TEST(GameFileWriter, WritesOnlyTheMovesOnTheBoard) {
    const SmallGame game;
    const auto moveLines = [&](int32_t moveNumber) {
        return std::string(between(game.write(moveNumber), "Red/Blue\r\n\r\n", "\r\n<MOVE"));
    };
    EXPECT_EQ(moveLines(1), "");
    EXPECT_EQ(moveLines(2), "  1. D1 - D7 (G7)\r\n");
    EXPECT_EQ(moveLines(3), "  1. D1 - D7 (G7)\t2. G10 - G8 (E8)\r\n");
    // A move number beyond the record writes what the record has.
    EXPECT_EQ(moveLines(9), moveLines(4));
    EXPECT_EQ(moveLines(-5), "");
}

TEST(GameFileWriter, ArrowLinesHoldFifteenEntriesEach) {
    const PlayerRecord red(kHumanPlayer, "A", Side::kRed, 2, 1, 30);
    const PlayerRecord blue(kHumanPlayer, "B", Side::kBlue, 2, 1, 30);
    const auto arrowLines = [&](int arrows) {
        Board board(10, 10);
        for (int i = 0; i < arrows; ++i) {
            board.setContent(1 + i / 10, 1 + i % 10, Content::kArrow, true);
        }
        const std::string text =
            writeGameText({.red = red, .blue = blue, .board = board, .moveNumber = 1});
        return std::string(between(text, "Arrows:\r\n", "\r\n<GAME-INFO-END>"));
    };
    EXPECT_EQ(arrowLines(0), "");
    EXPECT_EQ(arrowLines(15), "  A1 B1 C1 D1 E1 F1 G1 H1 I1 J1 A2 B2 C2 D2 E2 \r\n");
    EXPECT_EQ(arrowLines(16),
              "  A1 B1 C1 D1 E1 F1 G1 H1 I1 J1 A2 B2 C2 D2 E2 \r\n"
              "  F2 \r\n");
    EXPECT_EQ(lineCount(arrowLines(30)), 2);
    EXPECT_EQ(lineCount(arrowLines(31)), 3);
}

TEST(GameFileWriter, FreeTextsNeverBreakALine) {
    SmallGame game;
    game.red.set("Eve\r\nRED-TIME=9999", kHumanPlayer, 2, 1, 30, 12);
    game.blue.set("Mallory\nBLUE-TYPE=0:0:0:3:x", kHumanPlayer, 2, 1, 30, 7);
    const std::string text = game.write(4, "C6\nCOLUMNS=3\r\nROWS=3");
    // 42 fixed lines, one of arrows and two of moves.
    EXPECT_EQ(lineCount(text), 45);
    EXPECT_NE(text.find("  Red  - Eve\r\n"), std::string::npos);
    EXPECT_NE(text.find("RED-TYPE=0:2:1:30:Eve\r\n"), std::string::npos);
    EXPECT_NE(text.find("ARROWS=C6\r\nCOLUMNS=10\r\n"), std::string::npos);

    const FilePlayers players = readFilePlayers(after(text, "<GAME-INFO-START>"));
    ASSERT_TRUE(players.red && players.blue);
    EXPECT_EQ(players.red->clock, 12);
    EXPECT_EQ(players.blue->name, "Mallory");
    EXPECT_EQ(players.blue->type, kHumanPlayer);
}

TEST(GameFileWriter, ReadsBackWhatItWrote) {
    SmallGame game;
    const std::string text = game.write(4, "b2");

    MemoryProfile profile;
    storeFileBoardSetup(after(text, "<BOARD-SETUP-START>"), profile);
    const BoardSetup setup = readBoardSetup(profile);
    EXPECT_EQ(setup.redLocations, kDefaultRedLocations);
    EXPECT_EQ(setup.blueLocations, kDefaultBlueLocations);
    EXPECT_EQ(setup.arrowLocations, "b2");
    EXPECT_EQ(setup.rows, 10);
    EXPECT_EQ(setup.columns, 10);

    const FilePlayers players = readFilePlayers(after(text, "<GAME-INFO-START>"));
    ASSERT_TRUE(players.red && players.blue);
    EXPECT_EQ(*players.red, (FilePlayer{kHumanPlayer, 2, 1, 30, "Alice", 3725}));
    EXPECT_EQ(*players.blue, (FilePlayer{kComputerPlayer, 2, 1, 30, "Computer", 59}));
    PlayerRecord red(kComputerPlayer, "Old", Side::kRed, 0, 0, 3);
    red.setLastMoveText("A1 - A2 (A3)");
    applyFilePlayer(*players.red, red);
    EXPECT_EQ(red.description(), "Red  - Alice");
    EXPECT_EQ(red.clock(), 3725);
    EXPECT_EQ(red.side(), Side::kRed);
    EXPECT_EQ(red.lastMoveText(), "");

    const std::vector<ScannedMove> expected{
        {{1, 4}, {7, 4}, {7, 7}}, {{10, 7}, {8, 7}, {8, 5}}, {{4, 1}, {4, 3}, {6, 3}}};
    EXPECT_EQ(scanMoves(moveHistoryText(text), 10, 10), expected);
}

TEST(BoardSetupReader, StoresEachKeyUntilOneIsMissing) {
    const auto stored = [](std::string_view text) {
        MemoryProfile profile;
        storeFileBoardSetup(text, profile);
        std::vector<std::string> keys;
        for (const ProfileWrite& write : profile.writes()) {
            keys.push_back(write.key + "=" + write.value);
        }
        return keys;
    };
    using Keys = std::vector<std::string>;
    EXPECT_EQ(stored("\r\nRED-AMAZONS=A1, B2\r\nBLUE-AMAZONS=C3\r\nARROWS=\r\nCOLUMNS=8\r\n"
                     "ROWS=6\r\n"),
              (Keys{"RedLocations=A1, B2", "BlueLocations=C3", "ArrowLocations=", "Columns=8",
                    "Rows=6"}));
    EXPECT_EQ(stored("RED-AMAZONS=A1\r\nARROWS=B2\r\nCOLUMNS=8\r\nROWS=6"),
              (Keys{"RedLocations=A1"}));
    EXPECT_EQ(stored("BLUE-AMAZONS=A1\r\nARROWS=B2"), Keys{});
    // A key counts only at the start of a line.
    EXPECT_EQ(stored("RED-AMAZONS=A1\nBLUE-AMAZONS=B1\nARROWS=x COLUMNS=5\n ROWS=4"),
              (Keys{"RedLocations=A1", "BlueLocations=B1", "ArrowLocations=x COLUMNS=5"}));
    EXPECT_EQ(stored("RED-AMAZONS=A1 BLUE-AMAZONS=B1 ARROWS=C1\r\n BLUE-AMAZONS=D1\r\n"
                     "BLUE-AMAZONS=E1\rARROWS=\r\nCOLUMNS=8\r\nROWS=6"),
              (Keys{"RedLocations=A1 BLUE-AMAZONS=B1 ARROWS=C1", "BlueLocations=E1",
                    "ArrowLocations=", "Columns=8", "Rows=6"}));
    // Every key is looked for from the start, so the order in the text does not matter.
    EXPECT_EQ(
        stored("\nROWS=7\nCOLUMNS=-3x\nARROWS=\nBLUE-AMAZONS=B1\nRED-AMAZONS=A1"),
        (Keys{"RedLocations=A1", "BlueLocations=B1", "ArrowLocations=", "Columns=-3", "Rows=7"}));
    EXPECT_EQ(stored("RED-AMAZONS=\nBLUE-AMAZONS=\nARROWS=\nCOLUMNS=99999999999999\nROWS="),
              (Keys{"RedLocations=", "BlueLocations=", "ArrowLocations=", "Columns=2147483647",
                    "Rows=0"}));
    EXPECT_EQ(
        stored("RED-AMAZONS=A1\nBLUE-AMAZONS=B1\nARROWS=\nCOLUMNS=-99999999999999"),
        (Keys{"RedLocations=A1", "BlueLocations=B1", "ArrowLocations=", "Columns=-2147483648"}));
}

TEST(PlayerReader, TakesAPlayerOnlyWithAllItsFieldsAndItsClock) {
    const std::string complete =
        "RED-TYPE=1:3:5:60:Computer\r\nBLUE-TYPE=0:2:1:30:Bob Smith\r\n"
        "RED-TIME=100\r\nBLUE-TIME=200\r\n";
    FilePlayers players = readFilePlayers(complete);
    ASSERT_TRUE(players.red && players.blue);
    EXPECT_EQ(*players.red, (FilePlayer{1, 3, 5, 60, "Computer", 100}));
    EXPECT_EQ(*players.blue, (FilePlayer{0, 2, 1, 30, "Bob Smith", 200}));

    const auto read = [](std::string_view text) {
        const FilePlayers result = readFilePlayers(text);
        return std::string(result.red ? "R" : "-") + (result.blue ? "B" : "-");
    };
    EXPECT_EQ(read(""), "--");
    EXPECT_EQ(read("RED-TYPE=1:3:5:Computer\nRED-TIME=1\nBLUE-TYPE=0:0:0:3:B\nBLUE-TIME=1"), "--");
    EXPECT_EQ(read("RED-TYPE=1:3:5:60:\nRED-TIME=1\nBLUE-TYPE=0:0:0:3:B\nBLUE-TIME=1"), "--");
    EXPECT_EQ(read("RED-TYPE=1:3:5:60:A\nBLUE-TYPE=0:0:0:3:B\nBLUE-TIME=1"), "--");
    EXPECT_EQ(read("RED-TYPE=1:3:5:60:A\nRED-TIME=1\nBLUE-TYPE=0:0:0:3:B\n"), "R-");
    EXPECT_EQ(read("RED-TYPE=1:3:5:60:A\nRED-TIME=1\nBLUE-TYPE=0:0:x:3:B\nBLUE-TIME=1"), "R-");
    EXPECT_EQ(read("RED-TYPE=1:3:5:60:A\nRED-TIME=1\nBLUE-TIME=1"), "R-");
    // The type line is read from the first "RED-TYPE", which must be followed by '='.
    EXPECT_EQ(read("RED-TYPE 1:3:5:60:A\nRED-TYPE=1:3:5:60:A\nRED-TIME=1"), "--");
    EXPECT_EQ(read("RED-TYPE=-1:+3: 5:\t60:A\nRED-TIME=x"), "R-");
    EXPECT_EQ(read("RED-TYPE=1 :3:5:60:A\nRED-TIME=1"), "--");
    EXPECT_EQ(read("RED-TYPE=-:3:5:60:A\nRED-TIME=1"), "--");
    // Keys count only at the start of a line, as the file writes them; a name is never there.
    EXPECT_EQ(read("  Red  - RED-TYPE=1:3:5:60:A\nRED-TIME=1"), "--");
    const FilePlayers keyNames = readFilePlayers(
        "RED-TYPE=0:3:5:60:RED-TIME=5 BLUE-TYPE=1:0:0:3:B\r\nRED-TIME=7\r\n"
        "BLUE-TYPE=0:1:1:9:BLUE-TIME=3\r\nBLUE-TIME=8");
    EXPECT_EQ(keyNames.red, (FilePlayer{0, 3, 5, 60, "RED-TIME=5 BLUE-TYPE=1:0:0:3:B", 7}));
    EXPECT_EQ(keyNames.blue, (FilePlayer{0, 1, 1, 9, "BLUE-TIME=3", 8}));
}

TEST(PlayerReader, ReadsNumbersLikeAStandardConversion) {
    const FilePlayers players = readFilePlayers(
        "RED-TYPE=-1:+3: 5:\n99999999999999999999: Ann \xE9\x00Lee\rRED-TIME= -42s\n"
        "BLUE-TYPE=0:0:0:-99999999999:B\nBLUE-TIME=99999999999"sv);
    ASSERT_TRUE(players.red && players.blue);
    EXPECT_EQ(*players.red,
              (FilePlayer{-1, 3, 5, 2147483647, std::string(" Ann \xE9\x00Lee", 10), -42}));
    EXPECT_EQ(players.blue->timeout, -2147483648);
    EXPECT_EQ(players.blue->clock, 2147483647);
    PlayerRecord red(kHumanPlayer, "X", Side::kRed, 2, 1, 30);
    applyFilePlayer(*players.red, red);
    EXPECT_EQ(red.clock(), 0);
}

TEST(MoveHistoryText, CutsBetweenTheMarkers) {
    EXPECT_EQ(moveHistoryText("x\r\n<MOVE-HISTORY-START> A1 <MOVE-HISTORY-END> B2"), " A1 ");
    EXPECT_EQ(moveHistoryText("<MOVE-HISTORY-END>\n<MOVE-HISTORY-START> A1"), " A1");
    // The start marker counts only at the start of a line: a name may hold it.
    EXPECT_EQ(moveHistoryText("  Red  - <MOVE-HISTORY-START>\r\n<MOVE-HISTORY-START>\r\nA1"),
              "\r\nA1");
    EXPECT_EQ(moveHistoryText("x <MOVE-HISTORY-START> A1"), "x <MOVE-HISTORY-START> A1");
    EXPECT_EQ(moveHistoryText("A1 B2 C3 <MOVE-HISTORY-END>"), "A1 B2 C3 <MOVE-HISTORY-END>");
    EXPECT_EQ(moveHistoryText(""), "");
}

std::vector<ScannedMove> scan(std::string_view text, int32_t size = 10) {
    return scanMoves(text, size, size);
}

TEST(MoveScanner, FindsSquareTriplesAndSkipsEverythingElse) {
    const std::vector<ScannedMove> twoMoves{{{1, 4}, {7, 4}, {7, 7}}, {{10, 7}, {8, 7}, {8, 5}}};
    EXPECT_EQ(scan("Red/Blue\r\n\r\n  1. D1 - D7 (G7)\t2. G10 - G8 (E8)\r\n"), twoMoves);
    EXPECT_EQ(scan("1.d1-d7(g7) 2.g10,g8;e8"), twoMoves);
    EXPECT_EQ(scan("D1D7G7G10G8E8"), twoMoves);
    EXPECT_EQ(scan("from D1 to D7 arrow G7 G10 G8 E8 then A4 B4"), twoMoves);
    // Off the board: K is the 11th column, 11 and 0 are no rows of ten; each is skipped.
    EXPECT_EQ(scan("K1 D1 A11 A0 D7 A05 G7"), (std::vector<ScannedMove>{twoMoves[0]}));
    // A letter before a too large number is skipped, and the scan goes on one character on.
    EXPECT_EQ(scan("A99999999999999999999999 D1 D7 G7"), (std::vector<ScannedMove>{twoMoves[0]}));
    // Squares may follow each other without separators, two-digit rows included.
    EXPECT_EQ(scan("A1A10J10"), (std::vector<ScannedMove>{{{1, 1}, {10, 1}, {10, 10}}}));
    EXPECT_EQ(scanMoves("T20 t1 A20 U1", 20, 20),
              (std::vector<ScannedMove>{{{20, 20}, {1, 20}, {20, 1}}}));
    EXPECT_EQ(scanMoves("C1 A2 B1 B2", 2, 2), (std::vector<ScannedMove>{{{2, 1}, {1, 2}, {2, 2}}}));
    EXPECT_EQ(scan(""), std::vector<ScannedMove>{});
    EXPECT_EQ(scan("A1"), std::vector<ScannedMove>{});
    EXPECT_EQ(scanMoves("A1 A1 A1", 0, 0), std::vector<ScannedMove>{});
}

TEST(MoveScanner, HostileBytesGiveOnlySquaresOnTheBoard) {
    Mt19937 generator;
    std::string text(1 << 20, '\0');
    for (char& c : text) {
        c = static_cast<char>(generator.next() & 0xFF);
    }
    text += std::string(100000, '9');
    text.insert(text.size() / 2, "A" + std::string(100000, '7'));
    for (const int32_t size : {1, 10, 20}) {
        for (const ScannedMove& move : scanMoves(text, size, size)) {
            for (const Square& square : {move.from, move.to, move.arrow}) {
                EXPECT_TRUE(square.row >= 1 && square.row <= size && square.column >= 1 &&
                            square.column <= size);
            }
        }
    }
    EXPECT_FALSE(scan(text).empty());
    EXPECT_EQ(scan(std::string("\0A1\0B2\0C3\xC1"
                               "1\xE1"
                               "2",
                               13)),
              (std::vector<ScannedMove>{{{1, 1}, {2, 2}, {3, 3}}}));
}

}  // namespace
}  // namespace taravin
