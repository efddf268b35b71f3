#pragma once

#include "quiz/window_font.h"
#include "ui/button.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/window.h"

#include <experimental/propagate_const>
#include <memory>

namespace keb {

// What the quiz window is made of: its controls, and the two numbers its procedures keep.
struct QuizControls {
    QuizControls() : form("KEB", ui::WindowStyle::FixedSingle, kWindowFont) {}

    ui::Window form; // first: see ui::Control
    // Hidden key lists: 0 and 1 beside Slowo(0) and Slowo(1), 2 and 3 the left and right keys
    // of the answers, 4 and 5 the key tables, 6 unused.
    ui::ControlArray<ui::ListBox> dum_N;
    // The left phrases, the right phrases and the entered answers.
    ui::ControlArray<ui::ListBox> Slowo;
    // The command buttons "Избрах", "Върни", "Оцени" and "Обясни".
    ui::ControlArray<ui::Button> Uprawl;
    // Hidden: item 0 holds the number of pairs.
    ui::ControlArray<ui::ListBox> Nastroiki;
    // 0 the instruction and explanation box, 1 the check of an answer.
    ui::ControlArray<ui::TextBox> Prowerka;
    // Hidden: the settings record.
    ui::ControlArray<ui::ListBox> Cweta;
    // 0 the thumbnail, 1 the blank picture.
    ui::ControlArray<ui::PictureBox> Grafika;
    // The counter of the pairs that remain, and the score; read-only where the controls are.
    std::experimental::propagate_const<std::unique_ptr<ui::Label>> Ndapis;

    // The count of correct answers and the phrase number last selected.
    int Broi_werni = 0;
    int Tekusht_nomer = 0;
};

} // namespace keb
