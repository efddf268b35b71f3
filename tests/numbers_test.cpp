#include "content/numbers.h"

#include <gtest/gtest.h>

using content::leadingNumber;
using content::roundHalfEven;
using content::strictNumber;

TEST(Numbers, LeadingNumberReadsWhatBeginsTheText) {
    EXPECT_EQ(leadingNumber("11250"), 11250);
    EXPECT_EQ(leadingNumber("  42abc"), 42);
    EXPECT_EQ(leadingNumber("-1"), -1);
    EXPECT_EQ(leadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5 и още"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("Utochnenie dali ima grafika - 30 br"), 0);
}

TEST(Numbers, StrictNumberWantsTheWholeText) {
    EXPECT_EQ(strictNumber("1"), 1.0);
    EXPECT_EQ(strictNumber(" -1 "), -1.0);
    EXPECT_EQ(strictNumber("0"), 0.0);
    EXPECT_EQ(strictNumber("2.25"), 2.25);
    EXPECT_FALSE(strictNumber("abc"));
    EXPECT_FALSE(strictNumber("1x"));
    EXPECT_FALSE(strictNumber(""));
    EXPECT_FALSE(strictNumber("  "));
    EXPECT_FALSE(strictNumber("1 2"));
}

TEST(Numbers, RoundsHalfToEven) {
    EXPECT_EQ(roundHalfEven(12.5), 12);
    EXPECT_EQ(roundHalfEven(37.5), 38);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(12.4999), 12);
    EXPECT_EQ(roundHalfEven(12.5001), 13);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(100.0 * 38 / 50), 76);
}
