// Content no learner chose: lists of unequal length, empty lists, duplicates, very long phrases
// and very many pairs. Each must give a sound result and lose no phrase.

#include "checks.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

using test::Quiz;

namespace {

std::multiset<std::string> everyPlace(const Quiz& quiz, int side) {
    const keb::QuizControls& m = quiz.main();
    std::multiset<std::string> all(m.Slowo[side].items().begin(), m.Slowo[side].items().end());
    const auto& content = quiz.program.contentStore().danni(side);
    for (const std::string& key : m.dum_N[2 + side].items()) {
        all.insert(content::itemAt(content, std::stoi(key) - 1));
    }
    return all;
}

void expectNothingLost(const Quiz& quiz) {
    const auto& danni = quiz.program.contentStore();
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(everyPlace(quiz, side),
                  std::multiset<std::string>(danni.danni(side).begin(), danni.danni(side).end()));
    }
}

} // namespace

// More left phrases than right: one without a partner is explained with empty quotes.
TEST(StrainedContent, MoreLeftPhrasesThanRight) {
    Quiz quiz(test::numberedContent(10, 8));
    EXPECT_EQ(quiz.main().Nastroiki[0].item(0), "8");
    quiz.clickItem("Slowo_0", QStringLiteral("Ляв 9"));
    quiz.clickItem("Slowo_1", QStringLiteral("Десен 1 "));
    quiz.pressExplain();
    EXPECT_EQ(quiz.main().Prowerka[0].text(), "\r\n\"Ляв 9\" е във връзка с \"\"");
    EXPECT_EQ(quiz.main().Slowo[2].count(), 1);
    expectNothingLost(quiz);
    quiz.clickItem("Slowo_2", 0);
    quiz.pressWithdraw();
    quiz.enterCorrect(1, 8);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 0"));
    EXPECT_EQ(quiz.main().Slowo[0].count(), 2);
    quiz.pressEvaluate();
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 100%"));
    expectNothingLost(quiz);
}

TEST(StrainedContent, MoreRightPhrasesThanLeft) {
    Quiz quiz(test::numberedContent(8, 10));
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.Nastroiki[0].item(0), "8");
    EXPECT_EQ(m.dum_N[4].count(), 16);
    EXPECT_EQ(m.dum_N[5].count(), 20);
    EXPECT_EQ(m.Slowo[0].count(), 8);
    EXPECT_EQ(m.Slowo[1].count(), 10);
    // "Десен 10 " sorts before "Десен 2 ", so its key stands second.
    EXPECT_EQ(m.Slowo[1].item(1), "Десен 10 ");
    EXPECT_EQ(m.dum_N[1].item(1), "10");
    EXPECT_FALSE(m.Uprawl[2].isEnabled());
    for (int n = 1; n <= 8; ++n) {
        quiz.enterPair(n, 11 - n > 10 ? 1 : 11 - n);
    }
    EXPECT_EQ(quiz.main().Slowo[1].count(), 2);
    quiz.clickItem("Slowo_2", 7);
    quiz.pressWithdraw();
    quiz.pressEvaluate();
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 0%"));
    expectNothingLost(quiz);
}

TEST(StrainedContent, EmptyLists) {
    for (auto [left, right] : {std::pair{0, 0}, std::pair{0, 4}, std::pair{4, 0}}) {
        Quiz quiz(test::numberedContent(left, right));
        EXPECT_EQ(quiz.main().Nastroiki[0].item(0), "0");
        EXPECT_EQ(quiz.main().Slowo[0].listIndex(), left ? 0 : -1);
        for (const char* button : {"Uprawl_0", "Uprawl_1", "Uprawl_2", "Uprawl_3"}) {
            quiz.press(button);
        }
        quiz.clickThumbnail();
        EXPECT_EQ(quiz.main().Slowo[2].count(), 0);
        EXPECT_EQ(quiz.label(), QStringLiteral("Оставащи:"));
        expectNothingLost(quiz);
    }
}

TEST(StrainedContent, DuplicatePhrasesShareTheFirstKey) {
    Quiz quiz(content::builtinContentWith({"А", "Б", "А"}, {"х ", "у ", "х "}));
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.Slowo[0].items(), (std::vector<std::string>{"А", "А", "Б"}));
    EXPECT_EQ(m.dum_N[0].items(), (std::vector<std::string>{"1", "1", "2"}));
    quiz.clickItem("Slowo_0", 1);
    quiz.clickItem("Slowo_1", 1);
    quiz.pressChoose();
    quiz.clickItem("Slowo_2", 0);
    quiz.pressWithdraw();
    EXPECT_EQ(m.Slowo[0].items(), (std::vector<std::string>{"А", "А", "Б"}));
    for (const char* left : {"А", "А", "Б"}) {
        quiz.clickItem("Slowo_0", QString::fromUtf8(left));
        quiz.clickItem("Slowo_1", QString::fromUtf8(left == std::string("Б") ? "у " : "х "));
        quiz.pressChoose();
    }
    quiz.pressWithdraw();
    quiz.pressEvaluate();
    // "А х " twice and "Б у ": every answer pairs equal keys.
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 100%"));
    expectNothingLost(quiz);
}

TEST(StrainedContent, VeryLongPhrases) {
    const std::string longLeft(6000, 'L');
    const std::string longRight = std::string(6000, 'R') + " ";
    Quiz quiz(content::builtinContentWith({longLeft, "кратко"}, {longRight, "друго "}));
    quiz.clickItem("Slowo_0", QString::fromStdString(longLeft));
    quiz.clickItem("Slowo_1", QString::fromStdString(longRight));
    quiz.pressExplain();
    EXPECT_EQ(quiz.main().Slowo[2].item(0), longLeft + " " + longRight);
    EXPECT_EQ(quiz.main().Prowerka[0].text(),
              "\r\n\"" + longLeft + "\" е във връзка с \"" + longRight + "\"");
    quiz.clickItem("Slowo_2", 0);
    quiz.pressWithdraw();
    EXPECT_EQ(quiz.main().Slowo[0].item(0), longLeft);
    expectNothingLost(quiz);
}

TEST(StrainedContent, TenThousandPairs) {
    QElapsedTimer timer;
    timer.start();
    Quiz quiz(test::numberedContent(10000, 10000));
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.Nastroiki[0].item(0), "10000");
    EXPECT_EQ(m.dum_N[4].count(), 20000);
    EXPECT_EQ(m.Slowo[0].count(), 10000);
    EXPECT_EQ(m.Slowo[1].item(0), "Десен 1 ");
    EXPECT_EQ(m.dum_N[1].item(1), "10");
    quiz.enterPair(9999, 9999);
    quiz.enterPair(10000, 1);
    quiz.clickItem("Slowo_2", 0);
    quiz.pressWithdraw();
    EXPECT_EQ(m.Slowo[0].count(), 9999);
    EXPECT_EQ(m.Tekusht_nomer, 10000);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 9999"));
    for (int p = 0; p < m.Slowo[0].count(); p += 97) {
        EXPECT_EQ("Ляв " + m.dum_N[0].item(p), m.Slowo[0].item(p));
    }
    expectNothingLost(quiz);
    // Start-up and a few actions of a quiz this size stay well within a few seconds.
    EXPECT_LT(timer.elapsed(), 20000);
}
