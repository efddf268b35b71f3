// The explanation's text, from the content alone.

#include "content/content_store.h"
#include "contents.h"
#include "explain/explanation.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>

namespace {

content::ContentTable withExplanationFlag(int n, const std::string& flag) {
    content::ContentTable table = content::builtinContent();
    table.otgowor[0][static_cast<std::size_t>(n)] = flag;
    return table;
}

} // namespace

TEST(Explanation, TextOfPhraseOneExactly) {
    const content::ContentStore store(content::builtinContent());
    EXPECT_EQ(keb::Explanation::text(store, 1), "\r\n\"Айдахо\" е във връзка с \"Бойзи \"");
    EXPECT_EQ(keb::Explanation::text(store, 50), "\r\n\"Юта Солт\" е във връзка с \"Лейк Сити \"");
    for (int n = 1; n <= 50; ++n) {
        const std::string text = keb::Explanation::text(store, n);
        EXPECT_EQ(text.find("\r\n", 2), std::string::npos) << n; // one line after the empty one
    }
}

TEST(Explanation, ExtraLinesOnlyWhereTheFlagIsAboveZero) {
    const content::ContentStore withLines(withExplanationFlag(6, "2"));
    std::string expected = "\r\n\"Арканзас\" е във връзка с \"Литъл Рок \"\r\nOtgowor 6";
    for (int i = 1; i <= 18; ++i) {
        expected += "\r\n6";
    }
    expected += "\r\n5";
    EXPECT_EQ(keb::Explanation::text(withLines, 6), expected);

    for (const char* flag : {"0", "-1", "abc", ""}) {
        const content::ContentStore without(withExplanationFlag(6, flag));
        EXPECT_EQ(keb::Explanation::text(without, 6),
                  "\r\n\"Арканзас\" е във връзка с \"Литъл Рок \"")
            << flag;
    }
    // A flag for a phrase without extra lines adds nothing and fails nothing.
    content::ContentTable table = test::numberedContent(55, 55);
    table.otgowor[0][52] = "1";
    EXPECT_EQ(keb::Explanation::text(content::ContentStore(table), 52),
              "\r\n\"Ляв 52\" е във връзка с \"Десен 52 \"");
}
