#include "content/content_store.h"
#include "content/numbers.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using content::ContentStore;
using content::itemAt;

namespace {

const ContentStore& builtin() {
    static const ContentStore store(content::builtinContent());
    return store;
}

} // namespace

TEST(Content, FiftyPairsEveryCapitalWithOneTrailingBlank) {
    const auto& left = builtin().danni(0);
    const auto& right = builtin().danni(1);
    ASSERT_EQ(left.size(), 50u);
    ASSERT_EQ(right.size(), 50u);
    for (const auto& capital : right) {
        ASSERT_GE(capital.size(), 2u);
        EXPECT_EQ(capital.back(), ' ') << capital;
        EXPECT_NE(capital[capital.size() - 2], ' ') << capital;
    }
    for (const auto& state : left) {
        EXPECT_NE(state.back(), ' ') << state;
    }
}

TEST(Content, PairsStandAtTheirPositions) {
    struct Pair {
        std::size_t at;
        const char *state, *capital;
    };
    // The last, pair 50, as it is stored.
    for (const Pair& p : {Pair{0, "Айдахо", "Бойзи "}, Pair{11, "Западна Вирджиния", "Чарлстън "},
                          Pair{22, "Мериленд", "Анаполис "}, Pair{25, "Мисури", "Джеферсън сити "},
                          Pair{36, "Охайо", "Калумбус "}, Pair{46, "Хавай", "Хонолулу "},
                          Pair{49, "Юта Солт", "Лейк Сити "}}) {
        EXPECT_EQ(builtin().danni(0)[p.at], p.state) << p.at;
        EXPECT_EQ(builtin().danni(1)[p.at], p.capital) << p.at;
    }
}

TEST(Content, UnusedListTitleAndGeometry) {
    EXPECT_TRUE(builtin().danni(2).empty());
    const auto& info = builtin().danni(3);
    ASSERT_EQ(info.size(), 6u);
    EXPECT_EQ(info[0],
              builtin().siteAddress() + " KEB по География - американски щати и техните столици");
    EXPECT_TRUE(builtin().siteAddress().ends_with(".example"));
    EXPECT_EQ(content::leadingNumber(info[1]), 11250);
    EXPECT_EQ(std::vector(info.begin() + 2, info.end()),
              (std::vector<std::string>{"120", "3135", "3360", "4575"}));
}

TEST(Content, FlagsAllZeroAndExtraLines) {
    const auto& pictureFlags = builtin().pictureFlags();
    ASSERT_EQ(pictureFlags.size(), 62u);
    EXPECT_EQ(pictureFlags[0], "Utochnenie dali ima grafika - 30 br");
    EXPECT_EQ(std::vector(pictureFlags.begin() + 1, pictureFlags.end()),
              std::vector<std::string>(61, "0"));

    const auto& flags = builtin().otgowor(0);
    ASSERT_EQ(flags.size(), 62u);
    EXPECT_EQ(flags[0], "Ima li obqsneniq");
    EXPECT_EQ(std::vector(flags.begin() + 1, flags.end()), std::vector<std::string>(61, "0"));
    const auto expected = [](int k) { return k <= 30 ? k : k <= 40 ? 51 - k : 61 - k; };
    for (int k = 1; k <= 50; ++k) {
        const auto& lines = builtin().otgowor(k);
        ASSERT_EQ(lines.size(), 20u) << k;
        const std::string m = std::to_string(expected(k));
        EXPECT_EQ(lines[0], "Otgowor " + m);
        for (int i = 1; i < 20; ++i) {
            const std::string want = (k == 6 && i == 19) ? "5" : m;
            EXPECT_EQ(lines[static_cast<std::size_t>(i)], want) << k << " item " << i;
        }
    }
    EXPECT_EQ(builtin().otgowor(31)[1], "20");
    EXPECT_EQ(builtin().otgowor(40)[1], "11");
    EXPECT_EQ(builtin().otgowor(41)[1], "20");
    EXPECT_EQ(builtin().otgowor(50)[1], "11");
    EXPECT_TRUE(builtin().otgowor(51).empty());
}

// Seven lines, each ended by CR LF; lines 2, 4 and 6 end with one blank. The lines' first words
// say which line is which.
TEST(Content, InstructionTextHasItsSevenLines) {
    const std::string& text = builtin().ukazanie();
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, end - from));
        from = end + 2;
    }
    EXPECT_EQ(from, text.size()) << "a CR LF after the last line";
    ASSERT_EQ(lines.size(), 7u);
    const char* const firstWords[] = {"Това ",    "Трябва ", "дясното ", "Не ",
                                      "дясната ", "При ",    "брой "};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(firstWords[i], 0), 0u) << "line " << i + 1;
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
        const bool blankAtEnd = i == 1 || i == 3 || i == 5;
        EXPECT_EQ(lines[i].back() == ' ', blankAtEnd) << "line " << i + 1;
        EXPECT_NE(lines[i].substr(lines[i].size() - 2), "  ") << "line " << i + 1;
    }
    EXPECT_EQ(lines[0], "Това е релационен тест.");
}

TEST(Content, FirstMatchFindsTheFirstOfDuplicates) {
    const ContentStore store(content::builtinContentWith({"А", "Б", "А"}, {"х ", "у ", "х "}));
    EXPECT_EQ(store.firstMatch(0, "А"), 0);
    EXPECT_EQ(store.firstMatch(0, "Б"), 1);
    EXPECT_EQ(store.firstMatch(1, "х "), 0);
    EXPECT_EQ(store.firstMatch(1, "х"), -1); // exact, trailing blank and all
    EXPECT_EQ(itemAt(store.danni(0), 3), "");
    EXPECT_EQ(itemAt(store.danni(0), -1), "");
}
