#pragma once

#include "ui/control_array.h"

#include <functional>

namespace ui {
class ListBox;
class PictureBox;
class TextBox;
} // namespace ui

namespace keb {

// The parts of the quiz window that its explanation and picture procedures work on, handed to
// them with each call: they reach nothing else of the window, and keep nothing of it.
struct QuizParts {
    // Prowerka(0), the instruction and explanation box.
    ui::TextBox& explanationBox;
    // Slowo: the left phrases, the right phrases and the entered answers.
    ui::ControlArray<ui::ListBox>& Slowo;
    // dum_N(2), the left keys of the answers.
    ui::ListBox& answerKeys;
    // Grafika: the thumbnail and the blank picture.
    ui::ControlArray<ui::PictureBox>& Grafika;
    // The phrase number last selected.
    const int& Tekusht_nomer;
    // The count of correct answers.
    int& Broi_werni;
    // Enters the selected pair as an answer.
    std::function<void()> Wywedi_dwoika;
};

} // namespace keb
