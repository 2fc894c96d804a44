#include <gtest/gtest.h>

#include "formats/location_validator.h"

namespace taravin {
namespace {

LocationCheck check(std::string_view text, Content content = Content::kRed, int32_t rows = 10,
                    int32_t columns = 10) {
    AcceptedSquares accepted;
    return validateLocations(text, content, rows, columns, accepted);
}

BoardConfigurationFields defaultFields() {
    return {"10", "10", "A4, D1, G1, J4", "A7, D10, G10, J7", ""};
}

TEST(StrictParser, LooseButReadableListIsTheDefaultList) {
    AcceptedSquares loose;
    const LocationCheck result = validateLocations("a4,d1 g1 ,j4", Content::kRed, 10, 10, loose);
    EXPECT_TRUE(result.valid);
    EXPECT_EQ(result.count, 4);
    AcceptedSquares standard;
    validateLocations("A4, D1, G1, J4", Content::kRed, 10, 10, standard);
    EXPECT_EQ(loose.red, standard.red);
    EXPECT_EQ(loose.red[1], (Square{1, 4}));
    EXPECT_TRUE(check("A4, D1,  ").valid) << "trailing separators end the list";
    EXPECT_TRUE(check("A4;, D1").valid) << "characters after the number are ignored";
}

TEST(StrictParser, RefusesWhatTheLenientParserSkips) {
    for (const char* text : {" A4, D1", ",A4, D1", "A4, A4", "K1", "A0", "A11", "A", "A-1", "4A",
                             "\xC1"
                             "1",
                             "A4, B", "[1", "A99999999999"}) {
        EXPECT_FALSE(check(text).valid) << text;
    }
    EXPECT_EQ(check("A4, D1, A4").count, 2) << "the squares before the fault are counted";
}

TEST(StrictParser, EmptyListIsValidOnlyForArrows) {
    EXPECT_FALSE(check("", Content::kRed).valid);
    EXPECT_FALSE(check("", Content::kBlue).valid);
    EXPECT_TRUE(check("", Content::kArrow).valid);
    EXPECT_EQ(check("", Content::kArrow).count, 0);
    EXPECT_FALSE(check(std::string_view("\0A4", 3), Content::kRed).valid)
        << "the text ends at a NUL";
}

TEST(StrictParser, LastLetterAndRowFollowTheBoardSize) {
    EXPECT_TRUE(check("T1", Content::kRed, 10, 20).valid);
    EXPECT_FALSE(check("U1", Content::kRed, 10, 20).valid);
    EXPECT_TRUE(check("A20", Content::kRed, 20, 10).valid);
    EXPECT_FALSE(check("A21", Content::kRed, 20, 10).valid);
    EXPECT_TRUE(check("A1", Content::kRed, 1, 1).valid);
    EXPECT_FALSE(check("B1", Content::kRed, 1, 1).valid);
}

TEST(StrictParser, SquareTakenByAnEarlierListIsRefused) {
    AcceptedSquares accepted;
    ASSERT_TRUE(validateLocations("A4, D1, G1, J4", Content::kRed, 10, 10, accepted).valid);
    ASSERT_TRUE(validateLocations("A7, D10, G10, J7", Content::kBlue, 10, 10, accepted).valid);
    EXPECT_FALSE(validateLocations("E5, d1", Content::kArrow, 10, 10, accepted).valid);
    EXPECT_EQ(accepted.arrows, (std::vector<Square>{{5, 5}}));
}

TEST(BoardConfigurationCheck, AcceptsTheDefaultsAndKeepsTheTextsAsTyped) {
    BoardConfigurationFields fields = defaultFields();
    fields.redLocations = "a4,d1 g1 ,j4";
    fields.columns = "12";
    const BoardConfigurationCheck result = checkBoardConfiguration(fields);
    EXPECT_TRUE(result.accepted());
    EXPECT_EQ(result.setup.rows, 10);
    EXPECT_EQ(result.setup.columns, 12);
    EXPECT_EQ(result.setup.redLocations, "a4,d1 g1 ,j4");
    EXPECT_EQ(result.setup.arrowLocations, "");
}

TEST(BoardConfigurationCheck, FirstFaultGivesTheMessage) {
    struct Case {
        BoardConfigurationFields fields;
        const char* message;
        BoardConfigurationField field;
    };
    const auto with = [](auto change) {
        BoardConfigurationFields fields = defaultFields();
        change(fields);
        return fields;
    };
    const std::string limit = "The game allows only up to 4 number of queens";
    const Case cases[] = {
        {with([](auto& f) {
             f.rows = "0";
             f.redLocations = "";
         }),
         "Please enter an integer between 1 and 20.", BoardConfigurationField::kRows},
        {with([](auto& f) { f.columns = "21"; }), "Please enter an integer between 1 and 20.",
         BoardConfigurationField::kColumns},
        {with([](auto& f) { f.columns = ""; }), "Please enter an integer.",
         BoardConfigurationField::kColumns},
        {with([](auto& f) {
             f.redLocations = "";
             f.blueLocations = "K1";
         }),
         "Invalid positions for the Red Amazons are specified.", BoardConfigurationField::kRed},
        {with([](auto& f) { f.blueLocations = "A7, A4"; }),
         "Invalid positions for the Blue Amazons are specified.", BoardConfigurationField::kBlue},
        {with([](auto& f) { f.arrowLocations = "E5, J4"; }),
         "Invalid positions for the Arrows are specified.", BoardConfigurationField::kArrows},
        {with([](auto& f) { f.blueLocations = "A7, D10, G10"; }),
         "The number of queens for red and blue players do not match.",
         BoardConfigurationField::kNone},
        {with([](auto& f) {
             f.redLocations += ", E1";
             f.blueLocations += ", E10";
         }),
         limit.c_str(), BoardConfigurationField::kNone},
        {with([](auto& f) { f.redLocations += ", E1"; }),
         "The number of queens for red and blue players do not match.",
         BoardConfigurationField::kNone},
    };
    for (const Case& c : cases) {
        const BoardConfigurationCheck result = checkBoardConfiguration(c.fields);
        EXPECT_EQ(result.message, c.message)
            << c.fields.redLocations << " / " << c.fields.blueLocations;
        EXPECT_EQ(result.field, c.field) << c.message;
        EXPECT_FALSE(result.accepted());
    }
}

TEST(BoardConfigurationCheck, SmallBoardsWork) {
    const BoardConfigurationCheck result = checkBoardConfiguration({"1", "2", "A1", "b1", ""});
    EXPECT_TRUE(result.accepted());
    EXPECT_EQ(result.setup.columns, 2);
}

}  // namespace
}  // namespace taravin
