#pragma once

#include "ui/control.h"

#include <functional>
#include <string>

namespace ui {

class Window;

// A command button drawn in its own background colour; a disabled one greys its caption.
class Button : public Control {
public:
    Button(Window& window, const std::string& objectName, const Rect& twips,
           const std::string& caption);

    std::string caption() const;
    void setBackColor(ColourNumber colour) override;
    void setForeColor(ColourNumber colour) override;
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    bool hasCaption() const override { return true; }

private:
    std::function<void()> click_;
};

} // namespace ui
