// Runs with QT_SCALE_FACTOR=2, in a test program of its own: both windows keep their layout in
// logical units and render at twice the pixels.

#include "checks.h"
#include "settings/settings_window.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using test::Quiz;

namespace {

QColor at(const QImage& image, QWidget* window, QWidget* widget, QPoint logical) {
    const QPoint p = widget->mapTo(window, logical) * image.devicePixelRatio();
    return image.pixelColor(p);
}

} // namespace

TEST(HighDpi, BothWindowsRenderAtRatioTwo) {
    Quiz quiz;
    QWidget* window = quiz.window();
    ASSERT_EQ(window->devicePixelRatio(), 2.0) << "runs with QT_SCALE_FACTOR=2";
    const keb::QuizControls& m = quiz.main();
    EXPECT_EQ(m.form.outerWidth(), 11250);
    EXPECT_EQ(m.Slowo[1].geometry(), (ui::Rect{3360, 480, 4575, 2055}));
    const QImage image = test::saveGrab(window, "main_window@2x.png");
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.width(), window->width() * 2);
    EXPECT_EQ(image.height(), window->height() * 2);
    QWidget* client = m.form.clientArea();
    EXPECT_EQ(at(image, window, client, QPoint(3, 250)), QColor(0, 128, 0));
    QWidget* choose = window->findChild<QWidget*>("Uprawl_0");
    EXPECT_EQ(at(image, window, choose, QPoint(5, 12)), QColor(255, 128, 0));
    // Crisp: the button's edge goes from the window's green to its bevel within one logical
    // pixel, with no blend of the two colours.
    const QPoint edge = choose->mapTo(window, QPoint(0, 12)) * 2;
    EXPECT_EQ(image.pixelColor(edge - QPoint(1, 0)), QColor(0, 128, 0));
    EXPECT_NE(image.pixelColor(edge), QColor(0, 128, 0));

    const keb::SettingsControls& settings = test::ColourWindow(quiz).window();
    QWidget* sw = settings.form.widget();
    EXPECT_EQ(settings.form.clientWidth(), 5535);
    const QImage settingsImage = test::saveGrab(sw, "settings_window@2x.png");
    EXPECT_EQ(settingsImage.width(), sw->width() * 2);
    EXPECT_EQ(at(settingsImage, sw, settings.form.clientArea(), QPoint(2, 200)),
              QColor(128, 128, 128));
    EXPECT_EQ(at(settingsImage, sw, settings.picColor->widget(), QPoint(100, 30)),
              QColor(128, 0, 0));
}
