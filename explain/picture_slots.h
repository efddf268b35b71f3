#pragma once

#include <string>

namespace keb {

class MainWindow;

// The quiz window's thumbnail of the phrase last selected, and the enlarged view a click on it
// opens.
class PictureSlots {
public:
    explicit PictureSlots(MainWindow& main) : main_(main) {}

    // Shows phrase n's picture in the thumbnail, or the blank one, and hides the enlarged view.
    void Pokaji_grafika(int n);
    // Opens the enlarged view of the phrase last selected, when it has a picture.
    void Grafika_Click(int index);

    // The slot holding phrase n's picture for the thumbnail, or 0 for the blank picture.
    int thumbnailSlot(int n) const;
    // The slot the enlarged view shows for phrase n, or 0 when it opens none.
    int enlargedSlot(int n) const;

private:
    const std::string& flag(int n) const;

    MainWindow& main_;
};

} // namespace keb
