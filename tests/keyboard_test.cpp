// The whole quiz without a mouse: Tab through the controls, arrows in the lists, Space or Enter
// on the buttons, Alt and shortcut keys for the menus.

#include "checks.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QListWidget>
#include <QWidget>
#include <gtest/gtest.h>

using test::activate;
using test::focusedName;
using test::key;
using test::Quiz;
using test::selectRow;
using test::tabTo;

// A blind learner takes a whole test: a screen reader is told of every step (what it is told is
// checked at the steps that show something new).
TEST(Keyboard, AWholeTestWithoutAMouse) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    test::Heard heard;
    activate(quiz.window());
    // Tab runs through the visible controls; "Оцени" is disabled at the start and passed over.
    EXPECT_EQ(focusedName(), QStringLiteral("Slowo_0"));
    QStringList stops;
    for (int i = 0; i < 8; ++i) {
        key(Qt::Key_Tab);
        stops << focusedName();
    }
    EXPECT_EQ(stops, (QStringList{"Slowo_1", "Slowo_2", "Uprawl_0", "Uprawl_1", "Prowerka_0",
                                  "Uprawl_3", "Grafika_0", "Slowo_0"}));
    heard.take();
    // Entering a list says which list and which phrase is selected in it; the right-hand list
    // has a name of its own.
    tabTo("Slowo_1");
    test::expectHeard(heard, {"focus: Изрази от дясното поле", "focus: Анаполис "}, -2);
    key(Qt::Key_Down);
    test::expectHeard(heard, {"focus: Атланта "});
    for (int n = 1; n <= 40; ++n) {
        const int right = n <= 38 ? n : (n == 39 ? 40 : 39); // two wrong answers at the end
        tabTo("Slowo_0");
        selectRow(quiz.rowOf(0, quiz.phrase(0, n)));
        tabTo("Slowo_1");
        selectRow(quiz.rowOf(1, quiz.phrase(1, right)));
        tabTo("Uprawl_0");
        heard.take();
        key(n % 2 ? Qt::Key_Space : Qt::Key_Return);
        // The counter, and once the answers are enough, that "Оцени" may be pressed.
        const QString counter = QStringLiteral("news: Остават: %1").arg(50 - n) +
                                (n == 39 ? QStringLiteral(". Бутонът „Оцени“ е достъпен") : "");
        test::expectHeard(heard, {counter});
    }
    EXPECT_EQ(m.Slowo[2].count(), 40);
    EXPECT_EQ(quiz.label(), QStringLiteral("Остават: 10"));
    // Withdraw the last answer with the keys, and enter it again correctly. Where nothing is
    // selected, entering a list tells no phrase as chosen, and a key chooses the row it lands on.
    heard.take();
    tabTo("Slowo_2");
    test::expectHeard(heard, {"focus: Набор от вече въведени отговори"}, -1);
    key(Qt::Key_End);
    test::expectHeard(heard, {"focus: Северна Дакота Провидънс "});
    EXPECT_EQ(m.Slowo[2].listIndex(), 39);
    tabTo("Uprawl_1");
    key(Qt::Key_Space);
    EXPECT_EQ(m.Slowo[2].count(), 39);
    tabTo("Slowo_0");
    key(Qt::Key_End);
    EXPECT_EQ(m.Slowo[0].listIndex(), m.Slowo[0].count() - 1);
    selectRow(quiz.rowOf(0, "Южна Каролина"));
    tabTo("Slowo_1");
    key(Qt::Key_Down);
    EXPECT_EQ(m.Slowo[1].listIndex(), 0);
    selectRow(quiz.rowOf(1, "Колумбия "));
    tabTo("Uprawl_0");
    key(Qt::Key_Space);

    tabTo("Uprawl_2");
    heard.take();
    key(Qt::Key_Return);
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 78%"));
    // The focus goes to the first answer, which is heard with the score and its check.
    test::expectHeard(heard, {"focus: Айдахо Бойзи ", "news: Верни: 78%. ДА"}, -2);
    EXPECT_FALSE(m.Uprawl[0].isEnabled());

    // The explanations, answer by answer.
    tabTo("Slowo_2");
    selectRow(38);
    EXPECT_EQ(m.Prowerka[1].text(), "НЕ");
    test::expectHeard(heard, {"focus: Род Айлънд Бисмарк ", "news: НЕ"}, -2);
    tabTo("Uprawl_3");
    heard.take();
    key(Qt::Key_Space);
    EXPECT_EQ(m.Prowerka[0].text(), "\r\n\"Род Айлънд\" е във връзка с \"Провидънс \"");
    test::expectHeard(heard, {"news: \"Род Айлънд\" е във връзка с \"Провидънс \""});
    tabTo("Slowo_2");
    key(Qt::Key_Home);
    EXPECT_EQ(m.Prowerka[1].text(), "ДА");
    tabTo("Uprawl_3");
    key(Qt::Key_Return);
    EXPECT_EQ(m.Prowerka[0].text(), "\r\n\"Айдахо\" е във връзка с \"Бойзи \"");
    // Shift+F10 opens the focused box's context menu, as the Menu key does.
    tabTo("Prowerka_0");
    key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QApplication::activePopupWidget()->close();
}

// Once a pair is entered neither phrase list has a selection. Keys then work as in a platform
// list box: entering the list frames its first row and chooses nothing; Space chooses the framed
// row, Page Down and Page Up a row a page away. Each choice is the click's (the key list follows)
// and is heard, as is the row a click chooses.
TEST(Keyboard, ListsWithNothingSelectedTakeKeysAsAListBox) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    test::Heard heard;
    activate(quiz.window());
    quiz.enterCorrect(1, 1);
    tabTo("Slowo_1");
    EXPECT_EQ(test::listIn(quiz.window(), "Slowo_1")->currentRow(), 0);
    EXPECT_EQ(m.Slowo[1].listIndex(), -1);
    test::expectHeard(heard, {"focus: Изрази от дясното поле"}, -1);
    key(Qt::Key_Space);
    EXPECT_EQ(m.dum_N[1].listIndex(), 0);
    test::expectHeard(heard, {"focus: " + test::toQ(m.Slowo[1].item(0))});

    tabTo("Slowo_0");
    heard.take();
    key(Qt::Key_PageDown);
    const int page = m.Slowo[0].listIndex();
    EXPECT_GT(page, 1);
    EXPECT_EQ(m.dum_N[0].listIndex(), page);
    test::expectHeard(heard, {"focus: " + test::toQ(m.Slowo[0].item(page))});
    key(Qt::Key_PageUp);
    EXPECT_EQ(m.dum_N[0].listIndex(), 0);
    quiz.enterCorrect(2, 2);
    tabTo("Slowo_0");
    heard.take();
    quiz.clickItem("Slowo_0", 0);
    EXPECT_EQ(m.dum_N[0].listIndex(), 0);
    test::expectHeard(heard, {"focus: " + test::toQ(m.Slowo[0].item(0))});
}

// 38 answers make "Оцени" available; a withdrawal leaves it so, though 37 are too few for the
// rule, which disables it again when it is pressed: the evaluation still runs, and the focus goes
// to the answers, not to the control after the button.
TEST(Keyboard, EvaluatingRightAfterAWithdrawalGoesOnInTheAnswers) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    activate(quiz.window());
    quiz.enterCorrect(1, 38);
    quiz.clickItem("Slowo_2", 37);
    quiz.pressWithdraw();
    ASSERT_EQ(m.Slowo[2].count(), 37);
    ASSERT_TRUE(m.Uprawl[2].isEnabled());
    tabTo("Uprawl_2");
    key(Qt::Key_Space);
    EXPECT_EQ(quiz.label(), QStringLiteral("Верни: 74%"));
    EXPECT_EQ(focusedName(), QStringLiteral("Slowo_2"));
    EXPECT_EQ(m.Slowo[2].listIndex(), 0);
}

TEST(Keyboard, SettingsWindowWithoutAMouse) {
    Quiz quiz;
    test::Heard heard;
    activate(quiz.window());
    key(Qt::Key_C, Qt::AltModifier); // "Color"
    ASSERT_NE(quiz.program.settingsWindow(), nullptr);
    const keb::SettingsControls* settings = &quiz.program.settingsWindow()->controls();
    activate(settings->form.widget());

    tabTo("Slider1_0");
    key(Qt::Key_Home);
    key(Qt::Key_Tab);
    ASSERT_EQ(focusedName(), QStringLiteral("Slider1_1"));
    heard.take();
    key(Qt::Key_End);
    EXPECT_EQ(quiz.main().Cweta[0].item(3), "65280");
    EXPECT_EQ(settings->Label_Cv[3].caption(), "Цвят в 10/16-тичен код = 65280 /HFF00");
    // The slider says its value itself; the colour it makes is told after it.
    test::expectHeard(heard, {"news: Цвят в 10/16-тичен код = 65280 /HFF00"}, -1);

    // The option buttons: arrows move the choice within them.
    tabTo("Option1_0");
    key(Qt::Key_Down);
    EXPECT_EQ(focusedName(), QStringLiteral("Option1_1"));
    EXPECT_EQ(settings->target, 1);
    EXPECT_EQ(settings->Slider1[0].value(), 255);

    tabTo("List_font_1");
    selectRow(6);
    EXPECT_EQ(quiz.main().Cweta[0].item(2), "14");

    key(Qt::Key_S, Qt::ControlModifier); // "Запис"
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    EXPECT_EQ(quiz.main().form.backColor(), 65280u);
    EXPECT_EQ(quiz.main().Slowo[0].font().points, 14.0);

    // Escape closes it without applying.
    activate(quiz.window());
    key(Qt::Key_C, Qt::AltModifier);
    activate(quiz.program.settingsWindow()->controls().form.widget());
    tabTo("Slider1_2");
    key(Qt::Key_End);
    key(Qt::Key_Escape);
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
    EXPECT_EQ(quiz.main().form.backColor(), 65280u);

    // And the program ends from the keyboard too.
    activate(quiz.window());
    key(Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(quiz.platform.endCount, 1);
}
