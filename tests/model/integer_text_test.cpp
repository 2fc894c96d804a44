#include <gtest/gtest.h>

#include "model/integer_text.h"

namespace taravin {
namespace {

TEST(IntegerText, OnlyAWholeThirtyTwoBitIntegerParses) {
    EXPECT_EQ(parseInteger("12"), 12);
    EXPECT_EQ(parseInteger(" \t12 "), 12);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    for (const char* text : {"", " ", "+", "-", "+-1", "12a", "1 2", "0x10", "2147483648",
                             "-2147483649", "99999999999999999999", "\xC1", "1.5"}) {
        EXPECT_FALSE(parseInteger(text)) << text;
    }
}

TEST(IntegerText, FieldMessages) {
    EXPECT_EQ(readIntegerField("20", 1, 20).value, 20);
    EXPECT_TRUE(readIntegerField("20", 1, 20).message.empty());
    EXPECT_EQ(readIntegerField("21", 1, 20).message, "Please enter an integer between 1 and 20.");
    EXPECT_EQ(readIntegerField("0", 1, 20).message, "Please enter an integer between 1 and 20.");
    EXPECT_FALSE(readIntegerField("0", 1, 20).value);
    EXPECT_EQ(readIntegerField("", 1, 20).message, "Please enter an integer.");
    EXPECT_EQ(readIntegerField("-3", 3, 3600).message,
              "Please enter an integer between 3 and 3600.");
}

}  // namespace
}  // namespace taravin
