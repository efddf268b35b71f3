// A long session: the colour window opened and closed two thousand times, each time with a slider
// moved and a size chosen, then saved, cancelled or closed. The window goes at every closing;
// what it leaves behind must not add up.

#include "checks.h"
#include "memory.h"

#include <cstdio>
#include <gtest/gtest.h>

using test::heapInUse;
using test::Quiz;
using test::residentBytes;

namespace {

constexpr int kWarmUp = 200;
constexpr int kOpenings = 2000;
constexpr long long kMostGrowth = 1024 * 1024;

} // namespace

TEST(LongSession, TwoThousandOpeningsOfTheColourWindowKeepMemoryFlat) {
    Quiz quiz;
    for (int round = 0; round < kWarmUp; ++round) {
        test::openAdjustAndClose(quiz, round);
    }
    const long long heapBefore = heapInUse();
    const long long residentBefore = residentBytes();
    for (int round = kWarmUp; round < kOpenings; ++round) {
        test::openAdjustAndClose(quiz, round);
    }
    const long long heapGrowth = heapInUse() - heapBefore;
    const long long residentGrowth = residentBytes() - residentBefore;
    std::printf("after %d openings: heap %+lld bytes, resident %+lld bytes since opening %d\n",
                kOpenings, heapGrowth, residentGrowth, kWarmUp);
    EXPECT_LT(heapGrowth, kMostGrowth);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer keeps freed memory in quarantine, so the resident size says nothing there.
    EXPECT_LT(residentGrowth, kMostGrowth);
#endif
}
