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

// What the quiz window is made of: its controls, named and indexed as its procedures address
// them, and the two numbers those procedures keep between the learner's actions. The hidden
// lists are the window's data; the learner never sees them.
struct QuizControls {
    QuizControls() : form("KEB", ui::WindowStyle::FixedSingle, kWindowFont) {}

    ui::Window form; // first: see ui::Control
    // The hidden key lists. dum_N(0) and dum_N(1) hold the key of each phrase in Slowo(0) and
    // Slowo(1), row for row; dum_N(2) and dum_N(3) the left and right keys of each answer in
    // Slowo(2); dum_N(4) and dum_N(5) are the key tables the start-up builds; dum_N(6) is made
    // and filled but never read.
    ui::ControlArray<ui::ListBox> dum_N;
    // What the learner works with: the left phrases and the right phrases, each list sorted,
    // and the answers entered so far, in the order they were entered.
    ui::ControlArray<ui::ListBox> Slowo;
    // The command buttons "Избрах", "Върни", "Оцени" and "Обясни".
    ui::ControlArray<ui::Button> Uprawl;
    // Hidden: item 0 holds the number of pairs, the smaller of the two phrase counts, which the
    // score is worked out of.
    ui::ControlArray<ui::ListBox> Nastroiki;
    // Prowerka(0) shows the instructions, then each explanation; Prowerka(1) marks the selected
    // answer "ДА" on green or "НЕ" on red, and shows only once the test is graded.
    ui::ControlArray<ui::TextBox> Prowerka;
    // Hidden: Cweta(0) holds the settings record, which the colour window reads and writes.
    ui::ControlArray<ui::ListBox> Cweta;
    // Grafika(0) is the thumbnail of the phrase last selected; the hidden Grafika(1) holds the
    // blank picture shown for a phrase without one.
    ui::ControlArray<ui::PictureBox> Grafika;
    // The counter of the pairs that remain, and after grading the score. The holder keeps the
    // label as read-only as the rest wherever the controls are read-only.
    std::experimental::propagate_const<std::unique_ptr<ui::Label>> Ndapis;

    // The count of correct answers found by the last grading, and the phrase number (key) of the
    // phrase last selected, whose picture the thumbnail shows.
    int Broi_werni = 0;
    int Tekusht_nomer = 0;
};

} // namespace keb
