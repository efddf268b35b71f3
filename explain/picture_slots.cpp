#include "explain/picture_slots.h"

#include "content/content_store.h"
#include "content/numbers.h"
#include "explain/picture_window.h"
#include "explain/picture_windows.h"
#include "quiz/content_source.h"
#include "quiz/quiz_view.h"
#include "ui/picture_box.h"

namespace keb {

namespace {

// What the enlarged view's window adds around the picture: its frame and caption, in twips.
constexpr int kFrameWidth = 100;
constexpr int kFrameHeight = 250;

bool hasSlot(int n) {
    return n >= 1 && n <= PictureWindow::kSlots;
}

} // namespace

// The has-picture flags are read where the picture window's list has them from, the content,
// so that the window is made only when a picture is to be shown.
const std::string& PictureSlots::flag(int n) const {
    return content::itemAt(content_.danni().pictureFlags(), n);
}

// The thumbnail takes any flag that is a number other than 0; the enlarged view only a flag
// whose leading number is above 0. A flag that is no number, or one for a phrase without a slot,
// gives the blank picture and no enlarged view.
int PictureSlots::thumbnailSlot(int n) const {
    const auto number = content::strictNumber(flag(n));
    return number && *number != 0 && hasSlot(n) ? n : 0;
}

int PictureSlots::enlargedSlot(int n) const {
    return content::leadingNumber(flag(n)) > 0 && hasSlot(n) ? n : 0;
}

void PictureSlots::Pokaji_grafika(int n) {
    const int slot = thumbnailSlot(n);
    quiz_.Grafika[0].setPicture(slot ? windows_.pictureWindow().Graphika[slot].picture()
                                     : quiz_.Grafika[1].picture());
    // An open enlarged view closes; a picture window not yet made has nothing to close.
    if (windows_.hasPictureWindow()) {
        windows_.pictureWindow().form.hide();
    }
}

// Only the thumbnail Grafika(0) is ever clicked: the box's index plays no part.
void PictureSlots::Grafika_Click() {
    const int slot = enlargedSlot(quiz_.Tekusht_nomer);
    if (slot == 0) {
        return;
    }
    PictureWindow& store = windows_.pictureWindow();
    const ui::Rect size = store.Graphika[slot].geometry();
    store.Graphika[0].setSize(size.width, size.height);
    store.Graphika[0].setPicture(store.Graphika[slot].picture());
    store.form.setOuterSize(size.width + kFrameWidth, size.height + kFrameHeight);
    store.form.showModeless();
}

} // namespace keb
