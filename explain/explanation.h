#pragma once

#include "quiz/explanation_procedures.h"

#include <string>

namespace content {
class ContentStore;
}

namespace keb {

class MainWindow;
class PictureProcedures;

// "Обясни": writes into the quiz window's explanation box which right phrase belongs to a left
// phrase, before the evaluation for the pair being entered, after it for a chosen answer. These
// are the quiz window's own procedures, working on its controls.
class Explanation : public ExplanationProcedures {
public:
    Explanation(MainWindow& main, PictureProcedures& pictures) : main_(main), pictures_(pictures) {}

    // The explanation of phrase n, then its thumbnail.
    void Obqsni_nomer(int n);
    void Obqsni_otgowor() override;
    void Obqsni_izbor() override;

    // The text of the explanation of phrase n: an empty line, then the pair in quotes, then the
    // phrase's extra lines when its flag says it has some.
    static std::string text(const content::ContentStore& danni, int n);

private:
    MainWindow& main_;
    PictureProcedures& pictures_;
};

} // namespace keb
