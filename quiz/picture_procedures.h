#pragma once

namespace keb {

struct QuizParts;

// The picture procedures of the quiz window: what a selection shows in the thumbnail, and what a
// click on the thumbnail opens. Written with the pictures (explain/), above this folder, and
// reached through this.
class PictureProcedures {
public:
    virtual ~PictureProcedures() = default;
    // Shows phrase n's picture in the thumbnail, or the blank one, and closes the enlarged view.
    virtual void Pokaji_grafika(QuizParts& quiz, int n) = 0;
    // Opens the enlarged view of the phrase last selected, when it has a picture.
    virtual void Grafika_Click(QuizParts& quiz) = 0;
};

} // namespace keb
