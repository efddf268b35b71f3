#include "explain/picture_window.h"

#include "content/content_store.h"
#include "quiz/window_font.h"

#include <string>

namespace keb {

PictureWindow::PictureWindow(const content::ContentStore& danni)
    : form("KEB_Graphika", ui::WindowStyle::FixedTool, kWindowFont) {
    form.setCaption(danni.siteAddress() + " - KEB picture");
    form.setClientSize(11880, 8490);
    for (int i = 0; i <= kSlots; ++i) {
        // The slots' own positions mean nothing: only their size and picture are read.
        Graphika.set(i, std::make_unique<ui::PictureBox>(form, "Graphika_" + std::to_string(i),
                                                         ui::Rect{0, 0, 1695, 1815}, i == 0));
    }
    Graphika[0].setAccessibleName("Картина");
    auto& flags = Spis_graf.set(
        0, std::make_unique<ui::ListBox>(form, "Spis_graf_0", ui::Rect{0, 0, 1215, 1200},
                                         ui::ListBox::Options{false, false}));
    for (const std::string& flag : danni.pictureFlags()) {
        flags.addItem(flag);
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
