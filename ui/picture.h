#pragma once

#include "ui/types.h"

#include <memory>

class QImage;

namespace ui {

// An image held by a picture box. Copies share the image: handing a picture from one box to
// another copies no pixels. A default-constructed picture holds no image.
class Picture {
public:
    Picture() = default;
    static Picture fromImage(const QImage& image);
    // An image of one colour, in pixels: what tests and placeholders need.
    static Picture filled(int widthPixels, int heightPixels, ColourNumber colour);

    bool isNull() const { return !image_; }
    const QImage* image() const { return image_.get(); }
    bool sharesImageWith(const Picture& other) const { return image_ && image_ == other.image_; }

private:
    std::shared_ptr<const QImage> image_;
};

} // namespace ui
