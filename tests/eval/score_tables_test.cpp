#include <gtest/gtest.h>

#include "eval/score_tables.h"

namespace taravin {
namespace {

template <class Table>
bool antisymmetricExcept(const Table& table, int32_t row, int32_t column) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = 0; j < table.size(); ++j) {
            const bool exempt =
                (static_cast<int32_t>(i) == row && static_cast<int32_t>(j) == column) ||
                (static_cast<int32_t>(i) == column && static_cast<int32_t>(j) == row);
            if (!exempt && table[i][j] != -table[j][i]) {
                return false;
            }
        }
    }
    return true;
}

TEST(ScoreTables, AntisymmetricApartFromTheStepsPairOneTwo) {
    for (const ScoreTable* table :
         {&kArraysEarlyTable, &kArraysLateTable, &kBaseEarlyTable, &kBaseLateTable}) {
        EXPECT_TRUE(antisymmetricExcept(*table, -1, -1));
    }
    EXPECT_TRUE(antisymmetricExcept(kQuickEarlyTable, -1, -1));
    EXPECT_TRUE(antisymmetricExcept(kQuickLateTable, -1, -1));
    EXPECT_TRUE(antisymmetricExcept(kStepsTable, 1, 2));
    EXPECT_EQ(kStepsTable[1][2], 5);
    EXPECT_EQ(kStepsTable[2][1], 5);
}

TEST(ScoreTables, SquareReachedOnlyByOneSide) {
    for (int32_t own = 1; own <= kLargestTableDistance; ++own) {
        EXPECT_EQ(kArraysEarlyTable[own][0], 18);
        EXPECT_EQ(kArraysLateTable[own][0], 20);
        EXPECT_EQ(kBaseEarlyTable[own][0], 10);
        EXPECT_EQ(kBaseLateTable[own][0], 20);
        EXPECT_EQ(kStepsTable[own][0], 20);
        EXPECT_EQ(kArraysEarlyTable[0][own], -18);
        EXPECT_EQ(kStepsTable[0][own], -20);
    }
    EXPECT_EQ(kArraysEarlyTable[0][0], 0);
    EXPECT_EQ(kStepsTable[0][0], 0);
}

TEST(ScoreTables, EntriesAsWritten) {
    // Row 7 of both late tables breaks the pattern on purpose.
    for (const ScoreTable* table : {&kArraysLateTable, &kBaseLateTable}) {
        EXPECT_EQ((*table)[7][10], 4);
        EXPECT_EQ((*table)[7][11], 8);
        EXPECT_EQ((*table)[7][12], 2);
        EXPECT_EQ((*table)[7][13], 2);
        EXPECT_EQ((*table)[7][14], 2);
        EXPECT_EQ((*table)[11][7], -8);
        EXPECT_EQ((*table)[6][13], 19);
    }
    EXPECT_EQ(kArraysEarlyTable[1][2], 14);
    EXPECT_EQ(kArraysEarlyTable[2][9], 16);
    EXPECT_EQ(kArraysEarlyTable[4][11], 16);
    EXPECT_EQ(kArraysEarlyTable[5][6], 2);
    EXPECT_EQ(kArraysLateTable[3][8], 18);
    EXPECT_EQ(kArraysLateTable[5][9], 15);
    EXPECT_EQ(kBaseEarlyTable[3][4], 2);
    EXPECT_EQ(kBaseEarlyTable[3][8], 6);
    EXPECT_EQ(kBaseEarlyTable[9][2], -16);
    EXPECT_EQ(kBaseLateTable[2][5], 14);
    EXPECT_EQ(kBaseLateTable[4][7], 12);
    EXPECT_EQ(kStepsTable[4][9], 10);
    EXPECT_EQ(kStepsTable[8][13], 5);
    EXPECT_EQ(kStepsTable[7][4], -3);
    EXPECT_EQ(kQuickEarlyTable[1][2], 9);
    EXPECT_EQ(kQuickEarlyTable[2][0], 7);
    EXPECT_EQ(kQuickLateTable[0][2], -5);
    EXPECT_EQ(kQuickLateTable[1][0], 20);
}

TEST(ScoreTables, DistancesOfFifteenOrMoreReadRowAndColumnFourteen) {
    // Rows 13 and 14 of the steps table differ in column 13, so a wrong clamp shows.
    EXPECT_EQ(lookupScore(kStepsTable, 15, 13), -2);
    EXPECT_EQ(lookupScore(kStepsTable, 40, 13), -2);
    EXPECT_EQ(lookupScore(kStepsTable, 13, 15), 2);
    EXPECT_EQ(lookupScore(kStepsTable, 20, 19), 0);
    EXPECT_EQ(lookupScore(kArraysLateTable, 3, 100), 19);
    EXPECT_EQ(lookupScore(kArraysLateTable, 14, 7), -2);
    EXPECT_EQ(lookupScore(kArraysEarlyTable, 2, 1), -14);
}

TEST(ScoreTables, EarlyTablesServeUpToMoveTwelve) {
    EXPECT_TRUE(isEarlyMove(1));
    EXPECT_TRUE(isEarlyMove(12));
    EXPECT_FALSE(isEarlyMove(13));
    EXPECT_FALSE(isEarlyMove(200));
}

}  // namespace
}  // namespace taravin
