#pragma once

#include "quiz/window_font.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu_command.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/slider.h"
#include "ui/text_box.h"
#include "ui/types.h"
#include "ui/window.h"

#include <experimental/propagate_const>
#include <memory>

namespace keb {

// What the colour and font window is made of: its menu, its controls, named and indexed as its
// procedures address them, and the two values those procedures keep between the learner's
// actions. The holders pass const on, so that a reader of the whole cannot change a control.
struct SettingsControls {
    SettingsControls()
        : form("Cwiat", ui::WindowStyle::FixedSingle, kWindowFont),
          mnu_zapis(&form.addMenuCommand("mnu_zapis", "&Запис", "Ctrl+S")),
          mnu_Otkaz(&form.addMenuCommand("mnu_Otkaz", "&Отказ", "Esc")),
          mnu_Danni(&form.addMenuCommand("mnu_Danni", "Danni")) {}

    ui::Window form; // first: see ui::Control
    // The menu: "Запис" applies the settings record to the quiz window and closes this one,
    // "Отказ" closes it leaving the quiz window as it was; mnu_Danni is hidden, disabled and does
    // nothing.
    std::experimental::propagate_const<ui::MenuCommand*> mnu_zapis;
    std::experimental::propagate_const<ui::MenuCommand*> mnu_Otkaz;
    std::experimental::propagate_const<ui::MenuCommand*> mnu_Danni;
    // The window's texts: Label_Cv(0) to (2) head the red, green and blue rows, (3) shows the
    // colour formed as its number in decimal and hex, (4) heads the size list, and (5) to (8)
    // are the captions of the four option buttons, the last one hidden with its button.
    ui::ControlArray<ui::Label> Label_Cv;
    // The colour formed on the sliders, shown as a plain area of that colour.
    std::experimental::propagate_const<std::unique_ptr<ui::PictureBox>> picColor;
    // The value of each slider, beside it, from 0 to 255.
    ui::ControlArray<ui::Label> Label_ST;
    // The red, green and blue components of the colour target chosen.
    ui::ControlArray<ui::Slider> Slider1;
    // List_font(0) holds the system's fonts (hidden: the face is the record's), List_font(1) the
    // sizes the learner picks from, List_font(2) a copy of the record in an older layout that is
    // never read (hidden).
    ui::ControlArray<ui::ListBox> List_font;
    // The sample text "Шрифт", in the font, size and colours chosen.
    ui::ControlArray<ui::TextBox> Text_Cv;
    // The colour targets the sliders set, each button showing its target's colour: the quiz
    // window's background, the background of its texts, their colour, and the buttons'
    // background (hidden: the quiz window does not take it).
    ui::ControlArray<ui::OptionButton> Option1;

    // The colour target the sliders set (0..3, the option button chosen), and the colour they
    // formed last.
    int target = 0;
    ui::ColourNumber currentColour = 0;
};

} // namespace keb
