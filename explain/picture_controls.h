#pragma once

#include "quiz/window_font.h"
#include "ui/control_array.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/window.h"

namespace keb {

// What the picture window is made of. Graphika(0) is the enlarged view; Graphika(1..30) are the
// slots of phrases 1..30 and are never shown themselves. Spis_graf(0) holds a label, then the
// has-picture flag of each phrase.
struct PictureControls {
    PictureControls() : form("KEB_Graphika", ui::WindowStyle::FixedTool, kWindowFont) {}

    ui::Window form; // first: see ui::Control
    ui::ControlArray<ui::PictureBox> Graphika;
    ui::ControlArray<ui::ListBox> Spis_graf;
};

} // namespace keb
