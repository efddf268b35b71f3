#pragma once

#include "explain/explanation.h"
#include "explain/menu_commands.h"
#include "explain/picture_slots.h"
#include "ui/button.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/window.h"

namespace keb {

class Program;

// KEB, the quiz window: the two phrase lists, the answer list, the command buttons, the counter
// and the explanation box. Its controls are open to the program's other windows.
class MainWindow {
    Program& program_;

public:
    explicit MainWindow(Program& program);

    // Start-up: puts the task on screen.
    void Form_Load();

    // Event handlers.
    void Slowo_Click(int index);
    void dum_N_Click(int index);
    void Uprawl_Click(int index);

    // Start-up procedures, two of them called again later.
    void Napylni_nomera();
    void Napylni_frazi();
    void Nomerirai_frazi();
    void Razreshi_ocenka();

    // Answering and evaluation.
    void Wywedi_dwoika();
    void Wyrni_dwoika();
    void Opredeli_ostawashti();
    void Oceni_testa();
    void Proweri_otgowor(int position);

    Program& program() const { return program_; }

    ui::Window form;
    // Hidden key lists: 0 and 1 beside Slowo(0) and Slowo(1), 2 and 3 the left and right keys
    // of the answers, 4 and 5 the key tables, 6 unused.
    ui::ControlArray<ui::ListBox> dum_N;
    // The left phrases, the right phrases and the entered answers.
    ui::ControlArray<ui::ListBox> Slowo;
    ui::ControlArray<ui::Button> Uprawl;
    ui::ControlArray<ui::ListBox> Nastroiki;
    ui::ControlArray<ui::TextBox> Prowerka;
    ui::ControlArray<ui::ListBox> Cweta;
    ui::ControlArray<ui::PictureBox> Grafika;
    std::unique_ptr<ui::Label> Ndapis;

    // The count of correct answers and the phrase number last selected.
    int Broi_werni = 0;
    int Tekusht_nomer = 0;

    Explanation explanation;
    PictureSlots pictures;
    MenuCommands menu;

private:
    void createControls();
};

} // namespace keb
