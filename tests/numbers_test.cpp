#include "content/numbers.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>

TEST(Numbers, LeadingNumberReadsWhatBeginsTheText) {
    const std::pair<const char*, double> rows[] = {
        {"11250", 11250},   {"  42abc", 42},
        {"-1", -1},         {"+7", 7},
        {"2.5 и още", 2.5}, {".5", 0.5},
        {"abc", 0},         {"", 0},
        {"-", 0},           {"Utochnenie dali ima grafika - 30 br", 0}};
    for (const auto& [text, number] : rows) {
        EXPECT_EQ(content::leadingNumber(text), number) << text;
    }
}

TEST(Numbers, StrictNumberWantsTheWholeText) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"1", 1.0}, {" -1 ", -1.0}, {"0", 0.0}, {"2.25", 2.25}, {"abc", {}},
        {"1x", {}}, {"", {}},       {"  ", {}}, {"1 2", {}}};
    for (const auto& [text, number] : rows) {
        EXPECT_EQ(content::strictNumber(text), number) << '"' << text << '"';
    }
}

TEST(Numbers, RoundsHalfToEven) {
    const std::pair<double, long long> rows[] = {{12.5, 12}, {37.5, 38},    {0.5, 0},
                                                 {1.5, 2},   {12.4999, 12}, {12.5001, 13},
                                                 {-0.5, 0},  {-1.5, -2},    {100.0 * 38 / 50, 76}};
    for (const auto& [value, rounded] : rows) {
        EXPECT_EQ(content::roundHalfEven(value), rounded) << value;
    }
}
