#include "detail/menu_commands.h"

#include "quiz/program_commands.h"
#include "ui/menu_command.h"
#include "ui/window.h"

namespace keb {

MenuCommands::MenuCommands(ui::Window& form, ProgramCommands& program)
    : Izhod(form.addMenuCommand("Izhod", "&Exit", "Ctrl+Q")),
      Cwqt(form.addMenuCommand("Cwqt", "&Color")), program_(program) {
    Izhod.onClick([this] { Izhod_Click(); });
    Cwqt.onClick([this] { Cwqt_Click(); });
    // The close box ends the program too: with the quiz window gone, nothing is left to use.
    form.onCloseBox([this] { program_.end(); });
}

void MenuCommands::Izhod_Click() {
    program_.end();
}

void MenuCommands::Cwqt_Click() {
    program_.showSettings();
}

} // namespace keb
