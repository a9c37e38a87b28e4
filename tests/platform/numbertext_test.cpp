#include "platform/numbertext.h"

#include <gtest/gtest.h>

using namespace numbertext;

TEST(NumberText, SignedDecimalHasABlankForTheSign)
{
    EXPECT_EQ(signedDecimal(12), " 12");
    EXPECT_EQ(signedDecimal(0), " 0");
    EXPECT_EQ(signedDecimal(-1), "-1");
}

TEST(NumberText, HalvesGoToTheEvenNeighbourAndSixteenBitsCanOverflow)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(*toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_EQ(*toInt16(-32768.0), -32768);
    EXPECT_FALSE(toInt16(-32769.0).has_value());
}

TEST(NumberText, NumericValueOfAText)
{
    EXPECT_EQ(leadingNumber("   14"), 14);
    EXPECT_EQ(leadingNumber("-1"), -1);
    EXPECT_EQ(leadingNumber("+7x"), 7);
    EXPECT_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("- 3"), 0);
    EXPECT_EQ(*numericValue16(" 2.5"), 2);
    EXPECT_EQ(*numericValue16("3.5"), 4);
    EXPECT_FALSE(numericValue16("99999").has_value());
}

TEST(NumberText, NumberForms)
{
    EXPECT_EQ(grouped(0), "0");
    EXPECT_EQ(grouped(999), "999");
    EXPECT_EQ(grouped(1000000), "1,000,000");
    EXPECT_EQ(grouped(650123456789LL), "650,123,456,789");
    EXPECT_EQ(groupedOrEmpty(0), "");
    EXPECT_EQ(groupedOrEmpty(1500000), "1,500,000");
    EXPECT_EQ(twoDecimals(2.5), "2.50");
    EXPECT_EQ(twoDecimals(double(12.345f)), "12.35");
    EXPECT_EQ(twoDecimals(100), "100.00");
    EXPECT_EQ(twoDecimals(0.5), ".50");
    EXPECT_EQ(zeroPadded(3, 2), "03");
    EXPECT_EQ(zeroPadded(100, 2), "100");
    EXPECT_EQ(zeroPadded(7, 3), "007");
}
