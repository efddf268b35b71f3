#pragma once

#include "explain/picture_controls.h"

namespace content {
class ContentStore;
}

namespace keb {

// KEB_Graphika: the store of the phrases' pictures and the window that shows one enlarged.
class PictureWindow {
public:
    static constexpr int kSlots = 30;

    explicit PictureWindow(const content::ContentStore& content);

    // Puts a picture into the slot of phrase n (1..30) and sizes the slot, in twips. What is
    // in a slot is the program's to give: the built-in content has no pictures.
    void putPicture(int n, const ui::Picture& picture, int widthTwips, int heightTwips);
    // The picture in the slot of phrase n (1..30).
    const ui::Picture& picture(int n) const;
    // Shows the picture of slot n (1..30) enlarged, the window sized to it.
    void showEnlarged(int n);
    void hide();

    // The window as it stands, for reading.
    const PictureControls& controls() const { return c_; }

private:
    PictureControls c_;
};

} // namespace keb
