// The lists scroll only up and down, as classic list boxes: no sideways scroll bar at any point
// of a test, at any font size the settings window offers, and (in the scaled run) at a device
// pixel ratio of 2. Every row that fits shows and takes a click.

#include "checks.h"

#include <QImage>
#include <QListWidget>
#include <gtest/gtest.h>
#include <string>

using test::Quiz;

namespace {

void expectQuizLists(const Quiz& quiz, const char* when) {
    SCOPED_TRACE(when);
    for (const char* name : {"Slowo_0", "Slowo_1", "Slowo_2"}) {
        QListWidget* list = test::listIn(quiz.window(), name);
        test::expectScrollsOnlyUpAndDown(list);
        const QImage rendering = quiz.window()->grab().toImage();
        EXPECT_GT(test::footInListColours(list, quiz.window(), rendering), 0.6) << name;
    }
}

} // namespace

TEST(ListScrolling, ThroughAWholeTest) {
    Quiz quiz;
    expectQuizLists(quiz, "at start-up");
    for (int n = 1; n <= 14; ++n) {
        quiz.enterPair(n, n == 14 ? 15 : n); // enough answers to scroll, one of them wrong
    }
    expectQuizLists(quiz, "after entries");
    quiz.clickItem("Slowo_2", 3);
    quiz.pressWithdraw();
    quiz.clickItem("Slowo_2", 12);
    quiz.pressWithdraw();
    expectQuizLists(quiz, "after withdrawals");
    for (int n = 15; n <= 40; ++n) {
        quiz.enterPair(n, n == 15 ? 14 : n);
    }
    quiz.pressWithdraw(); // the evaluation is enabled by the rule at the next click
    quiz.pressEvaluate();
    ASSERT_FALSE(quiz.main().Uprawl[0].isEnabled());
    expectQuizLists(quiz, "after the evaluation");
}

TEST(ListScrolling, AtEveryFontSizeOfTheSettingsWindow) {
    Quiz quiz;
    quiz.enterCorrect(1, 9);
    for (int size = 8; size <= 14; ++size) {
        SCOPED_TRACE(::testing::Message() << "size " << size);
        const test::ColourWindow colours(quiz);
        QListWidget* sizes = colours.sizes();
        test::expectScrollsOnlyUpAndDown(sizes);
        const QImage rendering = colours.widget()->grab().toImage();
        EXPECT_GT(test::footInListColours(sizes, colours.widget(), rendering), 0.6);
        colours.chooseSizeAt(size - 8);
        ASSERT_EQ(colours.record(2), std::to_string(size));
        colours.save();
        ASSERT_EQ(quiz.main().Slowo[0].font().points, size);
        expectQuizLists(quiz, "after saving the size");
    }
}

TEST(ListScrolling, LongPhrasesAreClippedNotScrolled) {
    const std::string longLeft = "Много дълга фраза " + std::string(400, 'L');
    const std::string longRight = "Друга много дълга фраза " + std::string(400, 'R') + " ";
    Quiz quiz(content::builtinContentWith({longLeft, "кратко"}, {longRight, "друго "}));
    quiz.enterPair(1, 1);
    expectQuizLists(quiz, "with phrases wider than the lists");
}
