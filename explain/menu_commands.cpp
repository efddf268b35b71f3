#include "explain/menu_commands.h"

#include "quiz/main_window.h"
#include "quiz/program.h"
#include "ui/menu_command.h"

namespace keb {

MenuCommands::MenuCommands(MainWindow& main)
    : Izhod(main.form.addMenuCommand("Izhod", "&Exit", "Ctrl+Q")),
      Cwqt(main.form.addMenuCommand("Cwqt", "&Color")), main_(main) {
    Izhod.onClick([this] { Izhod_Click(); });
    Cwqt.onClick([this] { Cwqt_Click(); });
    // The close box ends the program too: with the quiz window gone, nothing is left to use.
    main.form.onCloseBox([this] { main_.program().end(); });
}

void MenuCommands::Izhod_Click() {
    main_.program().end();
}

void MenuCommands::Cwqt_Click() {
    main_.program().showSettings();
}

} // namespace keb
