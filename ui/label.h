#pragma once

#include "ui/control.h"

#include <string>

namespace ui {

class Window;

// A line of plain text; with a background colour it is painted opaque.
class Label : public Control {
public:
    Label(Window& window, const std::string& objectName, const Rect& twips,
          const std::string& caption, Align align);

    void setCaption(const std::string& caption);
    std::string caption() const { return caption_; }

protected:
    bool hasCaption() const override { return true; }

private:
    std::string caption_;
};

} // namespace ui
