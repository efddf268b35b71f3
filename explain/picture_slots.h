#pragma once

#include "quiz/picture_procedures.h"

#include <string>

namespace keb {

class ContentSource;
class PictureWindows;
struct QuizView;

// The quiz window's thumbnail of the phrase last selected, and the enlarged view a click on it
// opens: the quiz window's own picture procedures, working on the view it hands them and on
// the picture window the owner of the windows gives.
class PictureSlots : public PictureProcedures {
public:
    PictureSlots(QuizView& quiz, ContentSource& content, PictureWindows& windows)
        : quiz_(quiz), content_(content), windows_(windows) {}

    void Pokaji_grafika(int n) override;
    void Grafika_Click() override;

    // The slot holding phrase n's picture for the thumbnail, or 0 for the blank picture.
    int thumbnailSlot(int n) const;
    // The slot the enlarged view shows for phrase n, or 0 when it opens none.
    int enlargedSlot(int n) const;

private:
    const std::string& flag(int n) const;

    QuizView& quiz_;
    ContentSource& content_;
    PictureWindows& windows_;
};

} // namespace keb
