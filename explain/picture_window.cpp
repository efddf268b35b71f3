#include "explain/picture_window.h"

#include "content/content_store.h"
#include "quiz/window_font.h"

#include <string>

namespace keb {

namespace {

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

PictureWindow::PictureWindow(const content::ContentStore& danni)
    : form("KEB_Graphika", ui::WindowStyle::FixedTool, kWindowFont) {
    form.setCaption(danni.siteAddress() + " - KEB picture");
    form.setClientSize(11880, 8490);
    for (const Row& row : kRows) {
        for (int i = row.first; i <= row.last; ++i) {
            ui::Control* control = nullptr;
            if (row.array == Array::Graphika) {
                control = &Graphika.set(
                    i, std::make_unique<ui::PictureBox>(form, ui::elementName("Graphika", i),
                                                        row.twips, row.visible));
            } else {
                control = &Spis_graf.set(i, std::make_unique<ui::ListBox>(
                                                form, ui::elementName("Spis_graf", i), row.twips,
                                                ui::ListBox::Options{false, row.visible}));
            }
            if (row.accessibleName) {
                control->setAccessibleName(row.accessibleName);
            }
        }
    }
    for (const std::string& flag : danni.pictureFlags()) {
        Spis_graf[0].addItem(flag);
    }
}

void PictureWindow::putPicture(int n, const ui::Picture& picture, int widthTwips, int heightTwips) {
    if (n < 1 || n > kSlots) {
        return;
    }
    Graphika[n].setPicture(picture);
    Graphika[n].setSize(widthTwips, heightTwips);
}

} // namespace keb
