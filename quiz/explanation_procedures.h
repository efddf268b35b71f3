#pragma once

namespace keb {

// The explanation procedures that the quiz window's "Обясни" runs. They belong to the quiz
// window, as its own procedures; they are written with the explanations (explain/), which work
// on the window's controls, and reach the window's handlers through this.
class ExplanationProcedures {
public:
    virtual ~ExplanationProcedures() = default;
    // Before the evaluation: enters the selected pair, right or wrong, and explains its left
    // phrase.
    virtual void Obqsni_izbor() = 0;
    // After the evaluation: explains the selected answer.
    virtual void Obqsni_otgowor() = 0;
};

} // namespace keb
