#pragma once

#include "ui/control_array.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/window.h"

namespace content {
class ContentStore;
}

namespace keb {

// KEB_Graphika: the store of the phrases' pictures and the window that shows one enlarged.
// Graphika(0) is the enlarged view; Graphika(1..30) are the slots of phrases 1..30 and are never
// shown themselves. Spis_graf(0) holds a label, then the has-picture flag of each phrase.
class PictureWindow {
public:
    static constexpr int kSlots = 30;

    explicit PictureWindow(const content::ContentStore& danni);

    // Puts a picture into the slot of phrase n (1..30) and sizes the slot, in twips. What is
    // in a slot is the program's to give: the built-in content has no pictures.
    void putPicture(int n, const ui::Picture& picture, int widthTwips, int heightTwips);

    ui::Window form;
    ui::ControlArray<ui::PictureBox> Graphika;
    ui::ControlArray<ui::ListBox> Spis_graf;
};

} // namespace keb
