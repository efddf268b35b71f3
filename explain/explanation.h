#pragma once

#include "quiz/explanation_procedures.h"

#include <string>

namespace content {
class ContentStore;
}

namespace keb {

class PhrasePictures;

// "Обясни": writes into the quiz window's explanation box which right phrase belongs to a left
// phrase, before the evaluation for the pair being entered, after it for a chosen answer. These
// are the quiz window's own procedures, working on the parts it hands them.
class Explanation : public ExplanationProcedures {
public:
    Explanation(const content::ContentStore& content, PhrasePictures& pictures)
        : content_(content), pictures_(pictures) {}

    // The explanation of phrase n, then its thumbnail.
    void Obqsni_nomer(QuizParts& quiz, int n);
    void Obqsni_otgowor(QuizParts& quiz) override;
    void Obqsni_izbor(QuizParts& quiz) override;

    // The text of the explanation of phrase n: an empty line, then the pair in quotes, then the
    // phrase's extra lines when its flag says it has some.
    static std::string text(const content::ContentStore& content, int n);

private:
    const content::ContentStore& content_;
    PhrasePictures& pictures_;
};

} // namespace keb
