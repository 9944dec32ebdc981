#include <gtest/gtest.h>

#include "count_conversion.h"

TEST(CountConversion, DecimalWithOptionalSign) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("12"), 12);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-3"), -3);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(CountConversion, HexadecimalAfterEachPrefix) {
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("x1f"), 31);
    EXPECT_EQ(StrToInt("X10"), 16);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("0XaB"), 171);
    EXPECT_EQ(StrToInt("$7FFFFFFF"), INT32_MAX);
}

TEST(CountConversion, RefusesWhatIsNotAWholeNumber) {
    for (const char* text : {"", " ", "-", "+", "$", "0x", "x", "4.75", "4,75", "12a", "1 2", " 12",
                             "12 ", "-$10", "+0x1", "0x1G", "x1g", "--1", "abc"})
        EXPECT_THROW(StrToInt(text), ConversionError) << '"' << text << '"';
}

TEST(CountConversion, RefusesValuesOutsideThirtyTwoBits) {
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "$80000000",
                             "0xFFFFFFFF", "0x100000000"})
        EXPECT_THROW(StrToInt(text), ConversionError) << text;
}
