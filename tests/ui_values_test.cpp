// What the toolkit layer promises without a window: the code page's order of sorted lists, twips
// and colour numbers.

#include "contents.h"
#include "ui/cp1251.h"
#include "ui/types.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(Cp1251, SortsByTheCodePageBytesNotByCodePoints) {
    // ё is 0xB8 in the code page, before every other lower-case Cyrillic letter; by code point
    // it comes after я.
    EXPECT_TRUE(ui::sortsBefore("ёж", "аз"));
    EXPECT_TRUE(ui::sortsBefore("ёж", "яма"));
    EXPECT_TRUE(ui::sortsBefore("Я", "а"));
    EXPECT_TRUE(ui::sortsBefore("Z", "А"));
    EXPECT_TRUE(ui::sortsBefore("Анаполис ", "Атланта "));
    EXPECT_TRUE(ui::sortsBefore("Ню Йорк", "Ню Мексико"));
    EXPECT_TRUE(ui::sortsBefore("Ляв 1", "Ляв 10"));
    EXPECT_FALSE(ui::sortsBefore("а", "а"));
    EXPECT_EQ(ui::toWindows1251("Ёё№"), std::string("\xA8\xB8\xB9"));
    EXPECT_EQ(ui::toWindows1251("中"), "?");
    // Bytes that are no UTF-8: a lone continuation, a cut sequence, a lead byte without its tail.
    EXPECT_EQ(ui::toWindows1251("a\x80"
                                "b"),
              "a\x80"
              "b");
    EXPECT_EQ(ui::toWindows1251("\xD0"), "\xD0");
    EXPECT_EQ(ui::toWindows1251("\xD0z\xFF"), "\xD0z\xFF");
}

// The order the lists keep agrees with the code page's table of letters, written out in the
// tests, for every pair of the built-in phrases.
TEST(Cp1251, AgreesWithTheCodePageTableOnEveryBuiltInPhrase) {
    const content::ContentTable table = content::builtinContent();
    std::vector<std::string> phrases = table.danni[0];
    phrases.insert(phrases.end(), table.danni[1].begin(), table.danni[1].end());
    for (const std::string& a : phrases) {
        for (const std::string& b : phrases) {
            EXPECT_EQ(ui::sortsBefore(a, b), test::codePageLess(a, b)) << a << " | " << b;
        }
    }
}

TEST(Geometry, TwipsAndColourNumbers) {
    EXPECT_EQ(ui::twipsToPixels(11250), 750);
    EXPECT_EQ(ui::twipsToPixels(320), 21);
    EXPECT_EQ(ui::pixelsToTwips(750), 11250);
    EXPECT_EQ(ui::colourNumber(255, 0, 0), 255u);
    EXPECT_EQ(ui::colourNumber(0, 255, 0), 65280u);
    EXPECT_EQ(ui::colourNumber(255, 255, 255), 16777215u);
    EXPECT_EQ(ui::splitColour(33023), (ui::Rgb{255, 128, 0}));
    EXPECT_EQ(ui::splitColour(16761024), (ui::Rgb{192, 192, 255}));
    EXPECT_EQ(ui::splitColour(128 + (7U << 24)), (ui::Rgb{128, 0, 0})); // a fourth byte is ignored
    EXPECT_EQ(ui::colourNumber(ui::Rgb{0, 0, 255}), 16711680u);
}
