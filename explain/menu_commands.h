#pragma once

namespace ui {
class MenuCommand;
}

namespace keb {

class MainWindow;

// The quiz window's menu bar: "Exit" and "Color", in that order, without submenus.
class MenuCommands {
public:
    explicit MenuCommands(MainWindow& main);

    // Ends the program at once.
    void Izhod_Click();
    // Opens the colour and font window, or brings it to the front.
    void Cwqt_Click();

    ui::MenuCommand& Izhod;
    ui::MenuCommand& Cwqt;

private:
    MainWindow& main_;
};

} // namespace keb
