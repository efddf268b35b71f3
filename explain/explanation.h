#pragma once

#include <string>

namespace content {
class ContentStore;
}

namespace keb {

class MainWindow;

// "Обясни": writes into the quiz window's explanation box which right phrase belongs to a left
// phrase, before the evaluation for the pair being entered, after it for a chosen answer.
class Explanation {
public:
    explicit Explanation(MainWindow& main) : main_(main) {}

    // The explanation of phrase n, then its thumbnail.
    void Obqsni_nomer(int n);
    // After the evaluation: explains the selected answer.
    void Obqsni_otgowor();
    // Before the evaluation: enters the selected pair, right or wrong, and explains its left
    // phrase.
    void Obqsni_izbor();

    // The text of the explanation of phrase n: an empty line, then the pair in quotes, then the
    // phrase's extra lines when its flag says it has some.
    static std::string text(const content::ContentStore& danni, int n);

private:
    MainWindow& main_;
};

} // namespace keb
