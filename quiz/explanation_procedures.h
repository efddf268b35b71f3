#pragma once

namespace keb {

struct QuizParts;

// The explanation procedures that the quiz window's "Обясни" runs. They belong to the quiz
// window, as its own procedures; they are written with the explanations (explain/), above this
// folder, and this is how the window reaches them.
class ExplanationProcedures {
public:
    virtual ~ExplanationProcedures() = default;
    // Before the evaluation: enters the selected pair, right or wrong, and explains its left
    // phrase.
    virtual void Obqsni_izbor(QuizParts& quiz) = 0;
    // After the evaluation: explains the selected answer.
    virtual void Obqsni_otgowor(QuizParts& quiz) = 0;
};

} // namespace keb
