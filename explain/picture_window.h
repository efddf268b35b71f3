#pragma once

#include "explain/picture_controls.h"

namespace content {
class ContentStore;
}

namespace keb {

// KEB_Graphika: the pictures of phrases 1 to 30, one slot each (slot n holds phrase n's), and the
// window that shows one of them enlarged. The quiz window's thumbnail takes its pictures from
// here; the window itself opens only for the enlarged view.
class PictureWindow {
public:
    static constexpr int kSlots = 30;

    explicit PictureWindow(const content::ContentStore& content);

    // Puts a picture into phrase n's slot (1..30), sized in twips; the enlarged view takes that
    // size. Until a picture is put there a slot holds an empty one: the built-in content comes
    // with none.
    void putPicture(int n, const ui::Picture& picture, int widthTwips, int heightTwips);
    // The picture in phrase n's slot (1..30).
    const ui::Picture& picture(int n) const;
    // Shows the picture of phrase n's slot (1..30) enlarged, the window sized to it.
    void showEnlarged(int n);
    void hide();

    // The window as it stands, for reading.
    const PictureControls& controls() const { return c_; }

private:
    PictureControls c_;
};

} // namespace keb
