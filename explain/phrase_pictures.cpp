#include "explain/phrase_pictures.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "explain/picture_window.h"
#include "quiz/quiz_parts.h"
#include "ui/picture_box.h"

namespace keb {

namespace {

bool hasSlot(int n) {
    return n >= 1 && n <= PictureWindow::kSlots;
}

} // namespace

PhrasePictures::PhrasePictures(const content::ContentStore& content) : content_(content) {}

PhrasePictures::~PhrasePictures() = default;

PictureWindow& PhrasePictures::pictureWindow() {
    if (!window_) {
        window_ = std::make_unique<PictureWindow>(content_);
    }
    return *window_;
}

// The has-picture flags are read where the picture window's list has them from, the content,
// so that the window is made only when a picture is to be shown.
const std::string& PhrasePictures::flag(int n) const {
    return content::itemAt(content_.pictureFlags(), n);
}

// The thumbnail takes any flag that is a number other than 0; the enlarged view only a flag
// whose leading number is above 0. A flag that is no number, or one for a phrase without a slot,
// gives the blank picture and no enlarged view.
int PhrasePictures::thumbnailSlot(int n) const {
    const auto number = content::strictNumber(flag(n));
    return number && *number != 0 && hasSlot(n) ? n : 0;
}

int PhrasePictures::enlargedSlot(int n) const {
    return content::leadingNumber(flag(n)) > 0 && hasSlot(n) ? n : 0;
}

void PhrasePictures::Pokaji_grafika(QuizParts& quiz, int n) {
    const int slot = thumbnailSlot(n);
    quiz.Grafika[0].setPicture(slot ? pictureWindow().picture(slot) : quiz.Grafika[1].picture());
    // An open enlarged view closes; a picture window not yet made has nothing to close.
    if (window_) {
        window_->hide();
    }
}

// Only the thumbnail Grafika(0) is ever clicked: the box's index plays no part.
void PhrasePictures::Grafika_Click(QuizParts& quiz) {
    const int slot = enlargedSlot(quiz.Tekusht_nomer);
    if (slot != 0) {
        pictureWindow().showEnlarged(slot);
    }
}

} // namespace keb
