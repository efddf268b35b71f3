#pragma once

#include "settings/settings_controls.h"
#include "settings/settings_record.h"

#include <functional>
#include <string>

namespace ui {
class Platform;
} // namespace ui

namespace keb {

class MainWindow;

// Cwiat: the learner forms the quiz window's colours on three sliders, with a live preview and
// the colour number in decimal and hex, and picks the font size. Every edit goes into the
// settings record, the quiz window's hidden list Cweta(0), at once; "Запис" applies the record
// to the quiz window. Of the quiz window it uses only the record and the appearance.
class SettingsWindow {
public:
    // It lists the fonts the platform has, and calls closed() when "Запис", "Отказ" or the close
    // box closes it.
    SettingsWindow(MainWindow& quiz, const ui::Platform& platform, std::function<void()> closed);

    // Opening: fills the window from the record.
    void Form_Load();
    // Places the window at the centre of its screen; shows it in front; hides it.
    void centreOnScreen();
    void bringToFront();
    void hide();

    // The event handlers, as the learner's actions raise them.
    void Option1_Click(int index);
    void Slider1_Scroll(int index);
    void List_font_Click(int index);
    void mnu_zapis_Click();
    void mnu_Otkaz_Click();
    void mnu_Danni_Click();

    // The window as it stands, for reading.
    const SettingsControls& controls() const { return c_; }

private:
    void createControls();
    void Zaredi_shriftowe();
    void Opredeli_cwqt();
    void Otdelni_Update();
    // Splits a colour number into its red, green and blue.
    static ui::Rgb cwetowe_RGB(ui::ColourNumber colour);
    void showTargetColour(int target, ui::ColourNumber colour);
    void showComponentsOnSliders(int target);
    // The settings record as it stands: the one place the window reads it.
    const SettingsRecord& record() const;
    ui::ColourNumber sliderColour() const;

    MainWindow& quiz_;
    const ui::Platform& platform_;
    std::function<void()> closed_;
    SettingsControls c_;
};

} // namespace keb
