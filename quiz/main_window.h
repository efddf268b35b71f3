#pragma once

#include "quiz/appearance_target.h"
#include "quiz/quiz_controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace content {
class ContentStore;
}

namespace test {
class QuizInternals;
}

namespace keb {

class ContentSource;
class ExplanationProcedures;
class MenuCommands;
class PictureProcedures;
class ProgramCommands;
struct QuizView;

// KEB, the quiz window: the two phrase lists, the answer list, the command buttons, the counter
// and the explanation box, with the menu bar above them. Its explanation and picture procedures
// are written with the explanations and pictures, which reach the window only through the view
// it hands them; the colour window reaches only the settings record and the appearance.
class MainWindow : public AppearanceTarget {
public:
    // The explanation and picture procedures the handlers run, made on the window's view.
    struct Procedures {
        std::unique_ptr<PictureProcedures> pictures;
        std::unique_ptr<ExplanationProcedures> explanations;
    };
    using MakeProcedures = std::function<Procedures(QuizView& view)>;

    // The settings record starts as given: the colour window's defaults, at every start. The
    // menu's commands go to the program.
    MainWindow(ContentSource& content, ProgramCommands& program,
               const std::vector<std::string>& settingsRecord, const MakeProcedures& make);
    ~MainWindow() override;

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

    ui::ListBox& record() override;
    void applyAppearance(const Appearance& appearance) override;

private:
    friend class test::QuizInternals; // puts the window into states no learner can reach

    void createControls();
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
    // The answer check: "ДА" on green or "НЕ" on red for the answer at the position.
    void showAnswerCheck(int position);

    ContentSource& content_;
    // The procedures outlive the controls, whose handlers run them.
    Procedures procedures_;
    QuizControls c_;
    std::unique_ptr<QuizView> view_;
    std::unique_ptr<MenuCommands> menu_;
};

} // namespace keb
