#include "checks.h"
#include "explain/explanation.h"
#include "explain/picture_window.h"

#include <gtest/gtest.h>
#include <string>

using test::Quiz;

// Before the evaluation it enters the selected pair and explains its left phrase, once; with one
// side selected it does nothing.
TEST(Explanation, BeforeEvaluationEntersThePairAndExplainsItsLeftPhrase) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    quiz.enterPair(1, 1);
    quiz.clickItem("Slowo_0", 0);
    const std::string before = m.Prowerka[0].text();
    quiz.pressExplain();
    EXPECT_EQ(m.Slowo[2].count(), 1);
    EXPECT_EQ(m.Prowerka[0].text(), before);
    EXPECT_TRUE(m.Uprawl[3].isEnabled());
    quiz.clickItem("Slowo_0", QStringLiteral("Тексас"));
    quiz.clickItem("Slowo_1", QStringLiteral("Бостън "));
    quiz.pressExplain();
    EXPECT_EQ(quiz.shown("Slowo_2"),
              (QStringList{QStringLiteral("Айдахо Бойзи "), QStringLiteral("Тексас Бостън ")}));
    EXPECT_EQ(m.Prowerka[0].text(), "\r\n\"Тексас\" е във връзка с \"Остин \"");
    EXPECT_EQ(m.Prowerka[0].shownText(), "\n\"Тексас\" е във връзка с \"Остин \"");
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 48"));
    EXPECT_FALSE(m.Uprawl[3].isEnabled());
    // Once used, it waits for the evaluation.
    quiz.clickItem("Slowo_0", 0);
    quiz.clickItem("Slowo_1", 0);
    quiz.pressExplain();
    EXPECT_EQ(m.Slowo[2].count(), 2);
}

TEST(Explanation, AfterEvaluationExplainsTheSelectedAnswerIfAny) {
    Quiz quiz;
    quiz.enterPair(2, 5);
    quiz.enterCorrect(6, 43);
    quiz.pressWithdraw();
    quiz.pressEvaluate();
    const keb::QuizControls& m = quiz.main();
    ASSERT_EQ(quiz.label(), QStringLiteral("Верни: 76%"));
    quiz.pressExplain();
    EXPECT_EQ(m.Prowerka[0].text(), "\r\n\"Айова\" е във връзка с \"Де Мойн \"");
    EXPECT_FALSE(m.Uprawl[2].isEnabled());
    EXPECT_TRUE(m.Uprawl[3].isEnabled());
    quiz.clickItem("Slowo_2", 3);
    EXPECT_TRUE(quiz.explanationBox().isEmpty());
    quiz.pressExplain();
    EXPECT_EQ(m.Prowerka[0].text(), "\r\n\"Вирджиния\" е във връзка с \"Ричмънд \"");
    EXPECT_EQ(m.dum_N[2].listIndex(), 3);
    EXPECT_EQ(m.Tekusht_nomer, 8);
    // With no answer selected it does nothing.
    test::controlIn<ui::ListBox>(quiz.window(), "Slowo_2").setListIndex(-1);
    test::controlIn<ui::TextBox>(quiz.window(), "Prowerka_0").setText("");
    quiz.pressExplain();
    EXPECT_TRUE(quiz.explanationBox().isEmpty());
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 76%"));
}
