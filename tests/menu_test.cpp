#include "explain/picture_window.h"
#include "learner.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

using test::Quiz;

namespace {

int visibleTopLevels() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += w->isVisible() ? 1 : 0;
    }
    return count;
}

int settingsWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += w->objectName() == QLatin1String("Cwiat") && w->isVisible() ? 1 : 0;
    }
    return count;
}

} // namespace

TEST(Menu, ColorTwiceMakesOneSettingsWindow) {
    Quiz quiz;
    quiz.menu("Cwqt");
    keb::SettingsWindow* first = quiz.program.settingsWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->form.isVisible());
    quiz.menu("Cwqt");
    EXPECT_EQ(quiz.program.settingsWindow(), first);
    EXPECT_EQ(settingsWindows(), 1);
    // The quiz window stays usable meanwhile.
    quiz.enterPair(1, 1);
    EXPECT_EQ(quiz.main().Slowo[2].count(), 1);
}

TEST(Menu, ExitWithEveryWindowOpenEndsTheProgram) {
    Quiz quiz(test::withPictureFlag(1, "1"));
    quiz.program.pictureWindow().putPicture(1, ui::Picture::filled(20, 20, 255), 300, 300);
    quiz.clickThumbnail();
    quiz.menu("Cwqt");
    ASSERT_TRUE(quiz.program.pictureWindow().form.isVisible());
    ASSERT_EQ(visibleTopLevels(), 3);
    quiz.menu("Izhod");
    EXPECT_EQ(quiz.platform.endCount, 1);
    EXPECT_EQ(visibleTopLevels(), 0);
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
}

TEST(Menu, TheCloseBoxEndsTheProgramToo) {
    Quiz quiz;
    quiz.menu("Cwqt");
    quiz.window()->close();
    EXPECT_EQ(quiz.platform.endCount, 1);
    EXPECT_EQ(visibleTopLevels(), 0);
}
