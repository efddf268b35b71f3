#include "explain/picture_window.h"

#include "content/content_store.h"
#include "ui/control_table.h"

#include <string>

namespace keb {

namespace {

// What the enlarged view's window adds around the picture: its frame and caption, in twips.
constexpr int kFrameWidth = 100;
constexpr int kFrameHeight = 250;

// The window's controls, one row a run of elements, in tab order. The slots' own positions mean
// nothing: only their size and picture are read.
const ui::ControlRow kRows[] = {
    {.name = "Graphika", .index = 0, .twips = {0, 0, 1695, 1815}, .accessibleName = "Картина"},
    {.name = "Graphika",
     .index = 1,
     .last = PictureWindow::kSlots,
     .twips = {0, 0, 1695, 1815},
     .visible = false},
    {.name = "Spis_graf", .index = 0, .twips = {0, 0, 1215, 1200}, .visible = false},
};

} // namespace

PictureWindow::PictureWindow(const content::ContentStore& content) {
    ui::Window& form = c_.form;
    form.setCaption(content.siteAddress() + " - KEB picture");
    form.setClientSize(11880, 8490);
    ui::ControlTable(form)
        .array("Graphika", c_.Graphika)
        .array("Spis_graf", c_.Spis_graf)
        .make(kRows);
    for (const std::string& flag : content.pictureFlags()) {
        c_.Spis_graf[0].addItem(flag);
    }
}

void PictureWindow::putPicture(int n, const ui::Picture& picture, int widthTwips, int heightTwips) {
    if (n < 1 || n > kSlots) {
        return;
    }
    c_.Graphika[n].setPicture(picture);
    c_.Graphika[n].setSize(widthTwips, heightTwips);
}

const ui::Picture& PictureWindow::picture(int n) const {
    return c_.Graphika[n].picture();
}

void PictureWindow::showEnlarged(int n) {
    const ui::Rect size = c_.Graphika[n].geometry();
    c_.Graphika[0].setSize(size.width, size.height);
    c_.Graphika[0].setPicture(c_.Graphika[n].picture());
    c_.form.setOuterSize(size.width + kFrameWidth, size.height + kFrameHeight);
    c_.form.showModeless();
}

void PictureWindow::hide() {
    c_.form.hide();
}

} // namespace keb
