#pragma once

namespace keb {

class PictureWindow;

// The picture window as the program that owns the windows gives it: made on first use, hidden,
// and kept to the end.
class PictureWindows {
public:
    virtual ~PictureWindows() = default;
    virtual PictureWindow& pictureWindow() = 0;
    virtual bool hasPictureWindow() const = 0;
};

} // namespace keb
