#include "explain/picture_window.h"

#include "content/content_store.h"

#include <string>

namespace keb {

namespace {

// What the enlarged view's window adds around the picture: its frame and caption, in twips.
constexpr int kFrameWidth = 100;
constexpr int kFrameHeight = 250;

// The window's controls, one row a run of elements, in tab order. The slots' own positions mean
// nothing: only their size and picture are read.
enum class Array { Graphika, Spis_graf };
struct Row {
    Array array;
    int first;
    int last;
    ui::Rect twips;
    bool visible;
    const char* accessibleName;
};

const Row kRows[] = {
    {Array::Graphika, 0, 0, {0, 0, 1695, 1815}, true, "Картина"},
    {Array::Graphika, 1, PictureWindow::kSlots, {0, 0, 1695, 1815}, false, nullptr},
    {Array::Spis_graf, 0, 0, {0, 0, 1215, 1200}, false, nullptr},
};

} // namespace

PictureWindow::PictureWindow(const content::ContentStore& content) {
    ui::Window& form = c_.form;
    form.setCaption(content.siteAddress() + " - KEB picture");
    form.setClientSize(11880, 8490);
    for (const Row& row : kRows) {
        for (int i = row.first; i <= row.last; ++i) {
            ui::Control* control = nullptr;
            if (row.array == Array::Graphika) {
                control = &c_.Graphika.set(
                    i, std::make_unique<ui::PictureBox>(form, ui::elementName("Graphika", i),
                                                        row.twips, row.visible));
            } else {
                control = &c_.Spis_graf.set(i, std::make_unique<ui::ListBox>(
                                                   form, ui::elementName("Spis_graf", i), row.twips,
                                                   ui::ListBox::Options{false, row.visible}));
            }
            if (row.accessibleName) {
                control->setAccessibleName(row.accessibleName);
            }
        }
    }
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
