#include "checks.h"
#include "quiz/grading.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using test::Quiz;

TEST(Answering, SelectingMirrorsIntoTheKeyListsAndChooseMovesThePairIntoTheAnswers) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    quiz.clickItem("Slowo_0", QStringLiteral("Охайо"));
    EXPECT_EQ(m.dum_N[0].listIndex(), m.Slowo[0].listIndex());
    EXPECT_EQ(m.Tekusht_nomer, 37);
    quiz.clickItem("Slowo_1", 5);
    EXPECT_EQ(m.dum_N[1].listIndex(), 5);
    quiz.enterPair(1, 1);
    EXPECT_EQ(quiz.shown("Slowo_2"), QStringList{QStringLiteral("Айдахо Бойзи ")});
    EXPECT_EQ(m.dum_N[2].items(), std::vector<std::string>{"1"});
    EXPECT_EQ(m.dum_N[3].items(), std::vector<std::string>{"1"});
    EXPECT_FALSE(quiz.shown("Slowo_0").contains(QStringLiteral("Айдахо")));
    EXPECT_FALSE(quiz.shown("Slowo_1").contains(QStringLiteral("Бойзи ")));
    EXPECT_EQ(m.Slowo[0].listIndex(), -1);
    EXPECT_EQ(m.Slowo[1].listIndex(), -1);
    EXPECT_EQ(quiz.selectedRow("Slowo_0"), -1);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 49"));
}

TEST(Answering, ChooseWithOneSideOrWithdrawWithNothingSelectedChangesNothing) {
    Quiz quiz;
    quiz.pressWithdraw();
    EXPECT_EQ(quiz.main().Slowo[0].count(), 50);
    EXPECT_EQ(quiz.label(), QStringLiteral("Оставащи:"));
    quiz.enterPair(1, 1);
    ASSERT_EQ(quiz.main().Slowo[2].listIndex(), -1); // an answer entered is not selected
    quiz.pressWithdraw();
    EXPECT_EQ(quiz.main().Slowo[2].count(), 1);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 49"));
    quiz.clickItem("Slowo_0", 0);
    quiz.pressChoose();
    EXPECT_EQ(quiz.main().Slowo[2].count(), 1);
    EXPECT_EQ(quiz.main().Slowo[0].count(), 49);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 49"));

    Quiz fresh;
    test::controlIn<ui::ListBox>(fresh.window(), "Slowo_1").setListIndex(-1);
    fresh.pressChoose();
    EXPECT_EQ(fresh.main().Slowo[2].count(), 0);
    EXPECT_EQ(fresh.label(), QStringLiteral("Оставащи:"));
}

TEST(Answering, WithdrawingTheMiddleOfThreeSelectsTheFormerThird) {
    Quiz quiz;
    quiz.enterPair(1, 2);
    quiz.enterPair(3, 3);
    quiz.enterPair(5, 4);
    quiz.clickItem("Slowo_2", 1);
    quiz.pressWithdraw();
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(quiz.shown("Slowo_2"),
              (QStringList{QStringLiteral("Айдахо Де Мойн "), QStringLiteral("Аризона Джуно ")}));
    EXPECT_EQ(m.Slowo[2].listIndex(), 1);
    EXPECT_EQ(quiz.selectedRow("Slowo_2"), 1);
    EXPECT_EQ(m.dum_N[2].items(), (std::vector<std::string>{"1", "5"}));
    EXPECT_EQ(m.dum_N[3].items(), (std::vector<std::string>{"2", "4"}));
    // Both phrases are back at their sorted places, with their keys.
    EXPECT_EQ(quiz.shown("Slowo_0").indexOf(QStringLiteral("Алабама")), 1);
    EXPECT_EQ(m.dum_N[0].item(1), "3");
    EXPECT_TRUE(quiz.shown("Slowo_1").contains(QStringLiteral("Монгомъри ")));
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 48"));
    // The selection ran the answer check and named the answer's phrase.
    EXPECT_EQ(m.Tekusht_nomer, 5);
    EXPECT_EQ(m.Prowerka[1].text(), "НЕ");
}

TEST(Answering, ScreenshotDuringATest) {
    Quiz quiz;
    quiz.playDuringATest();
    const QImage image = test::saveGrab(quiz.window(), "quiz_in_progress.png");
    EXPECT_FALSE(image.isNull());
    EXPECT_EQ(quiz.shown("Slowo_2").size(), 3);
}

TEST(Answering, WithdrawingTheLastSelectsTheNewLastUntilTheListIsEmpty) {
    Quiz quiz;
    quiz.enterPair(1, 1);
    quiz.enterPair(2, 2);
    quiz.clickItem("Slowo_2", 1);
    quiz.pressWithdraw();
    EXPECT_EQ(quiz.main().Slowo[2].listIndex(), 0);
    EXPECT_EQ(quiz.main().Prowerka[1].text(), "ДА");
    quiz.pressWithdraw();
    EXPECT_EQ(quiz.main().Slowo[2].count(), 0);
    EXPECT_EQ(quiz.main().Slowo[2].listIndex(), -1);
    EXPECT_EQ(quiz.main().Slowo[0].count(), 50);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 50"));
}

TEST(Answering, SelectingAnAnswerEmptiesTheBoxAndChecksIt) {
    Quiz quiz;
    quiz.enterPair(1, 1);
    quiz.enterPair(2, 3);
    EXPECT_FALSE(quiz.explanationBox().isEmpty());
    quiz.clickItem("Slowo_2", 1);
    EXPECT_TRUE(quiz.explanationBox().isEmpty());
    EXPECT_EQ(quiz.main().dum_N[2].listIndex(), 1);
    EXPECT_EQ(quiz.main().Prowerka[1].text(), "НЕ");
    EXPECT_EQ(quiz.main().Prowerka[1].backColor(), 255u);
    EXPECT_FALSE(quiz.main().Prowerka[1].isVisible()); // until the evaluation
    quiz.clickItem("Slowo_2", 0);
    EXPECT_EQ(quiz.main().Prowerka[1].text(), "ДА");
    EXPECT_EQ(quiz.main().Prowerka[1].backColor(), 65280u);
}

TEST(Answering, EvaluationIsEnabledAtTheClickAfter38Entries) {
    Quiz quiz;
    quiz.enterCorrect(1, 37);
    EXPECT_FALSE(quiz.main().Uprawl[2].isEnabled());
    quiz.enterPair(38, 38);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 12"));
    // The rule looked at the lists before this click's entry: 37 answers, 13 left.
    EXPECT_FALSE(quiz.main().Uprawl[2].isEnabled());
    quiz.pressWithdraw(); // nothing selected: no action, but the rule runs again
    EXPECT_TRUE(quiz.main().Uprawl[2].isEnabled());
}

// The score is 100 × correct / pairs, rounded half to even. Each row enters left phrase n with
// right phrase n for the first answers, then with the right phrase further on; "Върни" pressed
// with nothing selected runs the enabling rule once more where the last entry left it off.
struct Scoring {
    int rights; // 50: the built-in content; 10: numbered phrases, 8 on the left
    int answers, correct, further;
    bool withdrawFirst;
    const char* label;
};

TEST(Evaluation, ScoresRoundedHalfToEven) {
    for (const Scoring& row :
         {Scoring{50, 38, 38, 0, true, "Верни: 76%"}, Scoring{50, 50, 50, 0, false, "Верни: 100%"},
          Scoring{50, 50, 0, 1, false, "Верни: 0%"}, Scoring{10, 8, 1, 1, true, "Верни: 12%"},
          Scoring{10, 8, 3, 2, true, "Верни: 38%"}}) {
        Quiz quiz(row.rights == 50 ? content::builtinContent() : test::numberedContent(8, 10));
        for (int n = 1; n <= row.answers; ++n) {
            quiz.enterPair(n, n <= row.correct ? n : (n + row.further - 1) % row.rights + 1);
        }
        if (row.withdrawFirst) {
            quiz.pressWithdraw();
        }
        quiz.pressEvaluate();
        EXPECT_EQ(quiz.label(), QString::fromUtf8(row.label));
    }
}

TEST(Evaluation, LocksAnsweringAndShowsTheFirstCheck) {
    Quiz quiz;
    quiz.playToTheEvaluation();
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 74%"));
    EXPECT_FALSE(m.Uprawl[0].isEnabled());
    EXPECT_FALSE(m.Uprawl[1].isEnabled());
    EXPECT_FALSE(m.Uprawl[2].isEnabled());
    EXPECT_TRUE(m.Uprawl[3].isEnabled());
    EXPECT_EQ(m.Slowo[2].listIndex(), 0);
    EXPECT_TRUE(m.Prowerka[1].isVisible());
    EXPECT_EQ(m.Prowerka[1].text(), "НЕ");
    EXPECT_EQ(m.Broi_werni, 37);
    test::saveGrab(quiz.window(), "quiz_evaluated.png");

    // Answering stays locked: the buttons are disabled for the mouse too.
    quiz.clickItem("Slowo_0", 0);
    quiz.clickItem("Slowo_1", 0);
    quiz.pressChoose();
    quiz.pressWithdraw();
    EXPECT_EQ(m.Slowo[2].count(), 38);
    quiz.clickItem("Slowo_2", 1);
    EXPECT_EQ(m.Prowerka[1].text(), "ДА");
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 74%"));
}

// "ДА" and "НЕ" read as a mark on green or red, never as a selection: not when the pressed
// "Оцени" hands the focus on, and not when the box has the focus and all its text selected. A
// click on the answer already selected is a click all the same.
TEST(Evaluation, TheCheckReadsAsAMarkWhereverTheFocusIsAndAClickOnItsAnswerChecksAgain) {
    Quiz quiz(test::numberedContent(3, 3));
    const keb::QuizControls& m = quiz.main();
    QApplication::setActiveWindow(quiz.window());
    quiz.enterPair(1, 2);
    quiz.enterPair(2, 1);
    quiz.enterPair(3, 3);
    quiz.pressWithdraw(); // nothing selected: the rule alone runs, and enables "Оцени"
    quiz.pressEvaluate();
    // The learner goes on in the answers, where the first is selected and checked.
    EXPECT_EQ(quiz.window()->focusWidget()->objectName(), QStringLiteral("Slowo_2"));
    ASSERT_EQ(m.Slowo[2].listIndex(), 0);

    auto* box = quiz.window()->findChild<QLineEdit*>("Prowerka_1");
    ASSERT_NE(box, nullptr);
    const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const auto expectMark = [&](const char* when) {
        const QImage image = box->grab().toImage();
        int red = 0, highlighted = 0;
        for (int y = 3; y < image.height() - 3; ++y) {
            for (int x = 3; x < image.width() - 3; ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c == QColor(255, 0, 0) ? 1 : 0;
                highlighted += c == highlight ? 1 : 0;
            }
        }
        EXPECT_EQ(highlighted, 0) << when;
        EXPECT_GT(red, (image.width() - 6) * (image.height() - 6) / 2) << when;
    };
    expectMark("after the evaluation");
    box->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(box->hasSelectedText()) << "taking the focus selects nothing";
    box->selectAll();
    expectMark("with its text selected");
    EXPECT_EQ(box->text(), QStringLiteral("НЕ"));

    quiz.pressExplain();
    ASSERT_FALSE(quiz.explanationBox().isEmpty());
    test::controlIn<ui::TextBox>(quiz.window(), "Prowerka_1").setText("");
    quiz.clickItem("Slowo_2", 0);
    EXPECT_TRUE(quiz.explanationBox().isEmpty());
    EXPECT_EQ(m.Prowerka[1].text(), "НЕ");
    EXPECT_EQ(m.Slowo[2].listIndex(), 0);
}

TEST(Evaluation, WithNoAnswersOrNoContentDoesNothingNorDividesByZero) {
    Quiz quiz(test::numberedContent(3, 0)); // no right phrases: the rule enables "Оцени" at once
    ASSERT_TRUE(quiz.main().Uprawl[2].isEnabled());
    quiz.pressEvaluate();
    EXPECT_EQ(quiz.label(), QStringLiteral("Оставащи:"));
    EXPECT_TRUE(quiz.main().Uprawl[0].isEnabled());
    EXPECT_TRUE(quiz.main().Uprawl[2].isEnabled());
    EXPECT_FALSE(quiz.main().Prowerka[1].isVisible());

    Quiz empty(test::numberedContent(0, 0));
    EXPECT_EQ(empty.main().Nastroiki[0].item(0), "0");
    empty.pressChoose();
    empty.pressWithdraw();
    empty.pressEvaluate();
    empty.pressExplain();
    empty.clickThumbnail();
    EXPECT_EQ(empty.main().Slowo[2].count(), 0);
    // Should an answer ever be graded against no pairs, the score is 0.
    EXPECT_EQ(keb::percentCorrect(1, 0), 0);
}
