// The README's pictures are what the program draws on X11 today. Each state is drawn again and
// compared with its picture in docs/; a difference beyond a few stray pixels fails, and the new
// picture and an image of the difference are saved beside the test's output. A visual change
// lands only with its pictures renewed on purpose: scripts/renew-pictures.sh draws them anew.

#include "checks.h"
#include "settings/settings_window.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>

using test::Quiz;

namespace {

// Text drawn by the same fonts on the same toolkit comes out the same to the pixel; the
// tolerance only forgives a stray pixel or two.
constexpr int kChannelTolerance = 32;
constexpr int kMostDifferentPixels = 16;

QString docsPicture(const char* name) {
    return QStringLiteral(KEB_SOURCE_DIR "/docs/%1.png").arg(QLatin1String(name));
}

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
           std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
           std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance;
}

// The new drawing, dimmed, with every differing pixel in pure red.
QImage differenceImage(const QImage& drawn, const QImage& expected, int* count) {
    QImage diff = drawn.convertToFormat(QImage::Format_RGB32);
    QPainter(&diff).fillRect(diff.rect(), QColor(255, 255, 255, 160));
    *count = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (differs(drawn.pixel(x, y), expected.pixel(x, y))) {
                diff.setPixel(x, y, qRgb(255, 0, 0));
                ++*count;
            }
        }
    }
    return diff;
}

void expectMatchesReadme(QWidget* window, const char* name) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window, test::kPatience));
    const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariable("KEB_RENEW_PICTURES") == QLatin1String("1")) {
        ASSERT_TRUE(drawn.save(docsPicture(name))) << docsPicture(name).toStdString();
        return;
    }
    const QImage expected(docsPicture(name));
    ASSERT_FALSE(expected.isNull()) << docsPicture(name).toStdString() << " is missing";
    const QString output = QStringLiteral(KEB_SCREENSHOT_DIR "/x11/") + name;
    QDir().mkpath(QStringLiteral(KEB_SCREENSHOT_DIR "/x11"));
    const QString saved = output + ".png";
    const auto advice = [&] {
        return "the window no longer looks like the README's picture " +
               docsPicture(name).toStdString() + "; what it draws now is in " +
               saved.toStdString() +
               ". If the change is meant, renew the pictures with scripts/renew-pictures.sh.";
    };
    if (drawn.size() != expected.size()) {
        drawn.save(saved);
        FAIL() << "size " << drawn.width() << "x" << drawn.height() << " instead of "
               << expected.width() << "x" << expected.height() << ": " << advice();
    }
    int count = 0;
    const QImage diff =
        differenceImage(drawn, expected.convertToFormat(QImage::Format_RGB32), &count);
    if (count > kMostDifferentPixels) {
        drawn.save(saved);
        diff.save(output + "-difference.png");
        ADD_FAILURE() << count << " pixels differ: " << advice()
                      << " The differing pixels are red in " << name << "-difference.png.";
    }
}

// What the learner sees at the foot of each list is the list, not a scroll bar.
void expectListFeet(QWidget* window, std::initializer_list<const char*> lists) {
    const QImage rendering = window->grab().toImage();
    for (const char* name : lists) {
        EXPECT_GT(test::footInListColours(test::listIn(window, name), window, rendering), 0.6)
            << name;
    }
}

void show(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, test::kPatience));
}

} // namespace

TEST(ReadmePictures, TheQuizWindowAtStartUp) {
    Quiz quiz;
    show(quiz.window());
    expectListFeet(quiz.window(), {"Slowo_0", "Slowo_1", "Slowo_2"});
    expectMatchesReadme(quiz.window(), "main-window");
}

TEST(ReadmePictures, DuringATest) {
    Quiz quiz;
    show(quiz.window());
    quiz.playDuringATest();
    expectListFeet(quiz.window(), {"Slowo_0", "Slowo_1", "Slowo_2"});
    expectMatchesReadme(quiz.window(), "quiz-in-progress");
}

TEST(ReadmePictures, AfterTheEvaluation) {
    Quiz quiz;
    show(quiz.window());
    quiz.playToTheEvaluation();
    ASSERT_EQ(quiz.label(), QStringLiteral("Верни: 74%"));
    expectListFeet(quiz.window(), {"Slowo_0", "Slowo_1", "Slowo_2"});
    expectMatchesReadme(quiz.window(), "quiz-evaluated");
}

TEST(ReadmePictures, TheSettingsWindow) {
    Quiz quiz;
    show(quiz.window());
    QWidget* settings = test::ColourWindow(quiz).widget();
    show(settings);
    expectListFeet(settings, {"List_font_1"});
    expectMatchesReadme(settings, "settings-window");
}
