#pragma once

#include "quiz/picture_procedures.h"

#include <memory>
#include <string>

namespace content {
class ContentStore;
}

namespace keb {

class PictureWindow;

// The quiz window's thumbnail of the phrase last selected, and the enlarged view a click on it
// opens: the quiz window's own picture procedures. They keep the picture window KEB_Graphika,
// made on its first use, hidden, and kept to the end.
class PhrasePictures : public PictureProcedures {
public:
    explicit PhrasePictures(const content::ContentStore& content);
    ~PhrasePictures() override;

    void Pokaji_grafika(QuizParts& quiz, int n) override;
    void Grafika_Click(QuizParts& quiz) override;

    // The slot holding phrase n's picture for the thumbnail, or 0 for the blank picture.
    int thumbnailSlot(int n) const;
    // The slot the enlarged view shows for phrase n, or 0 when it opens none.
    int enlargedSlot(int n) const;

    // The picture window, made on first use.
    PictureWindow& pictureWindow();
    bool hasPictureWindow() const { return window_ != nullptr; }

private:
    const std::string& flag(int n) const;

    const content::ContentStore& content_;
    std::unique_ptr<PictureWindow> window_;
};

} // namespace keb
