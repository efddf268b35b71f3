#include "checks.h"
#include "explain/picture_window.h"
#include "ui/menu_command.h"

#include <QImage>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

using test::Quiz;

TEST(StartUp, WindowTakesTitleAndGeometryFromTheContent) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.form.caption(),
              "www.keb.example KEB по География - американски щати и техните столици");
    EXPECT_EQ(m.form.outerWidth(), 11250);
    EXPECT_EQ(m.form.clientHeight(), 7005);
    EXPECT_EQ(m.Slowo[0].geometry(), (ui::Rect{120, 480, 3135, 2055}));
    EXPECT_EQ(m.Slowo[1].geometry(), (ui::Rect{3360, 480, 4575, 2055}));
    EXPECT_EQ(m.Slowo[2].geometry(), (ui::Rect{840, 2640, 9375, 1485}));
    EXPECT_EQ(m.form.backColor(), 32768u);
    EXPECT_EQ(m.form.font(), (ui::Font{"Times New Roman", 12.0}));
    EXPECT_TRUE(m.form.isVisible());
    EXPECT_EQ(m.Prowerka[0].text(), quiz.program.contentStore().ukazanie());
    EXPECT_EQ(quiz.label(), QStringLiteral("Оставащи:"));
}

// The outer width is the window's whole width on the screen: the frame the window system draws
// (on Wayland, the frame the toolkit draws itself) and the client area between. The window is
// centred where a window may place itself; on Wayland the compositor places it.
TEST(StartUp, OuterWidthCountsTheFrameAndTheWindowIsPlacedAsThePlatformAllows) {
    Quiz quiz;
    QWidget* window = quiz.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, test::kPatience));
    const QMargins frame = window->windowHandle()->frameMargins();
    EXPECT_EQ(window->frameGeometry().width(), 750);
    EXPECT_EQ(quiz.main().form.clientWidth(), (750 - frame.left() - frame.right()) * 15);
    if (test::platform() == "wayland") {
        EXPECT_GT(frame.left() + frame.right(), 0) << "the toolkit draws the frame on Wayland";
        EXPECT_FALSE(window->testAttribute(Qt::WA_Moved)) << "the compositor places the window";
        return;
    }
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE(std::abs(window->frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(window->frameGeometry().center().y() - screen.center().y()), 1);
}

TEST(StartUp, ListsSortedWithTheirKeysFirstPhrasesSelectedAndEvaluationDisabled) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.Nastroiki[0].item(0), "50");
    ASSERT_EQ(m.dum_N[4].count(), 100);
    ASSERT_EQ(m.dum_N[5].count(), 100);
    EXPECT_EQ(m.dum_N[4].item(0), "1");
    EXPECT_EQ(m.dum_N[4].item(49), "50");
    EXPECT_EQ(m.dum_N[4].item(50), "1");
    EXPECT_EQ(m.dum_N[4].item(99), "50");

    const QStringList left = quiz.shown("Slowo_0");
    const QStringList right = quiz.shown("Slowo_1");
    ASSERT_EQ(left.size(), 50);
    ASSERT_EQ(right.size(), 50);
    EXPECT_EQ(left.first(), QStringLiteral("Айдахо"));
    EXPECT_EQ(left.last(), QStringLiteral("Юта Солт"));
    EXPECT_EQ(right.first(), QStringLiteral("Анаполис "));
    EXPECT_EQ(m.dum_N[0].item(0), "1");
    EXPECT_EQ(m.dum_N[1].item(0), "23");
    test::expectKeysBesidePhrases(quiz);
    for (int side = 0; side < 2; ++side) {
        ASSERT_EQ(m.dum_N[side].count(), 50);
        for (int p = 1; p < 50; ++p) {
            EXPECT_TRUE(test::codePageLess(m.Slowo[side].item(p - 1), m.Slowo[side].item(p)));
        }
    }
    EXPECT_EQ(m.Slowo[2].count(), 0);
    EXPECT_EQ(m.dum_N[6].count(), 50);
    EXPECT_EQ(m.dum_N[6].item(0), "Списък за ???");
    EXPECT_EQ(m.Slowo[0].listIndex(), 0);
    EXPECT_EQ(m.Slowo[1].listIndex(), 0);
    EXPECT_EQ(m.dum_N[0].listIndex(), 0);
    EXPECT_EQ(m.dum_N[1].listIndex(), 0);
    EXPECT_EQ(quiz.selectedRow("Slowo_0"), 0);
    EXPECT_EQ(quiz.selectedRow("Slowo_1"), 0);
    EXPECT_EQ(m.Tekusht_nomer, 1);
    EXPECT_EQ(m.Broi_werni, 0);
    EXPECT_FALSE(m.Uprawl[2].isEnabled());
    EXPECT_TRUE(m.Uprawl[0].isEnabled());
    EXPECT_TRUE(m.Uprawl[1].isEnabled());
    EXPECT_TRUE(m.Uprawl[3].isEnabled());
    // The picture window waits for a picture to show, and the settings window for "Color".
    EXPECT_FALSE(quiz.program.hasPictureWindow());
    EXPECT_EQ(quiz.program.settingsWindow(), nullptr);
}

TEST(StartUp, OnlyTheLearnersControlsAreVisible) {
    Quiz quiz;
    QStringList visible;
    const auto children = quiz.main().form.clientArea()->findChildren<QWidget*>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isVisible()) {
            visible << child->objectName();
        }
    }
    visible.sort();
    EXPECT_EQ(visible, (QStringList{"Grafika_0", "Ndapis", "Prowerka_0", "Slowo_0", "Slowo_1",
                                    "Slowo_2", "Uprawl_0", "Uprawl_1", "Uprawl_2", "Uprawl_3"}));
}

TEST(StartUp, ButtonsMenuAndTooltips) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    const char* captions[] = {"Избрах", "Върни", "Оцени", "Обясни"};
    const ui::ColourNumber colours[] = {33023, 8454143, 16761024, 49152};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m.Uprawl[i].caption(), captions[i]);
        EXPECT_EQ(m.Uprawl[i].backColor(), colours[i]);
    }
    EXPECT_EQ(m.Uprawl[1].toolTip(), "Изтрива / възстановява направения избор");
    EXPECT_EQ(m.Slowo[0].toolTip(), "Посочете елемента в релацията");
    EXPECT_EQ(m.Slowo[2].toolTip(), "Набор от вече въведени отговори");
    EXPECT_EQ(m.Cweta[0].toolTip(), " Изберете от списъка желан номер въпрос/задача ");
    EXPECT_EQ(m.Prowerka[1].toolTip(), "зелено - Вярно; червено - Грешно");
    EXPECT_EQ(m.Ndapis->backColor(), 8438015u);
    EXPECT_EQ(m.Prowerka[0].backColor(), 14737632u);

    auto* bar = quiz.window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const auto actions = bar->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->iconText(), QStringLiteral("Exit"));
    EXPECT_EQ(actions[1]->iconText(), QStringLiteral("Color"));
    EXPECT_FALSE(quiz.window()->windowIcon().isNull());
    EXPECT_FALSE(quiz.window()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(quiz.window()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(StartUp, RenderedWindowShowsGreenBackgroundAndItsControls) {
    Quiz quiz;
    const QImage image = test::saveGrab(quiz.window(), "main_window.png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), quiz.window()->width());
    QWidget* client = quiz.main().form.clientArea();
    const QPoint origin = client->mapTo(quiz.window(), QPoint(0, 0));
    // Between the controls the window is its own green.
    EXPECT_EQ(image.pixelColor(origin + QPoint(3, 250)), QColor(0, 128, 0));
    // The buttons in their own colours.
    const auto centreOf = [&](const char* name) {
        QWidget* w = quiz.window()->findChild<QWidget*>(name);
        return w->mapTo(quiz.window(), QPoint(4, w->height() / 2));
    };
    EXPECT_EQ(image.pixelColor(centreOf("Uprawl_0")), QColor(255, 128, 0));
    EXPECT_EQ(image.pixelColor(centreOf("Uprawl_1")), QColor(255, 255, 128));
    EXPECT_EQ(image.pixelColor(centreOf("Uprawl_3")), QColor(0, 192, 0));
    EXPECT_EQ(image.pixelColor(centreOf("Ndapis")), QColor(255, 192, 128));
}
