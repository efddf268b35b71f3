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

// What the colour and font window is made of: its menu and controls, and the two values its
// procedures keep. Read-only all the way down where the whole is.
struct SettingsControls {
    SettingsControls()
        : form("Cwiat", ui::WindowStyle::FixedSingle, kWindowFont),
          mnu_zapis(&form.addMenuCommand("mnu_zapis", "&Запис", "Ctrl+S")),
          mnu_Otkaz(&form.addMenuCommand("mnu_Otkaz", "&Отказ", "Esc")),
          mnu_Danni(&form.addMenuCommand("mnu_Danni", "Danni")) {}

    ui::Window form; // first: see ui::Control
    // "Запис", "Отказ" and a hidden, disabled command that does nothing.
    std::experimental::propagate_const<ui::MenuCommand*> mnu_zapis;
    std::experimental::propagate_const<ui::MenuCommand*> mnu_Otkaz;
    std::experimental::propagate_const<ui::MenuCommand*> mnu_Danni;
    // 0..2 the captions of the red, green and blue rows, 3 the colour's number, 4 the size
    // list's caption, 5..8 the option buttons' captions.
    ui::ControlArray<ui::Label> Label_Cv;
    // The preview of the colour formed.
    std::experimental::propagate_const<std::unique_ptr<ui::PictureBox>> picColor;
    // The sliders' values.
    ui::ControlArray<ui::Label> Label_ST;
    // The red, green and blue sliders.
    ui::ControlArray<ui::Slider> Slider1;
    // 0 the installed fonts (hidden), 1 the sizes, 2 an older copy of the record (hidden).
    ui::ControlArray<ui::ListBox> List_font;
    // The sample "Шрифт".
    ui::ControlArray<ui::TextBox> Text_Cv;
    // The colour targets: window background, text background, text colour, button background.
    ui::ControlArray<ui::OptionButton> Option1;

    // The colour target being edited (0..3) and the colour last formed on the sliders.
    int target = 0;
    ui::ColourNumber currentColour = 0;
};

} // namespace keb
