#pragma once

#include "ui/control.h"
#include "ui/picture.h"

#include <functional>
#include <string>

namespace ui {

class Window;

// A box that shows its picture unscaled, anchored at its top-left corner and clipped to the box.
class PictureBox : public Control {
public:
    PictureBox(Window& window, const std::string& objectName, const Rect& twips, bool visible);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void onClick(std::function<void()> handler);

private:
    Picture picture_;
};

} // namespace ui
