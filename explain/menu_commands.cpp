#include "explain/menu_commands.h"

#include "explain/program_commands.h"
#include "quiz/main_window.h"
#include "ui/menu_command.h"

namespace keb {

MenuCommands::MenuCommands(MainWindow& main, ProgramCommands& program)
    : Izhod(main.form.addMenuCommand("Izhod", "&Exit", "Ctrl+Q")),
      Cwqt(main.form.addMenuCommand("Cwqt", "&Color")), program_(program) {
    Izhod.onClick([this] { Izhod_Click(); });
    Cwqt.onClick([this] { Cwqt_Click(); });
    // The close box ends the program too: with the quiz window gone, nothing is left to use.
    main.form.onCloseBox([this] { program_.end(); });
}

void MenuCommands::Izhod_Click() {
    program_.end();
}

void MenuCommands::Cwqt_Click() {
    program_.showSettings();
}

} // namespace keb
