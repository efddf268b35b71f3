#pragma once

#include "quiz/explanation_procedures.h"

#include <string>

namespace content {
class ContentStore;
}

namespace keb {

class ContentSource;
class PictureProcedures;
struct QuizView;

// "Обясни": writes into the quiz window's explanation box which right phrase belongs to a left
// phrase, before the evaluation for the pair being entered, after it for a chosen answer. These
// are the quiz window's own procedures, working on the view it hands them.
class Explanation : public ExplanationProcedures {
public:
    Explanation(QuizView& quiz, ContentSource& content, PictureProcedures& pictures)
        : quiz_(quiz), content_(content), pictures_(pictures) {}

    // The explanation of phrase n, then its thumbnail.
    void Obqsni_nomer(int n);
    void Obqsni_otgowor() override;
    void Obqsni_izbor() override;

    // The text of the explanation of phrase n: an empty line, then the pair in quotes, then the
    // phrase's extra lines when its flag says it has some.
    static std::string text(const content::ContentStore& danni, int n);

private:
    QuizView& quiz_;
    ContentSource& content_;
    PictureProcedures& pictures_;
};

} // namespace keb
