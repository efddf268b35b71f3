#include "checks.h"
#include "explain/picture_window.h"
#include "ui/picture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>

using test::Quiz;

namespace {

// 200 x 133 pixels (3000 x 2000 twips): a red corner of 40 x 40 on blue.
ui::Picture cornerPicture() {
    QImage image(200, 133, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 40, 40, Qt::red);
    return ui::Picture::fromImage(image);
}

bool pictureWindowShown(const Quiz& quiz) {
    return quiz.program.pictureWindow().controls().form.isVisible();
}

} // namespace

TEST(Pictures, BuiltInContentShowsTheBlankThumbnailAndOpensNothing) {
    Quiz quiz;
    const keb::QuizControls& m = quiz.main();
    for (int row : {0, 10, 49}) {
        quiz.clickItem("Slowo_0", row);
        EXPECT_TRUE(m.Grafika[0].picture().isNull());
        quiz.clickThumbnail();
        EXPECT_FALSE(pictureWindowShown(quiz));
    }
}

TEST(Pictures, APhraseWithAPictureShowsItClippedAndOpensItEnlargedTillAnotherClick) {
    Quiz quiz(test::withPictureFlag(2, "1")); // Айова
    const keb::PictureControls& store = quiz.program.pictureWindow().controls();
    const ui::Picture picture = cornerPicture();
    quiz.program.pictureWindow().putPicture(2, picture, 3000, 2000);
    quiz.clickItem("Slowo_0", QStringLiteral("Айова"));
    const keb::QuizControls& m = quiz.main();
    EXPECT_TRUE(m.Grafika[0].picture().sharesImageWith(picture));
    // The thumbnail shows the picture's top-left part, unscaled and clipped.
    const QImage thumbnail = m.Grafika[0].widget()->grab().toImage();
    EXPECT_EQ(thumbnail.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(thumbnail.pixelColor(60, 60), QColor(Qt::blue));
    EXPECT_EQ(thumbnail.pixelColor(thumbnail.width() - 3, thumbnail.height() - 3),
              QColor(Qt::blue));

    quiz.clickThumbnail();
    EXPECT_TRUE(pictureWindowShown(quiz));
    EXPECT_EQ(store.Graphika[0].geometry(), (ui::Rect{0, 0, 3000, 2000}));
    EXPECT_TRUE(store.Graphika[0].picture().sharesImageWith(picture));
    EXPECT_EQ(store.form.outerWidth(), 3100);
    EXPECT_EQ(store.form.outerHeight(), 2250);
    EXPECT_EQ(store.form.caption(), "www.keb.example - KEB picture");
    EXPECT_TRUE(store.form.widget()->windowFlags() & Qt::Tool);
    test::saveGrab(store.form.widget(), "picture_window.png");
    // The phrase is selected already: a click shows its thumbnail again and closes the view.
    quiz.clickItem("Slowo_0", QStringLiteral("Айова"));
    EXPECT_FALSE(pictureWindowShown(quiz));
    EXPECT_TRUE(m.Grafika[0].picture().sharesImageWith(picture));
    EXPECT_EQ(m.Tekusht_nomer, 2);

    // Another phrase hides the view again and shows the blank thumbnail.
    quiz.clickItem("Slowo_0", QStringLiteral("Айдахо"));
    EXPECT_FALSE(pictureWindowShown(quiz));
    EXPECT_TRUE(m.Grafika[0].picture().isNull());
}

TEST(Pictures, AnAnswerSelectionOrAnExplanationHidesTheView) {
    Quiz quiz(test::withPictureFlag(2, "1"));
    quiz.program.pictureWindow().putPicture(2, cornerPicture(), 3000, 2000);
    quiz.enterPair(1, 1);
    quiz.enterPair(2, 2);
    quiz.clickItem("Slowo_2", 1);
    quiz.clickThumbnail();
    ASSERT_TRUE(pictureWindowShown(quiz));
    quiz.clickItem("Slowo_2", 0);
    EXPECT_FALSE(pictureWindowShown(quiz));

    quiz.clickItem("Slowo_2", 1);
    quiz.clickThumbnail();
    ASSERT_TRUE(pictureWindowShown(quiz));
    quiz.clickItem("Slowo_0", 0);
    quiz.clickItem("Slowo_1", 0);
    quiz.pressExplain();
    EXPECT_FALSE(pictureWindowShown(quiz));
}

// A negative flag shows the thumbnail but opens nothing. A flag that is no number, or one for a
// phrase that has no slot, must neither crash nor end the program: the phrase shows the blank
// picture and its thumbnail opens nothing.
TEST(Pictures, NegativeAndBadFlags) {
    for (const char* flag : {"-1", "abc", "", "2x"}) {
        Quiz quiz(test::withPictureFlag(2, flag));
        const ui::Picture picture = cornerPicture();
        quiz.program.pictureWindow().putPicture(2, picture, 3000, 2000);
        quiz.clickItem("Slowo_0", QStringLiteral("Айова"));
        const bool negative = std::string(flag) == "-1";
        EXPECT_EQ(quiz.main().Grafika[0].picture().sharesImageWith(picture), negative) << flag;
        EXPECT_EQ(quiz.main().Grafika[0].picture().isNull(), !negative) << flag;
        quiz.clickThumbnail();
        EXPECT_EQ(pictureWindowShown(quiz), std::string(flag) == "2x") << flag;
        EXPECT_EQ(quiz.platform.endCount, 0);
    }
    Quiz quiz(test::withPictureFlag(31, "1")); // Ню Джърси: no slot above 30
    quiz.clickItem("Slowo_0", QStringLiteral("Ню Джърси"));
    EXPECT_TRUE(quiz.main().Grafika[0].picture().isNull());
    quiz.clickThumbnail();
    EXPECT_FALSE(pictureWindowShown(quiz));

    // Phrase numbers beyond the flag list read an empty flag.
    Quiz large(test::numberedContent(70, 70));
    large.clickItem("Slowo_0", QStringLiteral("Ляв 65"));
    EXPECT_EQ(large.main().Tekusht_nomer, 65);
    EXPECT_TRUE(large.main().Grafika[0].picture().isNull());
    large.clickThumbnail();
    EXPECT_FALSE(pictureWindowShown(large));

    // A thumbnail before any phrase was selected opens nothing either.
    Quiz none(test::numberedContent(0, 3));
    EXPECT_EQ(none.main().Tekusht_nomer, 0);
    none.clickThumbnail();
    EXPECT_FALSE(pictureWindowShown(none));
}
