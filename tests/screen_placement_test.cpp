// The windows stay within reach on a screen of any size: run on a 640 x 480 screen, and at a scale
// factor of 2 on a 1280 x 1024 one (640 x 512 logical pixels). A window that fits is centred on
// the screen's free area; one that does not keeps its top-left corner, caption and menu bar on it.

#include "checks.h"
#include "explain/picture_window.h"
#include "settings/settings_window.h"

#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

using test::Quiz;

namespace {

void expectCentredOrTopLeftOnScreen(QWidget* window, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, test::kPatience));
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.width() <= screen.width()) {
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    } else {
        EXPECT_EQ(frame.left(), screen.left());
    }
    if (frame.height() <= screen.height()) {
        EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
    } else {
        EXPECT_EQ(frame.top(), screen.top());
    }
}

} // namespace

TEST(ScreenPlacement, TheQuizWindowItsMenuBarAndTheColourWindowAreOnTheScreen) {
    Quiz quiz;
    QWidget* window = quiz.window();
    const QRect screen = window->screen()->availableGeometry();
    ASSERT_LT(screen.width(), window->frameGeometry().width())
        << "a screen narrower than the window";
    expectCentredOrTopLeftOnScreen(window, "the quiz window");
    auto* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    for (int command : {0, 1}) { // "Exit" and "Color"
        const QRect at = bar->actionGeometry(bar->actions().at(command));
        EXPECT_TRUE(screen.contains(at.translated(bar->mapToGlobal(QPoint())))) << command;
    }
    // The left list, where the learner begins, starts on the screen.
    QWidget* left = window->findChild<QWidget*>("Slowo_0");
    EXPECT_TRUE(screen.contains(left->mapToGlobal(QPoint(0, 0))));
    expectCentredOrTopLeftOnScreen(test::ColourWindow(quiz).widget(), "Cwiat");
}

TEST(ScreenPlacement, APictureLargerThanTheScreenOpensWithItsCornerOnIt) {
    Quiz quiz(test::withPictureFlag(1, "1"));
    // 1200 x 900 pixels: larger than either screen.
    quiz.program.pictureWindow().putPicture(1, ui::Picture::filled(1200, 900, 255), 18000, 13500);
    quiz.clickThumbnail();
    QWidget* view = quiz.program.pictureWindow().controls().form.widget();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view, test::kPatience));
    const QRect screen = view->screen()->availableGeometry();
    EXPECT_GT(view->frameGeometry().width(), screen.width());
    EXPECT_TRUE(screen.contains(view->frameGeometry().topLeft()));
    EXPECT_TRUE(screen.contains(view->mapToGlobal(QPoint(0, 0))));
}
