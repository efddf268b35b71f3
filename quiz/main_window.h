#pragma once

#include "ui/button.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/text_box.h"
#include "ui/window.h"

#include <memory>
#include <string>
#include <vector>

namespace content {
class ContentStore;
}

namespace keb {

class ContentSource;
class ExplanationProcedures;
class PictureProcedures;
struct Appearance;

// KEB, the quiz window: the two phrase lists, the answer list, the command buttons, the counter
// and the explanation box. Its controls are open to the program's other windows, which work on
// them as its own procedures do.
class MainWindow {
public:
    // The settings record starts as given: the colour window's defaults, at every start.
    MainWindow(ContentSource& content, const std::vector<std::string>& settingsRecord);

    // The explanation and picture procedures its handlers run; given before the start-up.
    void attach(ExplanationProcedures& explanations, PictureProcedures& pictures);

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
    // The answer check: "ДА" on green or "НЕ" on red for the answer at the position.
    void showAnswerCheck(int position);

    // What the colour window's "Запис" applies, in the order it applies it.
    void applyAppearance(const Appearance& appearance);

    // The content store, created on its first read.
    const content::ContentStore& danni() const;

    ui::Window form;
    // Hidden key lists: 0 and 1 beside Slowo(0) and Slowo(1), 2 and 3 the left and right keys
    // of the answers, 4 and 5 the key tables, 6 unused.
    ui::ControlArray<ui::ListBox> dum_N;
    // The left phrases, the right phrases and the entered answers.
    ui::ControlArray<ui::ListBox> Slowo;
    // The command buttons "Избрах", "Върни", "Оцени" and "Обясни".
    ui::ControlArray<ui::Button> Uprawl;
    // Hidden: item 0 holds the number of pairs.
    ui::ControlArray<ui::ListBox> Nastroiki;
    // 0 the instruction and explanation box, 1 the check of an answer.
    ui::ControlArray<ui::TextBox> Prowerka;
    // Hidden: the settings record.
    ui::ControlArray<ui::ListBox> Cweta;
    // 0 the thumbnail, 1 the blank picture.
    ui::ControlArray<ui::PictureBox> Grafika;
    // The counter of the pairs that remain, and the score.
    std::unique_ptr<ui::Label> Ndapis;

    // The count of correct answers and the phrase number last selected.
    int Broi_werni = 0;
    int Tekusht_nomer = 0;

private:
    void createControls();
    // What a command button does.
    void runCommand(int index);

    ContentSource& content_;
    ExplanationProcedures* explanations_ = nullptr;
    PictureProcedures* pictures_ = nullptr;
};

} // namespace keb
