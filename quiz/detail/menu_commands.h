#pragma once

namespace ui {
class MenuCommand;
class Window;
} // namespace ui

namespace keb {

class ProgramCommands;

// The quiz window's menu bar: "Exit" and "Color", in that order, without submenus. Its commands
// are the quiz window's own; what they do to the program goes through the owner of the windows.
class MenuCommands {
public:
    MenuCommands(ui::Window& form, ProgramCommands& program);

    // Ends the program at once.
    void Izhod_Click();
    // Opens the colour and font window, or brings it to the front.
    void Cwqt_Click();

private:
    ui::MenuCommand& Izhod;
    ui::MenuCommand& Cwqt;
    ProgramCommands& program_;
};

} // namespace keb
