#include <gtest/gtest.h>

#include <limits>

#include "model/memory_profile.h"
#include "model/player_record.h"
#include "model/square.h"

namespace taravin {
namespace {

PlayerRecord computer(int32_t algorithm, int32_t evaluation, Side side = Side::kBlue) {
    return PlayerRecord(kComputerPlayer, "Ann", side, algorithm, evaluation, 30);
}

TEST(PlayerRecord, DefaultPlayersFromAnEmptyProfile) {
    const MemoryProfile profile;
    const PlayerRecord red = readPlayerRecord(profile, Side::kRed);
    const PlayerRecord blue = readPlayerRecord(profile, Side::kBlue);
    EXPECT_EQ(red.side(), Side::kRed);
    EXPECT_EQ(blue.side(), Side::kBlue);
    EXPECT_EQ(red.description(), "Red  - Human Player");
    EXPECT_EQ(blue.description(), "Blue - Human Player");
    EXPECT_EQ(red.serialised(), "0:2:1:30:Human Player");
    EXPECT_EQ(red.clockText(), "Red  - 00:00:00");
    EXPECT_EQ(red.lastMoveText(), "");
}

TEST(PlayerRecord, ReadsTheStoredPlayerWithItsGuard) {
    MemoryProfile profile;
    profile.writeInt("Settings", "BlueType", 1);
    profile.writeInt("Settings", "BlueSearchAlgorithm", 3);
    profile.writeInt("Settings", "BlueEvaluationFunction", 5);
    profile.writeInt("Settings", "BlueMoveTimeout", 3601);
    profile.writeString("Settings", "BlueName", "Bob");
    const PlayerRecord blue = readPlayerRecord(profile, Side::kBlue);
    EXPECT_EQ(blue.description(), "Blue - Computer (MTD/Mobility) (30s)");
    EXPECT_EQ(blue.serialised(), "1:3:5:30:Computer");
    EXPECT_EQ(blue.name(), "Bob");
    EXPECT_EQ(blue.clock(), 0);
}

TEST(PlayerRecord, ComputerDescriptionNamesAlgorithmAndEvaluation) {
    struct Row {
        int32_t algorithm;
        int32_t evaluation;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, "Blue - Computer (MiniMax/Square Ownership) (30s)"},
        {1, 1, "Blue - Computer (Alpha-Beta/Min. Distance (array)) (30s)"},
        {2, 2, "Blue - Computer (QScout/Min. Distance (sep amazon)) (30s)"},
        {3, 3, "Blue - Computer (MTD/Min. Distance (base)) (30s)"},
        {4, 4, "Blue - Computer (QScout (base)/Min. Distance (steps)) (30s)"},
        {2, 5, "Blue - Computer (QScout/Mobility) (30s)"},
        {-1, 6, "Blue - Computer (QScout/Min. Distance (array)) (30s)"},
        {99, -7, "Blue - Computer (QScout/Min. Distance (array)) (30s)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(computer(row.algorithm, row.evaluation).description(), row.text);
    }
    PlayerRecord oddType(7, "Ann", Side::kRed, 2, 1, 3600);
    EXPECT_EQ(oddType.description(), "Red  - Computer (QScout/Min. Distance (array)) (3600s)")
        << "every type but 0 is a computer";
}

TEST(PlayerRecord, SerialisedFormNamesAComputerComputer) {
    EXPECT_EQ(computer(4, 3).serialised(), "1:4:3:30:Computer");
    const PlayerRecord human(kHumanPlayer, "Zoë \xFF", Side::kRed, 0, 5, 10);
    EXPECT_EQ(human.serialised(), "0:0:5:10:Zoë \xFF");
    const PlayerRecord brokenName(kHumanPlayer, "Ann\r\nRED-TIME=5", Side::kRed, 2, 1, 30);
    EXPECT_EQ(brokenName.serialised(), "0:2:1:30:Ann") << "a name never breaks the file's lines";
}

TEST(PlayerRecord, ClockTexts) {
    PlayerRecord blue(kHumanPlayer, "Bob", Side::kBlue, 2, 1, 30);
    blue.set("Bob", kHumanPlayer, 2, 1, 30, 3600 + 2 * 60 + 5);
    EXPECT_EQ(blue.clockText(), "Blue - 01:02:05");
    EXPECT_EQ(blue.hoursText(), "01");
    EXPECT_EQ(blue.minutesText(), "02");
    EXPECT_EQ(blue.secondsTensText(), "0");
    EXPECT_EQ(blue.secondsUnitsText(), "5");
    blue.set("Bob", kHumanPlayer, 2, 1, 30, 100 * 3600 - 1);
    EXPECT_EQ(blue.clockText(), "Blue - 99:59:59");
    EXPECT_EQ(blue.secondsTensText(), "5");
    EXPECT_EQ(blue.secondsUnitsText(), "9");
    blue.tick();
    EXPECT_EQ(blue.clockText(), "Blue - 100:00:00");
    EXPECT_EQ(blue.hoursText(), "100");
    blue.set("Bob", kHumanPlayer, 2, 1, 30, std::numeric_limits<int32_t>::max());
    blue.tick();
    EXPECT_EQ(blue.clock(), std::numeric_limits<int32_t>::max()) << "the clock saturates";
    EXPECT_EQ(blue.clockText(), "Blue - 596523:14:07");
    blue.set("Bob", kHumanPlayer, 2, 1, 30, -5);
    EXPECT_EQ(blue.clockText(), "Blue - 00:00:00") << "a negative clock from a file counts as 0";
}

TEST(PlayerRecord, SetKeepsTheSideAndClearsTheLastMove) {
    PlayerRecord red(kHumanPlayer, "Ann", Side::kRed, 2, 1, 30);
    red.setLastMoveText("D1 - D7 (G7)");
    red.tick();
    PlayerRecord copy(red);
    EXPECT_EQ(copy.lastMoveText(), "D1 - D7 (G7)");
    EXPECT_EQ(copy.clock(), 1);
    red.set("Computer", kComputerPlayer, 9, 9, 1, 42);
    EXPECT_EQ(red.side(), Side::kRed);
    EXPECT_EQ(red.lastMoveText(), "");
    EXPECT_EQ(red.clock(), 42);
    EXPECT_EQ(red.algorithm(), 9) << "a game file's codes are taken as they are";
    EXPECT_EQ(red.timeout(), 1);
    EXPECT_EQ(copy.name(), "Ann") << "the copy is independent";
}

TEST(PlayerRecord, SwitchSidesMovesEverythingButTheSide) {
    PlayerRecord red(kHumanPlayer, "Ann", Side::kRed, 2, 1, 30);
    PlayerRecord blue = computer(0, 0);
    red.set("Ann", kHumanPlayer, 2, 1, 30, 10);
    red.setLastMoveText("A4 - A5 (A6)");
    blue.set("Computer", kComputerPlayer, 0, 0, 45, 20);
    blue.setLastMoveText("J7 - J6 (J5)");
    switchSides(red, blue);
    EXPECT_EQ(red.side(), Side::kRed);
    EXPECT_EQ(red.description(), "Red  - Computer (MiniMax/Square Ownership) (45s)");
    EXPECT_EQ(red.clock(), 20);
    EXPECT_EQ(red.lastMoveText(), "J7 - J6 (J5)");
    EXPECT_EQ(blue.side(), Side::kBlue);
    EXPECT_EQ(blue.description(), "Blue - Ann");
    EXPECT_EQ(blue.clockText(), "Blue - 00:00:10");
    EXPECT_EQ(blue.lastMoveText(), "A4 - A5 (A6)");
}

}  // namespace
}  // namespace taravin
