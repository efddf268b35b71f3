#pragma once

#include "quiz/quiz_controls.h"

#include <memory>
#include <string>
#include <vector>

namespace content {
class ContentStore;
}

namespace keb {

class ExplanationProcedures;
class MenuCommands;
class PictureProcedures;
class ProgramCommands;
struct Appearance;
struct QuizParts;

// KEB, the quiz window: the two phrase lists, the answer list, the command buttons, the counter
// and the explanation box, with the menu bar above them. It keeps its controls to itself: its
// explanation and picture procedures get the parts they work on with each call, and the colour
// window reads and writes the settings record and applies the appearance through the operations
// below.
class MainWindow {
public:
    // The settings record starts as given. The menu's commands go to the program; "Обясни" and
    // the thumbnail run the procedures given, which outlive the window.
    MainWindow(const content::ContentStore& content, ProgramCommands& program,
               PictureProcedures& pictures, ExplanationProcedures& explanations,
               const std::vector<std::string>& settingsRecord);
    ~MainWindow();

    // Start-up: puts the task on screen.
    void Form_Load();
    // Centres the window on its screen and shows it; hides it.
    void show();
    void hide();

    // The event handlers, as the learner's clicks raise them.
    void Slowo_Click(int index);
    void dum_N_Click(int index);
    void Uprawl_Click(int index);

    // The window as it stands, for reading.
    const QuizControls& controls() const { return c_; }

    // The settings record, the hidden list Cweta(0): its items, and one item set.
    const std::vector<std::string>& settingsRecord() const;
    void setRecordItem(int item, const std::string& text);
    // Applies the appearance, in the order "Запис" has always applied it.
    void applyAppearance(const Appearance& appearance);

private:
    void createControls();
    // The parts the explanation and picture procedures work on.
    QuizParts parts();
    // What a command button does.
    void runCommand(int index);

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
    // The thumbnail of the phrase last selected.
    void showThumbnail();
    // The answer check: "ДА" on green or "НЕ" on red for the answer at the position.
    void showAnswerCheck(int position);

    const content::ContentStore& content_;
    PictureProcedures& pictures_;
    ExplanationProcedures& explanations_;
    QuizControls c_;
    std::unique_ptr<MenuCommands> menu_;
};

} // namespace keb
