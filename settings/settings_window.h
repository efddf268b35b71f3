#pragma once

#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/slider.h"
#include "ui/text_box.h"
#include "ui/types.h"
#include "ui/window.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {
class MenuCommand;
class Platform;
} // namespace ui

namespace keb {

class AppearanceTarget;

// Cwiat: the learner forms the quiz window's colours on three sliders, with a live preview and
// the colour number in decimal and hex, and picks the font size. Every edit goes into the
// settings record, the quiz window's hidden list Cweta(0), at once; "Запис" applies the record
// to the quiz window. Of the quiz window it reaches only those two.
class SettingsWindow {
public:
    // It lists the fonts the platform has, and calls closed() when "Запис", "Отказ" or the close
    // box closes it.
    SettingsWindow(AppearanceTarget& quiz, const ui::Platform& platform,
                   std::function<void()> closed);

    // Opening: fills the window from the record.
    void Form_Load();
    void Zaredi_shriftowe();
    void Opredeli_cwqt();

    void Option1_Click(int index);
    void Slider1_Scroll(int index);
    void Otdelni_Update();
    void List_font_Click(int index);

    void mnu_zapis_Click();
    void mnu_Otkaz_Click();
    void mnu_Danni_Click();

    ui::Window form;
    ui::ControlArray<ui::Label> Label_Cv;
    std::unique_ptr<ui::PictureBox> picColor;
    ui::ControlArray<ui::Label> Label_ST;
    ui::ControlArray<ui::Slider> Slider1;
    ui::ControlArray<ui::ListBox> List_font;
    ui::ControlArray<ui::TextBox> Text_Cv;
    ui::ControlArray<ui::OptionButton> Option1;
    ui::MenuCommand& mnu_zapis;
    ui::MenuCommand& mnu_Otkaz;
    ui::MenuCommand& mnu_Danni;

    // The colour target being edited (0..3) and the colour last formed on the sliders.
    int target = 0;
    ui::ColourNumber currentColour = 0;

private:
    void createControls();
    ui::ListBox& record() const;
    std::string recordItem(int item) const;
    ui::ColourNumber recordColour(int item) const;
    ui::ColourNumber sliderColour() const;

    AppearanceTarget& quiz_;
    const ui::Platform& platform_;
    std::function<void()> closed_;
};

} // namespace keb
