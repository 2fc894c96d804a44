#include <gtest/gtest.h>

#include <limits>

#include "model/memory_profile.h"
#include "model/settings.h"

namespace taravin {
namespace {

std::vector<std::string> writtenKeys(const MemoryProfile& profile) {
    std::vector<std::string> keys;
    for (const ProfileWrite& write : profile.writes()) {
        keys.push_back(write.section + "/" + write.key);
    }
    return keys;
}

std::string squares(const NodeList& amazons) {
    std::string text;
    for (const PositionNode* node = amazons.head(); node; node = node->next) {
        text += node->text() + " ";
    }
    return text;
}

TEST(Settings, EmptyProfileGivesTheDefaultGame) {
    const MemoryProfile profile;
    const BoardSetup setup = readBoardSetup(profile);
    EXPECT_EQ(setup.rows, 10);
    EXPECT_EQ(setup.columns, 10);
    EXPECT_EQ(setup.arrowLocations, "");
    const auto board = buildBoard(setup);
    EXPECT_EQ(squares(board->amazons(Side::kRed)), "A4 D1 G1 J4 ");
    EXPECT_EQ(squares(board->amazons(Side::kBlue)), "A7 D10 G10 J7 ");

    for (Side side : {Side::kRed, Side::kBlue}) {
        const PlayerSettings player = readPlayerSettings(profile, side);
        EXPECT_EQ(player.type, kHumanPlayer);
        EXPECT_EQ(player.name, "Human Player");
        EXPECT_EQ(player.searchAlgorithm, kAlgorithmQScout);
        EXPECT_EQ(player.evaluationFunction, 1);
        EXPECT_EQ(player.moveTimeout, 30);
        EXPECT_EQ(readDepthCounts(profile, side), (StoredDepthCounts{35, 30, 5, 10}));
        EXPECT_EQ(readDepthCounts(profile, side, kDialogDepthCountDefaults),
                  (StoredDepthCounts{25, 15, 5, 10}));
    }
    EXPECT_EQ(readSetting(profile, kMarkLastMoveSetting), 0);
    EXPECT_EQ(readSetting(profile, kLastMoveOptionSetting), 0);
    EXPECT_EQ(readSetting(profile, kAutoGameStartSetting), 0);
    EXPECT_EQ(readSetting(profile, kSoundSetting), 1);
    EXPECT_EQ(readSetting(profile, kColor1CodeSetting), 0xC08080);
    EXPECT_EQ(readSetting(profile, kColor2CodeSetting), 0xC0C0C0);
    EXPECT_EQ(readSetting(profile, kBkgColorCodeSetting), 0xC0C0C0);
    for (int32_t color : readCustomColors(profile)) {
        EXPECT_EQ(color, 0xFFFFFF);
    }
    EXPECT_EQ(readSetting(profile, kFileDlgDirectorySetting), "");
    EXPECT_EQ(readWindowPlacement(profile), (WindowPlacement{-1, -1, -1, -1, -1}));
    EXPECT_TRUE(profile.writes().empty()) << "reading never writes";
}

TEST(Settings, MoveTimeoutOutsideItsRangeReadsAsThirty) {
    for (const auto& [stored, read] : {std::pair{2, 30},
                                       {3601, 30},
                                       {3, 3},
                                       {3600, 3600},
                                       {-1, 30},
                                       {std::numeric_limits<int32_t>::min(), 30}}) {
        MemoryProfile profile;
        profile.writeInt("Settings", "RedMoveTimeout", stored);
        profile.writeInt("Settings", "BlueMoveTimeout", stored);
        EXPECT_EQ(readPlayerSettings(profile, Side::kRed).moveTimeout, read) << stored;
        EXPECT_EQ(readPlayerSettings(profile, Side::kBlue).moveTimeout, read) << stored;
    }
}

TEST(Settings, ZeroSizeMakesBothTenOnlyWhenLoading) {
    MemoryProfile profile;
    profile.writeInt("Settings", "Rows", 0);
    profile.writeInt("Settings", "Columns", 12);
    const BoardSetup loaded = readBoardSetup(profile);
    EXPECT_EQ(loaded.rows, 10);
    EXPECT_EQ(loaded.columns, 10);
    const BoardSetup asStored = readBoardSetup(profile, StoredBoardSize::kAsStored);
    EXPECT_EQ(asStored.rows, 0);
    EXPECT_EQ(asStored.columns, 12);
    const auto board = buildBoard(asStored);
    EXPECT_EQ(board->rows(), 10) << "the board falls back to 10 x 10";
    EXPECT_EQ(board->columns(), 10);

    profile.writeInt("Settings", "Rows", 12);
    profile.writeInt("Settings", "Columns", 14);
    EXPECT_EQ(readBoardSetup(profile).rows, 12);
    EXPECT_EQ(readBoardSetup(profile).columns, 14);
}

TEST(Settings, EmptyTextsReadAsTheirDefaultsExceptArrows) {
    MemoryProfile profile;
    profile.writeString("Settings", "RedLocations", "");
    profile.writeString("Settings", "BlueLocations", "");
    profile.writeString("Settings", "ArrowLocations", "");
    profile.writeString("Settings", "BlueName", "");
    profile.writeString("Settings", "RedName", "Ann");
    const BoardSetup setup = readBoardSetup(profile);
    EXPECT_EQ(setup.redLocations, "A4, D1, G1, J4");
    EXPECT_EQ(setup.blueLocations, "A7, D10, G10, J7");
    EXPECT_EQ(setup.arrowLocations, "");
    EXPECT_EQ(readPlayerSettings(profile, Side::kBlue).name, "Human Player");
    EXPECT_EQ(readPlayerSettings(profile, Side::kRed).name, "Ann");

    profile.writeString("Settings", "RedLocations", "a4,d1 g1 ,j4");
    EXPECT_EQ(readBoardSetup(profile).redLocations, "a4,d1 g1 ,j4") << "stored as typed";
}

TEST(Settings, WritersKeepTheirDialogsOrder) {
    MemoryProfile profile;
    writeBoardSetup(profile, BoardSetup{8, 9, "A1", "B2", "C3"});
    EXPECT_EQ(
        writtenKeys(profile),
        (std::vector<std::string>{"Settings/ArrowLocations", "Settings/RedLocations",
                                  "Settings/BlueLocations", "Settings/Columns", "Settings/Rows"}));
    EXPECT_EQ(profile.writes()[3].value, "9");
    const BoardSetup back = readBoardSetup(profile);
    EXPECT_EQ(back.rows, 8);
    EXPECT_EQ(back.columns, 9);
    EXPECT_EQ(back.redLocations, "A1");

    profile.clearWrites();
    writePlayerSettings(profile, PlayerSettings{1, "Ann", 4, 3, 60},
                        PlayerSettings{0, "Bob", 0, 5, 90});
    EXPECT_EQ(writtenKeys(profile),
              (std::vector<std::string>{
                  "Settings/RedSearchAlgorithm", "Settings/BlueSearchAlgorithm",
                  "Settings/RedEvaluationFunction", "Settings/BlueEvaluationFunction",
                  "Settings/RedMoveTimeout", "Settings/BlueMoveTimeout", "Settings/RedType",
                  "Settings/BlueType", "Settings/BlueName", "Settings/RedName"}));
    const PlayerSettings red = readPlayerSettings(profile, Side::kRed);
    EXPECT_EQ(red.type, 1);
    EXPECT_EQ(red.searchAlgorithm, 4);
    EXPECT_EQ(red.evaluationFunction, 3);
    EXPECT_EQ(red.moveTimeout, 60);
    EXPECT_EQ(readPlayerSettings(profile, Side::kBlue).name, "Bob");

    profile.clearWrites();
    writeDepthCounts(profile, Side::kRed, {40, 20, 0, 7});
    writeDepthCounts(profile, Side::kNone, {1, 2, 3, 4});
    EXPECT_EQ(
        writtenKeys(profile),
        (std::vector<std::string>{"Settings/RedDepthTopCount", "Settings/RedDepth2Count",
                                  "Settings/RedDepthDecreaseCount", "Settings/RedDepthMinCount",
                                  "Settings/BlueDepthTopCount", "Settings/BlueDepth2Count",
                                  "Settings/BlueDepthDecreaseCount", "Settings/BlueDepthMinCount"}))
        << "any side but Red has the Blue keys";
    EXPECT_EQ(readDepthCounts(profile, Side::kRed), (StoredDepthCounts{40, 20, 0, 7}));
    EXPECT_EQ(readDepthCounts(profile, Side::kRed, kDialogDepthCountDefaults),
              (StoredDepthCounts{40, 20, 0, 7}))
        << "once stored, the search and the dialog agree";
    EXPECT_EQ(readDepthCounts(profile, Side::kBlue), (StoredDepthCounts{1, 2, 3, 4}));

    profile.clearWrites();
    writeWindowPlacement(profile, {10, 20, 610, 820, 3});
    EXPECT_EQ(writtenKeys(profile),
              (std::vector<std::string>{"Window/Top", "Window/Left", "Window/Bottom",
                                        "Window/Right", "Window/Resolution"}));
    EXPECT_EQ(readWindowPlacement(profile), (WindowPlacement{10, 20, 610, 820, 3}));
}

TEST(Settings, CustomColorsLiveInTheirOwnSection) {
    MemoryProfile profile;
    CustomColors colors{};
    for (int i = 0; i < kCustomColorCount; ++i) {
        colors[i] = i * 0x010101;
    }
    writeCustomColors(profile, colors);
    ASSERT_EQ(profile.writes().size(), 16u);
    EXPECT_EQ(profile.writes().front(), (ProfileWrite{"CustomColors", "CustomColor0", "0"}));
    EXPECT_EQ(profile.writes().back().key, "CustomColor15");
    EXPECT_EQ(readCustomColors(profile), colors);
}

TEST(Settings, HostileValuesNeverReachOutsideTheBoard) {
    const std::string longText(200000, 'Z');
    const char* hostileTexts[] = {"99999999999", "-2147483649", "0x10", "\xC1\xFF", "12abc", ""};
    for (const char* rows : hostileTexts) {
        MemoryProfile profile;
        profile.writeString("Settings", "Rows", rows);
        profile.writeString("Settings", "Columns", "-7");
        profile.writeString("Settings", "RedLocations",
                            "\xC1"
                            "1, \xFF\xFE, A4");
        profile.writeString("Settings", "BlueLocations", longText);
        profile.writeString("Settings", "ArrowLocations", "T20, A99999999999, ,,");
        profile.writeString("Settings", "RedMoveTimeout", "1e9");
        const BoardSetup setup = readBoardSetup(profile);
        EXPECT_EQ(setup.rows, 10) << "a value that is no 32-bit integer reads as the default";
        const auto board = buildBoard(setup);
        EXPECT_EQ(board->rows(), 10);
        EXPECT_EQ(board->columns(), 10);
        EXPECT_EQ(squares(board->amazons(Side::kRed)), "A4 ");
        EXPECT_TRUE(board->amazons(Side::kBlue).empty());
        EXPECT_EQ(readPlayerSettings(profile, Side::kRed).moveTimeout, 30);
    }
    MemoryProfile extreme;
    extreme.writeInt("Settings", "Rows", std::numeric_limits<int32_t>::max());
    extreme.writeInt("Settings", "Columns", std::numeric_limits<int32_t>::min());
    EXPECT_EQ(buildBoard(readBoardSetup(extreme))->rows(), 10);
}

TEST(Settings, ResolutionClassSteps) {
    for (const auto& [height, sizeClass] : {std::pair{1025, 5},
                                            {1024, 4},
                                            {865, 4},
                                            {864, 3},
                                            {769, 3},
                                            {768, 2},
                                            {601, 2},
                                            {600, 1},
                                            {481, 1},
                                            {480, 0},
                                            {0, 0},
                                            {-5, 0}}) {
        EXPECT_EQ(resolutionClass(height), sizeClass) << height;
    }
}

TEST(Settings, StoredPlacementAppliesOnlyWhenCompleteAndSane) {
    EXPECT_FALSE(storedPlacementApplies(WindowPlacement{}, 3));
    EXPECT_TRUE(storedPlacementApplies({10, 20, 610, 820, 3}, 3));
    EXPECT_FALSE(storedPlacementApplies({10, 20, 610, 820, 3}, 4));
    EXPECT_FALSE(storedPlacementApplies({10, -1, 610, 820, 3}, 3));
    EXPECT_TRUE(storedPlacementApplies({-20, -40, 610, 820, 0}, 0)) << "negative edges are fine";
    EXPECT_FALSE(storedPlacementApplies({10, 20, 10, 820, 3}, 3)) << "zero height";
    EXPECT_FALSE(storedPlacementApplies({610, 820, 10, 20, 3}, 3)) << "edges swapped";
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(storedPlacementApplies({kMin, kMin, kMax, kMax, 3}, 3)) << "size overflows";
}

}  // namespace
}  // namespace taravin
